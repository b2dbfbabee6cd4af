#pragma once

#include "vocabulary/TestNumber.h"

// What the screens ask of the program that puts them together: which screens an opening, the
// topmost step, an award and the end move is the program's to say.
class Navigation {
  public:
    // The topmost step: the menu window goes above every other window, without moving.
    virtual void keepMenuOnTop() = 0;
    // Test screen N afresh and shown, every other test screen of the set reset and hidden, the
    // welcome page hidden.
    virtual void openTest(TestNumber test) = 0;
    // A full mark on test N: the menu shows its smiley over the test's number, which no longer
    // opens the test.
    virtual void award(TestNumber test) = 0;
    virtual void end() = 0;

  protected:
    ~Navigation() = default;
};
