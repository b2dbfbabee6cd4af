// The screen runtime and the shell's operations: start-up, placement, opening tests, ending.
#include "Harness.h"
#include "shell/Button.h"
#include "shell/FormDef.h"
#include "shell/FormResources.h"
#include "shell/Timer.h"
#include "shell/Window.h"

#include <QCursor>
#include <QIcon>
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
    void bindControls() override {
        connect(&timer("tmrProbe"), &Timer::tick, this, [this] { ++ticks; });
    }
    void Form_Load() override { ++loads; }
};

// A program's own pictures, pointer and face, each of which shows whether the runtime asked for
// it by the name its table gives: any other name gets something else.
struct NamedResources final : FormResources {
    QPixmap picture(std::string_view name) const override {
        QPixmap square(8, 8);
        square.fill(name == "backdrop" ? Qt::green : name == "square" ? Qt::red : Qt::black);
        return square;
    }
    QIcon icon(std::string_view name) const override {
        return name == "badge" ? QIcon(picture("square")) : QIcon();
    }
    QCursor cursor(std::string_view name) const override {
        return name == "cross" ? Qt::CrossCursor : Qt::ForbiddenCursor;
    }
    QFont face(std::string_view name) const override {
        QFont face(name == "Designed Face" ? "Stand-in" : "Wrong");
        face.setWeight(QFont::Light);
        return face;
    }
};

// clang-format off
constexpr ControlDef namingControls[] = {
    {.kind = ControlKind::Button, .name = "cmdSquare", .left = 1500, .width = 600, .height = 600,
     .backColour = rgb(0, 0, 255), .flat = true, .accessibleName = "A red square",
     .picture = "square"},
    {.kind = ControlKind::Label, .name = "lblRegular", .top = 900, .width = 1500, .height = 300,
     .font = {"Designed Face", 12}, .cursor = "cross"},
    {.kind = ControlKind::Label, .name = "lblBold", .top = 1200, .width = 1500, .height = 300,
     .font = {"Designed Face", 12, true}},
};
constexpr FormDef namingForm{
    .window = {.clientWidth = 3000, .clientHeight = 1500, .left = 1500, .top = 1500,
               .backColour = rgb(0, 0, 255), .picture = "backdrop", .icon = "badge"},
    .controls = namingControls};
// clang-format on

class NamingScreen final : public Screen {
  public:
    explicit NamingScreen(Shell& shell) : Screen(shell, "frmNaming", namingForm) {}

  private:
    void bindControls() override {}
    void Form_Load() override {}
};

QColor colourAt(QWidget& widget, QPoint point) {
    return widget.grab().toImage().pixelColor(point);
}

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
    void aDoubleClickIsOneClick_data();
    void aDoubleClickIsOneClick();
    void theRuntimeShowsWhatTheProgramGivesForEachName();
};

void ShellTest::touchingAControlLoadsTheScreenFirst() {
    Harness h;
    ProbeScreen probe(h.screens);
    QCOMPARE(probe.state(), ScreenState::NotLoaded);
    QCOMPARE(probe.label("lblCaption").caption(), "as designed");
    QCOMPARE(probe.state(), ScreenState::Hidden);
    QCOMPARE(probe.loads, 1);
    probe.label("lblCaption");
    QCOMPARE(probe.loads, 1);
}

void ShellTest::closingKeepsTheScreensOwnVariablesAndStopsItsTimers() {
    Harness h;
    ProbeScreen probe(h.screens);
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
    h.screens.start();
    QSignalSpy spy(&h.screens, &Shell::screenOperation);
    h.screens.frm(2).hide();
    QCOMPARE(h.screens.frm(2).state(), ScreenState::Hidden);
    QCOMPARE(operations(spy), QStringList({"frm2 load", "frm2 hide"}));
    QCOMPARE(h.screens.frm(2).label("lblComment").caption(),
             " This is a small test created by Tovrin. Click here to start.");
}

