// The screen runtime and the shell's operations: start-up, placement, opening tests, ending.
#include "Harness.h"
#include "forms/FormDef.h"
#include "shell/Button.h"
#include "shell/Timer.h"
#include "shell/Window.h"

#include <QSignalSpy>

namespace {
constexpr ControlDef probeControls[] = {
    {.kind = ControlKind::Label,
     .name = "lblCaption",
     .text = "as designed",
     .width = 1500,
     .height = 300},
    {.kind = ControlKind::Timer, .name = "tmrProbe", .interval = 100},
};
constexpr FormDef probeForm{.window = {.clientWidth = 3000,
                                       .clientHeight = 1500,
                                       .left = 1500,
                                       .top = 1500,
                                       .backColour = 0},
                            .controls = probeControls};

// A screen of the tests' own, to watch the runtime's rules from the inside.
class ProbeScreen final : public Screen {
  public:
    explicit ProbeScreen(Shell& shell) : Screen(shell, "frmProbe", probeForm) {}
    int loads = 0;
    int ticks = 0;

  private:
    void connectHandlers() override {
        connect(&timer("tmrProbe"), &Timer::tick, this, [this] { ++ticks; });
    }
    void Form_Load() override { ++loads; }
};

QStringList operations(const QSignalSpy& spy) {
    QStringList list;
    for (const auto& arguments : spy)
        if (arguments.at(1).toString() != "topmost")
            list << arguments.at(0).toString() + " " + arguments.at(1).toString();
    return list;
}
} // namespace

class ShellTest : public QObject {
    Q_OBJECT
  private slots:
    void touchingAControlLoadsTheScreenFirst();
    void closingKeepsTheScreensOwnVariablesAndStopsItsTimers();
    void hidingAScreenThatIsNotLoadedLoadsItHidden();
    void aHiddenWindowIsReleasedAndComesBackWhenShown();
    void startUpShowsTheIntroductionThenTheMenu();
    void screensAreCentredEvenOnANarrowDisplay();
    void openingATestResetsEveryTestScreenInOrder_data();
    void openingATestResetsEveryTestScreenInOrder();
    void aDisabledNumberOpensNothing();
    void closeEndsTheProgramAndSilencesTheSpeaker();
    void theMenuIsPutOnTopEverySecond();
};

void ShellTest::touchingAControlLoadsTheScreenFirst() {
    Harness h;
    ProbeScreen probe(h.shell);
    QCOMPARE(probe.state(), ScreenState::NotLoaded);
    QCOMPARE(probe.label("lblCaption").caption(), "as designed");
    QCOMPARE(probe.state(), ScreenState::Hidden);
    QCOMPARE(probe.loads, 1);
    probe.label("lblCaption");
    QCOMPARE(probe.loads, 1);
}

void ShellTest::closingKeepsTheScreensOwnVariablesAndStopsItsTimers() {
    Harness h;
    ProbeScreen probe(h.shell);
    probe.label("lblCaption").setCaption("changed");
    h.clock.advance(250);
    QCOMPARE(probe.ticks, 2); // a hidden screen's timers tick too

    probe.close();
    QCOMPARE(probe.state(), ScreenState::NotLoaded);
    h.clock.advance(1000);
    QCOMPARE(probe.ticks, 2);

    QCOMPARE(probe.label("lblCaption").caption(), "as designed");
    QCOMPARE(probe.loads, 2);
    h.clock.advance(100);
    QCOMPARE(probe.ticks, 3);
}

void ShellTest::hidingAScreenThatIsNotLoadedLoadsItHidden() {
    Harness h;
    h.shell.start();
    QSignalSpy spy(&h.shell, &Shell::screenOperation);
    h.shell.frm(2).hide();
    QCOMPARE(h.shell.frm(2).state(), ScreenState::Hidden);
    QCOMPARE(operations(spy), QStringList({"frm2 load", "frm2 hide"}));
    QCOMPARE(h.shell.frm(2).label("lblComment").caption(),
             " This is a small test created by Tovrin. Click here to start.");
}

void ShellTest::aHiddenWindowIsReleasedAndComesBackWhenShown() {
    Harness h;
    h.shell.start();
    Window& intro = h.shell.frmIntro().window();
    h.shell.frmIntro().hide();
    QVERIFY(!intro.testAttribute(Qt::WA_WState_Created));
    h.shell.frmIntro().show();
    QVERIFY(intro.isVisible());
    QCOMPARE(intro.pos(), QPoint(210, 80));
    QVERIFY(h.shell.frmIntro().label("Label8").isVisible());
}

