#pragma once

#include "sound/EmulatedSpeaker.h"
#include "sound/MonotonicClock.h"
#include "sound/SdlAudioOutput.h"
#include "sound/SpeakerRenderer.h"

// The emulated speaker heard through the sound card, with the other sounds of the mix: the ports,
// the renderer and the audio output put together, and taken apart so that no tone is left
// sounding.
class SoundcardSpeaker final : public PortIo {
  public:
    // Throws std::runtime_error when no audio device can be opened.
    explicit SoundcardSpeaker(Mixer& mix);
    ~SoundcardSpeaker() override;

    void vbOut(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t vbInp(std::uint16_t port) override;
    void writeLateBy(std::chrono::nanoseconds lateness) override;

  private:
    SteadyClock clock;
    SpeakerRenderer renderer;
    SdlAudioOutput output; // after the renderer: the audio thread stops before the renderer goes
    EmulatedSpeaker speaker;
};
