#include "program/Program.h"

#include "forms/pictures/Pictures.h"
#include "shell/Accessibility.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <fontconfig/fontconfig.h>

// Loading SDL with its libraries beside the start would hold up the first windows, and no tone
// can come before a pupil has opened a test and answered a question.
constexpr int soundCardOpensAfterMs = 1000;

Program::Program(std::span<const QuestionBank> banks)
    : all({clock, urlOpener, [this] { return displayWidth(); }}, speaker, banks) {
    installAccessibility();
    Pictures::decodeFrameAhead();
    QTimer::singleShot(soundCardOpensAfterMs, &all, [this] { speaker.startOpening(); });
}

Program::~Program() = default;

// A display taken away during the run leaves the screens where the last one had them.
int Program::displayWidth() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        lastDisplayWidth = screen->geometry().width();
    return lastDisplayWidth;
}

bool hasWindowSystem() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    std::fputs("velmora: there is no display to show the windows on: DISPLAY and WAYLAND_DISPLAY "
               "are unset\n",
               stderr);
    return false;
}

bool hasDisplay() {
    if (QGuiApplication::primaryScreen())
        return true;
    std::fputs("velmora: there is no display to show the windows on\n", stderr);
    return false;
}

// Wayland lets no program place its windows, and the menu bar must stand at the top of the
// display. Where the session also offers X11, Velmora runs there unless the user chose.
void prepareApplicationPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

std::jthread readFontConfigurationAhead() {
    // Qt makes the same call when it first needs a font, and then finds the configuration read.
    return std::jthread([] { FcInit(); });
}

void nameApplication() {
    QApplication::setApplicationName("velmora");
    QApplication::setApplicationDisplayName("Velmora");
    QApplication::setDesktopFileName("velmora");
}
