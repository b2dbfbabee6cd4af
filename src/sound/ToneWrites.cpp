#include "sound/ToneWrites.h"

#include <cmath>
#include <optional>

namespace {
// Not the timer's real 1193182 Hz: the tones are pitched by this dividend.
constexpr double toneDividend = 1193280.0;

constexpr std::uint8_t channel2SquareWaveLowHigh = 0xB6;

// The counter takes 1 ... 32767 here; anything else (a frequency of 0, below about 36.42 Hz,
// negative or not a number) has no tone.
std::optional<std::uint16_t> divisorFor(double frequency) {
    const double divisor = std::nearbyint(toneDividend / frequency);
    if (!(divisor >= 1.0 && divisor <= 32767.0))
        return std::nullopt;
    return static_cast<std::uint16_t>(divisor);
}
} // namespace

bool startTone(PortIo& ports, double frequency, std::chrono::nanoseconds lateness) {
    const std::optional<std::uint16_t> divisor = divisorFor(frequency);
    if (!divisor)
        return false;
    const auto lowByte = static_cast<std::uint8_t>(*divisor & 0xFF);
    const auto highByte = static_cast<std::uint8_t>(*divisor / 256);

    ports.writeLateBy(lateness);
    ports.vbOut(timerCommandPort, channel2SquareWaveLowHigh);
    ports.vbOut(timerChannel2Port, lowByte);
    ports.vbOut(timerChannel2Port, highByte);
    const std::uint8_t systemControl = ports.vbInp(systemControlPort);
    ports.vbOut(systemControlPort, systemControl | speakerGateBits);
    ports.writeLateBy({});
    return true;
}

void endTone(PortIo& ports, std::chrono::nanoseconds lateness) {
    ports.writeLateBy(lateness);
    ports.switchSpeakerOff();
    ports.writeLateBy({});
}
