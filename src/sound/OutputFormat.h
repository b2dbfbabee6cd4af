#pragma once

// The stream the sound card is fed: mono float samples at this rate.
inline constexpr int outputSampleRate = 48000;
