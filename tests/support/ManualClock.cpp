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
        due = clock.tickDue.value_or(clock.nowMs) + intervalMs;
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

std::int64_t ManualClock::arrival(const Timer& timer) const {
    std::int64_t at = timer.due;
    for (const HeldUp& busy : heldUp)
        if (at >= busy.from && at < busy.until)
            at = busy.until;
    return at;
}

void ManualClock::fire(Timer& timer) {
    nowMs = std::max(nowMs, arrival(timer));
    tickDue = timer.due;
    timer.due += timer.interval;
    timer.order = ++armings;
    // The tick may destroy the timer (a screen closed from a handler): it is not touched after.
    timer.onTick();
    tickDue.reset();
}

std::chrono::nanoseconds ManualClock::lateness() const {
    return std::chrono::milliseconds(tickDue ? nowMs - *tickDue : 0);
}

void ManualClock::advance(std::int64_t ms) {
    const std::int64_t target = nowMs + ms;
    while (Timer* next = nextDue()) {
        if (arrival(*next) > target)
            break;
        fire(*next);
    }
    nowMs = std::max(nowMs, target);
}

void ManualClock::holdUp(std::int64_t at, std::int64_t ms) {
    heldUp.push_back({at, at + ms});
}
