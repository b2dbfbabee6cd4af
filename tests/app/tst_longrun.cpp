// What a long day does to the program: a screen left alone for hours after a pick, a thousand
// questions in a row, and a thousand openings of tests in a row.
#include "Harness.h"
#include "ToneListener.h"
#include "shell/Shape.h"
#include "shell/Timer.h"
#include "shell/Window.h"
#include "sound/SilentPorts.h"

#include <QApplication>
#include <QSignalSpy>

namespace {
constexpr int feedbackMs = 7000;
// tmrR's ticks in a feedback: steps 2 to 32, the last 6.2 s after the pick; then it stops.
constexpr int feedbackSteps = 31;
// The feedback counts its steps in 16 bits, five a second: were it never to stop, it would come
// round to the judging step again after 65536 ticks, some 3 h 38 min after the pick.
constexpr std::int64_t aLongAfternoonMs = 4LL * 60 * 60 * 1000;
constexpr int openings = 1000;
constexpr int questionsInARow = 1000;

// The program's clock, counting the timers alive on it.
class CountingClock final : public Clock {
  public:
    std::unique_ptr<ClockTimer> createTimer(std::function<void()> onTick,
                                            TimerPrecision precision) override {
        return std::make_unique<Counted>(time.createTimer(std::move(onTick), precision), alive);
    }

    ManualClock time;
    int alive = 0;

  private:
    struct Counted final : ClockTimer {
        Counted(std::unique_ptr<ClockTimer> timer, int& alive)
            : timer(std::move(timer)), alive(alive) {
            ++alive;
        }
        ~Counted() override { --alive; }
        void start(int intervalMs) override { timer->start(intervalMs); }
        void stop() override { timer->stop(); }
        std::unique_ptr<ClockTimer> timer;
        int& alive;
    };
};

// All a pupil could tell about the screen by looking at it.
QStringList looks(TestScreen& screen) {
    QStringList seen;
    for (Control* control : screen.window().findChildren<Control*>())
        if (control->visible())
            seen << control->objectName();
    seen.sort();
    seen << screen.label("lblScore").caption() << screen.label("lblMistake").caption()
         << screen.textBox("txtQ").text();
    for (const char* lamp : {"Shape2", "Shape3"})
        seen << (screen.shape(lamp).fillStyle() == FillStyle::Solid ? "lit" : "dark");
    return seen;
}

int tonesStarted(const RecordingPorts& ports) {
    int started = 0;
    for (const PortAccess& access : ports.accesses())
        started += access.kind == PortAccess::Kind::Write && access.port == systemControlPort &&
                   (access.value & speakerGateBits) != 0;
    return started;
}

// The feedback of a pick runs on time: "Checking" 200 ms after it, the count at 5.8 s.
void checkFeedbackOnTime(ManualClock& clock, Harness& program, TestScreen& screen) {
    const QString mistakes = screen.label("lblMistake").caption();
    program.pick(screen, false);
    clock.advance(199);
    QVERIFY(!screen.label("lblCheck").visible());
    clock.advance(1);
    QVERIFY(screen.label("lblCheck").visible());
    clock.advance(5599);
    QCOMPARE(screen.label("lblMistake").caption(), mistakes);
    clock.advance(1);
    QCOMPARE(screen.label("lblMistake").caption(), QString::number(mistakes.toInt() + 1));
}
} // namespace

class LongRunTest : public QObject {
    Q_OBJECT
  private slots:
    void aScreenLeftForAnAfternoonAfterAPick();
    void aScreenLeftForAnAfternoonAfterAFeedbackCutShort();
    void aThousandQuestionsInARowKeepTheirTimeline();
    void aThousandOpeningsLeaveNothingBehind();
};

void LongRunTest::aScreenLeftForAnAfternoonAfterAPick() {
    ManualClock clock;
    RecordingPorts ports;
    Harness program(clock, ports);
    TestScreen& screen = program.startTest(2);
    program.pick(screen, true);
    clock.advance(feedbackMs);
    const QStringList settled = looks(screen);
    QCOMPARE(tonesStarted(ports), 4);
    for (std::int64_t ms = 0; ms < aLongAfternoonMs; ms += 60 * 1000) {
        clock.advance(60 * 1000);
        QVERIFY2(looks(screen) == settled, qPrintable(QString("after %1 min").arg(ms / 60000)));
    }
    QCOMPARE(tonesStarted(ports), 4);
    QVERIFY(!ports.speakerBitsSet());
    clickThroughWindow(screen.label("lblNext"));
    QCOMPARE(screen.textBox("txtQ").text(), "2");
    checkFeedbackOnTime(clock, program, screen);
}

