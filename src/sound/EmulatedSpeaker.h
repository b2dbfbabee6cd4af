#pragma once

#include "sound/MonotonicClock.h"
#include "sound/PortIo.h"
#include "sound/SpeakerChange.h"
#include "sound/TimerChannel2.h"

// The PC speaker behind ports 0x42, 0x43 and 0x61, for computers where no program may drive one:
// it decodes what is written and hands each change of the sound, stamped with the time it was
// made, to the sink that renders it.
class EmulatedSpeaker final : public PortIo {
  public:
    EmulatedSpeaker(const MonotonicClock& clock, SpeakerChangeSink& sink);

    void vbOut(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t vbInp(std::uint16_t port) override;
    void writeLateBy(std::chrono::nanoseconds lateness) override;

  private:
    void publishIfChanged();

    const MonotonicClock& clock;
    SpeakerChangeSink& sink;
    TimerChannel2 timer;
    std::uint8_t systemControl = 0;
    std::uint32_t publishedPeriod = 0;
    std::chrono::nanoseconds publishedAt{};
    std::chrono::nanoseconds lateBy{};
};
