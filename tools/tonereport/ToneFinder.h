#pragma once

#include "WavFile.h"

#include <vector>

struct Tone {
    double startSeconds;
    double endSeconds;
    double frequency; // Hz; 0 where no steady pitch was found
};

// Finds the tones in a recording: stretches at or above half the loudest level, split where the
// pitch changes or the wave starts afresh, as when the speaker is switched from one tone
// straight to the next.
std::vector<Tone> findTones(const MonoSound& sound);