void LongRunTest::aScreenLeftForAnAfternoonAfterAFeedbackCutShort() {
    ManualClock clock;
    RecordingPorts ports;
    Harness program(clock, ports);
    TestScreen& screen = program.startTest(4);
    program.pick(screen, true);
    clock.advance(3000);
    // Opened again mid-feedback: the step count stays where it was, and the new screen's
    // feedback timer is off.
    program.open(4);
    Harness::flushClosedWindows();
    const QStringList fresh = looks(screen);
    clock.advance(aLongAfternoonMs);
    QCOMPARE(looks(screen), fresh);
    QCOMPARE(tonesStarted(ports), 0);
    clickThroughWindow(screen.label("lblComment"));
    checkFeedbackOnTime(clock, program, screen);
}

// Every feedback of a long day in a row keeps the first one's times: the steps count from 1 at
// each pick, and the four tones start and end where the first ones did.
void LongRunTest::aThousandQuestionsInARowKeepTheirTimeline() {
    ManualClock clock;
    SilentPorts silent; // keeps no log that would grow
    ToneListener speaker(silent);
    Harness program(clock, speaker);
    std::int64_t pickedAt = 0;
    QList<std::int64_t> gate; // each switch of the speaker, in ms after the pick
    speaker.onToneStart = [&] { gate << clock.now() - pickedAt; };
    speaker.onToneEnd = [&] { gate << clock.now() - pickedAt; };
    const QList<std::int64_t> correctGate{5800, 5900, 5900, 6100, 6100, 6200, 6200, 6400};
    const QList<std::int64_t> wrongGate{5800, 6200, 6200, 6250, 6250, 6650, 6650, 6700};
    TestScreen* screen = nullptr;
    for (int question = 0; question < questionsInARow; ++question) {
        if (question % 10 == 0)
            screen = &program.startTest(1 + question / 10 % 5);
        else
            clickThroughWindow(screen->label("lblNext"));
        const bool correct = question % 3 != 0;
        gate.clear();
        pickedAt = clock.now();
        QSignalSpy steps(&screen->timer("tmrR"), &Timer::tick);
        program.pick(*screen, correct);
        clock.advance(199);
        const bool checkingEarly = screen->label("lblCheck").visible();
        clock.advance(1);
        const bool checkingOnTime = screen->label("lblCheck").visible();
        clock.advance(feedbackMs - 200);
        const QString where = QString("question %1").arg(question + 1);
        QVERIFY2(!checkingEarly && checkingOnTime, qPrintable(where));
        QVERIFY2(gate == (correct ? correctGate : wrongGate), qPrintable(where));
        QVERIFY2(screen->label("lblNext").visible(), qPrintable(where));
        QVERIFY2(steps.count() == feedbackSteps, qPrintable(where));
        QVERIFY2(screen->shape("Shape2").fillStyle() == FillStyle::Transparent &&
                     screen->shape("Shape3").fillStyle() == FillStyle::Transparent,
                 qPrintable(where));
    }
    QVERIFY(!speaker.speakerOn());
    QCOMPARE(screen->label("lblScore").caption(), "60");
    QCOMPARE(screen->label("lblMistake").caption(), "4");
}

void LongRunTest::aThousandOpeningsLeaveNothingBehind() {
    CountingClock clock;
    SilentPorts ports; // keeps no log that would grow
    Harness program(clock, ports);
    // Every tenth opening cuts the tones of a pick short.
    auto openTest = [&](int n) {
        const int test = 1 + n % 5;
        if (n % 10 != 0) {
            program.open(test);
            return;
        }
        TestScreen& playing = program.startTest(1 + (n / 10) % 5);
        program.pick(playing, n % 20 == 0);
        auto pupil = clock.time.createTimer([&] { program.open(test); });
        pupil->start(5850);
        clock.time.advance(5850);
    };
    // The event loop's turn between the pupil's clicks: painting, and deleting what was closed.
    auto settle = [&] {
        clock.time.advance(1000);
        QCoreApplication::processEvents();
        Harness::flushClosedWindows();
    };
    for (int n = 0; n < 20; ++n) {
        openTest(n);
        settle();
    }
    const qsizetype widgets = QApplication::allWidgets().size();
    const int timers = clock.alive;
    for (int n = 0; n < openings; ++n) {
        openTest(n);
        settle();
        QCOMPARE(QApplication::allWidgets().size(), widgets);
        QCOMPARE(clock.alive, timers);
    }
    QCOMPARE(ports.vbInp(systemControlPort) & speakerGateBits, 0);
}

QTEST_MAIN(LongRunTest)
#include "tst_longrun.moc"
