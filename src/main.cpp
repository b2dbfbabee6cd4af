#include "forms/pictures/Pictures.h"
#include "shell/QtClock.h"
#include "shell/Shell.h"
#include "shell/UrlOpener.h"
#include "sound/Speaker.h"

#include <QApplication>
#include <QScreen>

namespace {
// Wayland lets no program place its windows, and the menu bar must stand at the top of the
// display. Where the session also offers X11, Velmora runs there unless the user chose.
void preferX11UnderWayland() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}
} // namespace

int main(int, char* argv[]) {
    preferX11UnderWayland();
    // Velmora takes no command line: Qt sees only the program's name.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName("velmora");
    QApplication::setApplicationDisplayName("Velmora");
    QApplication::setDesktopFileName("velmora");
    QApplication::setWindowIcon(Pictures::smileyIcon());

    QtClock clock;
    const auto speaker = openSpeaker();
    DesktopUrlOpener urlOpener;
    Shell shell({clock, *speaker, urlOpener,
                 [] { return QGuiApplication::primaryScreen()->geometry().width(); }});
    shell.start();
    return QApplication::exec();
}
