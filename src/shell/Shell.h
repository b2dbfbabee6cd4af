#pragma once

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

// The screen runtime that every screen relies on: the clock and the web opener of the platform,
// placement on load, and the keys that work from any of the program's windows.
class Shell : public QObject {
    Q_OBJECT
  public:
    explicit Shell(const Platform& platform) : platform(platform) {}

    Clock& clock() const { return platform.clock; }
    UrlOpener& urlOpener() const { return platform.urlOpener; }

    // The centring step: the screen moves sideways to the middle of the display; its top stays.
    void centre(Screen& screen);

    // Every screen of the program, for the keys that work from any of its windows.
    void enrol(Screen& screen) { screens.append(&screen); }
    void withdraw(Screen& screen) { screens.removeOne(&screen); }
    // A key that no control of the window with the focus answers to: the first screen with a
    // control that answers to it from any window takes it.
    bool offerKeyToEveryWindow(QKeyCombination key);

  signals:
    // Every load, close, show and hide of a screen, and every topmost step, as it happens.
    void screenOperation(const QString& screen, const QString& operation);

  private:
    Platform platform;
    QList<Screen*> screens;
};
