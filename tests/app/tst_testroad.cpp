// A test from its start prompt to its comment, driven as a pupil drives it.
#include "../sound/RenderedSpeaker.h"
#include "ExpectedQuestions.h"
#include "Harness.h"
#include "ToneListener.h"
#include "shell/Button.h"
#include "shell/Line.h"
#include "shell/Shape.h"
#include "shell/Timer.h"
#include "sound/BackgroundSpeaker.h"
#include "sound/EmulatedSpeaker.h"

#include <QSignalSpy>

using namespace std::chrono_literals;

namespace {
const char* const feedbackControls[] = {"lblQuestion", "lblCorrect", "lblWrong", "lblCheck", "lblR",
                                        "lblP",        "Line1",      "Line2",    "lblNext"};

QStringList shownFeedback(TestScreen& screen) {
    QStringList shown;
    for (const char* name : feedbackControls)
        if (screen.control(name).visible())
            shown << name;
    return shown;
}

// The divisors the tones wrote into the interval timer's channel 2, low byte first, in order.
QList<int> divisorsWritten(const RecordingPorts& ports) {
    QList<int> bytes;
    for (const PortAccess& access : ports.accesses())
        if (access.kind == PortAccess::Kind::Write && access.port == timerChannel2Port)
            bytes << access.value;
    QList<int> divisors;
    for (qsizetype low = 0; low + 1 < bytes.size(); low += 2)
        divisors << (bytes[low] | bytes[low + 1] << 8);
    return divisors;
}

struct Moment {
    int ms; // after the pick
    QStringList shown;
};

// When, in ms after a pick, the machine is busy, and for how long.
using BusySpells = QList<QPair<int, int>>;

// The emulated speaker's time base, on the manual clock: a late tick's writes are made late.
struct ManualTime final : MonotonicClock {
    explicit ManualTime(const ManualClock& clock) : clock(clock) {}
    nanoseconds now() const override { return clock.now() * 1ms; }
    const ManualClock& clock;
};

struct NotedChanges final : SpeakerChangeSink {
    void post(const SpeakerChange& change) override { changes.push_back(change); }
    std::vector<SpeakerChange> changes;
};

// How long each stretch of one pitch lasts in the sound, in ms. Tones back to back make one
// sound, which changes pitch where a 3.9 kHz tone meets a 440 Hz one: a sample lies in a high
// stretch when at least five rising zero crossings fall within 1.25 ms either side of it.
QList<double> pitchStretchesMs(const std::vector<float>& samples) {
    constexpr std::size_t reach = outputSampleRate / 800;
    std::vector<int> crossingsBefore(samples.size() + 1, 0);
    for (std::size_t i = 1; i < samples.size(); ++i)
        crossingsBefore[i + 1] =
            crossingsBefore[i] + (samples[i - 1] < 0.0f && samples[i] >= 0.0f ? 1 : 0);
    const auto high = [&](std::size_t i) {
        return crossingsBefore[std::min(i + reach, samples.size())] -
                   crossingsBefore[i - std::min(i, reach)] >=
               5;
    };
    QList<double> lengths;
    for (const Extent sound : tonesIn(samples)) {
        std::size_t stretchStart = sound.first;
        for (std::size_t i = sound.first + 1; i <= sound.last; ++i)
            if (high(i) != high(i - 1)) {
                lengths << Extent{stretchStart, i - 1}.lengthMs();
                stretchStart = i;
            }
        lengths << Extent{stretchStart, sound.last}.lengthMs();
    }
    return lengths;
}
} // namespace

class TestRoadTest : public QObject {
    Q_OBJECT
  private slots:
    void everyQuestionIsPutOnTheScreen();
    void aCorrectPickStepByStep();
    void aWrongPickStepByStep();
    void theTonesSoundTheirPitchesAndLengthsBeforeTheNextLabel();
    void lateTicksLeaveTheTonesTheirLengths_data();
    void lateTicksLeaveTheTonesTheirLengths();
    void everyPickRestartsTheFeedbackTimer();
    void tenPicksAddUpToAHundred();
    void theCommentFollowsTheScore_data();
    void theCommentFollowsTheScore();
    void aFullMarkOnTestOneIsRewardedAtOnce();
    void aFullMarkOnTheOtherTestsIsRewardedWhenClaimed();
    void anUnclaimedFullMarkLeavesTheMenuAsItWas();
    void theStartPromptStartsOnlyOnce();
    void reopeningDuringATonesLeavesAFreshScreenAndASilentSpeaker();
    void aScreenLeftOpenForHoursStaysCalm();
    void allFiveTestsRunToTheirEnd();
};

