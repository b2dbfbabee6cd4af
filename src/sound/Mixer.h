#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <span>

// A sound that plays beside the speaker, such as the voice that reads the sentences aloud.
class MixerSource {
  public:
    virtual ~MixerSource() = default;
    // Adds the source's next samples to `out`, on the audio thread. Returns false, leaving `out`
    // as it was, when the source has nothing to play.
    virtual bool addTo(std::span<float> out) = 0;
};

// The one stream the sound card is fed: the speaker's samples with every other source's added.
// Where two sounds together would go past full scale the sum is held at full scale, never folded
// back; with no other source sounding the stream is the speaker's, sample for sample.
//
// The audio thread mixes without a lock: the sources sit in a few atomic places, and removing one
// waits, on the remover's side, for a mix that may still be using it to end.
class Mixer {
  public:
    // Far more than Velmora plays at once: the speaker is not a source, the voice is one.
    static constexpr std::size_t maxSources = 4;

    // The source is played from the next buffer on, until it is removed. Throws
    // std::length_error when maxSources are already playing.
    void add(MixerSource& source);
    // Returns once the audio thread has let go of the source.
    void remove(MixerSource& source);
    // Adds the other sources to the speaker's samples in `out`, on the one audio thread.
    void mixInto(std::span<float> out);

  private:
    std::array<std::atomic<MixerSource*>, maxSources> sources{};
    // Odd while a mix is under way: moved on as one begins and as it ends.
    std::atomic<std::uint64_t> mixes = 0;
};
