#include "ManualClock.h"

#include <algorithm>

class ManualClock::Timer final : public ClockTimer {
  public:
    Timer(ManualClock& clock, std::function<void()> onTick)
        : clock(clock), onTick(std::move(onTick)) {
        clock.timers.push_back(this);
    }
    ~Timer() override { std::erase(clock.timers, this); }

    void start(int intervalMs) override {
        interval = intervalMs;
        due = clock.nowMs + intervalMs;
        order = ++clock.armings;
        running = intervalMs > 0;
    }
    void stop() override { running = false; }

    ManualClock& clock;
    std::function<void()> onTick;
    std::int64_t interval = 0;
    std::int64_t due = 0;
    std::uint64_t order = 0;
    bool running = false;
};

std::unique_ptr<ClockTimer> ManualClock::createTimer(std::function<void()> onTick, TimerPrecision) {
    return std::make_unique<Timer>(*this, std::move(onTick));
}

ManualClock::Timer* ManualClock::nextDue() const {
    Timer* next = nullptr;
    for (Timer* timer : timers)
        if (timer->running && (!next || timer->due < next->due ||
                               (timer->due == next->due && timer->order < next->order)))
            next = timer;
    return next;
}

void ManualClock::fire(Timer& timer) {
    nowMs = std::max(nowMs, timer.due);
    timer.due += timer.interval;
    timer.order = ++armings;
    // The tick may destroy the timer (a screen closed from a handler): it is not touched after.
    timer.onTick();
}

void ManualClock::advance(std::int64_t ms) {
    const std::int64_t target = nowMs + ms;
    while (Timer* next = nextDue()) {
        if (next->due > target)
            break;
        fire(*next);
    }
    nowMs = std::max(nowMs, target);
}