void TestRoadTest::everyQuestionIsPutOnTheScreen() {
    Harness h;
    TestScreen* screen = nullptr;
    for (const ExpectedQuestion& expected : expectedQuestions) {
        if (expected.number == 1)
            screen = &h.startTest(expected.test);
        const QString where =
            QString("test %1 question %2").arg(expected.test).arg(expected.number);
        QVERIFY2(screen->textBox("txtQ").text() == QString::number(expected.number),
                 qPrintable(where));
        QVERIFY2(screen->textBox("txtY").text() == expected.left, qPrintable(where));
        QVERIFY2(screen->textBox("txtN").text() == expected.right, qPrintable(where));
        QVERIFY2(screen->label("lblQuestion").caption() == expected.stem, qPrintable(where));
        QVERIFY2(screen->label("lblCorrect").caption() == expected.correct, qPrintable(where));
        QVERIFY2(screen->label("lblWrong").caption() == expected.wrong, qPrintable(where));
        QCOMPARE(shownFeedback(*screen), QStringList{"lblQuestion"});
        QVERIFY(screen->textBox("txtY").isEnabled() && screen->textBox("txtN").isEnabled());
        QVERIFY(screen->textBox("txtY").x() < screen->textBox("txtN").x());
        h.answer(*screen, expected.number % 2 == 0);
        QCOMPARE(screen->label("lblNext").caption(),
                 expected.number == 10 ? "The test is over, click here to see comment."
                                       : "Click here to go to the next question");
        click(screen->label("lblNext"));
    }
}

void TestRoadTest::aCorrectPickStepByStep() {
    Harness h;
    TestScreen& screen = h.startTest(1);
    click(screen.textBox("txtY"));
    QCOMPARE(shownFeedback(screen), QStringList{"lblCorrect"});
    QVERIFY(!screen.textBox("txtY").isEnabled() && !screen.textBox("txtN").isEnabled());
    const Moment moments[] = {
        {199, {"lblCorrect"}},
        {200, {"lblCorrect", "lblCheck"}},
        {599, {"lblCorrect", "lblCheck"}},
        {600, {"lblCorrect"}},
        {1000, {"lblCorrect", "lblCheck"}},
        {1400, {"lblCorrect"}},
        {2200, {"lblCorrect", "lblR"}},
        {3800, {"lblCorrect", "lblP"}},
        {5000, {"lblCorrect", "lblP", "Line1"}},
        {5200, {"lblCorrect", "lblP", "Line2"}},
        {5799, {"lblCorrect", "lblP", "Line2"}},
    };
    int now = 0;
    for (const Moment& moment : moments) {
        h.clock.advance(moment.ms - now);
        now = moment.ms;
        QVERIFY2(shownFeedback(screen) == moment.shown, qPrintable(QString::number(now)));
    }
    QCOMPARE(screen.label("lblR").caption(), "Correct");
    QCOMPARE(screen.label("lblP").caption(), "You have earned 10 points");
    QCOMPARE(screen.label("lblScore").caption(), "0");
    h.clock.advance(1);
    QCOMPARE(shownFeedback(screen), QStringList({"lblCorrect", "lblP"}));
    QCOMPARE(screen.label("lblScore").caption(), "10");
    QCOMPARE(screen.label("lblMistake").caption(), "0");
    QCOMPARE(screen.shape("Shape3").fillStyle(), FillStyle::Transparent);
    // The way on shows once the tones are over.
    h.clock.advance(599);
    QCOMPARE(shownFeedback(screen), QStringList({"lblCorrect", "lblP"}));
    h.clock.advance(1);
    QCOMPARE(shownFeedback(screen), QStringList({"lblCorrect", "lblP", "lblNext"}));
    QVERIFY(!screen.textBox("txtY").isEnabled());
}

