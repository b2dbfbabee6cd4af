// Every way a pupil or the computer can cut the feedback's tones short: another opening, clicks
// on what is not there yet, Close, and a sound card that goes away.
#include "ExpectedQuestions.h"
#include "Harness.h"
#include "ToneListener.h"
#include "shell/Button.h"
#include "shell/QtClock.h"
#include "shell/Shape.h"
#include "shell/Timer.h"
#include "sound/SilentPorts.h"
#include "sound/SoundcardSpeaker.h"
#include "sound/Speaker.h"

#include <QSignalSpy>
#include <QTimer>
#include <SDL.h>
#include <algorithm>
#include <span>

using namespace std::chrono_literals;

namespace {
constexpr int judgingMs = 5800; // the first tone starts here, after the pick
constexpr int firstToneMs = judgingMs + 50;
// Within the fourth tone: correct 6200 ... 6400 ms, wrong 6650 ... 6700 ms after the pick.
constexpr int lastToneMs(bool correct) {
    return correct ? 6300 : 6680;
}
constexpr int feedbackMs = 7000;

// When each of the four tones starts and ends, in ms after the pick.
struct ToneSpan {
    int start, end;
};
constexpr ToneSpan correctTones[] = {{5800, 5900}, {5900, 6100}, {6100, 6200}, {6200, 6400}};
constexpr ToneSpan wrongTones[] = {{5800, 6200}, {6200, 6250}, {6250, 6650}, {6650, 6700}};

// What cuts a feedback short: its screen closed alone, as the program's end closes it, or opened
// again, or another test opened.
enum class Cut { Close, Reload, AnotherTest };

const ExpectedQuestion& expectedQuestion(int test, int number) {
    return *std::ranges::find_if(expectedQuestions, [&](const ExpectedQuestion& question) {
        return question.test == test && question.number == number;
    });
}

// The real clock and event loop, every interval a twentieth as long: the first tone comes
// 0.29 s after a pick instead of 5.8 s.
class QuickQtClock final : public Clock {
  public:
    std::unique_ptr<ClockTimer> createTimer(std::function<void()> onTick,
                                            TimerPrecision precision) override {
        return std::make_unique<Quick>(real.createTimer(std::move(onTick), precision));
    }

