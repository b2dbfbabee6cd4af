#pragma once

#include "speech/Voice.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>

class Mixer;
class SpeechStream;

// The voice of libespeak-ng, heard through the sound card's mix. The engine is loaded, started
// and rendered on a thread of its own, the first time something is to be said or when warmed
// up, so that no step of the screens waits for it. Without the engine or its voices it says so
// once on standard error and stays silent.
//
// The process has one engine, with one voice, pace and callback at a time: two voices take turns
// with it, a whole text each, and each sets it up as its own before it renders.
class EspeakVoice final : public Voice {
  public:
    // A pace that children beginning English can follow.
    static constexpr int wordsPerMinute = 135;
    // British English; "en-us" is American.
    static constexpr const char* defaultName = "en";

    explicit EspeakVoice(Mixer& mix, std::string name = defaultName);
    // Cuts off what is being said and ends the voice's thread.
    ~EspeakVoice() override;
    EspeakVoice(const EspeakVoice&) = delete;
    EspeakVoice& operator=(const EspeakVoice&) = delete;

    // Starts the engine ahead of the first text, so that the first is not said later than the
    // others.
    void warmUp();
    void say(std::string text) override;
    void stop() override;

    // Why Velmora cannot speak with the named voice (no engine, or no such English voice), or
    // nothing. Starts the engine on the calling thread, for the command line before any window.
    static std::optional<std::string> whyItCannotSpeak(const std::string& name);

  private:
    void run(std::stop_token stopping);
    void speak(SpeechStream& stream, std::stop_token stopping);

    Mixer& mix;
    const std::string name;
    std::mutex mutex;
    std::condition_variable_any wake;
    std::optional<std::string> pending; // guarded by mutex
    SpeechStream* stream = nullptr;     // guarded by mutex; the thread's own while it runs
    std::jthread thread;                // last: it ends before the rest goes
};
