#pragma once

#include "shell/Screen.h"

// frmIntro: the welcome page with its start label and the blinking link to the maker's site.
class Intro final : public Screen {
    Q_OBJECT
  public:
    explicit Intro(Shell& shell);

  private:
    void connectHandlers() override;
    void Form_Load() override;
    void Label8_Click();
    void lblWeb_Click();
    void Timer1_Timer();
};
