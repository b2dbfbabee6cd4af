#pragma once

#include "shell/Clock.h"
#include "shell/FormDef.h"

#include <QObject>

// A timer control: it ticks every `interval` milliseconds while enabled, and never with an
// interval of 0. Switching it on, or setting its interval, starts its period afresh.
class Timer final : public QObject {
    Q_OBJECT
  public:
    Timer(const ControlDef& def, Clock& clock, QObject* window);

    void setInterval(int ms);
    void setEnabled(bool enabled);
    // Stops the ticks for good: the screen that owns the timer is closing.
    void halt();

  signals:
    void tick();

  private:
    void restart();

    std::unique_ptr<ClockTimer> clockTimer;
    int period;
    bool on;
};
