#include "CallbackRun.h"

#include "Measure.h"
#include "sound/EmulatedSpeaker.h"
#include "sound/Mixer.h"
#include "sound/SdlAudioOutput.h"
#include "sound/SpeakerRenderer.h"
#include "speech/EspeakVoice.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace {
// The output asks its clock first thing in each pull: that is when the pull began.
class PullStart final : public MonotonicClock {
  public:
    std::chrono::nanoseconds now() const override {
        const auto time = clock.now();
        began.store(time.count(), std::memory_order_relaxed);
        return time;
    }
    std::int64_t lastBegan() const { return began.load(std::memory_order_relaxed); }

  private:
    SteadyClock clock;
    mutable std::atomic<std::int64_t> began = 0;
};

// The last source of the mix: by its turn the speaker and the voice are in the buffer. Keeps
// the durations in room made beforehand, so that measuring allocates nothing on the audio thread.
class PullEnd final : public MixerSource {
  public:
    explicit PullEnd(const PullStart& start) : start(start) { durations.reserve(capacity); }
    bool addTo(std::span<float>) override {
        const std::int64_t now = std::chrono::steady_clock::now().time_since_epoch().count();
        if (durations.size() < capacity)
            durations.push_back(double(now - start.lastBegan()) / 1e6);
        return false;
    }
    // Once removed from the mix: the audio thread has let go of it.
    std::vector<double> taken() const { return durations; }

  private:
    static constexpr std::size_t capacity = 4096;
    const PullStart& start;
    std::vector<double> durations;
};

// A long text, said again and again: each time cuts off the last.
constexpr const char* text =
    "The cats were in the garden. The dogs were in the house. The birds were in the trees, and "
    "the fish were in the pond. I am a girl. You are a boy. We were at school yesterday.";

// A tone of the pitch's divisor, through the ports as the program writes them.
void tone(EmulatedSpeaker& speaker, std::uint16_t divisor, bool on) {
    if (on) {
        speaker.vbOut(timerCommandPort, 0xB6);
        speaker.vbOut(timerChannel2Port, std::uint8_t(divisor & 0xFF));
        speaker.vbOut(timerChannel2Port, std::uint8_t(divisor >> 8));
    }
    speaker.vbOut(systemControlPort, on ? speakerGateBits : 0);
}
} // namespace

int runCallbackTiming() {
    PullStart pullStart;
    SteadyClock clock;
    Mixer mix;
    SpeakerRenderer renderer(SpeakerRenderer::latencyFor(SdlAudioOutput::bufferFrames) +
                             SpeakerRenderer::lateTick);
    EspeakVoice voice(mix);
    PullEnd pullEnd(pullStart);
    std::vector<double> durations;
    try {
        SdlAudioOutput output(renderer, pullStart, mix);
        EmulatedSpeaker speaker(clock, renderer);
        voice.say(text);
        // The voice's stream is in the mix before the end of the pull is.
        std::this_thread::sleep_for(1500ms);
        mix.add(pullEnd);
        std::vector<std::jthread> busy;
        for (int core = 0; core < 2; ++core)
            busy.emplace_back([](std::stop_token stopping) {
                std::uint64_t spins = 0;
                while (!stopping.stop_requested())
                    ++spins;
                return spins;
            });
        for (int step = 0; step < 100; ++step) {
            if (step % 30 == 0)
                voice.say(text);
            tone(speaker, std::uint16_t(1193182 / (400 + 20 * (step % 10))), step % 2 == 0);
            std::this_thread::sleep_for(60ms);
        }
        busy.clear();
        tone(speaker, 0, false);
        voice.stop();
        mix.remove(pullEnd);
        durations = pullEnd.taken();
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "bench_probe: no sound card: %s\n", error.what());
        return 1;
    }
    if (durations.empty())
        return 1;
    std::sort(durations.begin(), durations.end());
    report("callback_worst_ms", durations.back());
    report("callback_median_ms", durations[durations.size() / 2]);
    report("callback_buffers", double(durations.size()));
    return 0;
}
