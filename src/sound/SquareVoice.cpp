#include "sound/SquareVoice.h"

#include "sound/OutputFormat.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {
// Nothing above what anyone hears; it also keeps each harmonic's short fade sidebands clear of
// half the sample rate.
constexpr double bandLimit = 20000.0 / outputSampleRate;
// Enough for the lowest pitch the timer makes (1193182 / 65536 Hz).
constexpr int maxHarmonics = 550;
// The square wave's loudest sample sits here below full scale: about -6 dBFS.
constexpr double peakLevel = 0.5;

const std::array<double, maxHarmonics>& oddReciprocals() {
    static const std::array<double, maxHarmonics> table = [] {
        std::array<double, maxHarmonics> reciprocals{};
        for (int j = 0; j < maxHarmonics; ++j)
            reciprocals[j] = 1.0 / (2 * j + 1);
        return reciprocals;
    }();
    return table;
}

// Raised cosine from 0 to 1: smooth at both ends, and a fade-out mirrors it so that a tone's
// half-level points lie exactly where its gate opened and closed, plus the same delay.
double fadeIn(double age) {
    if (age >= SquareVoice::fadeSamples)
        return 1.0;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * age / SquareVoice::fadeSamples);
}
} // namespace

void SquareVoice::start(double cyclesPerSample, double lateBy) {
    tune(cyclesPerSample);
    // The counter starts afresh when the gate opens: the wave begins at the middle of its rising
    // edge, where it is zero.
    phase = lateBy * increment;
    age = lateBy;
    releaseAge = 0.0;
    released = false;
}

void SquareVoice::retune(double cyclesPerSample, double lateBy) {
    const double previous = increment;
    tune(cyclesPerSample);
    phase += lateBy * (increment - previous);
}

void SquareVoice::release(double lateBy) {
    released = true;
    releaseAge = lateBy;
}

double SquareVoice::next() {
    const double envelope = fadeIn(age) * (released ? 1.0 - fadeIn(releaseAge) : 1.0);
    const double sample = envelope * gain * waveAt(phase);
    age += 1.0;
    if (released)
        releaseAge += 1.0;
    phase += increment;
    phase -= std::floor(phase);
    return sample;
}

void SquareVoice::tune(double cyclesPerSample) {
    increment = cyclesPerSample;
    const double limit = bandLimit / cyclesPerSample;
    harmonics = std::clamp(static_cast<int>(std::ceil((limit - 1.0) / 2.0)), 0, maxHarmonics);
    // A pitch above the band limit is not heard at all.
    if (harmonics == 0) {
        gain = 0.0;
        return;
    }
    // The sum of M odd harmonics is highest at its first maximum, x = pi / 2M: the Gibbs overshoot.
    gain = peakLevel / waveAt(0.25 / harmonics);
}

// sin(kx) of the odd harmonics by the recurrence sin((k+2)x) = 2cos(2x) sin(kx) - sin((k-2)x):
// two transcendental calls per sample instead of one per harmonic.
double SquareVoice::waveAt(double cycles) const {
    const double x = 2.0 * std::numbers::pi * cycles;
    const double sinX = std::sin(x);
    const double twoCos2X = 2.0 - 4.0 * sinX * sinX;
    const auto& reciprocals = oddReciprocals();
    double previous = -sinX;
    double current = sinX;
    double sum = sinX;
    for (int j = 1; j < harmonics; ++j) {
        const double following = twoCos2X * current - previous;
        previous = current;
        current = following;
        sum += current * reciprocals[j];
    }
    return sum;
}
