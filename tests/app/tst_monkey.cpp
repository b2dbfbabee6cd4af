// A child at the mouse: seeded random clicks on everything the windows show, with time moved on
// at random, tones included, and the program's promises checked after every click, every clock
// advance and every timer tick. A broken promise stops the run at once, also from inside a
// program that no longer returns, and names its seed; VELMORA_MONKEY_SEED replays one seed.
#include "Harness.h"
#include "ToneListener.h"
#include "WindowClick.h"
#include "forms/WebSite.h"
#include "shell/Button.h"
#include "shell/Window.h"
#include "sound/SilentPorts.h"

#include <QElapsedTimer>
#include <algorithm>
#include <optional>
#include <random>

namespace {
constexpr int eventsPerSeed = 17000;
constexpr unsigned seeds[] = {1, 2, 3, 5, 8, 13};
constexpr int eventsPerSession = 2500;
// One click in so many is on Close; a beep makes it likelier.
constexpr int closeOneIn = 2000;
constexpr int closeDuringToneOneIn = 100;
constexpr std::int64_t judgingDelayMs = 5800;  // step 30 of the feedback, after the pick
constexpr std::int64_t longestToneRunMs = 900; // the four tones after a wrong pick

// The program's time, with every timer tick followed by a check.
class WatchedClock final : public Clock {
  public:
    WatchedClock(ManualClock& time, std::function<void()> afterTick)
        : time(time), afterTick(std::move(afterTick)) {}

    std::unique_ptr<ClockTimer> createTimer(std::function<void()> onTick,
                                            TimerPrecision precision) override {
        return time.createTimer(
            [this, onTick = std::move(onTick)] {
                // The tick may close its own screen and so delete this very closure.
                WatchedClock& clock = *this;
                onTick();
                clock.afterTick();
            },
            precision);
    }

  private:
    ManualClock& time;
    std::function<void()> afterTick;
};

// The speaker, with its runs of tones watched: the tones of one pick follow each other at the
// same moment, so a run lasts from a tone that starts after a silence to the next silence.
class WatchedSpeaker {
  public:
    explicit WatchedSpeaker(ManualClock& time) : time(time) {
        ports.onToneStart = [this] {
            if (this->time.now() != lastToneEnd)
                toneRunStart = this->time.now();
            on = true;
        };
        ports.onToneEnd = [this] {
            lastToneEnd = this->time.now();
            on = false;
        };
    }

    bool sounding() const { return on; }
    // How long the tones have sounded; nothing while the speaker is silent.
    std::optional<std::int64_t> toneRunLength() const {
        return sounding() ? std::optional(time.now() - toneRunStart) : std::nullopt;
    }

    // Keeps the speaker bits and no log, which would grow for the whole run.
    SilentPorts silent;
    ToneListener ports{silent};

  private:
    ManualClock& time;
    bool on = false;
    std::int64_t toneRunStart = 0;
    std::int64_t lastToneEnd = -1;
};

struct Pick {
    std::int64_t at;
    bool correct;
};

// One loaded instance of a test screen: the controls the checks read, and what the pupil did
// there as the monkey saw it.
struct TestInstance {
    QWidget* window;
    std::array<Label*, 3> sentences;
    TextBox* question;
    Label* score;
    Label* mistakes;
    Label* comment;
    Label* next;
    std::vector<Pick> picks;
    bool finished = false;

    explicit TestInstance(TestScreen& screen)
        : window(&screen.window()), sentences{&screen.label("lblQuestion"),
                                              &screen.label("lblCorrect"),
                                              &screen.label("lblWrong")},
          question(&screen.textBox("txtQ")), score(&screen.label("lblScore")),
          mistakes(&screen.label("lblMistake")), comment(&screen.label("lblComment")),
          next(&screen.label("lblNext")) {}

    bool fresh() const {
        return picks.empty() && question->text() == QLatin1String("0") &&
               score->caption() == QLatin1String("0") &&
               mistakes->caption() == QLatin1String("0") && comment->visible();
    }

    // Score and mistakes once every pick judged by `now` has counted; `includingNow` decides
    // about a pick judged at this very moment, whose tick may or may not have run yet.
    std::pair<int, int> expected(std::int64_t now, bool includingNow) const {
        int points = 0, wrong = 0;
        for (const Pick& pick : picks) {
            const std::int64_t judged = pick.at + judgingDelayMs;
            if (judged < now || (judged == now && includingNow))
                (pick.correct ? points += 10 : wrong += 1);
        }
        return {points, wrong};
    }
};

struct MenuControls {
    QWidget* window;
    std::array<Button*, 5> awards;
    std::array<Label*, 5> numbers;

