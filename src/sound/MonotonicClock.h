#pragma once

#include <chrono>

// The time base of the speaker: port writes are stamped with it on the GUI thread and the audio
// thread reads it when it pulls samples, so it must be safe to read from both.
class MonotonicClock {
  public:
    virtual ~MonotonicClock() = default;
    virtual std::chrono::nanoseconds now() const = 0;
};

class SteadyClock final : public MonotonicClock {
  public:
    std::chrono::nanoseconds now() const override {
        return std::chrono::steady_clock::now().time_since_epoch();
    }
};