void ShellTest::aHiddenWindowIsReleasedAndComesBackWhenShown() {
    Harness h;
    h.screens.start();
    Window& intro = h.screens.frmIntro().window();
    h.screens.frmIntro().hide();
    QVERIFY(!intro.testAttribute(Qt::WA_WState_Created));
    h.screens.frmIntro().show();
    QVERIFY(intro.isVisible());
    QCOMPARE(intro.pos(), QPoint(210, 80));
    QVERIFY(h.screens.frmIntro().label("Label8").isVisible());
}

void ShellTest::startUpShowsTheIntroductionThenTheMenu() {
    Harness h;
    QSignalSpy spy(&h.screens, &Shell::screenOperation);
    h.screens.start();
    QCOMPARE(operations(spy),
             QStringList({"frmMain load", "frmIntro load", "frmIntro show", "frmMain show"}));
    // The menu's load puts it on top before anything else, and the introduction's load again.
    QCOMPARE(spy.at(1).at(1).toString(), "topmost");
    QCOMPARE(spy.at(3).at(1).toString(), "topmost");
    QCOMPARE(h.screens.frmMain().state(), ScreenState::Shown);
    QCOMPARE(h.screens.frmIntro().state(), ScreenState::Shown);
    for (int test = 1; test <= 5; ++test)
        QCOMPARE(h.frm(test).state(), ScreenState::NotLoaded);
    for (int test = 1; test <= 5; ++test) {
        QVERIFY(h.screens.frmMain().testNumber(Harness::test(test)).isEnabled());
        QVERIFY(!h.screens.frmMain().award(Harness::test(test)).visible());
    }
}

void ShellTest::screensAreCentredEvenOnANarrowDisplay() {
    Harness wide;
    wide.screens.start();
    // 1024 pixels of display less 603 of window (601 of client area and a one-pixel border).
    QCOMPARE(wide.screens.frmMain().left(), (1024 * 15 - 603 * 15) / 2.0);
    QCOMPARE(wide.screens.frmMain().window().pos(), QPoint(210, 0));
    QCOMPARE(wide.screens.frmIntro().window().pos(), QPoint(210, 80));

    Harness narrow;
    narrow.displayWidth = 500;
    narrow.screens.start();
    QCOMPARE(narrow.screens.frmMain().left(), -772.5);
    QCOMPARE(narrow.screens.frmIntro().window().x(), -52);
    narrow.screens.openTest(4);
    QCOMPARE(narrow.screens.frm(4).left(), -772.5);
    QCOMPARE(narrow.screens.frm(4).window().y(), 80);
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
    h.screens.start();
    const QString chosen = QString("frm%1").arg(test);
    for (bool again : {false, true}) {
        QSignalSpy spy(&h.screens, &Shell::screenOperation);
        click(h.screens.frmMain().testNumber(Harness::test(test)));
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
        QCOMPARE(h.frm(test).state(), ScreenState::Shown);
        for (const QString& other : others)
            QCOMPARE(h.frm(other.back().digitValue()).state(), ScreenState::Hidden);
        QCOMPARE(h.screens.frmIntro().state(), ScreenState::Hidden);
        Harness::flushClosedWindows();
    }
}

void ShellTest::aDisabledNumberOpensNothing() {
    Harness h;
    h.screens.start();
    h.screens.frmMain().testNumber(3).setEnabled(false);
    QSignalSpy spy(&h.screens, &Shell::screenOperation);
    click(h.screens.frmMain().testNumber(3));
    QVERIFY(operations(spy).isEmpty());
    QCOMPARE(h.screens.frmIntro().state(), ScreenState::Shown);
}

