#pragma once

#include "program/ScreenSet.h"
#include "record/RecordWriter.h"
#include "shell/QtClock.h"
#include "shell/UrlOpener.h"
#include "sound/BackgroundSpeaker.h"
#include "sound/Mixer.h"
#include "speech/EspeakVoice.h"

#include <memory>
#include <span>
#include <string>
#include <thread>
#include <vector>

// How the tests' texts are read aloud: by which voice, and whether as they appear or only when
// the pupil presses R.
struct VoiceChoice {
    std::string voice = EspeakVoice::defaultName;
    bool asTextsAppear = false;
};

// Where the attempts are kept, if anywhere, and which tests they are of.
struct RecordChoice {
    // Empty when no record is kept.
    std::string folder;
    // "builtin", or the teacher's file's name and the start of its digest.
    std::string source = "builtin";
    // Each test's title, or none for "Test N".
    std::vector<std::string> titles;
};

// Velmora on the real clock, the emulated speaker, the desktop's web opener and display. Made
// once the QApplication exists; start() loads the menu, which starts everything else.
class Program {
  public:
    // The built-in tests, or a teacher's banks that outlive the program.
    explicit Program(std::span<const QuestionBank> banks = builtInBanks(), VoiceChoice reading = {},
                     const RecordChoice& keeping = {});
    ~Program();

    ScreenSet& screens() { return all; }
    void start() { all.start(); }

  private:
    int displayWidth();

    QtClock clock;
    // Shared with the speaker's opening, which a hanging sound service may keep past the program.
    const std::shared_ptr<Mixer> mix = std::make_shared<Mixer>();
    BackgroundSpeaker speaker;
    EspeakVoice voice;
    DesktopUrlOpener urlOpener;
    int lastDisplayWidth = 0;
    // Made before the screens and gone after them, so that the attempts they leave at the end
    // are written, or waited for as long as a pupil can be kept waiting.
    std::unique_ptr<RecordWriter> record;
    ScreenSet all;
};

// Reads the desktop's font configuration on a second thread while the application object is
// made and connects to the display; the first paint would otherwise wait for it. Hold the
// thread until the application object is gone.
std::jthread readFontConfigurationAhead();

// The window system to run on, chosen before the application object exists: false, said in one
// line on standard error, where no platform was chosen and no window system answers.
bool chooseWindowSystem();
// Names and icon that every run of Velmora's application object gets.
void nameApplication();
// Says on standard error, and is false, when there is no display to put the windows on.
bool hasDisplay();
// Says on standard error, and is false, when libespeak-ng cannot speak with the named voice.
bool voiceSpeaks(const std::string& name);
