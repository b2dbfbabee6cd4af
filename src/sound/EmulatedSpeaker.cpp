#include "sound/EmulatedSpeaker.h"

#include <algorithm>

EmulatedSpeaker::EmulatedSpeaker(const MonotonicClock& clock, SpeakerChangeSink& sink)
    : clock(clock), sink(sink) {}

void EmulatedSpeaker::vbOut(std::uint16_t port, std::uint8_t value) {
    switch (port) {
    case timerCommandPort:
        timer.writeControlWord(value);
        break;
    case timerChannel2Port:
        timer.writeCounter(value);
        break;
    case systemControlPort:
        systemControl = value;
        break;
    default:
        return;
    }
    publishIfChanged();
}

std::uint8_t EmulatedSpeaker::vbInp(std::uint16_t port) {
    return port == systemControlPort ? systemControl : 0xFF;
}

void EmulatedSpeaker::writeLateBy(std::chrono::nanoseconds lateness) {
    lateBy = std::max(lateness, std::chrono::nanoseconds{});
}

void EmulatedSpeaker::publishIfChanged() {
    // The cone moves only with the timer gated on and the speaker data enabled. The data bit alone
    // holds the cone still, which is no sound either.
    const bool gated = (systemControl & speakerGateBits) == speakerGateBits;
    const std::uint32_t period = gated ? timer.squareWavePeriod() : 0;
    if (period == publishedPeriod)
        return;
    publishedPeriod = period;
    // The sound follows the changes in the order they were made, however late each was.
    publishedAt = std::max(clock.now() - lateBy, publishedAt);
    sink.post({publishedAt, period});
}
