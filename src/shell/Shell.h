#pragma once

#include "forms/TestNumber.h"

#include <QKeyCombination>
#include <QList>
#include <QObject>
#include <functional>

class Clock;
class Screen;
class UrlOpener;

// What the program takes from the machine it runs on; the tests hand in their own.
struct Platform {
    Clock& clock;
    UrlOpener& urlOpener;
    std::function<int()> displayWidthPixels;
};

// The operations every screen relies on: placement on load, opening a test, keeping the menu on
// top, ending the program. The program that puts the screens together says which screens these
// operations move.
class Shell : public QObject {
    Q_OBJECT
  public:
    explicit Shell(const Platform& platform) : platform(platform) {}

    Clock& clock() const { return platform.clock; }
    UrlOpener& urlOpener() const { return platform.urlOpener; }

    // The topmost step: the menu window goes above every other window, without moving.
    virtual void keepMenuOnTop() = 0;
    // The centring step: the screen's left edge goes to the middle of the display.
    void centre(Screen& screen);

    // Every screen of the program, for the keys that work from any of its windows.
    void enrol(Screen& screen) { screens.append(&screen); }
    void withdraw(Screen& screen) { screens.removeOne(&screen); }
    // A key that no control of the window with the focus answers to: the first screen with a
    // control that answers to it from any window takes it.
    bool offerKeyToEveryWindow(QKeyCombination key);
    virtual void openTest(TestNumber test) = 0;
    virtual void end() = 0;

  signals:
    // Every load, close, show and hide of a screen, and every topmost step, as it happens.
    void screenOperation(const QString& screen, const QString& operation);
    void ended();

  private:
    Platform platform;
    QList<Screen*> screens;
};
