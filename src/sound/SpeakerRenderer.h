#pragma once

#include "sound/LockFreeRing.h"
#include "sound/SpeakerChange.h"
#include "sound/SquareVoice.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <span>
#include <vector>

// Turns the speaker's timestamped changes into sound card samples. Changes are posted on the GUI
// thread; samples are pulled on the audio thread, which takes the posted changes from a lock-free
// ring: neither thread ever waits for the other.
//
// Each change sounds at its own time plus a fixed latency, not at the buffer it happens to fall
// in, so a tone lasts exactly as long as its gate was open whatever the buffer size. The link
// between clock time and sample count is renewed only while the speaker is quiet, so neither the
// sound card's clock drifting from ours nor a late buffer can bend a tone. It is taken from the
// earliest of the recent pulls: the audio thread is often late, hardly ever early.
class SpeakerRenderer final : public SpeakerChangeSink {
  public:
    // The latency covers one buffer, which the audio thread renders before it is played, and
    // the scheduling jitter of that thread.
    static std::chrono::nanoseconds latencyFor(int bufferFrames);
    // A change is stamped with the moment it was due but posted when the tick that makes it runs,
    // which a busy machine holds up by tens of milliseconds now and then. A speaker whose latency
    // also covers this much sounds so late a change at its own time; sound that follows the
    // picture by this much more goes unnoticed.
    static constexpr std::chrono::milliseconds lateTick{30};

    explicit SpeakerRenderer(std::chrono::nanoseconds latency);

    void post(const SpeakerChange& change) override;
    void render(std::span<float> out, std::chrono::nanoseconds pullTime);

  private:
    void takePosted();
    void notePull(std::chrono::nanoseconds pullTime);
    void anchor(std::size_t frames);
    bool quiet() const;
    double positionOf(std::chrono::nanoseconds time) const;
    void apply(const SpeakerChange& change, double lateBy);

    const std::chrono::nanoseconds latency;

    LockFreeRing<SpeakerChange> posted;
    // A change that found the ring full, replaced by each one after it until the audio thread
    // takes it: only a stalled audio thread lets the ring fill, and then the newest state is all
    // that still matters. Packed in one word, so that time and period are always one change's.
    static constexpr std::uint64_t noneMissed = ~std::uint64_t(0);
    std::atomic<std::uint64_t> missed = noneMissed;

    std::vector<SpeakerChange> due;
    std::array<SquareVoice, 4> voices;
    std::size_t nextVoice = 0;
    SquareVoice* playing = nullptr;
    std::int64_t rendered = 0;
    // For each recent pull, the clock time that sample 0 would stand for by that pull alone.
    std::array<std::chrono::nanoseconds, 16> recentPulls{};
    std::size_t pullCount = 0;
    std::int64_t anchorSample = 0;
    std::chrono::nanoseconds anchorTime{};
};
