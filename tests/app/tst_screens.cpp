// The menu, the introduction and a freshly loaded test screen, as the pupil first meets them.
#include "Harness.h"
#include "forms/Forms.h"
#include "shell/Button.h"
#include "shell/Shape.h"
#include "shell/Timer.h"
#include "shell/Twips.h"
#include "shell/Window.h"

namespace {
QString text(std::string_view stored) {
    return QString::fromLatin1(stored.data(), qsizetype(stored.size()));
}

// Every control of a loaded screen stands where its definition puts it, in its start state, but
// for those the screen's load handler changes. Timers show their start state in their ticks.
void checkStartStates(Screen& screen, const FormDef& form, QStringList changedOnLoad = {}) {
    for (const ControlDef& def : form.controls) {
        const char* name = def.name.data();
        if (changedOnLoad.contains(name) || def.kind == ControlKind::Timer)
            continue;
        Control& control = screen.control(name);
        QVERIFY2(control.visible() == def.visible, name);
        if (def.kind == ControlKind::Line)
            continue;
        QCOMPARE(control.pos(), QPoint(pixels(def.left), pixels(def.top)));
        QCOMPARE(control.width(), pixels(def.width));
        if (!def.autoSize)
            QCOMPARE(control.height(), pixels(def.height));
        if (def.kind == ControlKind::Label)
            QCOMPARE(screen.label(name).caption(), text(def.text));
    }
}
} // namespace

namespace {
// Each control's face, size in points, weight and colours as the screens were designed, and
// the faces Debian's font packages stand in for them with.
struct Look {
    const char* control;
    const char* face;
    double points;
    bool bold;
    StoredColour fore, back;
};
using namespace SystemColour;
constexpr StoredColour peach = rgb(255, 224, 192);
constexpr StoredColour cyan = rgb(192, 255, 255);
constexpr Look testScreenLooks[] = {
    {"txtY", "Batang", 14.25, true, windowText, windowBackground},
    {"txtN", "Batang", 14.25, true, windowText, windowBackground},
    {"txtQ", "Batang", 18, false, windowText, windowBackground},
    {"lblComment", "Batang", 18, false, buttonText, rgb(255, 192, 128)},
    {"lblWrong", "Batang", 18, false, windowText, windowBackground},
    {"Label4", "Batang", 18, true, rgb(0, 0, 255), peach},
    {"Label2", "Comic Sans MS", 12, false, buttonText, peach},
    {"Label1", "Comic Sans MS", 12, false, buttonText, peach},
    {"lblCorrect", "Batang", 18, false, windowText, windowBackground},
    {"lblScore", "Batang", 18, false, windowText, peach},
    {"lblMistake", "Batang", 18, false, buttonText, peach},
    {"lblNext", "Comic Sans MS", 12, false, buttonText, rgb(255, 255, 192)},
    {"lblCheck", "Calligraphic", 24, true, rgb(0, 0, 255), peach},
    {"lblP", "Comic Sans MS", 14.25, false, windowText, windowBackground},
    {"Label3", "Batang", 18, true, rgb(0, 0, 255), peach},
    {"lblR", "Calligraphic", 24, true, rgb(255, 0, 0), peach},
    {"lblQuestion", "Batang", 18, false, windowText, windowBackground},
};
constexpr Look menuLooks[] = {
    {"Command1", "MS Sans Serif", 12, false, buttonText, peach},
    {"cmdClose", "MS Sans Serif", 12, false, buttonText, rgb(255, 128, 128)},
    {"Label2", "Arial Black", 12, false, buttonText, cyan},
    {"lbl1", "Arial Black", 12, false, buttonText, cyan},
    {"lbl2", "Arial Black", 12, false, buttonText, cyan},
    {"lbl3", "Arial Black", 12, false, buttonText, cyan},
    {"lbl4", "Arial Black", 12, false, buttonText, cyan},
    {"lbl5", "Arial Black", 12, false, buttonText, cyan},
    {"cmd1", "MS Sans Serif", 8, false, buttonText, rgb(255, 192, 128)},
    {"cmd5", "MS Sans Serif", 8, false, buttonText, rgb(255, 192, 128)},
};
constexpr Look introLooks[] = {
    {"lblWeb", "MS Sans Serif", 8, false, buttonText, cyan},
    {"Label8", "Batang", 14.25, true, windowText, windowBackground},
    {"Label7", "Batang", 12, true, buttonText, peach},
    {"Label6", "Batang", 12, true, buttonText, peach},
    {"Label5", "Batang", 12, true, buttonText, peach},
    {"Label4", "Batang", 12, true, buttonText, peach},
    {"Label3", "Batang", 12, true, buttonText, peach},
    {"Label2", "Batang", 12, true, buttonText, peach},
    {"Label1", "Batang", 14.25, true, windowText, windowBackground},
};
struct StandIn {
    const char* face;
    const char* family;
    QFont::Weight regular;
};
constexpr StandIn standIns[] = {
    {"Batang", "NanumMyeongjo", QFont::Normal},
    {"Comic Sans MS", "Comic Neue", QFont::Normal},
    {"Calligraphic", "Z003", QFont::Normal},
    {"Arial Black", "DejaVu Sans", QFont::Black},
    {"MS Sans Serif", "Liberation Sans", QFont::Normal},
};

// The back colour changes as the program runs, so it is read from the control; the fore colour
// never does, and a control paints the one its table gives it.
StoredColour backColourOf(Control& control) {
    if (auto* label = qobject_cast<Label*>(&control))
        return label->backColour();
    if (auto* box = qobject_cast<TextBox*>(&control))
        return box->backColour();
    return static_cast<Button&>(control).backColour();
}

const ControlDef& definitionOf(const FormDef& form, std::string_view name) {
    return *std::ranges::find(form.controls, name, &ControlDef::name);
}
} // namespace

