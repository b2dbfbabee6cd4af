#pragma once

#include "WindowClick.h"
#include "shell/Label.h"
#include "shell/ManualClock.h"
#include "shell/Shell.h"
#include "shell/TextBox.h"
#include "shell/UrlOpener.h"
#include "sound/RecordingPorts.h"

#include <QCoreApplication>
#include <QTest>

// Offscreen windows cannot be raised, and Qt says so each time the menu goes back on top.
inline void quietenUnraisableWindows() {
    static const QtMessageHandler next = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message != QLatin1String("This plugin does not support raise()"))
                next(type, context, message);
        });
}

struct RecordingUrlOpener final : UrlOpener {
    void open(const QUrl& url) override { opened.append(url); }
    QList<QUrl> opened;
};

// The program as the tests drive it: time on a manual clock, the speaker's ports recorded,
// web addresses recorded instead of opened, and a display of a chosen width.
struct Harness {
    ManualClock clock;
    RecordingPorts ports;
    RecordingUrlOpener urls;
    int displayWidth = 1024;
    Shell shell{{clock, ports, urls, [this] { return displayWidth; }}};

    Harness() { quietenUnraisableWindows(); }
    ~Harness() { flushClosedWindows(); }

    // Closed screens hand their widgets to the event loop to delete; the tests have no loop.
    static void flushClosedWindows() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// A click as the pupil makes it: at the middle of the control, through its window, so that
// disabled or hidden controls get nothing and whatever lies on top gets the click.
inline void click(QWidget& control) {
    clickThroughWindow(control);
}
