#include "speech/EspeakVoice.h"

#include "sound/Mixer.h"
#include "sound/OnceWarning.h"
#include "speech/EspeakLibrary.h"
#include "speech/SpeechStream.h"

#include <iostream>
#include <stdexcept>
#include <string>

namespace {
// Where one text's samples go, and which text it is: a text cut off is told to stop rendering.
struct Rendering {
    SpeechStream& stream;
    SpeechStream::Ticket ticket;
    bool cutOff = false;
};

int rendered(short* samples, int count, espeak_EVENT* events) {
    auto& rendering = *static_cast<Rendering*>(events->user_data);
    if (!samples)
        return 0;
    rendering.cutOff = !rendering.stream.append(
        rendering.ticket, {reinterpret_cast<const std::int16_t*>(samples), std::size_t(count)});
    return rendering.cutOff ? 1 : 0;
}

OnceWarning paceRefused;
OnceWarning textRefused;

// The engine with the named voice at the children's pace, rendering into the speech streams.
void setUp(HeldEspeak& engine, const std::string& name) {
    engine.useVoice(name);
    if (engine->setParameter(espeakRATE, EspeakVoice::wordsPerMinute, 0) != EE_OK)
        paceRefused.say("libespeak-ng refuses the pace of " +
                        std::to_string(EspeakVoice::wordsPerMinute) + " words a minute");
    engine->setSynthCallback(rendered);
}

// The whole text in the named voice, unless it is cut off; then the end of what was said.
void render(const std::string& name, const std::string& text, Rendering& rendering) {
    try {
        HeldEspeak engine;
        setUp(engine, name);
        const espeak_ERROR result = engine->synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER,
                                                  0, espeakCHARS_UTF8, nullptr, &rendering);
        if (result != EE_OK && !rendering.cutOff)
            textRefused.say("libespeak-ng could not say a text (error " +
                            std::to_string(int(result)) + ")");
    } catch (const std::runtime_error& error) {
        textRefused.say(std::string("libespeak-ng could not say a text: ") + error.what());
    }
    rendering.stream.finish(rendering.ticket);
}
} // namespace

EspeakVoice::EspeakVoice(Mixer& mix, std::string name) : mix(mix), name(std::move(name)) {}

EspeakVoice::~EspeakVoice() {
    // A voice rendering far ahead of the sound card waits for it; cut off, it waits no more.
    stop();
}

void EspeakVoice::warmUp() {
    const std::lock_guard lock(mutex);
    if (!thread.joinable())
        thread = std::jthread([this](std::stop_token stopping) { run(stopping); });
}

void EspeakVoice::say(std::string text) {
    warmUp();
    const std::lock_guard lock(mutex);
    if (stream)
        stream->clear();
    pending = std::move(text);
    wake.notify_one();
}

void EspeakVoice::stop() {
    const std::lock_guard lock(mutex);
    if (stream)
        stream->clear();
    pending.reset();
}

std::optional<std::string> EspeakVoice::whyItCannotSpeak(const std::string& name) {
    try {
        HeldEspeak engine;
        engine.useVoice(name);
        return std::nullopt;
    } catch (const std::runtime_error& error) {
        return error.what();
    }
}

void EspeakVoice::run(std::stop_token stopping) {
    try {
        int sampleRate = 0;
        {
            HeldEspeak engine;
            setUp(engine, name);
            sampleRate = engine->sampleRate;
        }
        SpeechStream speech(sampleRate);
        mix.add(speech);
        speak(speech, stopping);
        mix.remove(speech);
    } catch (const std::exception& error) {
        std::cerr << "velmora: read-aloud is off: " << error.what() << '\n';
    }
}

void EspeakVoice::speak(SpeechStream& speech, std::stop_token stopping) {
    std::unique_lock lock(mutex);
    stream = &speech;
    while (wake.wait(lock, stopping, [this] { return pending.has_value(); })) {
        const std::string text = std::move(*pending);
        pending.reset();
        Rendering rendering{speech, speech.start()};
        lock.unlock();
        render(name, text, rendering);
        lock.lock();
    }
    stream = nullptr;
}
