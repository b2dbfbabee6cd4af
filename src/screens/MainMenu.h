#pragma once

#include "shell/Screen.h"

// frmMain: the menu bar with the five test numbers, their smiley awards and Close.
class MainMenu final : public Screen {
    Q_OBJECT
  public:
    explicit MainMenu(Shell& shell);

    // The smiley award of a test, and the number it covers.
    Button& award(int test);
    Label& testNumber(int test);

  private:
    void connectHandlers() override;
    void Form_Load() override;
    void testNumber_Click(int test);
    void cmdClose_Click();
    void Timer1_Timer();
};
