#pragma once

#include "Harness.h"
#include "WindowClick.h"

// The program on a clock and a speaker of the test's choosing, driven through its windows as a
// pupil drives it.
struct DrivenProgram {
    DrivenProgram(Clock& clock, PortIo& speaker)
        : shell({clock, speaker, urls, [] { return 1024; }}) {
        quietenUnraisableWindows();
        shell.start();
    }
    ~DrivenProgram() { Harness::flushClosedWindows(); }

    TestScreen& open(int test) {
        clickThroughWindow(shell.frmMain().testNumber(test));
        return shell.frm(test);
    }
    TestScreen& startTest(int test) {
        TestScreen& screen = open(test);
        clickThroughWindow(screen.label("lblComment"));
        return screen;
    }
    void pick(TestScreen& screen, bool right) {
        clickThroughWindow(screen.textBox(right ? "txtY" : "txtN"));
    }

    RecordingUrlOpener urls;
    Shell shell;
};
