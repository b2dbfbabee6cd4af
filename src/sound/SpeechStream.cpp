#include "sound/SpeechStream.h"

#include "sound/OutputFormat.h"
#include "sound/SdlLibrary.h"

#include <array>
#include <stdexcept>

SpeechStream::SpeechStream(int sampleRate)
    : sdl(SdlLibrary::get()),
      stream(sdl.newAudioStream(AUDIO_S16SYS, 1, sampleRate, AUDIO_F32SYS, 1, outputSampleRate)) {
    if (!stream)
        throw std::runtime_error(sdl.getError());
}

SpeechStream::~SpeechStream() {
    sdl.freeAudioStream(stream);
}

SpeechStream::Ticket SpeechStream::start() {
    const std::lock_guard lock(streamMutex);
    sdl.audioStreamClear(stream);
    return ++current;
}

bool SpeechStream::append(Ticket utterance, std::span<const std::int16_t> samples) {
    const std::lock_guard lock(streamMutex);
    if (utterance != current)
        return false;
    sdl.audioStreamPut(stream, samples.data(), int(samples.size_bytes()));
    return true;
}

void SpeechStream::finish(Ticket utterance) {
    // SDL's resampler keeps back the last few milliseconds of what it is given, even when
    // flushed: a little silence after the speech lets all of the speech out.
    static constexpr std::array<std::int16_t, 2048> silence{};
    const std::lock_guard lock(streamMutex);
    if (utterance != current)
        return;
    sdl.audioStreamPut(stream, silence.data(), int(sizeof silence));
    sdl.audioStreamFlush(stream);
}

void SpeechStream::clear() {
    const std::lock_guard lock(streamMutex);
    sdl.audioStreamClear(stream);
    ++current;
}

bool SpeechStream::addTo(std::span<float> out) {
    pulled.resize(out.size());
    int bytes = 0;
    {
        const std::lock_guard lock(streamMutex);
        bytes = sdl.audioStreamGet(stream, pulled.data(), int(pulled.size() * sizeof(float)));
    }
    const std::size_t count = bytes > 0 ? std::size_t(bytes) / sizeof(float) : 0;
    for (std::size_t i = 0; i < count; ++i)
        out[i] += pulled[i];
    return count > 0;
}