class ScreensTest : public QObject {
    Q_OBJECT
  private slots:
    void theMenuAndIntroductionStartAsDesigned();
    void aTestScreenStartsWithItsPromptAndLockedBoxes();
    void theFiveTestScreensDifferOnlyInTitleAndColour();
    void theWebLinkBlinksEverySecond();
    void startNowOpensTestOneLikeTheMenu();
    void theWebLinkOpensTheMakersSiteEveryTime();
    void theWindowsHaveNoTitleBarAndAOnePixelBorder();
    void everyControlHasItsDesignedFaceAndColours_data();
    void everyControlHasItsDesignedFaceAndColours();
};

void ScreensTest::theMenuAndIntroductionStartAsDesigned() {
    Harness h;
    h.screens.start();
    checkStartStates(h.screens.frmMain(), frmMainForm);
    checkStartStates(h.screens.frmIntro(), frmIntroForm);
    QCOMPARE(h.screens.frmIntro().label("lblWeb").caption(),
             "Click here to visit " VELMORA_WEB_ADDRESS
             " to download more test or other freeware.");
    QCOMPARE(h.screens.frmIntro().label("lblWeb").backColour(), 0x00FFFFC0u);
    // A smiley, once shown, covers its number completely.
    for (int test = 1; test <= 5; ++test)
        QVERIFY(h.screens.frmMain()
                    .award(Harness::test(test))
                    .geometry()
                    .contains(h.screens.frmMain().testNumber(Harness::test(test)).geometry()));
    // Each screen's Timer1 runs from its load, a tick a second.
    const std::vector<Timer*> timers{&h.screens.frmMain().timer("Timer1"),
                                     &h.screens.frmIntro().timer("Timer1")};
    QCOMPARE(ticksOf(h.clock, timers, 999), 0);
    QCOMPARE(ticksOf(h.clock, timers, 1), 2);
}

void ScreensTest::aTestScreenStartsWithItsPromptAndLockedBoxes() {
    Harness h;
    h.screens.start();
    h.screens.openTest(2);
    TestScreen& screen = h.screens.frm(2);
    QCOMPARE(screen.textBox("txtQ").text(), "0");
    QVERIFY(screen.label("lblComment").visible());
    QCOMPARE(screen.label("lblComment").caption(),
             " This is a small test created by Tovrin. Click here to start.");
    QVERIFY(!screen.textBox("txtY").isEnabled());
    QVERIFY(!screen.textBox("txtN").isEnabled());
    QCOMPARE(screen.textBox("txtY").text(), "");
    for (const char* hidden : {"lblQuestion", "lblCorrect", "lblWrong", "lblNext", "lblCheck",
                               "lblR", "lblP", "Line1", "Line2"})
        QVERIFY2(!screen.control(hidden).visible(), hidden);
    QCOMPARE(screen.label("lblScore").caption(), "0");
    QCOMPARE(screen.label("lblMistake").caption(), "0");
    QCOMPARE(screen.shape("Shape2").fillStyle(), FillStyle::Transparent);
    // The long prompt wraps and the label grows downwards from its place.
    QCOMPARE(screen.label("lblComment").y(), 232);
    QVERIFY(screen.label("lblComment").height() > 24);
    // Neither the steps nor the tones run before a pick.
    QCOMPARE(ticksOf(h.clock, {&screen.timer("tmrR"), &screen.timer("TimerSound")}, 10000), 0);
}

