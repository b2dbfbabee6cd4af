#pragma once

#include "sound/LockFreeRing.h"
#include "sound/Mixer.h"
#include "sound/OnceWarning.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <span>

struct SdlLibrary;
struct _SDL_AudioStream;

// Speech on its way to the sound card: 16-bit samples at the voice's own rate go in on the
// voice's thread, are resampled there by SDL to the sound card's rate, and wait in a lock-free
// ring for the audio thread, which takes them without ever waiting for the voice.
//
// Each utterance has a ticket, and every block of samples carries its utterance's. Cutting an
// utterance off moves the current ticket on: the voice takes no more of the old one, and the
// audio thread drops what it finds of it, so nothing of it is heard after the cut, whichever
// thread is first.
class SpeechStream final : public MixerSource {
  public:
    using Ticket = std::uint64_t;

    // Throws std::runtime_error when SDL cannot be loaded or refuses the rates.
    explicit SpeechStream(int sampleRate);
    ~SpeechStream() override;
    SpeechStream(const SpeechStream&) = delete;
    SpeechStream& operator=(const SpeechStream&) = delete;

    // On the voice's thread: cuts off what is being said and opens the next utterance.
    Ticket start();
    // On the voice's thread. False, taking nothing, when the utterance has been cut off. Waits
    // while the audio thread is more than the ring's length behind.
    bool append(Ticket utterance, std::span<const std::int16_t> samples);
    // On the voice's thread: the utterance is complete, and what the resampler still holds back
    // is let out.
    void finish(Ticket utterance);
    // On any thread: cuts off what is being said. Nothing more of it is played.
    void clear();

    bool addTo(std::span<float> out) override;

  private:
    struct Block {
        Ticket utterance = 0;
        std::size_t count = 0;
        std::array<float, 256> samples{};
    };

    bool isCurrent(Ticket utterance) const;
    // Moves what the resampler has ready into the ring, while the utterance is current.
    bool passOn(Ticket utterance);

    const SdlLibrary& sdl;
    _SDL_AudioStream* const stream; // the voice's thread's alone
    std::atomic<Ticket> current = 0;
    LockFreeRing<Block> ring;
    std::size_t readInBlock = 0; // the audio thread's alone
    OnceWarning putFailed;
    OnceWarning flushFailed;
};
