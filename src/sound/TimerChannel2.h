#pragma once

#include <cstdint>

// The timer's input clock, from which every speaker pitch is divided.
inline constexpr double timerClockHz = 1193182.0;

// Channel 2 of the 8254 interval timer as far as the speaker hears it: the control word picks how
// the counter bytes arrive and the counting mode; only mode 3 makes a square wave.
class TimerChannel2 {
  public:
    void writeControlWord(std::uint8_t word);
    void writeCounter(std::uint8_t value);

    // Timer clocks per square-wave cycle, or 0 while the channel makes no square wave.
    std::uint32_t squareWavePeriod() const;

  private:
    enum class Access : std::uint8_t { LowByte = 1, HighByte = 2, LowThenHigh = 3 };

    Access access = Access::LowThenHigh;
    std::uint8_t mode = 0;
    bool highByteNext = false;
    std::uint8_t lowByte = 0;
    std::uint32_t count = 0; // 0 until a whole count has been written
};
