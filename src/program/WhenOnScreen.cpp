#include "program/WhenOnScreen.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

WhenOnScreen::WhenOnScreen(std::initializer_list<QWidget*> windows, std::function<void()> then)
    : then(std::move(then)) {
    for (QWidget* window : windows) {
        unpainted.insert(window);
        window->installEventFilter(this);
    }
}

bool WhenOnScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Paint || !unpainted.remove(watched))
        return false;
    watched->removeEventFilter(this);
    // The paint under way reaches the screen before the event loop's next turn; what waits for
    // that turn goes first, and the call comes on the turn after.
    if (unpainted.isEmpty())
        QTimer::singleShot(0, this, [this] { QTimer::singleShot(0, this, then); });
    return false;
}
