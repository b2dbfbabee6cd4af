#pragma once

#include <string>
#include <vector>

struct MonoSound {
    int sampleRate;
    std::vector<float> samples; // full scale is 1
};

// Reads a mono 16-bit PCM WAV file; throws std::runtime_error for anything else.
MonoSound readMonoWav(const std::string& path);
