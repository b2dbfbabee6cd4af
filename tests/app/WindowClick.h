#pragma once

#include <QPointer>
#include <QTest>
#include <QWidget>
#include <QWindow>

// A click at the middle of a control, handed to its window where the window system hands mouse
// events to Qt (Qt Test's own window clicks go in there too): the window decides which control
// lies under the pointer, so a hidden or disabled control gets nothing and whatever stands in
// front gets the click. A window that is not on the display takes no click. Nothing else is
// processed meanwhile, so a click made inside a handler returns to that handler at once.
//
// Two clicks on one spot less than the double-click interval apart make a double click, as a
// pupil's would. Without a time of its own, a click comes a second after the one before.
inline bool clickThroughWindow(QWidget& control, ulong timestampMs = 0) {
    static ulong lastTimestamp = 0;
    lastTimestamp = timestampMs ? timestampMs : lastTimestamp + 1000;
    QWidget* window = control.window();
    if (!window->isVisible() || !window->windowHandle())
        return false;
    const QPointF at = control.mapTo(window, control.rect().center());
    const QPointF global = window->mapToGlobal(at);
    qt_handleMouseEvent(window->windowHandle(), at, global, Qt::LeftButton, Qt::LeftButton,
                        QEvent::MouseButtonPress, {}, int(lastTimestamp));
    qt_handleMouseEvent(window->windowHandle(), at, global, Qt::NoButton, Qt::LeftButton,
                        QEvent::MouseButtonRelease, {}, int(lastTimestamp));
    return true;
}

// A key as the pupil presses it: to whichever window has the keyboard focus, where the window
// system hands keys to Qt. `held` makes it one of the presses a key held down repeats.
inline void pressKey(QKeyCombination key, bool held = false) {
    // The window system says which window is active with events of its own.
    QCoreApplication::processEvents();
    // The press may close the very window it went to, as Return does on the welcome page.
    const QPointer<QWindow> window = QGuiApplication::focusWindow();
    if (!window)
        return;
    const int code = int(key.key());
    const QString text = code < 0x80 && key.keyboardModifiers() == Qt::NoModifier
                             ? QString(QChar(code)).toLower()
                             : QString();
    qt_handleKeyEvent(window, QEvent::KeyPress, code, key.keyboardModifiers(), text, held);
    if (window)
        qt_handleKeyEvent(window, QEvent::KeyRelease, code, key.keyboardModifiers(), text, held);
}
