#include "quiz/TestScreen.h"
#include "screens/Navigation.h"
#include "shell/Label.h"

#include <algorithm>

namespace {
// The comment on a test with mistakes, by the fewest mistakes it is given for: in a test of ten
// these are the comments of the scores 90, 80, 70 and below 70; in a shorter test one mistake
// costs more points, but the pupil is told the same about it.
struct MistakesComment {
    int fewestMistakes;
    std::string_view comment;
};
constexpr MistakesComment commentsForMistakes[] = {
    {1, " You almost did it, be more careful next time . "},
    {2, " The result is not very bad,but you have to do more practices. "},
    {3, " I think there are some question you need to ask for help "},
    {4, " The result is not acceptable, get some help right away . "},
};
} // namespace

void TestScreen::chooseComment() {
    if (quiz.mistakes == 0) {
        if (testNumber == TestNumber(1)) {
            showComment(" Congratulation ! you are awarded with a smiley face. ");
            navigation.award(testNumber);
        } else {
            showComment(" Excellent ! Click here to claim a smiley face. ");
        }
        return;
    }
    const auto row =
        std::ranges::find_if(commentsForMistakes, [&](const MistakesComment& candidate) {
            return quiz.mistakes < candidate.fewestMistakes;
        });
    showComment(std::prev(row)->comment);
}

void TestScreen::showComment(std::string_view comment) {
    quiz.comment = comment;
    lblComment->setCaption(QString::fromUtf8(comment.data(), qsizetype(comment.size())));
}

void TestScreen::claimAward() {
    // Test 1 rewards a full mark as the test ends; the others when the pupil claims it here.
    if (testNumber == TestNumber(1))
        return;
    if (quiz.question == questionCount() && quiz.score == fullMark)
        navigation.award(testNumber);
}
