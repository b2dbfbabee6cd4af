#pragma once

#include "shell/Clock.h"

#include <optional>

// Real time: Qt's timers and event loop.
class QtClock final : public Clock {
  public:
    std::unique_ptr<ClockTimer> createTimer(std::function<void()> onTick,
                                            TimerPrecision precision) override;
    std::chrono::nanoseconds lateness() const override;

    // When the precise tick now running was due, on the steady clock; nothing outside one.
    using TickDue = std::optional<std::chrono::steady_clock::time_point>;

  private:
    TickDue tickDue;
};
