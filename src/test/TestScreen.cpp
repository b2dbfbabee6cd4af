#include "test/TestScreen.h"

#include "forms/Forms.h"
#include "shell/Label.h"
#include "shell/Shell.h"
#include "shell/TextBox.h"
#include "shell/Timer.h"
#include "test/Counters.h"

namespace {
constexpr const char* screenNames[TestNumber::count] = {"frm1", "frm2", "frm3", "frm4", "frm5"};
} // namespace

TestScreen::TestScreen(Shell& shell, MainMenu& frmMain, PortIo& ports, TestNumber test)
    : Screen(shell, screenNames[test.index()], testForm(test)), frmMain(frmMain), ports(ports),
      testNumber(test), bank(questionBank(test)) {}

void TestScreen::connectHandlers() {
    connect(&label("lblComment"), &Label::clicked, this, &TestScreen::lblComment_Click);
    connect(&label("lblNext"), &Label::clicked, this, &TestScreen::lblNext_Click);
    connect(&textBox("txtQ"), &TextBox::changed, this, &TestScreen::txtQ_Change);
    connect(&textBox("txtY"), &TextBox::clicked, this, &TestScreen::txtY_Click);
    connect(&textBox("txtN"), &TextBox::clicked, this, &TestScreen::txtN_Click);
    connect(&timer("tmrR"), &Timer::tick, this, &TestScreen::tmrR_Timer);
    connect(&timer("TimerSound"), &Timer::tick, this, &TestScreen::TimerSound_Timer);
}

void TestScreen::Form_Load() {
    shell.keepMenuOnTop();
    textBox("txtQ").setText("0");
    label("lblComment").setVisible(true);
    textBox("txtY").setEnabled(false);
    textBox("txtN").setEnabled(false);
    label("lblComment").setCaption(" This is a small test created by Tovrin. Click here to start.");
    shell.centre(*this);
}

void TestScreen::unloading() {
    ++closings;
    setToneDone(true);
}

void TestScreen::lblComment_Click() {
    if (toNumber(textBox("txtQ").text()) == 0) {
        label("lblComment").setVisible(false);
        textBox("txtQ").setText("1");
        textBox("txtY").setEnabled(true);
        textBox("txtN").setEnabled(true);
    }
    claimAward();
}

void TestScreen::lblNext_Click() {
    const double question = toNumber(textBox("txtQ").text());
    if (question == 10) {
        endTest();
        return;
    }
    textBox("txtQ").setText(toText(question + 1));
    textBox("txtY").setEnabled(true);
    textBox("txtN").setEnabled(true);
    label("lblNext").setVisible(false);
    label("lblP").setVisible(false);
    label("lblCorrect").setVisible(false);
    label("lblWrong").setVisible(false);
}

void TestScreen::endTest() {
    label("lblP").setVisible(false);
    textBox("txtY").setVisible(false);
    textBox("txtN").setVisible(false);
    label("lblCorrect").setVisible(false);
    label("lblWrong").setVisible(false);
    label("lblComment").setVisible(true);
    chooseComment();
}
