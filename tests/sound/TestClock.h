#pragma once

#include "sound/MonotonicClock.h"

// A clock that moves only when a test moves it.
class TestClock final : public MonotonicClock {
  public:
    std::chrono::nanoseconds now() const override { return time; }

    std::chrono::nanoseconds time{};
};
