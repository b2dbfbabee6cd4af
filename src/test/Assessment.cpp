#include "screens/MainMenu.h"
#include "shell/Button.h"
#include "shell/Label.h"
#include "shell/TextBox.h"
#include "test/Counters.h"
#include "test/TestScreen.h"

void TestScreen::chooseComment() {
    // Five separate checks in this order, each reading the score afresh.
    Label& comment = label("lblComment");
    if (toNumber(label("lblScore").caption()) == 100) {
        if (testNumber == TestNumber(1)) {
            comment.setCaption(" Congratulation ! you are awarded with a smiley face. ");
            handBackAward();
        } else {
            comment.setCaption(" Excellent ! Click here to claim a smiley face. ");
        }
    }
    if (toNumber(label("lblScore").caption()) == 90)
        comment.setCaption(" You almost did it, be more careful next time . ");
    if (toNumber(label("lblScore").caption()) == 80)
        comment.setCaption(" The result is not very bad,but you have to do more practices. ");
    if (toNumber(label("lblScore").caption()) == 70)
        comment.setCaption(" I think there are some question you need to ask for help ");
    if (toNumber(label("lblScore").caption()) < 70)
        comment.setCaption(" The result is not acceptable, get some help right away . ");
}

void TestScreen::claimAward() {
    // Test 1 rewards a full mark as the test ends; the others when the pupil claims it here.
    if (testNumber == TestNumber(1))
        return;
    if (toNumber(textBox("txtQ").text()) == 10 && label("lblScore").caption() == "100")
        handBackAward();
}

void TestScreen::handBackAward() {
    frmMain.award(testNumber).setVisible(true);
    frmMain.testNumber(testNumber).setEnabled(false);
}
