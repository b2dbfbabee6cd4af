#pragma once

#include <QKeyCombination>
#include <QList>
#include <QObject>
#include <functional>

class Clock;
class FormResources;
class Screen;
class UrlOpener;

// What the program takes from the machine it runs on; the tests hand in their own.
struct Platform {
    Clock& clock;
    UrlOpener& urlOpener;
    std::function<int()> displayWidthPixels;
};

// The screen runtime that every screen relies on: the clock and the web opener of the platform,
// the program's pictures and faces, placement on load, and the keys that work from any of the
// program's windows.
class Shell : public QObject {
    Q_OBJECT
  public:
    Shell(const Platform& platform, const FormResources& resources)
        : platform(platform), formResources(resources) {}

    Clock& clock() const { return platform.clock; }
    UrlOpener& urlOpener() const { return platform.urlOpener; }
    const FormResources& resources() const { return formResources; }

    // The centring step: the screen moves sideways to the middle of the display; its top stays.
    void centre(Screen& screen);

    // Every screen of the program, for the keys that work from any of its windows.
    void enrol(Screen& screen) { screens.append(&screen); }
    void withdraw(Screen& screen) { screens.removeOne(&screen); }
    // A key that no control of the window with the focus answers to: the first screen with a
    // control that answers to it from any window takes it.
    bool offerKeyToEveryWindow(QKeyCombination key);

  signals:
    // Every load, close, show and hide of a screen, and every topmost step, as it happens: the
    // screens' life cycle for whatever watches it from outside, which Qt's window events do not
    // tell (a window being made does not know its screen yet, and a close looks like a hide until
    // the window goes).
    void screenOperation(const QString& screen, const QString& operation);

  private:
    Platform platform;
    const FormResources& formResources;
    QList<Screen*> screens;
};
