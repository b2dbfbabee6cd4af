#pragma once

#include <chrono>
#include <functional>
#include <memory>

// One periodic timer as the clock runs it.
class ClockTimer {
  public:
    virtual ~ClockTimer() = default;
    // Starts the period afresh from now; inside a tick, from the moment that tick was due, so that
    // timers started one from another's tick keep their timeline however late the tick ran.
    virtual void start(int intervalMs) = 0;
    virtual void stop() = 0;
};

// A precise timer keeps each tick to a fraction of a millisecond, for what the pupil hears and
// sees in step; a coarse one may come a little late, and lets the processor sleep meanwhile.
enum class TimerPrecision { Coarse, Precise };

// Every timer tick goes through the clock, so that the program can run on real time and the
// tests on time they advance themselves, with the same handlers.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::unique_ptr<ClockTimer> createTimer(std::function<void()> onTick,
                                                    TimerPrecision precision) = 0;
    // How long after its due moment the tick now running came, for whatever stamps what the tick
    // does with the time it belongs to; nothing outside a tick.
    virtual std::chrono::nanoseconds lateness() const { return {}; }
};