    explicit MenuControls(MainMenu& menu) : window(&menu.window()) {
        for (int test = 1; test <= 5; ++test) {
            awards[test - 1] = &menu.award(Harness::test(test));
            numbers[test - 1] = &menu.testNumber(Harness::test(test));
        }
    }
};

struct Tally {
    int events = 0;
    int clicks = 0;
    int clicksDuringTones = 0;
    int ticksChecked = 0;
    int picks = 0;
    int testsEnded = 0;
    int awards = 0;
    int openings = 0;
    int openingsDuringTones = 0;
    int closesDuringTones = 0;
    int sessions = 0;
};

// One run of the program, from start to Close.
class Session {
  public:
    Session(unsigned seed, int number, std::mt19937& random, Tally& tally)
        : seed(seed), number(number), random(random), tally(tally),
          clock(time, [this] { afterTick(); }), speaker(time), program(clock, speaker.ports) {
        QObject::connect(&shell, &Shell::screenOperation, &shell,
                         [this](const QString& screen, const QString& operation) {
                             noteOperation(screen, operation);
                         });
        // One pupil in three never picks the wrong word, so that full marks and awards come up.
        wrongWeight = std::array{0, 60, 300}[std::uniform_int_distribution(0, 2)(random)];
        restlessness = std::array{1, 1, 2}[std::uniform_int_distribution(0, 2)(random)];
    }

    void run(int events) {
        shell.start();
        pupil = time.createTimer([this] { act(); });
        pupil->start(pause());
        for (int n = 0; n < events && !ended(); ++n) {
            time.advance(advance());
            ++tally.events;
            checkNow("after a clock advance");
            // Now and then the event loop gets its turn: what changed is painted, what closed goes.
            if (n % 16 == 0)
                QCoreApplication::processEvents();
            Harness::flushClosedWindows();
        }
        if (!ended()) {
            time.advance(1);
            clickThroughWindow(shell.frmMain().button("cmdClose"), timestamp());
            ++tally.events;
        }
        nextTimestampBase = timestamp() + 10000;
        pupil.reset();
        Harness::flushClosedWindows();
        if (!ended())
            fail("Close did not end the program", "at the end");
        if (speaker.sounding())
            fail("the speaker sounds after Close", "at the end");
    }

  private:
    void noteOperation(const QString& screen, const QString& operation) {
        if (operation == QLatin1String("topmost"))
            return;
        targets.clear();
        const bool load = operation == QLatin1String("load");
        const bool close = operation == QLatin1String("close");
        if (screen == QLatin1String("frmMain")) {
            if (load)
                menu.emplace(shell.frmMain());
            if (close)
                menu.reset();
        }
        if (!screen.startsWith(QLatin1String("frm")) || !screen.back().isDigit())
            return;
        const int test = screen.back().digitValue();
        if (load)
            tests[test - 1].emplace(program.frm(test));
        if (close)
            tests[test - 1].reset();
        if (operation == QLatin1String("show")) {
            opened = true;
            ++tally.openings;
            tally.openingsDuringTones += speaker.sounding();
        }
    }

    // Mouse events carry the time of the manual clock, so that quick clicks on one spot make a
    // double click; every session goes on from where the one before stopped.
    ulong timestamp() const { return timestampBase + ulong(time.now()); }

    std::int64_t advance() {
        const int kind = std::uniform_int_distribution(0, 9)(random);
        const int longest = kind < 6 ? 50 : kind < 9 ? 1000 : 8000;
        return std::uniform_int_distribution(0, longest)(random);
    }

    int pause() {
        const int kind = std::uniform_int_distribution(0, 9)(random);
        const int longest = kind < 5 ? 300 : kind < 9 ? 2000 : 9000;
        return std::uniform_int_distribution(1, longest)(random);
    }