void ShellTest::startUpShowsTheIntroductionThenTheMenu() {
    Harness h;
    QSignalSpy spy(&h.shell, &Shell::screenOperation);
    h.shell.start();
    QCOMPARE(operations(spy),
             QStringList({"frmMain load", "frmIntro load", "frmIntro show", "frmMain show"}));
    // The menu's load puts it on top before anything else, and the introduction's load again.
    QCOMPARE(spy.at(1).at(1).toString(), "topmost");
    QCOMPARE(spy.at(3).at(1).toString(), "topmost");
    QCOMPARE(h.shell.frmMain().state(), ScreenState::Shown);
    QCOMPARE(h.shell.frmIntro().state(), ScreenState::Shown);
    for (int test = 1; test <= 5; ++test)
        QCOMPARE(h.shell.frm(test).state(), ScreenState::NotLoaded);
    for (int test = 1; test <= 5; ++test) {
        QVERIFY(h.shell.frmMain().testNumber(test).isEnabled());
        QVERIFY(!h.shell.frmMain().award(test).visible());
    }
}

void ShellTest::screensAreCentredEvenOnANarrowDisplay() {
    Harness wide;
    wide.shell.start();
    // 1024 pixels of display less 603 of window (601 of client area and a one-pixel border).
    QCOMPARE(wide.shell.frmMain().left(), (1024 * 15 - 603 * 15) / 2.0);
    QCOMPARE(wide.shell.frmMain().window().pos(), QPoint(210, 0));
    QCOMPARE(wide.shell.frmIntro().window().pos(), QPoint(210, 80));

    Harness narrow;
    narrow.displayWidth = 500;
    narrow.shell.start();
    QCOMPARE(narrow.shell.frmMain().left(), -772.5);
    QCOMPARE(narrow.shell.frmIntro().window().x(), -52);
    narrow.shell.openTest(4);
    QCOMPARE(narrow.shell.frm(4).left(), -772.5);
    QCOMPARE(narrow.shell.frm(4).window().y(), 80);
}

void ShellTest::openingATestResetsEveryTestScreenInOrder_data() {
    QTest::addColumn<int>("test");
    QTest::addColumn<QStringList>("others");
    QTest::newRow("1") << 1 << QStringList{"frm2", "frm3", "frm4", "frm5"};
    QTest::newRow("2") << 2 << QStringList{"frm1", "frm3", "frm4", "frm5"};
    QTest::newRow("3") << 3 << QStringList{"frm2", "frm1", "frm4", "frm5"};
    QTest::newRow("4") << 4 << QStringList{"frm2", "frm3", "frm1", "frm5"};
    QTest::newRow("5") << 5 << QStringList{"frm2", "frm3", "frm4", "frm1"};
}

void ShellTest::openingATestResetsEveryTestScreenInOrder() {
    QFETCH(int, test);
    QFETCH(QStringList, others);
    Harness h;
    h.shell.start();
    const QString chosen = QString("frm%1").arg(test);
    for (bool again : {false, true}) {
        QSignalSpy spy(&h.shell, &Shell::screenOperation);
        click(h.shell.frmMain().testNumber(test));
        QStringList expected;
        if (again)
            expected << chosen + " close";
        expected << chosen + " load" << chosen + " show";
        for (const QString& other : others) {
            if (again)
                expected << other + " close";
            expected << other + " load" << other + " hide";
        }
        expected << "frmIntro hide";
        QCOMPARE(operations(spy), expected);
        QCOMPARE(h.shell.frm(test).state(), ScreenState::Shown);
        for (const QString& other : others)
            QCOMPARE(h.shell.frm(other.back().digitValue()).state(), ScreenState::Hidden);
        QCOMPARE(h.shell.frmIntro().state(), ScreenState::Hidden);
        Harness::flushClosedWindows();
    }
}

void ShellTest::aDisabledNumberOpensNothing() {
    Harness h;
    h.shell.start();
    h.shell.frmMain().testNumber(3).setEnabled(false);
    QSignalSpy spy(&h.shell, &Shell::screenOperation);
    click(h.shell.frmMain().testNumber(3));
    QVERIFY(operations(spy).isEmpty());
    QCOMPARE(h.shell.frmIntro().state(), ScreenState::Shown);
}

void ShellTest::closeEndsTheProgramAndSilencesTheSpeaker() {
    Harness h;
    h.shell.start();
    click(h.shell.frmIntro().label("Label8"));
    h.ports.vbOut(0x61, 0x33);
    QSignalSpy ended(&h.shell, &Shell::ended);
    click(h.shell.frmMain().button("cmdClose"));
    QCOMPARE(ended.count(), 1);
    QCOMPARE(h.ports.vbInp(0x61), 0x30);
    QCOMPARE(h.shell.frmMain().state(), ScreenState::NotLoaded);
    QCOMPARE(h.shell.frm(1).state(), ScreenState::NotLoaded);
}

void ShellTest::theMenuIsPutOnTopEverySecond() {
    Harness h;
    h.shell.start();
    QSignalSpy spy(&h.shell, &Shell::screenOperation);
    h.clock.advance(3000);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(0), QVariantList({"frmMain", "topmost"}));
    QVERIFY(h.shell.frmMain().window().windowFlags() & Qt::WindowStaysOnTopHint);
}

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
