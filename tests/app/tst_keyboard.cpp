// A whole test without a mouse: every click a pupil can make has a key, under the rules of the
// click, and a pupil who never touches a key sees the screens as before.
#include "Harness.h"
#include "shell/Accessibility.h"
#include "shell/Button.h"
#include "shell/Window.h"

#include <QSignalSpy>

namespace {
constexpr QKeyCombination enter = Qt::Key_Return;
constexpr QKeyCombination space = Qt::Key_Space;

struct Result {
    QString score, mistakes, comment;
    bool awarded, numberEnabled;
    friend bool operator==(const Result&, const Result&) = default;
};

QDebug operator<<(QDebug debug, const Result& result) {
    return debug << result.score << result.mistakes << result.comment << result.awarded
                 << result.numberEnabled;
}

Result resultOf(Harness& h, int test) {
    TestScreen& screen = h.frm(test);
    return {screen.label("lblScore").caption(), screen.label("lblMistake").caption(),
            screen.label("lblComment").caption(),
            h.screens.frmMain().award(Harness::test(test)).visible(),
            h.screens.frmMain().testNumber(Harness::test(test)).isEnabled()};
}

bool isCorrect(int question, int wrongEvery) {
    return wrongEvery == 0 || question % wrongEvery != 0;
}

// The test taken with the mouse: the number on the menu, the start line, the words, the way on,
// and a click on the comment at the end.
Result byClicks(int test, int wrongEvery) {
    Harness h;
    TestScreen& screen = h.startTest(test);
    for (int question = 1; question <= 10; ++question) {
        h.answer(screen, isCorrect(question, wrongEvery));
        click(screen.label("lblNext"));
    }
    click(screen.label("lblComment"));
    return resultOf(h, test);
}

// The same answers by keys alone, each of the keys that pick and lead on taken in turn.
Result byKeys(int test, int wrongEvery) {
    Harness h;
    h.screens.start();
    pressKey(Qt::Key(Qt::Key_0 + test));
    pressKey(test % 2 ? enter : space);
    for (int question = 1; question <= 10; ++question) {
        const bool byArrow = question % 2 == 0;
        if (isCorrect(question, wrongEvery))
            pressKey(byArrow ? Qt::Key_Left : Qt::Key_1);
        else
            pressKey(byArrow ? Qt::Key_Right : Qt::Key_2);
        h.clock.advance(7000);
        pressKey(question % 3 == 0 ? space : enter);
    }
    pressKey(enter);
    return resultOf(h, test);
}

// What the pupil sees of a test screen that might change under a key.
QStringList stateOf(TestScreen& screen) {
    QStringList state{screen.textBox("txtQ").text(), screen.label("lblScore").caption(),
                      screen.label("lblMistake").caption(), screen.label("lblComment").caption()};
    for (const char* name : {"lblComment", "lblNext", "lblQuestion", "lblCorrect", "lblWrong",
                             "lblCheck", "lblR", "lblP", "txtY", "txtN"})
        state << QString("%1 %2 %3")
                     .arg(name)
                     .arg(screen.control(name).visible())
                     .arg(screen.control(name).isEnabled());
    return state;
}

QImage grab(Screen& screen) {
    return screen.window().grab().toImage();
}
} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { installAccessibility(); }
    // First: the pupil is known to use the keyboard from the first key the suite presses on.
    void aMousePupilSeesNoFocus();
    void aWholeTestByKeysEndsAsByClicks_data();
    void aWholeTestByKeysEndsAsByClicks();
    void keysThatAClickWouldNotMakeDoNothing();
    void aKeyHeldDownIsOnePress();
    void digitsOpenTestsFromEveryWindowButNotAnAwardedOne();
    void theOpenedTestHasTheFocus();
    void theLinkOpensWithReturnOnlyWhenFocused();
    void ctrlQEndsTheProgramAndEscapeDoesNot();
    void theFocusIsDrawnOnceAKeyIsUsed();
    void eachKeyIsToldToScreenReaders();
};

void KeyboardTest::aMousePupilSeesNoFocus() {
    Harness h;
    h.screens.start();
    Label& startNow = h.screens.frmIntro().label("Label8");
    QCoreApplication::processEvents();
    const QImage before = grab(h.screens.frmIntro());
    // Whatever gets the focus without a key, even a tab stop, looks as it did.
    startNow.setFocus(Qt::ActiveWindowFocusReason);
    QVERIFY(startNow.hasFocus());
    QCOMPARE(grab(h.screens.frmIntro()), before);

    // A whole test by the mouse moves the focus to no control.
    TestScreen& screen = h.startTest(2);
    for (int question = 1; question <= 10; ++question) {
        h.answer(screen, question % 4 != 0);
        QVERIFY(!qobject_cast<Control*>(QApplication::focusWidget()));
        click(screen.label("lblNext"));
    }
    QVERIFY(!qobject_cast<Control*>(QApplication::focusWidget()));
}

