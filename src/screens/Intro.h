#pragma once

#include "shell/Screen.h"

class Navigation;

// frmIntro: the welcome page with its start label and the blinking link to the maker's site.
class Intro final : public Screen {
    Q_OBJECT
  public:
    // A teacher's set may hold fewer tests than the built-in five; the page says how many. While
    // the answers are kept for the teacher, the page says so too.
    Intro(Shell& shell, Navigation& navigation, int testCount, bool answersKept);

  private:
    void bindControls() override;
    void Form_Load() override;
    void Label8_Click();
    void lblWeb_Click();
    void Timer1_Timer();

    Navigation& navigation;
    const int testCount;
    const bool answersKept;
    Label* lblWeb = nullptr;
    Label* Label2 = nullptr;
};
