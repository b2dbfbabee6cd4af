#include "shell/QtClock.h"

#include <QTimer>
#include <algorithm>
#include <thread>

namespace {
using std::chrono::milliseconds;
using SteadyClock = std::chrono::steady_clock;

// Qt's timers count whole milliseconds and come up to one late, which a tone's length would
// inherit. So each tick has a deadline on the steady clock: a single-shot timer wakes the event
// loop a little before it, and the tick waits out the rest. Ticks then keep their time to a
// small part of a millisecond, and deadlines a period apart never drift.
constexpr milliseconds wakeEarly{3};
// A sleeping thread wakes a tenth of a millisecond late as a rule and, now and then, more than a
// millisecond late, which a tone's length would show. So the last stretch before a deadline is
// waited out awake, at a cost of about a millisecond of processor time per tick.
constexpr std::chrono::microseconds waitAwake{1000};

void waitUntil(SteadyClock::time_point deadline) {
    std::this_thread::sleep_until(deadline - waitAwake);
    while (SteadyClock::now() < deadline) {
    }
}

class PreciseTimer final : public ClockTimer {
  public:
    PreciseTimer(std::function<void()> onTick, QtClock::TickDue& runningTickDue)
        : onTick(std::move(onTick)), runningTickDue(runningTickDue) {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [this] { tick(); });
    }

    void start(int intervalMs) override {
        period = milliseconds(intervalMs);
        deadline = runningTickDue.value_or(SteadyClock::now()) + period;
        arm();
    }

    void stop() override { timer.stop(); }

  private:
    void arm() {
        const auto wait = deadline - wakeEarly - SteadyClock::now();
        timer.start(int(std::max<milliseconds::rep>(
            0, std::chrono::duration_cast<milliseconds>(wait).count())));
    }

    void tick() {
        waitUntil(deadline);
        const SteadyClock::time_point due = deadline;
        deadline += period;
        // After a stall the next tick comes a whole period on, not in a burst of missed ones.
        if (deadline < SteadyClock::now())
            deadline = SteadyClock::now() + period;
        arm();
        // The tick may delete this timer: nothing of it is touched after.
        QtClock::TickDue& running = runningTickDue;
        running = due;
        onTick();
        running.reset();
    }

    std::function<void()> onTick;
    QtClock::TickDue& runningTickDue;
    QTimer timer;
    milliseconds period{0};
    SteadyClock::time_point deadline;
};

// The one-second timers of the menu and the introduction: nobody notices a late tick there, and
// Qt may gather their wake-ups with others'.
class CoarseTimer final : public ClockTimer {
  public:
    explicit CoarseTimer(std::function<void()> onTick) {
        timer.setTimerType(Qt::CoarseTimer);
        QObject::connect(&timer, &QTimer::timeout, std::move(onTick));
    }

    void start(int intervalMs) override { timer.start(intervalMs); }
    void stop() override { timer.stop(); }

  private:
    QTimer timer;
};
} // namespace

std::unique_ptr<ClockTimer> QtClock::createTimer(std::function<void()> onTick,
                                                 TimerPrecision precision) {
    if (precision == TimerPrecision::Precise)
        return std::make_unique<PreciseTimer>(std::move(onTick), tickDue);
    return std::make_unique<CoarseTimer>(std::move(onTick));
}

std::chrono::nanoseconds QtClock::lateness() const {
    if (!tickDue)
        return {};
    return SteadyClock::now() - *tickDue;
}
