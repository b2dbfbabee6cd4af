#include "ToneFinder.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace {
// Periods within this of each other are one pitch.
constexpr double samePitch = 0.05;

struct Stretch {
    std::size_t begin;
    std::size_t end;
};

// A run of rising zero crossings with a steady period, in samples.
struct Run {
    double first;
    double last;
    int periods;

    double period() const { return (last - first) / periods; }
};

bool sameAs(double period, double other) {
    return std::abs(period / other - 1.0) <= samePitch;
}

// Where the sound stands at half its loudest level or above; dips of up to a millisecond are
// part of the wave, not a pause.
std::vector<Stretch> loudStretches(const MonoSound& sound) {
    float loudest = 0.0f;
    for (float sample : sound.samples)
        loudest = std::max(loudest, std::abs(sample));
    std::vector<Stretch> stretches;
    if (loudest < 1e-3f)
        return stretches;
    const auto joined = static_cast<std::size_t>(sound.sampleRate / 1000);
    for (std::size_t i = 0; i < sound.samples.size(); ++i) {
        if (std::abs(sound.samples[i]) < loudest / 2)
            continue;
        if (!stretches.empty() && i - stretches.back().end < joined)
            stretches.back().end = i + 1;
        else
            stretches.push_back({i, i + 1});
    }
    return stretches;
}

std::vector<Run> steadyRuns(const std::vector<float>& samples, int sampleRate, Stretch stretch) {
    std::vector<Run> runs;
    double previous = -1.0;
    for (std::size_t i = stretch.begin + 1; i < stretch.end; ++i) {
        if (!(samples[i - 1] < 0.0f && samples[i] >= 0.0f))
            continue;
        const double crossing =
            static_cast<double>(i - 1) + samples[i - 1] / (samples[i - 1] - samples[i]);
        if (previous >= 0.0) {
            if (!runs.empty() && runs.back().last == previous &&
                sameAs(crossing - previous,
                       runs.back().periods > 0 ? runs.back().period() : crossing - previous)) {
                runs.back().last = crossing;
                ++runs.back().periods;
            } else {
                runs.push_back({previous, crossing, 1});
            }
        }
        previous = crossing;
    }
    // A single odd period is where one tone gives way to the next; a burst of crossings shorter
    // than 2 ms is a click, not a pitch.
    const double shortest = 0.002 * sampleRate;
    std::erase_if(
        runs, [&](const Run& run) { return run.periods < 2 || run.last - run.first < shortest; });
    return runs;
}

double amplitudeAt(const std::vector<float>& samples, double centre, double window, double period) {
    const auto from = static_cast<std::size_t>(std::max(0.0, centre - window / 2));
    const auto to = std::min(samples.size(), static_cast<std::size_t>(centre + window / 2));
    std::complex<double> sum;
    for (std::size_t n = from; n < to; ++n)
        sum += static_cast<double>(samples[n]) *
               std::polar(1.0, -2.0 * std::numbers::pi * static_cast<double>(n) / period);
    return std::abs(sum);
}

// Where tone `a` gives way to tone `b`, in samples.
double changeover(const std::vector<float>& samples, const Run& a, const Run& b) {
    // The same pitch again: the timer started the wave afresh at the changeover, so it lies a
    // whole number of periods before the new tone's first steady crossing.
    if (sameAs(a.period(), b.period()))
        return b.first - std::floor((b.first - a.last) / b.period()) * b.period();
    // Another pitch: where the new pitch grows louder than the old.
    const double window = std::max(a.period(), b.period());
    for (double at = a.last; at < b.first; at += 1.0)
        if (amplitudeAt(samples, at, window, b.period()) >=
            amplitudeAt(samples, at, window, a.period()))
            return at;
    return b.first;
}
} // namespace

std::vector<Tone> findTones(const MonoSound& sound) {
    const double rate = sound.sampleRate;
    std::vector<Tone> tones;
    for (const Stretch& stretch : loudStretches(sound)) {
        const std::vector<Run> runs = steadyRuns(sound.samples, sound.sampleRate, stretch);
        double start = static_cast<double>(stretch.begin);
        for (std::size_t i = 0; i < runs.size(); ++i) {
            const double end = i + 1 < runs.size() ? changeover(sound.samples, runs[i], runs[i + 1])
                                                   : static_cast<double>(stretch.end);
            tones.push_back({start / rate, end / rate, rate / runs[i].period()});
            start = end;
        }
        if (runs.empty())
            tones.push_back({start / rate, static_cast<double>(stretch.end) / rate, 0.0});
    }
    return tones;
}
