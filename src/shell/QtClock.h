#pragma once

#include "shell/Clock.h"

// Real time: Qt's timers and event loop.
class QtClock final : public Clock {
  public:
    std::unique_ptr<ClockTimer> createTimer(std::function<void()> onTick,
                                            TimerPrecision precision) override;
    void processEventsOnce() override;
};
