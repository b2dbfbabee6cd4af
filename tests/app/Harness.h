#pragma once

#include "ManualClock.h"
#include "RecordingPorts.h"
#include "RecordingVoice.h"
#include "WindowClick.h"
#include "program/ScreenSet.h"
#include "shell/Label.h"
#include "shell/Shape.h"
#include "shell/TextBox.h"
#include "shell/Timer.h"
#include "shell/UrlOpener.h"

#include <QCoreApplication>
#include <QTest>

// Offscreen windows cannot be raised, and Qt says so each time the menu goes back on top.
inline void quietenUnraisableWindows() {
    static const QtMessageHandler next = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message != QLatin1String("This plugin does not support raise()"))
                next(type, context, message);
        });
}

struct RecordingUrlOpener final : UrlOpener {
    void open(const QUrl& url) override { opened.append(url); }
    QList<QUrl> opened;
};

// Velmora as the tests drive it, and a pupil at it: time on a manual clock and the speaker's
// ports recorded unless the test hands in a clock and a speaker of its own, web addresses
// recorded instead of opened, a display of a chosen width, and every click made through the
// windows as a pupil makes it.
struct Harness {
    ManualClock clock;
    RecordingPorts ports;
    RecordingUrlOpener urls;
    RecordingVoice voice;
    int displayWidth = 1024;
    ScreenSet screens;

    Harness() : Harness(clock, ports) {}
    // A teacher's tests instead of the built-in ones.
    explicit Harness(std::span<const QuestionBank> banks) : Harness(clock, ports, banks) {}
    // Every text read aloud as it appears, as with --read-aloud.
    struct ReadingAloud {};
    explicit Harness(ReadingAloud, std::span<const QuestionBank> banks = builtInBanks())
        : Harness(clock, ports, banks, true) {}
    // Each attempt handed to `record`.
    explicit Harness(AttemptKeeper& record, std::span<const QuestionBank> banks = builtInBanks())
        : Harness(clock, ports, banks, false, &record) {}
    Harness(Clock& runningClock, PortIo& speaker,
            std::span<const QuestionBank> banks = builtInBanks(), bool readingAloud = false,
            AttemptKeeper* record = nullptr)
        : screens({runningClock, urls, [this] { return displayWidth; }}, speaker,
                  {voice, readingAloud}, banks, record) {
        quietenUnraisableWindows();
    }
    ~Harness() { flushClosedWindows(); }

    // Closed screens hand their widgets to the event loop to delete; the tests have no loop.
    static void flushClosedWindows() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static TestNumber test(int number) { return TestNumber::from(number).value(); }
    TestScreen& frm(int number) { return screens.frm(test(number)); }

    // Clicks the test's number on the menu, starting the program first if it has not started.
    TestScreen& open(int number) {
        if (screens.frmMain().state() == ScreenState::NotLoaded)
            screens.start();
        clickThroughWindow(screens.frmMain().testNumber(test(number)));
        return frm(number);
    }
    // Opens the test and clicks its start prompt.
    TestScreen& startTest(int number) {
        TestScreen& screen = open(number);
        clickThroughWindow(screen.label("lblComment"));
        return screen;
    }
    void pick(TestScreen& screen, bool correct) {
        clickThroughWindow(screen.textBox(correct ? "txtY" : "txtN"));
    }
    // Picks a word and waits out the whole feedback, tones included, on the manual clock.
    void answer(TestScreen& screen, bool correct) {
        pick(screen, correct);
        clock.advance(7000);
    }
    // Answers every question of a test, the first `correctAnswers` of them correctly, and ends it.
    void takeTest(TestScreen& screen, int correctAnswers, int questions = int(longestTest)) {
        for (int question = 1; question <= questions; ++question) {
            answer(screen, question <= correctAnswers);
            clickThroughWindow(screen.label("lblNext"));
        }
    }
};

// A click as the pupil makes it: at the middle of the control, through its window, so that
// disabled or hidden controls get nothing and whatever lies on top gets the click.
inline void click(QWidget& control) {
    clickThroughWindow(control);
}

// A test screen as every opening leaves it: nothing of an earlier test, no feedback shown. That
// none goes on shows in the ticks of its tmrR.
inline bool isFresh(TestScreen& screen) {
    return screen.textBox("txtQ").text() == "0" && screen.label("lblScore").caption() == "0" &&
           screen.label("lblMistake").caption() == "0" && screen.label("lblComment").visible() &&
           !screen.label("lblNext").visible() && !screen.label("lblCorrect").visible() &&
           !screen.label("lblWrong").visible() &&
           screen.shape("Shape2").fillStyle() == FillStyle::Transparent &&
           screen.shape("Shape3").fillStyle() == FillStyle::Transparent;
}

// How many ticks the timers give, all together, while the clock moves on by `ms`: whether they
// run, seen as the screens' handlers see it.
inline int ticksOf(ManualClock& clock, const std::vector<Timer*>& timers, std::int64_t ms) {
    QObject listening;
    int ticks = 0;
    for (Timer* timer : timers)
        QObject::connect(timer, &Timer::tick, &listening, [&ticks] { ++ticks; });
    clock.advance(ms);
    return ticks;
}
