#pragma once

#include "sound/Mixer.h"
#include "sound/MonotonicClock.h"
#include "sound/SdlLibrary.h"
#include "sound/SpeakerRenderer.h"

// The sound card, through SDL's audio subsystem only: opened once, fed by SDL's audio thread
// pulling samples from the renderer with the other sounds of the mix added, closed when this is
// destroyed. That thread never waits: the renderer and the mix take no lock on it.
class SdlAudioOutput {
  public:
    // Short enough that a port write is heard within 30 ms, long enough that a busy computer
    // does not starve the sound card.
    static constexpr int bufferFrames = 512;

    // Throws std::runtime_error when SDL or an audio device cannot be opened.
    SdlAudioOutput(SpeakerRenderer& renderer, const MonotonicClock& clock, Mixer& mix);
    ~SdlAudioOutput();
    SdlAudioOutput(const SdlAudioOutput&) = delete;
    SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

  private:
    static void SDLCALL pull(void* self, Uint8* stream, int bytes);

    const SdlLibrary& sdl;
    SpeakerRenderer& renderer;
    const MonotonicClock& clock;
    Mixer& mix;
    SDL_AudioDeviceID device = 0;
};