    // Heavier on what moves a test along, so that tests get to their end and their award. The
    // menu is as tempting as the pupil is restless, and a beep makes every pupil restless.
    int weight(const Control& control) const {
        const QString& name = control.objectName();
        if (control.window() == menu->window)
            return restlessness * (speaker.sounding() ? 4 : 1);
        if (name == QLatin1String("lblNext"))
            return 900;
        if (name == QLatin1String("txtY") || name == QLatin1String("lblComment"))
            return 300;
        if (name == QLatin1String("txtN"))
            return wrongWeight;
        if (name == QLatin1String("Label8") || name == QLatin1String("lblWeb"))
            return 100;
        return 15;
    }

    // Every control of every window on the display, Close aside; found again after any load,
    // close, show or hide.
    const std::vector<Control*>& reachable() {
        if (!targets.empty())
            return targets;
        std::vector<Screen*> screens{&shell.frmMain(), &shell.frmIntro()};
        for (int test = 1; test <= 5; ++test)
            screens.push_back(&program.frm(test));
        for (Screen* screen : screens)
            if (screen->state() == ScreenState::Shown)
                for (Control* control : screen->window().findChildren<Control*>())
                    if (control->objectName() != QLatin1String("cmdClose"))
                        targets.push_back(control);
        return targets;
    }

    // Ending closes the menu last, and nothing else closes it.
    bool ended() const { return shell.frmMain().state() == ScreenState::NotLoaded; }

    void act() {
        if (ended())
            return;
        ++tally.clicks;
        ++tally.events;
        tally.clicksDuringTones += speaker.sounding();
        const int closeChance = speaker.sounding() ? closeDuringToneOneIn : closeOneIn;
        if (std::uniform_int_distribution(1, closeChance)(random) == 1) {
            tally.closesDuringTones += speaker.sounding();
            clickThroughWindow(shell.frmMain().button("cmdClose"), timestamp());
            checkNow("after Close");
            return;
        }
        clickOneOf(reachable());
        if (!ended())
            pupil->start(pause());
        checkNow("after a click");
        if (opened && !ended()) {
            opened = false;
            for (int test = 1; test <= 5; ++test)
                if (!tests[test - 1] || !tests[test - 1]->fresh())
                    fail(QString("frm%1 not afresh after an opening").arg(test), "after a click");
        }
    }

    void clickOneOf(const std::vector<Control*>& controls) {
        std::vector<int> weights;
        for (const Control* control : controls)
            weights.push_back(weight(*control));
        Control& target = *controls[std::discrete_distribution<std::size_t>(weights.begin(),
                                                                            weights.end())(random)];
        lastClick = target.objectName();
        std::optional<TestInstance>* on = nullptr;
        for (auto& test : tests)
            if (test && test->window == target.window())
                on = &test;
        const bool answerBox =
            lastClick == QLatin1String("txtY") || lastClick == QLatin1String("txtN");
        const bool couldPick = answerBox && target.isEnabled() && target.visible();
        const bool couldEnd = on && lastClick == QLatin1String("lblNext") && !(*on)->finished &&
                              (*on)->question->text() == QLatin1String("10");
        clickThroughWindow(target, timestamp());
        if (!on || !*on)
            return;
        TestInstance& test = **on;
        if (couldPick && !target.isEnabled()) {
            test.picks.push_back({time.now(), lastClick == QLatin1String("txtY")});
            ++tally.picks;
        }
        if (couldEnd && test.comment->visible()) {
            test.finished = true;
            ++tally.testsEnded;
        }
    }

    void afterTick() {
        ++tally.ticksChecked;
        checkNow("after a timer tick");
    }

    void checkNow(const char* when) {
        const QString broken = brokenPromise();
        if (!broken.isEmpty())
            fail(broken, when);
    }

    [[noreturn]] void fail(const QString& broken, const char* when) const {
        qFatal("seed %u (VELMORA_MONKEY_SEED=%u), session %d: %s at %lld ms, %s (last click: %s)",
               seed, seed, number, qPrintable(broken), static_cast<long long>(time.now()), when,
               qPrintable(lastClick));
    }

