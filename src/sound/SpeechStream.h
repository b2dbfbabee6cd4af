#pragma once

#include "sound/Mixer.h"

#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

struct SdlLibrary;
struct _SDL_AudioStream;

// Speech on its way to the sound card: 16-bit samples at the voice's own rate go in on the
// voice's thread, and come out on the audio thread at the sound card's rate, resampled by SDL.
// Each utterance has a ticket; one that has been cut off takes no more samples, so nothing of it
// is heard after the cut, whichever thread is first.
class SpeechStream final : public MixerSource {
  public:
    using Ticket = std::uint64_t;

    // Throws std::runtime_error when SDL cannot be loaded or refuses the rates.
    explicit SpeechStream(int sampleRate);
    ~SpeechStream() override;
    SpeechStream(const SpeechStream&) = delete;
    SpeechStream& operator=(const SpeechStream&) = delete;

    // Cuts off what is being said and opens the next utterance.
    Ticket start();
    // False, taking nothing, when the utterance has been cut off.
    bool append(Ticket utterance, std::span<const std::int16_t> samples);
    // The utterance is complete: what the resampler still holds back is let out.
    void finish(Ticket utterance);
    // Cuts off what is being said: nothing more of it is played.
    void clear();

    bool addTo(std::span<float> out) override;

  private:
    const SdlLibrary& sdl;
    std::mutex streamMutex;
    _SDL_AudioStream* stream; // guarded by streamMutex
    Ticket current = 0;       // guarded by streamMutex
    std::vector<float> pulled;
};
