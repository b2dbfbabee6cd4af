#pragma once

#include <functional>
#include <memory>

// One periodic timer as the clock runs it.
class ClockTimer {
  public:
    virtual ~ClockTimer() = default;
    // Starts the period afresh from now, also when the timer is already running.
    virtual void start(int intervalMs) = 0;
    virtual void stop() = 0;
};

// A precise timer keeps each tick to a fraction of a millisecond, for what the pupil hears and
// sees in step; a coarse one may come a little late, and lets the processor sleep meanwhile.
enum class TimerPrecision { Coarse, Precise };

// Every timer tick and the tone wait go through the clock, so that the program can run on real
// time and the tests on time they advance themselves, with the same handlers.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::unique_ptr<ClockTimer> createTimer(std::function<void()> onTick,
                                                    TimerPrecision precision) = 0;
    // Handles the next pending event, waiting for one if there is none yet. The tone wait calls
    // it from inside a tick, so any tick, that of the same timer included, may run nested.
    virtual void processEventsOnce() = 0;
};