void KeyboardTest::aWholeTestByKeysEndsAsByClicks_data() {
    QTest::addColumn<int>("test");
    QTest::addColumn<int>("wrongEvery");
    for (int test = 1; test <= 5; ++test) {
        QTest::addRow("test %d, full mark", test) << test << 0;
        QTest::addRow("test %d, every third wrong", test) << test << 3;
    }
}

void KeyboardTest::aWholeTestByKeysEndsAsByClicks() {
    QFETCH(int, test);
    QFETCH(int, wrongEvery);
    const Result clicked = byClicks(test, wrongEvery);
    QCOMPARE(byKeys(test, wrongEvery), clicked);
    QCOMPARE(clicked.awarded, wrongEvery == 0);
}

void KeyboardTest::keysThatAClickWouldNotMakeDoNothing() {
    const QKeyCombination everyKey[] = {Qt::Key_1,     Qt::Key_2,      Qt::Key_Left,
                                        Qt::Key_Right, enter,          space,
                                        Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab};
    auto pressEveryKey = [&](TestScreen& screen, const char* when) {
        const QStringList before = stateOf(screen);
        for (QKeyCombination key : everyKey) {
            pressKey(key);
            QVERIFY2(stateOf(screen) == before,
                     qPrintable(QString("%1 after %2").arg(when, QKeySequence(key).toString())));
        }
    };
    Harness h;
    TestScreen& screen = h.startTest(3);
    pressKey(Qt::Key_Left);
    // Every key of the test screen, every 50 ms of the feedback, the tones included, until the
    // way on shows.
    QSignalSpy operations(&h.screens, &Shell::screenOperation);
    auto restless = h.clock.createTimer([&] {
        if (screen.label("lblNext").visible())
            return;
        for (QKeyCombination key : everyKey)
            pressKey(key);
    });
    restless->start(50);
    h.clock.advance(7000);
    restless.reset();
    QCOMPARE(screen.label("lblScore").caption(), "10");
    QCOMPARE(screen.label("lblMistake").caption(), "0");
    QCOMPARE(screen.textBox("txtQ").text(), "1");
    QVERIFY(screen.label("lblNext").visible());
    QVERIFY(!screen.textBox("txtY").isEnabled() && !screen.textBox("txtN").isEnabled());
    for (const QVariantList& operation : operations)
        QCOMPARE(operation.at(1).toString(), "topmost");

    // The answer boxes before the start line is taken.
    TestScreen& fresh = h.open(4);
    for (QKeyCombination key : {Qt::Key_1, Qt::Key_2, Qt::Key_Left, Qt::Key_Right})
        pressKey(key);
    QCOMPARE(fresh.textBox("txtQ").text(), "0");
    QVERIFY(fresh.label("lblComment").visible());

    // After the tenth question, with a score that claims nothing.
    TestScreen& finished = h.startTest(5);
    h.takeTest(finished, 7);
    pressKey(enter);
    pressEveryKey(finished, "the end of the test");
    QVERIFY(!h.screens.frmMain().award(5).visible());
}

void KeyboardTest::aKeyHeldDownIsOnePress() {
    Harness h;
    h.screens.start();
    QSignalSpy operations(&h.screens, &Shell::screenOperation);
    pressKey(Qt::Key_3);
    const qsizetype oneOpening = operations.count();
    for (int repeat = 0; repeat < 5; ++repeat)
        pressKey(Qt::Key_3, true);
    QCOMPARE(operations.count(), oneOpening);

    TestScreen& screen = h.frm(3);
    pressKey(enter);
    pressKey(Qt::Key_Right);
    h.clock.advance(7000);
    pressKey(enter);
    for (int repeat = 0; repeat < 5; ++repeat)
        pressKey(enter, true);
    QCOMPARE(screen.textBox("txtQ").text(), "2");
    pressKey(Qt::Key_Left);
    pressKey(Qt::Key_Left, true);
    pressKey(Qt::Key_Right, true);
    h.clock.advance(7000);
    QCOMPARE(screen.label("lblScore").caption(), "10");
    QCOMPARE(screen.label("lblMistake").caption(), "1");
}

