#pragma once

#include "quiz/TestScreen.h"
#include "screens/Intro.h"
#include "screens/MainMenu.h"
#include "screens/Navigation.h"
#include "shell/Shell.h"
#include "vocabulary/TestNumber.h"

#include <memory>
#include <span>
#include <vector>

class AttemptKeeper;
class PortIo;

// The screens the program owns, the menu, the welcome page and a test screen for each test of
// the set, each made once for the whole run; and the navigation between them: start-up, opening
// a test, an award and ending the program.
class ScreenSet final : public Shell, public Navigation {
    Q_OBJECT
  public:
    // One test screen for each bank, up to five: the built-in tests or a teacher's. Each attempt
    // goes to `record`, where one is kept.
    ScreenSet(const Platform& platform, PortIo& ports, ReadAloud reading,
              std::span<const QuestionBank> banks = builtInBanks(),
              AttemptKeeper* record = nullptr);
    ~ScreenSet() override;

    MainMenu& frmMain() { return menu; }
    Intro& frmIntro() { return intro; }
    TestScreen& frm(TestNumber test) { return *tests.at(test.index()); }

    void start();
    void keepMenuOnTop() override;
    void openTest(TestNumber test) override;
    void award(TestNumber test) override;
    void end() override;

  private:
    PortIo& ports;
    Intro intro;
    MainMenu menu;
    std::vector<std::unique_ptr<TestScreen>> tests;
};