    QString brokenPromise() {
        if (speaker.toneRunLength() > longestToneRunMs)
            return QString("tones sounding for %1 ms").arg(*speaker.toneRunLength());
        for (const QUrl& url : program.urls.opened)
            if (url.toString() != QLatin1String(webAddress.data(), webAddress.size()))
                return "the web link opened " + url.toString();
        if (ended())
            return {};
        int shownTests = 0;
        for (int number = 1; number <= 5; ++number) {
            if (!tests[number - 1])
                continue;
            const TestInstance& test = *tests[number - 1];
            const QString where = QString("frm%1: ").arg(number);
            const bool shown = program.frm(number).state() == ScreenState::Shown;
            shownTests += shown;
            if (test.window->isVisible() != shown)
                return where + "window shown against its state";
            const auto sentences = std::ranges::count_if(
                test.sentences, [](const Label* sentence) { return sentence->visible(); });
            if (sentences > 1)
                return where + QString("%1 sentences shown at once").arg(sentences);
            bool whole = false;
            const int question = test.question->text().toInt(&whole);
            if (!whole || question < 0 || question > 10)
                return where + "question number " + test.question->text();
            const std::pair counted{test.score->caption().toInt(),
                                    test.mistakes->caption().toInt()};
            if (counted != test.expected(time.now(), false) &&
                counted != test.expected(time.now(), true))
                return where + QString("score %1 and %2 mistakes after %3 picks")
                                   .arg(counted.first)
                                   .arg(counted.second)
                                   .arg(test.picks.size());
            // One pick per question, and the way on only once it has been judged.
            const auto picks = qsizetype(test.picks.size());
            if (picks > question || picks < question - 1)
                return where + QString("%1 picks by question %2").arg(picks).arg(question);
            if (test.next->visible() &&
                (picks != question || test.picks.back().at + judgingDelayMs > time.now()))
                return where + QString("the way on shown at question %1 after %2 picks")
                                   .arg(question)
                                   .arg(picks);
            if (test.expected(time.now(), false).first == 100)
                fullMark[number - 1] = true;
        }
        if (shownTests > 1)
            return QString("%1 test screens shown").arg(shownTests);
        for (int test = 1; test <= 5 && menu; ++test) {
            const bool awarded = menu->awards[test - 1]->visible();
            if (awarded && !fullMark[test - 1])
                return QString("award %1 without a full mark").arg(test);
            if (awarded == menu->numbers[test - 1]->isEnabled())
                return QString("award %1 and its number disagree").arg(test);
            if (awarded && !awardSeen[test - 1]) {
                awardSeen[test - 1] = true;
                ++tally.awards;
            }
        }
        return {};
    }

    const unsigned seed;
    const int number;
    std::mt19937& random;
    Tally& tally;
    ManualClock time;
    WatchedClock clock;
    WatchedSpeaker speaker;
    Harness program;
    ScreenSet& shell = program.screens;
    std::unique_ptr<ClockTimer> pupil;
    int wrongWeight = 0;
    int restlessness = 1;
    static inline ulong nextTimestampBase = 1;
    const ulong timestampBase = nextTimestampBase;
    std::optional<MenuControls> menu;
    std::array<std::optional<TestInstance>, 5> tests;
    std::vector<Control*> targets;
    std::array<bool, 5> fullMark{};
    std::array<bool, 5> awardSeen{};
    bool opened = false;
    QString lastClick;
};
} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { quietenUnraisableWindows(); }
    void clicksEverywhereKeepEveryPromise();
};

void MonkeyTest::clicksEverywhereKeepEveryPromise() {
    std::vector<unsigned> chosen(std::begin(seeds), std::end(seeds));
    if (qEnvironmentVariableIsSet("VELMORA_MONKEY_SEED"))
        chosen = {unsigned(qEnvironmentVariableIntValue("VELMORA_MONKEY_SEED"))};
    QElapsedTimer wall;
    wall.start();
    Tally tally;
    for (unsigned seed : chosen) {
        std::mt19937 random(seed);
        const int eventsBefore = tally.events;
        for (int session = 1; tally.events - eventsBefore < eventsPerSeed; ++session) {
            ++tally.sessions;
            Session(seed, session, random, tally).run(eventsPerSession);
        }
    }
    qInfo("%d events (%d clicks, %d of them during tones) in %d sessions of %zu seeds; "
          "%d ticks checked; %d picks, %d tests ended, %d awards; %d openings, %d of them during "
          "tones; %d closes during tones; %lld ms",
          tally.events, tally.clicks, tally.clicksDuringTones, tally.sessions, chosen.size(),
          tally.ticksChecked, tally.picks, tally.testsEnded, tally.awards, tally.openings,
          tally.openingsDuringTones, tally.closesDuringTones, wall.elapsed());
    QVERIFY(tally.events >= int(chosen.size()) * eventsPerSeed);
}

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
