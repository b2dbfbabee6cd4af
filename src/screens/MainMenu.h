#pragma once

#include "shell/Screen.h"
#include "vocabulary/TestNumber.h"

#include <array>

class Intro;
class Navigation;

// frmMain: the menu bar with the five test numbers, their smiley awards and Close.
class MainMenu final : public Screen {
    Q_OBJECT
  public:
    // The menu offers the numbers of the first testCount tests only.
    MainMenu(Shell& shell, Navigation& navigation, Intro& frmIntro, int testCount);

    // The smiley award of a test, and the number it covers.
    Button& award(TestNumber test);
    Label& testNumber(TestNumber test);

  private:
    void bindControls() override;
    void Form_Load() override;
    void testNumber_Click(TestNumber test);
    void cmdClose_Click();
    void Timer1_Timer();

    Navigation& navigation;
    Intro& frmIntro;
    const int testCount;
    std::array<Button*, TestNumber::count> awards{};
    std::array<Label*, TestNumber::count> testNumbers{};
};