void TestRoadTest::aWrongPickStepByStep() {
    Harness h;
    TestScreen& screen = h.startTest(4);
    click(screen.textBox("txtN"));
    QCOMPARE(shownFeedback(screen), QStringList{"lblWrong"});
    h.clock.advance(2200);
    QCOMPARE(shownFeedback(screen), QStringList({"lblWrong", "lblR"}));
    QCOMPARE(screen.label("lblR").caption(), "Wrong answer");
    h.clock.advance(1599);
    QCOMPARE(shownFeedback(screen), QStringList({"lblWrong", "lblR"}));
    h.clock.advance(1);
    QCOMPARE(shownFeedback(screen), QStringList({"lblCorrect", "lblP"}));
    QCOMPARE(screen.label("lblP").caption(), "The correct answer is ");
    h.clock.advance(2000);
    QCOMPARE(screen.label("lblMistake").caption(), "1");
    QCOMPARE(screen.label("lblScore").caption(), "0");
    QCOMPARE(shownFeedback(screen), QStringList({"lblCorrect", "lblP"}));
    h.clock.advance(900);
    QCOMPARE(shownFeedback(screen), QStringList({"lblCorrect", "lblP", "lblNext"}));
}

void TestRoadTest::theTonesSoundTheirPitchesAndLengthsBeforeTheNextLabel() {
    for (bool correct : {true, false}) {
        ManualClock clock;
        RecordingPorts ports;
        ToneListener listening(ports);
        Harness h(clock, listening);
        QStringList atToneEnds;
        TestScreen& screen = h.startTest(2);
        listening.onToneEnd = [&] {
            atToneEnds << QString("%1 %2 %3")
                              .arg(clock.now())
                              .arg(screen.label("lblNext").visible())
                              .arg(screen.shape(correct ? "Shape2" : "Shape3").fillStyle() ==
                                   FillStyle::Solid);
        };
        h.pick(screen, correct);
        clock.advance(7000);
        // Each entry: when a tone ended, whether lblNext showed, whether the lamp was lit. The
        // lamp goes dark at 6.2 s, while the tones still play.
        const QStringList expected =
            correct ? QStringList{"5900 0 1", "6100 0 1", "6200 0 0", "6400 0 0"}
                    : QStringList{"6200 0 1", "6250 0 0", "6650 0 0", "6700 0 0"};
        QCOMPARE(atToneEnds, expected);
        // 1193280 / 3919.95 and 1193280 / 440 after a correct pick; 1193280 / 65.375 after a wrong.
        const QList<int> divisors =
            correct ? QList<int>{304, 2712, 304, 2712} : QList<int>(4, 18253);
        QCOMPARE(divisorsWritten(ports), divisors);
        QVERIFY(screen.label("lblNext").visible());
        QVERIFY(!ports.speakerBitsSet());
    }
}

void TestRoadTest::lateTicksLeaveTheTonesTheirLengths_data() {
    QTest::addColumn<bool>("correct");
    QTest::addColumn<BusySpells>("busy");
    QTest::addColumn<QList<double>>("stretchesMs");

    // The judging tick and every tick that ends a tone come late, each by its own amount.
    QTest::newRow("correct") << true
                             << BusySpells{{5800, 8}, {5900, 13}, {6100, 5}, {6200, 11}, {6400, 9}}
                             << QList<double>{100, 200, 100, 200};
    // Four tones of one pitch make one sound of 900 ms.
    QTest::newRow("wrong") << false
                           << BusySpells{{5800, 6}, {6200, 13}, {6250, 5}, {6650, 11}, {6700, 17}}
                           << QList<double>{900};
    QTest::newRow("wrong, a tick later than the next tone is long")
        << false << BusySpells{{5800, 6}, {6200, 70}} << QList<double>{900};
}

void TestRoadTest::lateTicksLeaveTheTonesTheirLengths() {
    QFETCH(bool, correct);
    QFETCH(BusySpells, busy);
    QFETCH(QList<double>, stretchesMs);
    ManualClock clock;
    const ManualTime time(clock);
    NotedChanges noted;
    BackgroundSpeaker speaker([&]() -> std::unique_ptr<PortIo> {
        return std::make_unique<EmulatedSpeaker>(time, noted);
    });
    Harness h(clock, speaker);
    TestScreen& screen = h.startTest(2);
    h.pick(screen, correct);
    for (const auto& [at, ms] : busy)
        clock.holdUp(clock.now() + at, ms);
    clock.advance(7500);

    const QList<double> heard = pitchStretchesMs(render(noted.changes, clock.now() * 1ms).samples);
    QStringList lengths;
    for (double ms : heard)
        lengths << QString::number(ms);
    QVERIFY2(heard.size() == stretchesMs.size(), qPrintable(lengths.join(' ')));
    for (qsizetype i = 0; i < heard.size(); ++i)
        QVERIFY2(std::abs(heard[i] - stretchesMs[i]) <= 2.0, qPrintable(lengths.join(' ')));
}

