#include "shell/QtClock.h"

#include <QCoreApplication>
#include <QTimer>

namespace {
class QtClockTimer final : public ClockTimer {
public:
    explicit QtClockTimer(std::function<void()> onTick) : onTick(std::move(onTick)) {
        timer.setTimerType(Qt::PreciseTimer);
        // Qt never re-enters a timer's own event, but a tick must be able to run while an
        // earlier tick of the same timer waits for a tone. So the timer only posts the tick,
        // and the tick runs as a posted event, which nested event processing does deliver.
        QObject::connect(&timer, &QTimer::timeout, &context, [this] {
            QMetaObject::invokeMethod(
                &context, [this, run = runs] { tickIfCurrent(run); }, Qt::QueuedConnection);
        });
    }

    void start(int intervalMs) override {
        ++runs;
        timer.start(intervalMs);
    }

    void stop() override {
        ++runs;
        timer.stop();
    }

private:
    // A tick posted before the timer was stopped or restarted belongs to a period that is over.
    void tickIfCurrent(unsigned run) {
        if (run == runs)
            onTick();
    }

    std::function<void()> onTick;
    QObject context; // posted ticks die with it
    QTimer timer;
    unsigned runs = 0;
};
} // namespace

std::unique_ptr<ClockTimer> QtClock::createTimer(std::function<void()> onTick) {
    return std::make_unique<QtClockTimer>(std::move(onTick));
}

void QtClock::processEventsOnce() {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
