#pragma once

#include "forms/TestNumber.h"

// What the screens ask of the program that puts them together: which screens an opening, the
// topmost step and the end move is the program's to say.
class Navigation {
  public:
    // The topmost step: the menu window goes above every other window, without moving.
    virtual void keepMenuOnTop() = 0;
    // Test screen N afresh and shown, the other four reset and hidden, the welcome page hidden.
    virtual void openTest(TestNumber test) = 0;
    virtual void end() = 0;

  protected:
    ~Navigation() = default;
};
