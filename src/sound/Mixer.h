#pragma once

#include <mutex>
#include <span>
#include <vector>

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
class Mixer {
  public:
    // The mix the sound card plays; there is one sound card.
    static Mixer& soundCard();

    // The source is played from the next buffer on, until it is removed.
    void add(MixerSource& source);
    // Returns once the audio thread has let go of the source.
    void remove(MixerSource& source);
    // Adds the other sources to the speaker's samples in `out`, on the audio thread.
    void mixInto(std::span<float> out);

  private:
    std::mutex sourcesMutex;
    std::vector<MixerSource*> sources; // guarded by sourcesMutex
};
