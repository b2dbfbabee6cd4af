#include "quiz/TestScreen.h"
#include "screens/Navigation.h"
#include "shell/Label.h"

void TestScreen::chooseComment() {
    if (quiz.score == 100) {
        if (testNumber == TestNumber(1)) {
            lblComment->setCaption(" Congratulation ! you are awarded with a smiley face. ");
            navigation.award(testNumber);
        } else {
            lblComment->setCaption(" Excellent ! Click here to claim a smiley face. ");
        }
    }
    if (quiz.score == 90)
        lblComment->setCaption(" You almost did it, be more careful next time . ");
    if (quiz.score == 80)
        lblComment->setCaption(" The result is not very bad,but you have to do more practices. ");
    if (quiz.score == 70)
        lblComment->setCaption(" I think there are some question you need to ask for help ");
    if (quiz.score < 70)
        lblComment->setCaption(" The result is not acceptable, get some help right away . ");
}

void TestScreen::claimAward() {
    // Test 1 rewards a full mark as the test ends; the others when the pupil claims it here.
    if (testNumber == TestNumber(1))
        return;
    if (quiz.question == 10 && quiz.score == 100)
        navigation.award(testNumber);
}