void TestRoadTest::everyPickRestartsTheFeedbackTimer() {
    Harness h;
    TestScreen& screen = h.startTest(3);
    h.answer(screen, true);
    click(screen.label("lblNext"));
    h.clock.advance(77);
    click(screen.textBox("txtN"));
    h.clock.advance(199);
    QVERIFY(!screen.label("lblCheck").visible());
    h.clock.advance(1);
    QVERIFY(screen.label("lblCheck").visible());
}

void TestRoadTest::tenPicksAddUpToAHundred() {
    Harness h;
    TestScreen& screen = h.startTest(5);
    for (int question = 1; question <= 10; ++question) {
        h.answer(screen, question % 3 == 0);
        const double score = screen.label("lblScore").caption().toDouble();
        const double mistakes = screen.label("lblMistake").caption().toDouble();
        QCOMPARE(score + 10 * mistakes, 10.0 * question);
        click(screen.label("lblNext"));
    }
    QCOMPARE(screen.label("lblScore").caption(), "30");
    QCOMPARE(screen.label("lblMistake").caption(), "7");
}

void TestRoadTest::theCommentFollowsTheScore_data() {
    QTest::addColumn<int>("test");
    QTest::addColumn<int>("correctAnswers");
    QTest::addColumn<QString>("comment");
    QTest::newRow("100 on test 1")
        << 1 << 10 << " Congratulation ! you are awarded with a smiley face. ";
    QTest::newRow("100 on test 4") << 4 << 10 << " Excellent ! Click here to claim a smiley face. ";
    QTest::newRow("90") << 2 << 9 << " You almost did it, be more careful next time . ";
    QTest::newRow("80") << 1 << 8
                        << " The result is not very bad,but you have to do more practices. ";
    QTest::newRow("70") << 3 << 7 << " I think there are some question you need to ask for help ";
    QTest::newRow("60") << 5 << 6 << " The result is not acceptable, get some help right away . ";
    QTest::newRow("0") << 1 << 0 << " The result is not acceptable, get some help right away . ";
}

void TestRoadTest::theCommentFollowsTheScore() {
    QFETCH(int, test);
    QFETCH(int, correctAnswers);
    QFETCH(QString, comment);
    Harness h;
    TestScreen& screen = h.startTest(test);
    h.takeTest(screen, correctAnswers);
    QCOMPARE(screen.label("lblComment").caption(), comment);
    QVERIFY(screen.label("lblComment").visible());
    for (const char* gone : {"txtY", "txtN", "lblP", "lblCorrect", "lblWrong"})
        QVERIFY2(!screen.control(gone).visible(), gone);
    QVERIFY(screen.label("lblNext").visible());
    // The end can be asked for again, with the same result.
    click(screen.label("lblNext"));
    QCOMPARE(screen.label("lblComment").caption(), comment);
    QCOMPARE(screen.textBox("txtQ").text(), "10");
}

void TestRoadTest::aFullMarkOnTestOneIsRewardedAtOnce() {
    Harness h;
    TestScreen& screen = h.startTest(1);
    for (int question = 1; question <= 10; ++question) {
        QVERIFY(!h.screens.frmMain().award(1).visible());
        h.answer(screen, true);
        click(screen.label("lblNext"));
    }
    QVERIFY(h.screens.frmMain().award(1).visible());
    QVERIFY(!h.screens.frmMain().testNumber(1).isEnabled());
    // The smiley covers the number: a click there reaches neither and opens nothing.
    click(h.screens.frmMain().award(1));
    QCOMPARE(h.screens.frm(1).state(), ScreenState::Shown);
    QCOMPARE(screen.label("lblScore").caption(), "100");
    for (int test = 2; test <= 5; ++test)
        QVERIFY(h.screens.frmMain().testNumber(Harness::test(test)).isEnabled());
}

