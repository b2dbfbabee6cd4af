#pragma once

#include "shell/QtClock.h"
#include "shell/Shell.h"
#include "shell/UrlOpener.h"
#include "sound/BackgroundSpeaker.h"

#include <thread>

// Velmora on the real clock, the emulated speaker and the desktop's web opener. Made once the
// QApplication exists; start() loads the menu, which starts everything else.
class Program {
  public:
    Program();
    ~Program();

    Shell& shell() { return screens; }
    void start() { screens.start(); }

  private:
    QtClock clock;
    BackgroundSpeaker speaker;
    DesktopUrlOpener urlOpener;
    Shell screens;
};

// Reads the desktop's font configuration on a second thread while the application object is
// made and connects to the display; the first paint would otherwise wait for it. Hold the
// thread until the application object is gone.
std::jthread readFontConfigurationAhead();

// Names, icon and platform choice that every run of Velmora's application object gets; the
// platform is chosen before the application object exists.
void prepareApplicationPlatform();
void nameApplication();
