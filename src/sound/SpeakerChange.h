#pragma once

#include <chrono>
#include <cstdint>

// From `time` on, the speaker plays a square wave of `period` timer clocks per cycle, or nothing
// when `period` is 0.
struct SpeakerChange {
    std::chrono::nanoseconds time;
    std::uint32_t period;
};

class SpeakerChangeSink {
  public:
    virtual ~SpeakerChangeSink() = default;
    virtual void post(const SpeakerChange& change) = 0;
};
