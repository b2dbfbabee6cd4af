// The web link hands one fixed address to the desktop, whatever the pupil does with the mouse,
// the keyboard or the clipboard.
#include "Harness.h"
#include "WindowClick.h"
#include "forms/WebSite.h"
#include "shell/Window.h"
#include "sound/SilentPorts.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QRegularExpression>

namespace {
// Built into the program: there is nothing to read it from at run time.
static_assert(webAddress.starts_with("https://"));

const QUrl address(QString::fromLatin1(webAddress.data(), qsizetype(webAddress.size())));

// Where the desktop's handler of web addresses would be asked to open one.
class DesktopHandler final : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> asked;
  public slots:
    void openUrl(const QUrl& url) { asked << url; }
};

// A press and release of another mouse button than the left one: on X11 the middle one pastes.
void clickWith(Qt::MouseButton button, QWidget& control) {
    QWindow* window = control.window()->windowHandle();
    const QPointF at = control.mapTo(control.window(), control.rect().center());
    const QPointF global = control.window()->mapToGlobal(at);
    qt_handleMouseEvent(window, at, global, button, button, QEvent::MouseButtonPress, {}, 1);
    qt_handleMouseEvent(window, at, global, {}, button, QEvent::MouseButtonRelease, {}, 2);
}
} // namespace

class WebLinkTest : public QObject {
    Q_OBJECT
  private slots:
    void theAddressIsAPlainWebAddress();
    void nothingThePupilDoesChangesTheAddress();
};

void WebLinkTest::theAddressIsAPlainWebAddress() {
    QVERIFY(address.isValid());
    QCOMPARE(address.scheme(), "https");
    QVERIFY(!address.host().isEmpty());
    QVERIFY(address.path().isEmpty() && !address.hasQuery() && !address.hasFragment());
    QVERIFY(address.userInfo().isEmpty() && address.port() == -1);
    // Nothing in it that a command line, a shell or a URL handler would read specially.
    QVERIFY(QRegularExpression("^https://[a-z0-9.-]+$")
                .match(QString::fromLatin1(webAddress.data(), qsizetype(webAddress.size())))
                .hasMatch());
}

void WebLinkTest::nothingThePupilDoesChangesTheAddress() {
    DesktopHandler desktop;
    QDesktopServices::setUrlHandler("https", &desktop, "openUrl");
    QDesktopServices::setUrlHandler("file", &desktop, "openUrl");
    ManualClock clock;
    SilentPorts ports;
    DesktopUrlOpener opener;
    quietenUnraisableWindows();
    RecordingVoice voice;
    ScreenSet shell({clock, opener, [] { return 1024; }}, ports, {voice});
    shell.start();
    Label& link = shell.frmIntro().label("lblWeb");
    const QString caption = link.caption();
    QVERIFY(caption.contains(address.toString()));

    QGuiApplication::clipboard()->setText("file:///bin/sh -c 'rm -rf ~'");
    int leftClicks = 0;
    for (int round = 0; round < 3; ++round) {
        // Typing and pasting (Return and Space are the welcome page's keys to start test 1).
        QTest::keyClicks(&link, "file:///etc/passwd;sh");
        QTest::keyClick(&link, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClicks(&shell.frmIntro().window(), "http://elsewhere.example");
        clickWith(Qt::MiddleButton, link);
        clickWith(Qt::RightButton, link);
        // A single click, then a double one, which is one click too.
        const ulong at = ulong(10000 * (round + 1));
        clickThroughWindow(link, at);
        clickThroughWindow(link, at + 2000);
        clickThroughWindow(link, at + 2100);
        leftClicks += 2;
        clock.advance(1500); // the link blinks meanwhile
    }
    QCOMPARE(desktop.asked, QList<QUrl>(leftClicks, address));
    QCOMPARE(link.caption(), caption);
    QVERIFY(shell.frmIntro().window().isVisible());

    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("file");
    Harness::flushClosedWindows();
}

QTEST_MAIN(WebLinkTest)
#include "tst_weblink.moc"
