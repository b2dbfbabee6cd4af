#pragma once

// Drives a renderer as the program does, and measures the sound in its samples.

#include "sound/OutputFormat.h"
#include "sound/SpeakerRenderer.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

using std::chrono::nanoseconds;

inline nanoseconds durationOf(std::int64_t samples) {
    return nanoseconds(std::chrono::seconds(samples)) / outputSampleRate;
}

inline std::size_t samplesIn(nanoseconds time) {
    return static_cast<std::size_t>(time.count() * outputSampleRate / 1'000'000'000);
}

// How the sound card asks for samples.
struct Pulls {
    int bufferFrames = 256;
    double rateRatio = 1.0; // the sound card's clock against ours
    nanoseconds jitter{};   // each pull comes up to this much early or late
    int latePull = -1;      // and this one, counted from 0, later still
    nanoseconds lateBy{};
    // No pull in this stretch of our clock, as when the audio thread is held up.
    nanoseconds stallFrom{-1};
    nanoseconds stallUntil{-1};
};

struct RenderedSound {
    std::vector<float> samples;
    int bufferFrames;
    std::vector<nanoseconds> pullTimes;

    // When a sample left the renderer, on our clock.
    nanoseconds renderedAt(std::size_t sample) const {
        return pullTimes[sample / bufferFrames] + durationOf(sample % bufferFrames);
    }
};

// Renders `length` of sound, posting each change once our clock has passed it.
inline RenderedSound render(const std::vector<SpeakerChange>& changes, nanoseconds length,
                            const Pulls& pulls = {}) {
    SpeakerRenderer renderer(SpeakerRenderer::latencyFor(pulls.bufferFrames));
    RenderedSound sound{std::vector<float>(samplesIn(length)), pulls.bufferFrames, {}};
    auto next = changes.begin();
    nanoseconds stalled{};
    for (std::size_t start = 0; start < sound.samples.size(); start += pulls.bufferFrames) {
        const double spread = static_cast<double>(start / pulls.bufferFrames * 37 % 11) / 5 - 1;
        nanoseconds pullTime =
            durationOf(static_cast<std::int64_t>(static_cast<double>(start) / pulls.rateRatio)) +
            stalled + std::chrono::duration_cast<nanoseconds>(spread * pulls.jitter) +
            (start / pulls.bufferFrames == std::size_t(pulls.latePull) ? pulls.lateBy
                                                                       : nanoseconds{});
        if (pullTime >= pulls.stallFrom && pullTime < pulls.stallUntil) {
            stalled += pulls.stallUntil - pullTime;
            pullTime = pulls.stallUntil;
        }
        for (; next != changes.end() && next->time <= pullTime; ++next)
            renderer.post(*next);
        const std::size_t count =
            std::min<std::size_t>(pulls.bufferFrames, sound.samples.size() - start);
        renderer.render(std::span(sound.samples).subspan(start, count), pullTime);
        sound.pullTimes.push_back(pullTime);
    }
    return sound;
}

inline float loudest(const std::vector<float>& samples, std::size_t from = 0,
                     std::size_t to = SIZE_MAX) {
    float level = 0.0f;
    for (std::size_t i = from; i < std::min(to, samples.size()); ++i)
        level = std::max(level, std::abs(samples[i]));
    return level;
}

// A stretch at or above half the loudest level, first and last sample; dips shorter than 5 ms
// belong to the wave, not to a gap between tones.
struct Extent {
    std::size_t first;
    std::size_t last;

    double lengthMs() const { return (last - first + 1) * 1000.0 / outputSampleRate; }
};

inline std::vector<Extent> tonesIn(const std::vector<float>& samples) {
    const float half = loudest(samples) / 2;
    std::vector<Extent> tones;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (half == 0.0f || std::abs(samples[i]) < half)
            continue;
        if (!tones.empty() && i - tones.back().last <= outputSampleRate / 200)
            tones.back().last = i;
        else
            tones.push_back({i, i});
    }
    return tones;
}

// From the rising zero crossings, 5 ms clear of the fades.
inline double frequencyIn(const std::vector<float>& samples, Extent tone) {
    std::vector<double> crossings;
    for (std::size_t i = tone.first + 240; i + 240 <= tone.last; ++i)
        if (samples[i - 1] < 0.0f && samples[i] >= 0.0f)
            crossings.push_back(static_cast<double>(i - 1) +
                                samples[i - 1] / (samples[i - 1] - samples[i]));
    return (crossings.size() - 1) * outputSampleRate / (crossings.back() - crossings.front());
}

// A stretch of sound under a Blackman-Harris window, whose far leakage lies below -92 dB, in
// which single frequencies are measured with Goertzel's recurrence.
class WindowedSound {
  public:
    WindowedSound(const std::vector<float>& samples, std::size_t first, std::size_t count) {
        for (std::size_t n = 0; n < count; ++n) {
            const double x = 2.0 * std::numbers::pi * static_cast<double>(n) / (count - 1);
            const double window = 0.35875 - 0.48829 * std::cos(x) + 0.14128 * std::cos(2 * x) -
                                  0.01168 * std::cos(3 * x);
            windowed.push_back(window * samples[first + n]);
            windowSum += window;
        }
    }

    // In dB against a full-scale sine.
    double levelDb(double frequency) const {
        const double coupling =
            2.0 * std::cos(2.0 * std::numbers::pi * frequency / outputSampleRate);
        double previous = 0.0;
        double beforePrevious = 0.0;
        for (double x : windowed) {
            const double current = x + coupling * previous - beforePrevious;
            beforePrevious = previous;
            previous = current;
        }
        const double power = previous * previous + beforePrevious * beforePrevious -
                             coupling * previous * beforePrevious;
        return 20.0 * std::log10(2.0 * std::sqrt(std::max(power, 1e-300)) / windowSum);
    }

  private:
    std::vector<double> windowed;
    double windowSum = 0.0;
};

// The largest step between neighbouring samples in [from, to).
inline float largestStep(const std::vector<float>& samples, std::size_t from, std::size_t to) {
    float step = 0.0f;
    for (std::size_t i = std::max<std::size_t>(from, 1); i < std::min(to, samples.size()); ++i)
        step = std::max(step, std::abs(samples[i] - samples[i - 1]));
    return step;
}