void ShellTest::closeEndsTheProgramAndSilencesTheSpeaker() {
    Harness h;
    h.screens.start();
    click(h.screens.frmIntro().label("Label8"));
    h.ports.vbOut(0x61, 0x33);
    click(h.screens.frmMain().button("cmdClose"));
    QCOMPARE(h.ports.vbInp(0x61), 0x30);
    QCOMPARE(h.screens.frmMain().state(), ScreenState::NotLoaded);
    QCOMPARE(h.screens.frm(1).state(), ScreenState::NotLoaded);
}

void ShellTest::theMenuIsPutOnTopEverySecond() {
    Harness h;
    h.screens.start();
    QSignalSpy spy(&h.screens, &Shell::screenOperation);
    h.clock.advance(3000);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(0), QVariantList({"frmMain", "topmost"}));
    QVERIFY(h.screens.frmMain().window().windowFlags() & Qt::WindowStaysOnTopHint);
}

void ShellTest::aDoubleClickIsOneClick_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("control");
    for (const char* number : {"lbl1", "lbl2", "lbl3", "lbl4", "lbl5", "cmdClose"})
        QTest::addRow("frmMain %s", number) << "frmMain" << number;
    for (const char* link : {"Label8", "lblWeb"})
        QTest::addRow("frmIntro %s", link) << "frmIntro" << link;
    for (const char* control : {"lblComment", "txtY", "txtN", "lblNext"})
        QTest::addRow("frm2 %s", control) << "frm2" << control;
}

// Each clickable control, made clickable whatever the state of its screen, gets a double click:
// two presses on one spot a tenth of a second apart. The word boxes get it with a question on
// screen, the only time a pupil can pick one.
void ShellTest::aDoubleClickIsOneClick() {
    QFETCH(QString, screen);
    QFETCH(QString, control);
    Harness h;
    h.screens.start();
    Screen& onScreen = screen == "frmMain"         ? static_cast<Screen&>(h.screens.frmMain())
                       : screen == "frmIntro"      ? static_cast<Screen&>(h.screens.frmIntro())
                       : control.startsWith("txt") ? h.startTest(2)
                                                   : h.open(2);
    Control& target = onScreen.control(qPrintable(control));
    target.setVisible(true);
    target.setEnabled(true);
    QSignalSpy clicks(&target, &Control::clicked);
    clickThroughWindow(target, 50000);
    clickThroughWindow(target, 50100);
    QCOMPARE(clicks.count(), 1);
}

// The runtime knows no picture, pointer or face of its own: it shows what the program hands it for
// the names in a screen's table.
void ShellTest::theRuntimeShowsWhatTheProgramGivesForEachName() {
    Harness h;
    const NamedResources resources;
    Shell shell({h.clock, h.urls, [] { return 1024; }}, resources);
    NamingScreen screen(shell);

    QWidget& client = screen.window().client();
    QCOMPARE(colourAt(client, QPoint(4, 4)), QColor(Qt::green));
    QCOMPARE(colourAt(client, QPoint(180, 50)), QColor(Qt::blue));
    QCOMPARE(screen.window().windowIcon().pixmap(8).toImage().pixelColor(4, 4), QColor(Qt::red));

    Button& square = screen.button("cmdSquare");
    QCOMPARE(colourAt(square, QPoint(20, 20)), QColor(Qt::red));
    QCOMPARE(colourAt(square, QPoint(2, 2)), QColor(Qt::blue));
    QCOMPARE(square.accessibleName(), "A red square");
    QCOMPARE(square.accessibleRole(), QAccessible::Graphic);

    // The face keeps its own weight unless the table asks for bold; the size is the table's.
    const QFont regular = screen.label("lblRegular").font();
    QCOMPARE(regular.family(), "Stand-in");
    QCOMPARE(regular.weight(), QFont::Light);
    QCOMPARE(regular.pixelSize(), 16);
    QCOMPARE(screen.label("lblBold").font().weight(), QFont::Bold);
    QCOMPARE(screen.label("lblRegular").cursor().shape(), Qt::CrossCursor);
    QCOMPARE(screen.label("lblBold").cursor().shape(), Qt::ArrowCursor);
}

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
