#pragma once

#include "shell/Screen.h"

class Navigation;

// frmIntro: the welcome page with its start label and the blinking link to the maker's site.
class Intro final : public Screen {
    Q_OBJECT
  public:
    Intro(Shell& shell, Navigation& navigation);

  private:
    void bindControls() override;
    void Form_Load() override;
    void Label8_Click();
    void lblWeb_Click();
    void Timer1_Timer();

    Navigation& navigation;
    Label* lblWeb = nullptr;
};