void KeyboardTest::digitsOpenTestsFromEveryWindowButNotAnAwardedOne() {
    Harness h;
    h.screens.start();
    // From the welcome page, from the menu, and from a test screen with Ctrl.
    pressKey(Qt::Key_4);
    QCOMPARE(h.frm(4).state(), ScreenState::Shown);
    h.screens.frmMain().window().activateWindow();
    pressKey(Qt::Key_5);
    QCOMPARE(h.frm(5).state(), ScreenState::Shown);
    pressKey(Qt::CTRL | Qt::Key_1);
    QCOMPARE(h.frm(1).state(), ScreenState::Shown);
    // On a test screen the plain digits 1 and 2 pick words; 3 to 5 open tests.
    pressKey(Qt::Key_2);
    QCOMPARE(h.frm(1).state(), ScreenState::Shown);
    pressKey(Qt::KeypadModifier | Qt::Key_3);
    QCOMPARE(h.frm(3).state(), ScreenState::Shown);

    TestScreen& first = h.startTest(1);
    h.takeTest(first, 10);
    QVERIFY(h.screens.frmMain().award(1).visible());
    QSignalSpy operations(&h.screens, &Shell::screenOperation);
    for (QKeyCombination key : {QKeyCombination(Qt::Key_1), Qt::CTRL | Qt::Key_1})
        pressKey(key);
    h.screens.frmMain().window().activateWindow();
    pressKey(Qt::Key_1);
    QCOMPARE(operations.count(), 0);
}

void KeyboardTest::theOpenedTestHasTheFocus() {
    Harness h;
    h.screens.start();
    QCoreApplication::processEvents();
    QCOMPARE(QGuiApplication::focusWindow(), h.screens.frmIntro().window().windowHandle());
    click(h.screens.frmMain().testNumber(2));
    QCoreApplication::processEvents();
    QCOMPARE(QGuiApplication::focusWindow(), h.frm(2).window().windowHandle());
    click(h.frm(2).label("lblComment"));
    pressKey(Qt::Key_1);
    QVERIFY(!h.frm(2).textBox("txtY").isEnabled());
}

void KeyboardTest::theLinkOpensWithReturnOnlyWhenFocused() {
    Harness h;
    h.screens.start();
    Label& link = h.screens.frmIntro().label("lblWeb");
    pressKey(Qt::Key_Tab);
    QVERIFY(!link.hasFocus());
    pressKey(Qt::Key_Tab);
    QVERIFY(link.hasFocus());
    pressKey(enter);
    pressKey(Qt::Key_Enter);
    QCOMPARE(h.urls.opened.size(), 2);
    QVERIFY(h.screens.frmIntro().window().isVisible());
    // Space is the page's key to start test 1, wherever the focus stands.
    pressKey(space);
    QCOMPARE(h.urls.opened.size(), 2);
    QCOMPARE(h.frm(1).state(), ScreenState::Shown);
    QCOMPARE(h.screens.frmIntro().state(), ScreenState::Hidden);
}

void KeyboardTest::ctrlQEndsTheProgramAndEscapeDoesNot() {
    Harness h;
    h.startTest(2);
    pressKey(Qt::Key_Escape);
    pressKey(Qt::Key_Q);
    QVERIFY(h.screens.frmMain().state() != ScreenState::NotLoaded);
    h.ports.vbOut(systemControlPort, 0x33);
    pressKey(Qt::CTRL | Qt::Key_Q);
    QCOMPARE(h.screens.frmMain().state(), ScreenState::NotLoaded);
    QCOMPARE(h.frm(2).state(), ScreenState::NotLoaded);
    QCOMPARE(h.ports.vbInp(systemControlPort), 0x30);
}

void KeyboardTest::theFocusIsDrawnOnceAKeyIsUsed() {
    Harness h;
    h.screens.start();
    Label& startNow = h.screens.frmIntro().label("Label8");
    const QImage unfocused = grab(h.screens.frmIntro());
    pressKey(Qt::Key_Tab);
    QVERIFY(startNow.hasFocus());
    const QImage focused = grab(h.screens.frmIntro());
    QVERIFY(focused != unfocused);
    // The ring lies inside the label and nowhere else.
    const QRect ring = startNow.geometry().translated(1, 1);
    for (int y = 0; y < focused.height(); y += 3)
        for (int x = 0; x < focused.width(); x += 3)
            if (focused.pixel(x, y) != unfocused.pixel(x, y))
                QVERIFY2(ring.contains(x, y), qPrintable(QString("%1,%2").arg(x).arg(y)));
}

void KeyboardTest::eachKeyIsToldToScreenReaders() {
    Harness h;
    h.screens.start();
    TestScreen& screen = h.open(1);
    auto description = [](QWidget& control) {
        return QAccessible::queryAccessibleInterface(&control)->text(QAccessible::Description);
    };
    QCOMPARE(description(screen.textBox("txtY")), "Keys: Left or 1");
    QCOMPARE(description(screen.textBox("txtN")), "Keys: Right or 2");
    QCOMPARE(description(screen.label("lblNext")), "Keys: Return, Enter or Space");
    QCOMPARE(description(h.screens.frmMain().testNumber(3)), "Keys: 3 or Ctrl+3");
    QCOMPARE(description(h.screens.frmMain().button("cmdClose")), "Key: Ctrl+Q");
    QCOMPARE(description(h.screens.frmIntro().label("lblWeb")),
             "Key: Return, when it has the focus");
    QCOMPARE(description(h.screens.frmIntro().label("Label1")), "");
}

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
