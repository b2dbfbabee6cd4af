#include "shell/Program.h"

#include "sound/Speaker.h"

#include <QApplication>
#include <QScreen>

Program::Program()
    : speaker(openSpeaker()),
      screens({clock, *speaker, urlOpener,
               [] { return QGuiApplication::primaryScreen()->geometry().width(); }}) {}

Program::~Program() = default;

// Wayland lets no program place its windows, and the menu bar must stand at the top of the
// display. Where the session also offers X11, Velmora runs there unless the user chose.
void prepareApplicationPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

void nameApplication() {
    QApplication::setApplicationName("velmora");
    QApplication::setApplicationDisplayName("Velmora");
    QApplication::setDesktopFileName("velmora");
}