void TestRoadTest::aFullMarkOnTheOtherTestsIsRewardedWhenClaimed() {
    Harness h;
    TestScreen& screen = h.startTest(3);
    h.takeTest(screen, 10);
    QVERIFY(!h.screens.frmMain().award(3).visible());
    QVERIFY(h.screens.frmMain().testNumber(3).isEnabled());
    click(screen.label("lblComment"));
    QVERIFY(h.screens.frmMain().award(3).visible());
    QVERIFY(!h.screens.frmMain().testNumber(3).isEnabled());
    QCOMPARE(screen.label("lblComment").caption(),
             " Excellent ! Click here to claim a smiley face. ");
    click(screen.label("lblComment"));
    QVERIFY(h.screens.frmMain().award(3).visible());
    // Test 3 cannot be opened again; the others can.
    QSignalSpy spy(&h.screens, &Shell::screenOperation);
    click(h.screens.frmMain().testNumber(3));
    QCOMPARE(spy.count(), 0);
    click(h.screens.frmMain().testNumber(2));
    QCOMPARE(h.screens.frm(2).state(), ScreenState::Shown);
}

void TestRoadTest::anUnclaimedFullMarkLeavesTheMenuAsItWas() {
    Harness h;
    TestScreen& screen = h.startTest(2);
    h.takeTest(screen, 9);
    click(screen.label("lblComment"));
    QVERIFY(!h.screens.frmMain().award(2).visible());

    TestScreen& again = h.startTest(5);
    h.takeTest(again, 10);
    click(h.screens.frmMain().testNumber(1));
    QVERIFY(!h.screens.frmMain().award(5).visible());
    QVERIFY(h.screens.frmMain().testNumber(5).isEnabled());
}

void TestRoadTest::theStartPromptStartsOnlyOnce() {
    Harness h;
    h.screens.start();
    click(h.screens.frmMain().testNumber(2));
    TestScreen& screen = h.screens.frm(2);
    click(screen.textBox("txtY"));
    h.clock.advance(1000);
    QVERIFY(!screen.label("lblCheck").visible());
    QCOMPARE(screen.textBox("txtQ").text(), "0");
    click(screen.label("lblComment"));
    QVERIFY(!screen.label("lblComment").visible());
    QCOMPARE(screen.textBox("txtQ").text(), "1");
    QVERIFY(!h.screens.frmMain().award(2).visible());
}

void TestRoadTest::reopeningDuringATonesLeavesAFreshScreenAndASilentSpeaker() {
    Harness h;
    TestScreen& screen = h.startTest(1);
    click(screen.textBox("txtN"));
    bool speakerWasOn = false;
    auto reopen = h.clock.createTimer([&] {
        speakerWasOn = h.ports.speakerBitsSet();
        click(h.screens.frmMain().testNumber(1));
    });
    reopen->start(5850);
    h.clock.advance(5850);
    reopen->stop();
    QVERIFY(speakerWasOn);
    QVERIFY(!h.ports.speakerBitsSet());
    QCOMPARE(ticksOf(h.clock, {&screen.timer("tmrR")}, 10000), 0);
    QCOMPARE(screen.state(), ScreenState::Shown);
    QVERIFY(isFresh(screen));
    QCOMPARE(shownFeedback(screen), QStringList());
    // And the reopened test runs as any other.
    click(screen.label("lblComment"));
    h.answer(screen, true);
    QCOMPARE(screen.label("lblScore").caption(), "10");
}

void TestRoadTest::aScreenLeftOpenForHoursStaysCalm() {
    Harness h;
    TestScreen& screen = h.startTest(2);
    click(screen.textBox("txtY"));
    h.clock.advance(3 * 60 * 60 * 1000);
    QCOMPARE(screen.label("lblScore").caption(), "10");
    QCOMPARE(shownFeedback(screen), QStringList({"lblCorrect", "lblP", "lblNext"}));
    QVERIFY(!h.ports.speakerBitsSet());
}

void TestRoadTest::allFiveTestsRunToTheirEnd() {
    Harness h;
    for (int test = 1; test <= 5; ++test) {
        TestScreen& screen = h.startTest(test);
        h.takeTest(screen, 10);
        click(screen.label("lblComment"));
        QVERIFY(h.screens.frmMain().award(Harness::test(test)).visible());
    }
}

QTEST_MAIN(TestRoadTest)
#include "tst_testroad.moc"
