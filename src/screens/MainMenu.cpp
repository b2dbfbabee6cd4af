#include "screens/MainMenu.h"

#include "forms/Forms.h"
#include "screens/Intro.h"
#include "shell/Button.h"
#include "shell/Label.h"
#include "shell/Shell.h"
#include "shell/Timer.h"

namespace {
constexpr const char* awardNames[TestNumber::count] = {"cmd1", "cmd2", "cmd3", "cmd4", "cmd5"};
constexpr const char* numberNames[TestNumber::count] = {"lbl1", "lbl2", "lbl3", "lbl4", "lbl5"};
} // namespace

MainMenu::MainMenu(Shell& shell, Intro& frmIntro)
    : Screen(shell, "frmMain", frmMainForm), frmIntro(frmIntro) {}

Button& MainMenu::award(TestNumber test) {
    return button(awardNames[test.index()]);
}
Label& MainMenu::testNumber(TestNumber test) {
    return label(numberNames[test.index()]);
}

void MainMenu::connectHandlers() {
    for (TestNumber test : TestNumber::all())
        connect(&testNumber(test), &Label::clicked, this, [this, test] { testNumber_Click(test); });
    connect(&button("cmdClose"), &Button::clicked, this, &MainMenu::cmdClose_Click);
    connect(&timer("Timer1"), &Timer::tick, this, &MainMenu::Timer1_Timer);
}

void MainMenu::Form_Load() {
    shell.keepMenuOnTop();
    frmIntro.show();
    shell.centre(*this);
}

void MainMenu::testNumber_Click(TestNumber test) {
    shell.openTest(test);
}

void MainMenu::cmdClose_Click() {
    shell.end();
}

void MainMenu::Timer1_Timer() {
    shell.keepMenuOnTop();
}
