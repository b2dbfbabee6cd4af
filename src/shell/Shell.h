#pragma once

#include "screens/Intro.h"
#include "screens/MainMenu.h"
#include "test/TestScreen.h"

#include <QObject>
#include <array>
#include <functional>
#include <memory>

class Clock;
class PortIo;
class UrlOpener;

// What the program takes from the machine it runs on; the tests hand in their own.
struct Platform {
    Clock& clock;
    PortIo& ports;
    UrlOpener& urlOpener;
    std::function<int()> displayWidthPixels;
};

// The registry of the seven screens and the operations every screen relies on: start-up,
// placement on load, opening a test, keeping the menu on top, ending the program.
class Shell final : public QObject {
    Q_OBJECT
  public:
    explicit Shell(const Platform& platform);
    ~Shell() override;

    MainMenu& frmMain() { return menu; }
    Intro& frmIntro() { return intro; }
    TestScreen& frm(int test) { return *tests.at(test - 1); }

    Clock& clock() const { return platform.clock; }
    PortIo& ports() const { return platform.ports; }
    UrlOpener& urlOpener() const { return platform.urlOpener; }

    void start();
    // The topmost step: the menu window goes above every other window, without moving.
    void keepMenuOnTop();
    // The centring step: the screen's left edge goes to the middle of the display.
    void centre(Screen& screen);
    void openTest(int test);
    void end();

  signals:
    // Every load, close, show and hide of a screen, and every topmost step, as it happens.
    void screenOperation(const QString& screen, const QString& operation);
    void ended();

  private:
    Platform platform;
    MainMenu menu;
    Intro intro;
    std::array<std::unique_ptr<TestScreen>, 5> tests;
};
