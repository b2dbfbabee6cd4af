// The precise timer on real time, in a real event loop. Nothing here asserts how soon a tick
// comes: a busy machine may wake any of them late. What must hold whatever the load is the order
// of events, the least time between ticks, and that lateness is never carried forward.
#include "shell/QtClock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

namespace {
// Every timer of this suite is made here.
std::unique_ptr<ClockTimer> preciseTimer(Clock& clock, std::function<void()> onTick) {
    return clock.createTimer(std::move(onTick), TimerPrecision::Precise);
}

double msBetween(SteadyClock::time_point from, SteadyClock::time_point to) {
    return Milliseconds(to - from).count();
}

// A clock whose ticks never come would hang the suite; this only ends the wait so that the
// count of ticks can fail, and is far beyond any tick a loaded machine delays.
constexpr int giveUpAfterMs = 30'000;

void runUntil(QEventLoop& loop) {
    QTimer::singleShot(giveUpAfterMs, &loop, &QEventLoop::quit);
    loop.exec();
}
} // namespace

class RealClockTest : public QObject {
    Q_OBJECT

  private slots:
    void aTimerStartedInATickCountsFromItsDueMoment();
    void afterAStallTicksComeAPeriodApartNotInABurst();
    void lateTicksDoNotPushTheLaterOnesBack();
};

void RealClockTest::aTimerStartedInATickCountsFromItsDueMoment() {
    // The first timer's tick is held up as a busy machine holds one up, and starts the second
    // timer, as the feedback's step starts a tone. Counted from the moment the tick ran, the
    // second tick would come the whole hold-up late; from the first tick's due moment it keeps
    // the timeline, with a hold-up's worth of room for a busy machine.
    constexpr int periodMs = 40;
    constexpr int secondMs = 100;
    constexpr auto holdUp = std::chrono::milliseconds(60);

    QtClock clock;
    QEventLoop loop;
    std::chrono::nanoseconds latenessInTick{};
    SteadyClock::time_point secondTickAt;
    std::unique_ptr<ClockTimer> second = preciseTimer(clock, [&] {
        secondTickAt = SteadyClock::now();
        loop.quit();
    });
    std::unique_ptr<ClockTimer> first;
    first = preciseTimer(clock, [&] {
        first->stop();
        std::this_thread::sleep_for(holdUp);
        latenessInTick = clock.lateness();
        second->start(secondMs);
    });
    const SteadyClock::time_point started = SteadyClock::now();
    first->start(periodMs);
    runUntil(loop);

    QVERIFY2(latenessInTick >= holdUp, qPrintable(QString::number(latenessInTick.count())));
    QVERIFY(clock.lateness() == 0ns);
    const double behindMs = msBetween(started, secondTickAt) - (periodMs + secondMs);
    QVERIFY2(
        behindMs >= 0.0 && behindMs < Milliseconds(holdUp).count(),
        qPrintable(QStringLiteral("the second tick came %1 ms behind its time").arg(behindMs)));
}

void RealClockTest::afterAStallTicksComeAPeriodApartNotInABurst() {
    constexpr int periodMs = 20;
    constexpr int stalledTick = 3;
    constexpr int ticksAfterStall = 5;

    QtClock clock;
    QEventLoop loop;
    std::vector<SteadyClock::time_point> ticks;
    std::unique_ptr<ClockTimer> timer = preciseTimer(clock, [&] {
        ticks.push_back(SteadyClock::now());
        // Ten periods in which the event loop gets nowhere.
        if (ticks.size() == stalledTick)
            std::this_thread::sleep_for(std::chrono::milliseconds(10 * periodMs));
        if (ticks.size() == stalledTick + ticksAfterStall)
            loop.quit();
    });
    timer->start(periodMs);
    runUntil(loop);

    QCOMPARE(ticks.size(), std::size_t{stalledTick + ticksAfterStall});
    // The first tick after the stall is the one that fell due in it, and comes at once. The
    // following ones each wait out a whole period from the one before; a clock that caught up
    // on the nine missed ticks would deliver them back to back. Half a period leaves room for
    // the processor to be taken away between a tick's timing and its handler.
    for (std::size_t n = stalledTick + 1; n < ticks.size(); ++n)
        QVERIFY2(msBetween(ticks[n - 1], ticks[n]) >= periodMs / 2.0,
                 qPrintable(QStringLiteral("tick %1 came %2 ms after the one before")
                                .arg(n + 1)
                                .arg(msBetween(ticks[n - 1], ticks[n]))));
}

void RealClockTest::lateTicksDoNotPushTheLaterOnesBack() {
    // Each tick is due a whole number of periods after the start, however late the ones before
    // it came. Every fifth tick is held up here by a quarter period: its handler keeps the event
    // loop for a period and a quarter. A clock that timed the next period from a tick's actual
    // time would fall a quarter period further behind each time, 80 ms after 40 ticks, twice the
    // bound below. Without the held-up ticks such a clock would escape: a tick here waits out its
    // deadline awake and so comes only microseconds after it, and that little a lateness would
    // take far more ticks to add up than a test can afford. The bound of one period is far more
    // than a busy machine's scheduling delays, and a tick that is late by more than a whole
    // period (which would move every later deadline, as it should after a stall) needs a sleep
    // of a period and a quarter to overrun by three quarters of a period.
    constexpr int periodMs = 40;
    constexpr int tickCount = 40;
    constexpr auto holdUp = std::chrono::milliseconds(periodMs + periodMs / 4);

    QtClock clock;
    QEventLoop loop;
    std::vector<SteadyClock::time_point> ticks;
    std::unique_ptr<ClockTimer> timer = preciseTimer(clock, [&] {
        ticks.push_back(SteadyClock::now());
        if (ticks.size() == tickCount)
            loop.quit();
        else if (ticks.size() % 5 == 4)
            std::this_thread::sleep_for(holdUp);
    });
    const SteadyClock::time_point started = SteadyClock::now();
    timer->start(periodMs);
    runUntil(loop);

    QCOMPARE(ticks.size(), std::size_t{tickCount});
    for (std::size_t n = 0; n < ticks.size(); ++n) {
        const double behindMs = msBetween(started, ticks[n]) - double(n + 1) * periodMs;
        // Never early: a tick waits out its deadline.
        QVERIFY2(
            behindMs >= 0.0 && behindMs < periodMs,
            qPrintable(
                QStringLiteral("tick %1 came %2 ms behind its time").arg(n + 1).arg(behindMs)));
    }
}

QTEST_GUILESS_MAIN(RealClockTest)
#include "tst_realclock.moc"
