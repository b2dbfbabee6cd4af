#include "shell/Shell.h"

#include "shell/Twips.h"
#include "shell/Window.h"
#include "sound/PortIo.h"

#include <QCoreApplication>

namespace {
// The other four test screens, in the order in which opening test N (the row) resets them.
constexpr int othersInResetOrder[5][4] = {
    {2, 3, 4, 5}, {1, 3, 4, 5}, {2, 1, 4, 5}, {2, 3, 1, 5}, {2, 3, 4, 1},
};
} // namespace

Shell::Shell(const Platform& platform) : platform(platform), menu(*this), intro(*this) {
    for (int test = 1; test <= int(tests.size()); ++test)
        tests[test - 1] = std::make_unique<TestScreen>(*this, test);
}

Shell::~Shell() = default;

void Shell::start() {
    menu.load();
    menu.show();
}

void Shell::keepMenuOnTop() {
    Window& window = menu.window();
    if (!(window.windowFlags() & Qt::WindowStaysOnTopHint))
        window.setWindowFlag(Qt::WindowStaysOnTopHint);
    // Raising again covers windows that went above the menu despite the hint, as they can
    // without a window manager or under one that ignores it.
    window.raise();
    emit screenOperation(menu.name(), QStringLiteral("topmost"));
}

void Shell::centre(Screen& screen) {
    const double displayWidth = double(platform.displayWidthPixels()) * twipsPerPixel;
    screen.setLeft((displayWidth - screen.width()) / 2);
}

void Shell::openTest(int test) {
    TestScreen& chosen = frm(test);
    chosen.close();
    chosen.load();
    chosen.show();
    for (int other : othersInResetOrder[test - 1]) {
        frm(other).close();
        frm(other).hide();
    }
    intro.hide();
}

void Shell::end() {
    // Off before anything else: a speaker left sounding after the program has gone would go on
    // sounding for ever on a real one.
    platform.ports.vbOut(0x61, platform.ports.vbInp(0x61) & 0xFC);
    for (auto& test : tests)
        test->close();
    intro.close();
    menu.close();
    emit ended();
    QCoreApplication::exit(0);
}
