#pragma once

#include "shell/Clock.h"

// Real time: Qt's precise timers and event loop.
class QtClock final : public Clock {
  public:
    std::unique_ptr<ClockTimer> createTimer(std::function<void()> onTick) override;
    void processEventsOnce() override;
};
