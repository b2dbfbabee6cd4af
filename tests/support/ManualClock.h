#pragma once

#include "shell/Clock.h"

#include <cstdint>
#include <optional>
#include <vector>

// Time that only moves when told to: the tests advance it and due timers fire in order.
class ManualClock final : public Clock {
  public:
    // Precision means nothing here: a tick comes when it is due, unless the test holds it up.
    std::unique_ptr<ClockTimer> createTimer(std::function<void()> onTick,
                                            TimerPrecision precision) override;
    // For a test's own timers: a pupil's click or a sound card going away at a chosen moment.
    std::unique_ptr<ClockTimer> createTimer(std::function<void()> onTick) {
        return createTimer(std::move(onTick), TimerPrecision::Precise);
    }
    std::chrono::nanoseconds lateness() const override;

    // Moves time forward by `ms`, firing every timer that falls due on the way.
    void advance(std::int64_t ms);
    std::int64_t now() const { return nowMs; }
    // A busy machine: from `at` on, for `ms`, no tick comes; those due meanwhile come together at
    // its end, late, in the order they were due.
    void holdUp(std::int64_t at, std::int64_t ms);

  private:
    class Timer;
    friend class Timer;
    Timer* nextDue() const;
    std::int64_t arrival(const Timer& timer) const;
    void fire(Timer& timer);

    std::int64_t nowMs = 0;
    std::optional<std::int64_t> tickDue; // of the tick now running
    std::uint64_t armings = 0;           // orders timers falling due at the same moment
    std::vector<Timer*> timers;
    struct HeldUp {
        std::int64_t from, until;
    };
    std::vector<HeldUp> heldUp;
};
