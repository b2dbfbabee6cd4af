#include "screens/MainMenu.h"

#include "forms/Forms.h"
#include "shell/Button.h"
#include "shell/Label.h"
#include "shell/Shell.h"
#include "shell/Timer.h"

namespace {
constexpr const char* awardNames[] = {"cmd1", "cmd2", "cmd3", "cmd4", "cmd5"};
constexpr const char* numberNames[] = {"lbl1", "lbl2", "lbl3", "lbl4", "lbl5"};
} // namespace

MainMenu::MainMenu(Shell& shell) : Screen(shell, "frmMain", frmMainForm) {}

Button& MainMenu::award(int test) {
    return button(awardNames[test - 1]);
}
Label& MainMenu::testNumber(int test) {
    return label(numberNames[test - 1]);
}

void MainMenu::connectHandlers() {
    for (int test = 1; test <= 5; ++test)
        connect(&testNumber(test), &Label::clicked, this, [this, test] { testNumber_Click(test); });
    connect(&button("cmdClose"), &Button::clicked, this, &MainMenu::cmdClose_Click);
    connect(&timer("Timer1"), &Timer::tick, this, &MainMenu::Timer1_Timer);
}

void MainMenu::Form_Load() {
    shell.keepMenuOnTop();
    shell.frmIntro().show();
    shell.centre(*this);
}

void MainMenu::testNumber_Click(int test) {
    shell.openTest(test);
}

void MainMenu::cmdClose_Click() {
    shell.end();
}

void MainMenu::Timer1_Timer() {
    shell.keepMenuOnTop();
}
