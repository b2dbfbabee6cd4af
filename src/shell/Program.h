#pragma once

#include "shell/QtClock.h"
#include "shell/Shell.h"
#include "shell/UrlOpener.h"
#include "sound/PortIo.h"

#include <memory>

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
    std::unique_ptr<PortIo> speaker;
    DesktopUrlOpener urlOpener;
    Shell screens;
};

// Names, icon and platform choice that every run of Velmora's application object gets; the
// platform is chosen before the application object exists.
void prepareApplicationPlatform();
void nameApplication();
