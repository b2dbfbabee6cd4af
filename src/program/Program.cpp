#include "program/Program.h"

#include "forms/pictures/Pictures.h"
#include "program/WindowSystem.h"
#include "record/Pupil.h"
#include "shell/Accessibility.h"
#include "sound/Speaker.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <fontconfig/fontconfig.h>
#include <optional>

// Loading SDL with its libraries beside the start would hold up the first windows, and no tone
// can come before a pupil has opened a test and answered a question.
constexpr int soundCardOpensAfterMs = 1000;

namespace {
std::unique_ptr<RecordWriter> recordWriter(const RecordChoice& keeping) {
    if (keeping.folder.empty())
        return nullptr;
    AttemptContext context = thisPupil(keeping.source);
    context.titles = keeping.titles;
    return std::make_unique<RecordWriter>(keeping.folder, std::move(context));
}
} // namespace

Program::Program(std::span<const QuestionBank> banks, VoiceChoice reading,
                 const RecordChoice& keeping)
    : speaker([mix = mix] { return openSpeaker(*mix); }), voice(*mix, reading.voice),
      record(recordWriter(keeping)),
      all({clock, urlOpener, [this] { return displayWidth(); }}, speaker,
          {voice, reading.asTextsAppear}, banks, record.get()) {
    // The engine starts on the voice's own thread, beside the windows, so that the first
    // question is read as soon as the others.
    if (reading.asTextsAppear)
        voice.warmUp();
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

bool voiceSpeaks(const std::string& name) {
    const std::optional<std::string> why = EspeakVoice::whyItCannotSpeak(name);
    if (why)
        std::fprintf(stderr, "velmora: %s\n", why->c_str());
    return !why;
}

bool hasDisplay() {
    if (QGuiApplication::primaryScreen())
        return true;
    std::fputs("velmora: there is no display to show the windows on\n", stderr);
    return false;
}

// Wayland lets no program place its windows, and the menu bar must stand at the top of the
// display: where the session also offers X11, Velmora runs there unless the user chose. Qt aborts
// where the window system it tries does not answer, so the one to try is asked first.
bool chooseWindowSystem() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    const QByteArray x11 = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    if (!x11.isEmpty() && xServerAnswers(x11)) {
        if (!wayland.isEmpty())
            qputenv("QT_QPA_PLATFORM", "xcb");
        return true;
    }
    if (!wayland.isEmpty() && waylandCompositorAnswers(wayland)) {
        qputenv("QT_QPA_PLATFORM", "wayland");
        return true;
    }
    QByteArrayList silent;
    if (!x11.isEmpty())
        silent << "the X display " + x11;
    if (!wayland.isEmpty())
        silent << "the Wayland display " + wayland;
    const QByteArray why =
        silent.isEmpty()
            ? QByteArray("DISPLAY and WAYLAND_DISPLAY are unset")
            : silent.join(" and ") + (silent.size() == 1 ? " does not answer" : " do not answer");
    std::fprintf(stderr, "velmora: there is no display to show the windows on: %s\n",
                 why.constData());
    return false;
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
