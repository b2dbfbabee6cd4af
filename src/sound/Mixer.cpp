#include "sound/Mixer.h"

#include <algorithm>
#include <stdexcept>
#include <thread>

void Mixer::add(MixerSource& source) {
    for (std::atomic<MixerSource*>& place : sources) {
        MixerSource* empty = nullptr;
        if (place.compare_exchange_strong(empty, &source))
            return;
    }
    throw std::length_error("the sound card's mix has no room for another sound");
}

void Mixer::remove(MixerSource& source) {
    for (std::atomic<MixerSource*>& place : sources) {
        MixerSource* removed = &source;
        place.compare_exchange_strong(removed, nullptr);
    }
    // A mix that began after this point cannot see the source; one under way may still hold it,
    // and ends within one buffer's rendering.
    const std::uint64_t seen = mixes.load();
    if (seen % 2 == 0)
        return;
    while (mixes.load() == seen)
        std::this_thread::yield();
}

void Mixer::mixInto(std::span<float> out) {
    mixes.fetch_add(1);
    bool added = false;
    for (std::atomic<MixerSource*>& place : sources)
        if (MixerSource* source = place.load())
            added = source->addTo(out) || added;
    mixes.fetch_add(1);
    if (added)
        for (float& sample : out)
            sample = std::clamp(sample, -1.0f, 1.0f);
}
