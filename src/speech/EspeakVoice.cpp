#include "speech/EspeakVoice.h"

#include "sound/Mixer.h"
#include "sound/SpeechStream.h"
#include "speech/EspeakLibrary.h"

#include <iostream>
#include <stdexcept>

namespace {
// Where one text's samples go, and which text it is: a text cut off is told to stop rendering.
struct Rendering {
    SpeechStream& stream;
    SpeechStream::Ticket ticket;
};

int rendered(short* samples, int count, espeak_EVENT* events) {
    auto& rendering = *static_cast<Rendering*>(events->user_data);
    if (!samples)
        return 0;
    const bool current = rendering.stream.append(
        rendering.ticket, {reinterpret_cast<const std::int16_t*>(samples), std::size_t(count)});
    return current ? 0 : 1;
}

// The engine with the named voice at the children's pace, rendering into the speech streams.
const EspeakLibrary& startEngine(const std::string& name) {
    const EspeakLibrary& espeak = EspeakLibrary::get();
    espeak.useVoice(name);
    espeak.setParameter(espeakRATE, EspeakVoice::wordsPerMinute, 0);
    espeak.setSynthCallback(rendered);
    return espeak;
}
} // namespace

EspeakVoice::EspeakVoice(std::string name) : name(std::move(name)) {}

EspeakVoice::~EspeakVoice() = default;

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
        EspeakLibrary::get().useVoice(name);
        return std::nullopt;
    } catch (const std::runtime_error& error) {
        return error.what();
    }
}

void EspeakVoice::run(std::stop_token stopping) {
    try {
        SpeechStream speech(startEngine(name).sampleRate);
        Mixer::soundCard().add(speech);
        speak(speech, stopping);
        Mixer::soundCard().remove(speech);
    } catch (const std::runtime_error& error) {
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
        EspeakLibrary::get().synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0,
                                   espeakCHARS_UTF8, nullptr, &rendering);
        speech.finish(rendering.ticket);
        lock.lock();
    }
    stream = nullptr;
}
