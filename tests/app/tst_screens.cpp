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
// for those the screen's load handler changes.
void checkStartStates(Screen& screen, const FormDef& form, QStringList changedOnLoad = {}) {
    for (const ControlDef& def : form.controls) {
        const char* name = def.name.data();
        if (changedOnLoad.contains(name))
            continue;
        if (def.kind == ControlKind::Timer) {
            QCOMPARE(screen.timer(name).interval(), def.interval);
            QCOMPARE(screen.timer(name).enabled(), def.enabled);
            continue;
        }
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
};

void ScreensTest::theMenuAndIntroductionStartAsDesigned() {
    Harness h;
    h.screens.start();
    checkStartStates(h.screens.frmMain(), frmMainForm);
    checkStartStates(h.screens.frmIntro(), frmIntroForm);
    QCOMPARE(h.screens.frmIntro().label("lblWeb").caption(),
             "Click here to visit https://velmora.example to download more test or other "
             "freeware.");
    QCOMPARE(h.screens.frmIntro().label("lblWeb").backColour(), 0x00FFFFC0u);
    // A smiley, once shown, covers its number completely.
    for (int test = 1; test <= 5; ++test)
        QVERIFY(h.screens.frmMain()
                    .award(Harness::test(test))
                    .geometry()
                    .contains(h.screens.frmMain().testNumber(Harness::test(test)).geometry()));
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
    QVERIFY(!screen.timer("tmrR").enabled());
    QCOMPARE(screen.timer("TimerSound").interval(), 0);
    // The long prompt wraps and the label grows downwards from its place.
    QCOMPARE(screen.label("lblComment").y(), 232);
    QVERIFY(screen.label("lblComment").height() > 24);
}

void ScreensTest::theFiveTestScreensDifferOnlyInTitleAndColour() {
    Harness h;
    h.screens.start();
    for (int test = 1; test <= 5; ++test) {
        h.frm(test).load();
        checkStartStates(h.frm(test), testForm(Harness::test(test)),
                         {"lblComment", "txtY", "txtN"});
        QCOMPARE(h.frm(test).label("Label4").caption(), QString("Velmora - %1").arg(test));
    }
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
    QCOMPARE(h.urls.opened, QList<QUrl>(2, QUrl("https://velmora.example")));
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

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
