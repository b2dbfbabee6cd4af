#pragma once

#include "Harness.h"

// What a pupil does on a test screen, with the clock moved on as the feedback needs.
struct Pupil {
    Harness& h;

    TestScreen& screen(int test) { return h.shell.frm(test); }

    // Opens the test from the menu and clicks its start prompt.
    TestScreen& startTest(int test) {
        if (h.shell.frmMain().state() == ScreenState::NotLoaded)
            h.shell.start();
        click(h.shell.frmMain().testNumber(test));
        click(h.shell.frm(test).label("lblComment"));
        return h.shell.frm(test);
    }

    // Picks a word and waits out the whole feedback, tones included.
    void answer(TestScreen& screen, bool right) {
        click(screen.textBox(right ? "txtY" : "txtN"));
        h.clock.advance(7000);
    }

    // Answers all ten questions, the first `rightAnswers` of them rightly, and ends the test.
    void takeTest(TestScreen& screen, int rightAnswers) {
        for (int question = 1; question <= 10; ++question) {
            answer(screen, question <= rightAnswers);
            click(screen.label("lblNext"));
        }
    }
};
