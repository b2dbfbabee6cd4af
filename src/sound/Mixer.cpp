#include "sound/Mixer.h"

#include <algorithm>

Mixer& Mixer::soundCard() {
    static Mixer mix;
    return mix;
}

void Mixer::add(MixerSource& source) {
    const std::lock_guard lock(sourcesMutex);
    sources.push_back(&source);
}

void Mixer::remove(MixerSource& source) {
    const std::lock_guard lock(sourcesMutex);
    std::erase(sources, &source);
}

void Mixer::mixInto(std::span<float> out) {
    bool added = false;
    {
        const std::lock_guard lock(sourcesMutex);
        for (MixerSource* source : sources)
            added = source->addTo(out) || added;
    }
    if (added)
        for (float& sample : out)
            sample = std::clamp(sample, -1.0f, 1.0f);
}
