#pragma once

#include "forms/TestNumber.h"
#include "quiz/TestScreen.h"
#include "screens/Intro.h"
#include "screens/MainMenu.h"
#include "screens/Navigation.h"
#include "shell/Shell.h"

#include <memory>
#include <span>
#include <vector>

class PortIo;

// Velmora's seven screens, each made once for the whole run, and what start-up, opening a test
// and ending the program do to them.
class Screens final : public Shell, public Navigation {
    Q_OBJECT
  public:
    // One test screen for each bank, up to five: the built-in tests or a teacher's.
    Screens(const Platform& platform, PortIo& ports,
            std::span<const QuestionBank> banks = builtInBanks());
    ~Screens() override;

    MainMenu& frmMain() { return menu; }
    Intro& frmIntro() { return intro; }
    TestScreen& frm(TestNumber test) { return *tests.at(test.index()); }
    int testCount() const { return int(tests.size()); }

    void start();
    void keepMenuOnTop() override;
    void openTest(TestNumber test) override;
    void end() override;

  signals:
    void ended();

  private:
    PortIo& ports;
    Intro intro;
    MainMenu menu;
    std::vector<std::unique_ptr<TestScreen>> tests;
};
