#include "screens/MainMenu.h"

#include "forms/Forms.h"
#include "screens/Intro.h"
#include "screens/Navigation.h"
#include "shell/Button.h"
#include "shell/Label.h"
#include "shell/Shell.h"
#include "shell/Timer.h"

namespace {
constexpr const char* awardNames[TestNumber::count] = {"cmd1", "cmd2", "cmd3", "cmd4", "cmd5"};
constexpr const char* numberNames[TestNumber::count] = {"lbl1", "lbl2", "lbl3", "lbl4", "lbl5"};
} // namespace

MainMenu::MainMenu(Shell& shell, Navigation& navigation, Intro& frmIntro, int testCount)
    : Screen(shell, "frmMain", frmMainForm), navigation(navigation), frmIntro(frmIntro),
      testCount(testCount) {}

Button& MainMenu::award(TestNumber test) {
    load();
    return *awards[test.index()];
}
Label& MainMenu::testNumber(TestNumber test) {
    load();
    return *testNumbers[test.index()];
}

void MainMenu::bindControls() {
    for (TestNumber test : TestNumber::all()) {
        awards[test.index()] = &button(awardNames[test.index()]);
        testNumbers[test.index()] = &label(numberNames[test.index()]);
        connect(testNumbers[test.index()], &Label::clicked, this,
                [this, test] { testNumber_Click(test); });
    }
    connect(&button("cmdClose"), &Button::clicked, this, &MainMenu::cmdClose_Click);
    connect(&timer("Timer1"), &Timer::tick, this, &MainMenu::Timer1_Timer);
}

void MainMenu::Form_Load() {
    for (TestNumber test : TestNumber::all())
        if (test.value() > testCount)
            testNumbers[test.index()]->setVisible(false);
    navigation.keepMenuOnTop();
    frmIntro.show();
    shell.centre(*this);
}

void MainMenu::testNumber_Click(TestNumber test) {
    navigation.openTest(test);
}

void MainMenu::cmdClose_Click() {
    navigation.end();
}

void MainMenu::Timer1_Timer() {
    navigation.keepMenuOnTop();
}