  private:
    struct Quick final : ClockTimer {
        explicit Quick(std::unique_ptr<ClockTimer> timer) : timer(std::move(timer)) {}
        void start(int intervalMs) override { timer->start(std::max(1, intervalMs / 20)); }
        void stop() override { timer->stop(); }
        std::unique_ptr<ClockTimer> timer;
    };
    QtClock real;
};

// Runs the program's own event loop until it ends, and says how it ended.
int runEventLoop() {
    QTimer tooLong;
    tooLong.setSingleShot(true);
    QObject::connect(&tooLong, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    tooLong.start(20s);
    return QApplication::exec();
}
} // namespace

class InterruptionsTest : public QObject {
    Q_OBJECT
  private slots:
    void openingAnyTestDuringAToneSilencesItAndStartsAfresh_data();
    void openingAnyTestDuringAToneSilencesItAndStartsAfresh();
    void openingDuringAToneOnTheRealEventLoop_data();
    void openingDuringAToneOnTheRealEventLoop();
    void cutAtEachToneStartAndEnd_data();
    void cutAtEachToneStartAndEnd();
    void nothingLeadsOnWhileTheTonesPlay();
    void closeDuringTheSecondToneEndsTheProgram_data();
    void closeDuringTheSecondToneEndsTheProgram();
    void closeDuringAToneEndsTheProgramAtOnce();
    void theProgramGoesOnWhenTheSoundCardGoes();
};

void InterruptionsTest::openingAnyTestDuringAToneSilencesItAndStartsAfresh_data() {
    QTest::addColumn<int>("playing");
    QTest::addColumn<int>("opened");
    QTest::addColumn<bool>("correct");
    QTest::addColumn<int>("atMs");
    for (int playing = 1; playing <= 5; ++playing)
        for (int opened = 1; opened <= 5; ++opened) {
            const bool correct = (playing + opened) % 2 == 0;
            const int atMs = opened % 2 ? firstToneMs : lastToneMs(correct);
            QTest::addRow("test %d playing, %d opened, %s pick, %d ms", playing, opened,
                          correct ? "correct" : "wrong", atMs)
                << playing << opened << correct << atMs;
        }
}

void InterruptionsTest::openingAnyTestDuringAToneSilencesItAndStartsAfresh() {
    QFETCH(int, playing);
    QFETCH(int, opened);
    QFETCH(bool, correct);
    QFETCH(int, atMs);
    ManualClock clock;
    RecordingPorts recorded;
    ToneListener speaker(recorded);
    Harness program(clock, speaker);
    TestScreen& screen = program.startTest(playing);
    program.pick(screen, correct);
    bool speakerWasOn = false;
    int tonesBefore = 0;
    auto pupil = clock.createTimer([&] {
        speakerWasOn = recorded.speakerBitsSet();
        tonesBefore = speaker.started;
        program.open(opened);
    });
    pupil->start(atMs);
    clock.advance(atMs);
    pupil.reset();
    QVERIFY(speakerWasOn);
    QVERIFY(!recorded.speakerBitsSet());

    // The tones cut short stay cut: none of the rest is played, and nothing leads on.
    std::vector<Timer*> steps;
    for (int test = 1; test <= 5; ++test)
        steps.push_back(&program.frm(test).timer("tmrR"));
    QCOMPARE(ticksOf(clock, steps, feedbackMs), 0);
    QCOMPARE(speaker.started, tonesBefore);
    for (int test = 1; test <= 5; ++test) {
        QVERIFY2(isFresh(program.frm(test)), qPrintable(QString("frm%1").arg(test)));
        QCOMPARE(program.frm(test).state(),
                 test == opened ? ScreenState::Shown : ScreenState::Hidden);
    }
    // The opened test runs as any other, the tones of its first answer whole.
    TestScreen& next = program.frm(opened);
    clickThroughWindow(next.label("lblComment"));
    program.pick(next, true);
    clock.advance(feedbackMs);
    QCOMPARE(next.label("lblScore").caption(), "10");
    QCOMPARE(speaker.started, tonesBefore + 4);
    QVERIFY(next.label("lblNext").visible());
    QVERIFY(!recorded.speakerBitsSet());
}

void InterruptionsTest::openingDuringAToneOnTheRealEventLoop_data() {
    QTest::addColumn<int>("opened");
    QTest::newRow("the same test") << 2;
    QTest::newRow("another test") << 5;
}

// On the real clock a closed screen's widgets go only when the event loop gets back to them,
// while the tick that played the tone is still returning through them.
void InterruptionsTest::openingDuringAToneOnTheRealEventLoop() {
    QFETCH(int, opened);
    QuickQtClock clock;
    RecordingPorts recorded;
    ToneListener speaker(recorded);
    Harness program(clock, speaker);
    bool speakerWasOn = false;
    bool silentAfter = false;
    bool freshAfter = false;
    int stepsAfter = 0; // of the feedback, on either screen
    speaker.onToneStart = [&] {
        if (speaker.started != 1)
            return;
        QTimer::singleShot(0, [&] {
            speakerWasOn = recorded.speakerBitsSet();
            program.open(opened);
            for (TestScreen* screen : {&program.screens.frm(2), &program.frm(opened)})
                QObject::connect(&screen->timer("tmrR"), &Timer::tick, [&] { ++stepsAfter; });
            // Well past the rest of the tones and the feedback as it would have gone on.
            QTimer::singleShot(100ms, [&] {
                silentAfter = !recorded.speakerBitsSet() && speaker.started == 1;
                freshAfter = isFresh(program.screens.frm(2)) && isFresh(program.frm(opened)) &&
                             stepsAfter == 0;
                clickThroughWindow(program.screens.frmMain().button("cmdClose"));
            });
        });
    };
    QTimer::singleShot(0, [&] {
        TestScreen& screen = program.startTest(2);
        program.pick(screen, false);
    });
    QCOMPARE(runEventLoop(), 0);
    QVERIFY(speakerWasOn);
    QVERIFY(silentAfter);
    QVERIFY(freshAfter);
}

void InterruptionsTest::cutAtEachToneStartAndEnd_data() {
    QTest::addColumn<bool>("correct");
    QTest::addColumn<int>("atMs");
    QTest::addColumn<bool>("afterTheTick");
    QTest::addColumn<Cut>("cut");
    for (bool correct : {true, false})
        for (int tone = 0; tone < 4; ++tone) {
            const ToneSpan span = (correct ? correctTones : wrongTones)[tone];
            for (auto [cut, what] : {std::pair{Cut::Close, "screen closed"},
                                     {Cut::Reload, "test opened again"},
                                     {Cut::AnotherTest, "another test opened"}}) {
                const char* pick = correct ? "correct" : "wrong";
                QTest::addRow("%s pick, tone %d just started, %s", pick, tone + 1, what)
                    << correct << span.start << true << cut;
                QTest::addRow("%s pick, tone %d about to end, %s", pick, tone + 1, what)
                    << correct << span.end << false << cut;
            }
        }
}

// The moments where a tick ends one tone and starts the next, or shows the way on, cut short from
// either side of that tick.
void InterruptionsTest::cutAtEachToneStartAndEnd() {
    QFETCH(bool, correct);
    QFETCH(int, atMs);
    QFETCH(bool, afterTheTick);
    QFETCH(Cut, cut);
    ManualClock clock;
    RecordingPorts recorded;
    ToneListener speaker(recorded);
    Harness program(clock, speaker);
    TestScreen& screen = program.startTest(2);
    bool speakerWasOn = false;
    bool silentAtOnce = false;
    int tonesBefore = 0;
    auto pupil = clock.createTimer([&] {
        speakerWasOn = recorded.speakerBitsSet();
        tonesBefore = speaker.started;
        if (cut == Cut::Close)
            screen.close();
        else
            program.open(cut == Cut::Reload ? 2 : 4);
        silentAtOnce = !recorded.speakerBitsSet();
    });
    // A timer comes after the ticks due at the same moment that were set going before it.
    program.pick(screen, correct);
    if (afterTheTick) {
        clock.advance(atMs - 1);
        pupil->start(1);
        clock.advance(1);
    } else {
        pupil->start(atMs);
        clock.advance(atMs);
    }
    pupil.reset();
    QVERIFY(speakerWasOn);
    QVERIFY(silentAtOnce);
    const std::span<const ToneSpan> tones = correct ? correctTones : wrongTones;
    const auto sounding = std::ranges::find_if(
        tones, [&](ToneSpan tone) { return afterTheTick ? tone.start == atMs : tone.end == atMs; });
    QCOMPARE(tonesBefore, int(sounding - tones.begin()) + 1);

    clock.advance(feedbackMs);
    QCOMPARE(speaker.started, tonesBefore);
    QVERIFY(!recorded.speakerBitsSet());
    if (cut == Cut::Close)
        QCOMPARE(screen.state(), ScreenState::NotLoaded);
    // The next test goes as any other: its first question, its tones whole, then its second.
    const int test = cut == Cut::AnotherTest ? 4 : 2;
    TestScreen& next = program.startTest(test);
    QCOMPARE(next.label("lblQuestion").caption(), expectedQuestion(test, 1).stem);
    program.pick(next, true);
    clock.advance(feedbackMs);
    QCOMPARE(speaker.started, tonesBefore + 4);
    QVERIFY(!recorded.speakerBitsSet());
    QCOMPARE(next.label("lblScore").caption(), "10");
    QCOMPARE(next.label("lblMistake").caption(), "0");
    clickThroughWindow(next.label("lblNext"));
    QCOMPARE(next.textBox("txtQ").text(), "2");
    QCOMPARE(next.label("lblQuestion").caption(), expectedQuestion(test, 2).stem);
}

void InterruptionsTest::nothingLeadsOnWhileTheTonesPlay() {
    for (bool correct : {true, false}) {
        ManualClock clock;
        RecordingPorts recorded;
        Harness program(clock, recorded);
        TestScreen& screen = program.startTest(3);
        program.pick(screen, correct);
        clock.advance(judgingMs - 1);
        // A pupil who cannot wait: the spot where the way on will show, and the answer boxes,
        // clicked every 10 ms while the tones play.
        int clicksDuringTones = 0;
        bool wayOnShown = false;
        auto pupil = clock.createTimer([&] {
            if (!recorded.speakerBitsSet())
                return;
            ++clicksDuringTones;
            for (const char* name : {"lblNext", "txtY", "txtN"})
                clickThroughWindow(screen.control(name));
            wayOnShown = wayOnShown || screen.label("lblNext").visible();
        });
        pupil->start(10);
        clock.advance(feedbackMs - judgingMs);
        pupil.reset();
        QVERIFY(!wayOnShown);
        // One round of clicks for every 10 ms of the 600 or 900 ms of tones.
        QCOMPARE(clicksDuringTones, correct ? 60 : 90);
        QCOMPARE(screen.textBox("txtQ").text(), "1");
        QCOMPARE(screen.label("lblScore").caption(), correct ? "10" : "0");
        QCOMPARE(screen.label("lblMistake").caption(), correct ? "0" : "1");
        QVERIFY(screen.label("lblNext").visible());
        QVERIFY(!screen.textBox("txtY").isEnabled());
        clickThroughWindow(screen.label("lblNext"));
        QCOMPARE(screen.textBox("txtQ").text(), "2");
    }
}

void InterruptionsTest::closeDuringTheSecondToneEndsTheProgram_data() {
    QTest::addColumn<bool>("correct");
    QTest::newRow("correct pick") << true;
    QTest::newRow("wrong pick") << false;
}

void InterruptionsTest::closeDuringTheSecondToneEndsTheProgram() {
    QFETCH(bool, correct);
    ManualClock clock;
    RecordingPorts recorded;
    ToneListener speaker(recorded);
    Harness program(clock, speaker);
    TestScreen& screen = program.startTest(3);
    program.pick(screen, correct);
    const ToneSpan second = (correct ? correctTones : wrongTones)[1];
    clock.advance((second.start + second.end) / 2);
    QCOMPARE(speaker.started, 2);
    QVERIFY(recorded.speakerBitsSet());

    clickThroughWindow(program.screens.frmMain().button("cmdClose"));
    QCOMPARE(program.screens.frmMain().state(), ScreenState::NotLoaded);
    QVERIFY(!recorded.speakerBitsSet());
    clock.advance(feedbackMs);
    QCOMPARE(speaker.started, 2);
    QVERIFY(!recorded.speakerBitsSet());
    for (int test = 1; test <= 5; ++test)
        QCOMPARE(program.frm(test).state(), ScreenState::NotLoaded);
}

void InterruptionsTest::closeDuringAToneEndsTheProgramAtOnce() {
    QuickQtClock clock;
    RecordingPorts recorded;
    ToneListener speaker(recorded);
    Harness program(clock, speaker);
    bool speakerWasOn = false;
    speaker.onToneStart = [&] {
        QTimer::singleShot(0, [&] {
            speakerWasOn = recorded.speakerBitsSet();
            clickThroughWindow(program.screens.frmMain().button("cmdClose"));
        });
    };
    QTimer::singleShot(0, [&] {
        TestScreen& screen = program.startTest(4);
        program.pick(screen, false);
    });
    QCOMPARE(runEventLoop(), 0);
    QVERIFY(speakerWasOn);
    QVERIFY(!recorded.speakerBitsSet());
    QCOMPARE(speaker.started, 1);
    QCOMPARE(program.screens.frmMain().state(), ScreenState::NotLoaded);
}

// Headless, the nearest thing to a sound card that goes away is one that stops taking samples,
// which is all the program sees of it: SDL no longer calls for sound, the device stays open.
void InterruptionsTest::theProgramGoesOnWhenTheSoundCardGoes() {
    qputenv("SDL_AUDIODRIVER", "dummy");
    Mixer mix;
    std::unique_ptr<PortIo> soundCard = openSpeaker(mix);
    QVERIFY(dynamic_cast<SoundcardSpeaker*>(soundCard.get()));
    SDL_AudioDeviceID device = 0;
    for (SDL_AudioDeviceID id = 1; id < 32 && !device; ++id)
        if (SDL_GetAudioDeviceStatus(id) == SDL_AUDIO_PLAYING)
            device = id;
    QVERIFY(device != 0);

    ManualClock clock;
    {
        Harness program(clock, *soundCard);
        TestScreen& screen = program.startTest(1);
        program.pick(screen, true);
        auto soundCardGoes = clock.createTimer([&] { SDL_PauseAudioDevice(device, 1); });
        soundCardGoes->start(firstToneMs);
        clock.advance(feedbackMs);
        soundCardGoes.reset();
        QCOMPARE(SDL_GetAudioDeviceStatus(device), SDL_AUDIO_PAUSED);
        QVERIFY(screen.label("lblNext").visible());
        for (int question = 2; question <= 10; ++question) {
            clickThroughWindow(screen.label("lblNext"));
            program.pick(screen, question % 2 == 0);
            clock.advance(feedbackMs);
        }
        clickThroughWindow(screen.label("lblNext"));
        QCOMPARE(screen.label("lblScore").caption(), "60");
        QCOMPARE(screen.label("lblMistake").caption(), "4");
        QVERIFY(screen.label("lblComment").visible());
        QCOMPARE(soundCard->vbInp(systemControlPort) & speakerGateBits, 0);
    }
    soundCard.reset();
    QCOMPARE(SDL_WasInit(SDL_INIT_AUDIO), 0u);

    // No sound card from the start: the same test, silently.
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    const std::unique_ptr<PortIo> none = openSpeaker(mix);
    QVERIFY(dynamic_cast<SilentPorts*>(none.get()));
    Harness silent(clock, *none);
    TestScreen& screen = silent.startTest(5);
    for (int question = 1; question <= 10; ++question) {
        silent.pick(screen, true);
        clock.advance(feedbackMs);
        clickThroughWindow(screen.label("lblNext"));
    }
    QCOMPARE(screen.label("lblScore").caption(), "100");
    qputenv("SDL_AUDIODRIVER", "dummy");
}

QTEST_MAIN(InterruptionsTest)
#include "tst_interruptions.moc"
