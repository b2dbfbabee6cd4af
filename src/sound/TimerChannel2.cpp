#include "sound/TimerChannel2.h"

namespace {
constexpr std::uint8_t selectChannel2 = 0b10;
constexpr std::uint8_t latchCommand = 0b00;
constexpr std::uint8_t squareWaveMode = 3;

// The counter counts down from the loaded value; a loaded 0 stands for 65536.
std::uint32_t countOf(std::uint32_t loaded) {
    return loaded == 0 ? 65536u : loaded;
}
} // namespace

void TimerChannel2::writeControlWord(std::uint8_t word) {
    const std::uint8_t channel = word >> 6;
    const std::uint8_t accessBits = (word >> 4) & 0b11;
    if (channel != selectChannel2 || accessBits == latchCommand)
        return;
    access = static_cast<Access>(accessBits);
    // Modes 6 and 7 are modes 2 and 3 again. BCD counting is not modelled: the tones count in
    // binary.
    const std::uint8_t modeBits = (word >> 1) & 0b111;
    mode = modeBits >= 6 ? modeBits - 4 : modeBits;
    highByteNext = false;
    // A control word stops the counter until its new count has been written.
    count = 0;
}

void TimerChannel2::writeCounter(std::uint8_t value) {
    switch (access) {
    case Access::LowByte:
        count = countOf(value);
        break;
    case Access::HighByte:
        count = countOf(std::uint32_t{value} << 8);
        break;
    case Access::LowThenHigh:
        if (highByteNext)
            count = countOf(lowByte | std::uint32_t{value} << 8);
        else
            lowByte = value;
        highByteNext = !highByteNext;
        break;
    }
}

std::uint32_t TimerChannel2::squareWavePeriod() const {
    return mode == squareWaveMode ? count : 0;
}
