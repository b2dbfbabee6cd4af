#include "sound/SpeakerRenderer.h"

#include "sound/OutputFormat.h"
#include "sound/TimerChannel2.h"

#include <algorithm>

using namespace std::chrono_literals;

namespace {
constexpr std::chrono::nanoseconds audioThreadJitter = 4ms;
// Far more changes than a tone makes between two buffers.
constexpr std::size_t maxPosted = 1024;

// A change that missed the ring is kept in one word, so that the audio thread takes it whole:
// its time to the microsecond, far finer than a tone needs, above its period, which is at most
// 65536 timer clocks.
constexpr int periodBits = 17;

std::uint64_t packed(const SpeakerChange& change) {
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(change.time);
    return std::uint64_t(micros.count()) << periodBits | change.period;
}

SpeakerChange unpacked(std::uint64_t word) {
    return {std::chrono::microseconds(std::int64_t(word) >> periodBits),
            std::uint32_t(word & ((std::uint64_t(1) << periodBits) - 1))};
}

std::chrono::nanoseconds durationOf(std::int64_t samples) {
    return std::chrono::nanoseconds(std::chrono::seconds(samples)) / outputSampleRate;
}
} // namespace

std::chrono::nanoseconds SpeakerRenderer::latencyFor(int bufferFrames) {
    return durationOf(bufferFrames) + audioThreadJitter;
}

SpeakerRenderer::SpeakerRenderer(std::chrono::nanoseconds latency)
    : latency(latency), posted(maxPosted) {
    due.reserve(2 * maxPosted);
}

void SpeakerRenderer::post(const SpeakerChange& change) {
    // Once one change has missed the ring, the ones after it must not overtake it there.
    if (missed.load(std::memory_order_acquire) == noneMissed)
        if (SpeakerChange* slot = posted.writable()) {
            *slot = change;
            posted.publish();
            return;
        }
    missed.store(packed(change), std::memory_order_release);
}

void SpeakerRenderer::render(std::span<float> out, std::chrono::nanoseconds pullTime) {
    takePosted();
    notePull(pullTime);
    if (quiet())
        anchor(out.size());
    auto nextDue = due.begin();
    for (float& sample : out) {
        for (; nextDue != due.end(); ++nextDue) {
            const double lateBy = static_cast<double>(rendered) - positionOf(nextDue->time);
            if (lateBy < 0.0)
                break;
            // A change that arrived after its sample was rendered sounds at once.
            apply(*nextDue, std::min(lateBy, 1.0));
        }
        double mix = 0.0;
        for (SquareVoice& voice : voices)
            if (voice.active())
                mix += voice.next();
        sample = static_cast<float>(mix);
        ++rendered;
    }
    due.erase(due.begin(), nextDue);
}

// Into the room reserved: the audio thread allocates nothing.
void SpeakerRenderer::takePosted() {
    const std::size_t room = due.capacity() - 1;
    for (const SpeakerChange* change = posted.readable(); change && due.size() < room;
         change = posted.readable()) {
        due.push_back(*change);
        posted.release();
    }
    // The change that missed the ring comes after all that are in it.
    if (posted.readable() || due.size() == due.capacity())
        return;
    const std::uint64_t newest = missed.exchange(noneMissed, std::memory_order_acq_rel);
    if (newest != noneMissed)
        due.push_back(unpacked(newest));
}

void SpeakerRenderer::notePull(std::chrono::nanoseconds pullTime) {
    recentPulls[pullCount++ % recentPulls.size()] = pullTime - latency - durationOf(rendered);
}

void SpeakerRenderer::anchor(std::size_t frames) {
    const auto pulls = std::span(recentPulls).first(std::min(pullCount, recentPulls.size()));
    std::chrono::nanoseconds time = *std::min_element(pulls.begin(), pulls.end());
    time += durationOf(rendered);
    // After a late pull the sound lags behind the speaker; silence then passes at up to twice its
    // speed until the lag is made up.
    if (pullCount > 1)
        time =
            std::min(time, anchorTime + durationOf(rendered - anchorSample) + durationOf(frames));
    // And no waiting change may fall before the sample about to be rendered.
    if (!due.empty())
        time = std::min(time, due.front().time);
    anchorSample = rendered;
    anchorTime = time;
}

bool SpeakerRenderer::quiet() const {
    return std::none_of(voices.begin(), voices.end(),
                        [](const SquareVoice& voice) { return voice.active(); });
}

double SpeakerRenderer::positionOf(std::chrono::nanoseconds time) const {
    const std::chrono::duration<double> sinceAnchor = time - anchorTime;
    return static_cast<double>(anchorSample) + sinceAnchor.count() * outputSampleRate;
}

void SpeakerRenderer::apply(const SpeakerChange& change, double lateBy) {
    if (change.period == 0) {
        if (playing)
            playing->release(lateBy);
        playing = nullptr;
        return;
    }
    const double cyclesPerSample = timerClockHz / change.period / outputSampleRate;
    if (playing) {
        playing->retune(cyclesPerSample, lateBy);
        return;
    }
    // Opening the gate again while the last tone fades out starts a second voice beside it.
    playing = &voices[nextVoice];
    nextVoice = (nextVoice + 1) % voices.size();
    playing->start(cyclesPerSample, lateBy);
}