void ScreensTest::theFiveTestScreensDifferOnlyInTitleAndColour() {
    Harness h;
    h.screens.start();
    std::vector<Timer*> timers;
    for (int test = 1; test <= 5; ++test) {
        h.frm(test).load();
        checkStartStates(h.frm(test), testForm(Harness::test(test)),
                         {"lblComment", "txtY", "txtN"});
        QCOMPARE(h.frm(test).label("Label4").caption(), QString("Velmora - %1").arg(test));
        timers.insert(timers.end(), {&h.frm(test).timer("tmrR"), &h.frm(test).timer("TimerSound")});
    }
    QCOMPARE(ticksOf(h.clock, timers, 10000), 0);
    QCOMPARE(testForm(1).window.backColour, rgb(255, 192, 128));
    for (int test = 2; test <= 5; ++test)
        QCOMPARE(testForm(Harness::test(test)).window.backColour, rgb(255, 128, 0));
}

void ScreensTest::theWebLinkBlinksEverySecond() {
    Harness h;
    h.screens.start();
    Label& web = h.screens.frmIntro().label("lblWeb");
    h.clock.advance(999);
    QCOMPARE(web.backColour(), 0x00FFFFC0u);
    h.clock.advance(1);
    QCOMPARE(web.backColour(), 0x0000FFFFu);
    h.clock.advance(1000);
    QCOMPARE(web.backColour(), 0x00FFFFC0u);
    web.setBackColour(rgb(1, 2, 3));
    h.clock.advance(1000);
    QCOMPARE(web.backColour(), 0x00FFFFC0u);
    // Hidden for good once a test opens, it goes on blinking.
    h.screens.openTest(5);
    h.clock.advance(1000);
    QCOMPARE(web.backColour(), 0x0000FFFFu);
}

void ScreensTest::startNowOpensTestOneLikeTheMenu() {
    Harness h;
    h.screens.start();
    click(h.screens.frmIntro().label("Label8"));
    QCOMPARE(h.screens.frm(1).state(), ScreenState::Shown);
    for (int test = 2; test <= 5; ++test)
        QCOMPARE(h.frm(test).state(), ScreenState::Hidden);
    QCOMPARE(h.screens.frmIntro().state(), ScreenState::Hidden);
}

void ScreensTest::theWebLinkOpensTheMakersSiteEveryTime() {
    Harness h;
    h.screens.start();
    click(h.screens.frmIntro().label("lblWeb"));
    click(h.screens.frmIntro().label("lblWeb"));
    QCOMPARE(h.urls.opened, QList<QUrl>(2, QUrl(VELMORA_WEB_ADDRESS)));
    QCOMPARE(h.screens.frmIntro().state(), ScreenState::Shown);
}

void ScreensTest::theWindowsHaveNoTitleBarAndAOnePixelBorder() {
    Harness h;
    h.screens.start();
    Window& menu = h.screens.frmMain().window();
    QVERIFY(menu.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(menu.size(), QSize(603, 87));
    QCOMPARE(menu.client().geometry(), QRect(1, 1, 601, 85));
    QCOMPARE(h.screens.frmIntro().window().size(), QSize(603, 504));
    QVERIFY(!menu.windowIcon().isNull());
}

void ScreensTest::everyControlHasItsDesignedFaceAndColours_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<int>("weight");
    QTest::addColumn<StoredColour>("fore");
    QTest::addColumn<StoredColour>("back");
    const auto add = [](const QString& screen, std::span<const Look> looks) {
        for (const Look& look : looks) {
            const StandIn& standIn = *std::ranges::find_if(
                standIns, [&](const StandIn& s) { return std::string_view(s.face) == look.face; });
            QTest::addRow("%s %s", qPrintable(screen), look.control)
                << screen << look.control << standIn.family
                << int(std::lround(look.points * 96 / 72))
                << int(look.bold ? QFont::Bold : standIn.regular) << look.fore << look.back;
        }
    };
    add("frmMain", menuLooks);
    add("frmIntro", introLooks);
    for (int test = 1; test <= 5; ++test)
        add(QString("frm%1").arg(test), testScreenLooks);
}

void ScreensTest::everyControlHasItsDesignedFaceAndColours() {
    QFETCH(QString, screen);
    QFETCH(QString, control);
    Harness h;
    const bool menu = screen == "frmMain", intro = screen == "frmIntro";
    const int test = screen.back().digitValue();
    Screen& loaded = menu    ? static_cast<Screen&>(h.screens.frmMain())
                     : intro ? static_cast<Screen&>(h.screens.frmIntro())
                             : h.frm(test);
    const FormDef& form = menu ? frmMainForm : intro ? frmIntroForm : testForm(Harness::test(test));
    const QByteArray name = control.toLatin1();
    const QFont font = loaded.control(name.constData()).font();
    QTEST(font.family(), "family");
    QTEST(font.pixelSize(), "pixelSize");
    QTEST(int(font.weight()), "weight");
    QTEST(definitionOf(form, name.constData()).foreColour, "fore");
    QTEST(backColourOf(loaded.control(name.constData())), "back");
}

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
