#include "shell/Timer.h"

Timer::Timer(const ControlDef& def, Clock& clock, QObject* window)
    : QObject(window),
      clockTimer(clock.createTimer([this] { emit tick(); },
                                   def.precise ? TimerPrecision::Precise : TimerPrecision::Coarse)),
      period(def.interval), on(def.enabled) {
    setObjectName(QString::fromUtf8(def.name.data(), qsizetype(def.name.size())));
    restart();
}

void Timer::setInterval(int ms) {
    period = ms;
    restart();
}

void Timer::setEnabled(bool enabled) {
    on = enabled;
    restart();
}

void Timer::halt() {
    on = false;
    clockTimer->stop();
}

void Timer::restart() {
    if (on && period > 0)
        clockTimer->start(period);
    else
        clockTimer->stop();
}
