#include "quiz/TestScreen.h"
#include "screens/Navigation.h"
#include "shell/Label.h"

#include <algorithm>

namespace {
constexpr int fullMark = 100;

// The comment after one, two, three, and four or more mistakes. In a test of ten these are the
// comments of the scores 90, 80, 70 and below 70; in a shorter test one mistake costs more
// points, but the pupil is told the same about it.
constexpr const char* commentsForMistakes[] = {
    " You almost did it, be more careful next time . ",
    " The result is not very bad,but you have to do more practices. ",
    " I think there are some question you need to ask for help ",
    " The result is not acceptable, get some help right away . ",
};
} // namespace

void TestScreen::chooseComment() {
    if (quiz.mistakes == 0) {
        if (testNumber == TestNumber(1)) {
            lblComment->setCaption(" Congratulation ! you are awarded with a smiley face. ");
            navigation.award(testNumber);
        } else {
            lblComment->setCaption(" Excellent ! Click here to claim a smiley face. ");
        }
        return;
    }
    const int row = std::min(quiz.mistakes, int(std::size(commentsForMistakes))) - 1;
    lblComment->setCaption(commentsForMistakes[row]);
}

void TestScreen::claimAward() {
    // Test 1 rewards a full mark as the test ends; the others when the pupil claims it here.
    if (testNumber == TestNumber(1))
        return;
    if (quiz.question == questionCount() && quiz.score == fullMark)
        navigation.award(testNumber);
}
