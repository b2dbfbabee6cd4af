#pragma once

#include "shell/Clock.h"

#include <cstdint>
#include <vector>

// Time that only moves when told to: the tests advance it and due timers fire in order.
class ManualClock final : public Clock {
  public:
    // Precision means nothing here: every tick comes exactly when it is due.
    std::unique_ptr<ClockTimer> createTimer(std::function<void()> onTick,
                                            TimerPrecision precision) override;
    // For a test's own timers: a pupil's click or a sound card going away at a chosen moment.
    std::unique_ptr<ClockTimer> createTimer(std::function<void()> onTick) {
        return createTimer(std::move(onTick), TimerPrecision::Precise);
    }
    // Moves time forward by `ms`, firing every timer that falls due on the way.
    void advance(std::int64_t ms);
    std::int64_t now() const { return nowMs; }

  private:
    class Timer;
    friend class Timer;
    Timer* nextDue() const;
    void fire(Timer& timer);

    std::int64_t nowMs = 0;
    std::uint64_t armings = 0; // orders timers falling due at the same moment
    std::vector<Timer*> timers;
};
