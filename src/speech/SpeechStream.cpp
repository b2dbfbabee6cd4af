#include "speech/SpeechStream.h"

#include "sound/OutputFormat.h"
#include "sound/SdlLibrary.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <thread>

using namespace std::chrono_literals;

namespace {
// Nearly three seconds of speech at the sound card's rate: the voice renders this far ahead of
// the sound card, so that a busy computer does not put gaps into the speech.
constexpr std::size_t ringBlocks = 512;
// How long the voice sleeps while the ring is full: a few of the sound card's buffers go out.
constexpr auto fullRingPause = 5ms;
} // namespace

SpeechStream::SpeechStream(int sampleRate)
    : sdl(SdlLibrary::get()),
      stream(sdl.newAudioStream(AUDIO_S16SYS, 1, sampleRate, AUDIO_F32SYS, 1, outputSampleRate)),
      ring(ringBlocks) {
    if (!stream)
        throw std::runtime_error(sdl.getError());
}

SpeechStream::~SpeechStream() {
    sdl.freeAudioStream(stream);
}

SpeechStream::Ticket SpeechStream::start() {
    // What the resampler still holds belongs to an utterance that was cut off.
    sdl.audioStreamClear(stream);
    return current.fetch_add(1) + 1;
}

bool SpeechStream::append(Ticket utterance, std::span<const std::int16_t> samples) {
    if (!isCurrent(utterance))
        return false;
    if (sdl.audioStreamPut(stream, samples.data(), int(samples.size_bytes())) != 0)
        putFailed.say(std::string("speech cannot be resampled: ") + sdl.getError());
    return passOn(utterance);
}

void SpeechStream::finish(Ticket utterance) {
    // SDL's resampler keeps back the last few milliseconds of what it is given, even when
    // flushed: a little silence after the speech lets all of the speech out.
    static constexpr std::array<std::int16_t, 2048> silence{};
    if (!isCurrent(utterance))
        return;
    if (sdl.audioStreamPut(stream, silence.data(), int(sizeof silence)) != 0)
        putFailed.say(std::string("speech cannot be resampled: ") + sdl.getError());
    if (sdl.audioStreamFlush(stream) != 0)
        flushFailed.say(std::string("the end of a sentence cannot be resampled: ") +
                        sdl.getError());
    passOn(utterance);
}

void SpeechStream::clear() {
    current.fetch_add(1);
}

bool SpeechStream::isCurrent(Ticket utterance) const {
    return utterance == current.load();
}

bool SpeechStream::passOn(Ticket utterance) {
    for (;;) {
        Block* block = ring.writable();
        while (!block) {
            if (!isCurrent(utterance))
                return false;
            std::this_thread::sleep_for(fullRingPause);
            block = ring.writable();
        }
        const int bytes = sdl.audioStreamGet(stream, block->samples.data(), sizeof block->samples);
        if (bytes <= 0)
            return isCurrent(utterance);
        block->utterance = utterance;
        block->count = std::size_t(bytes) / sizeof(float);
        ring.publish();
    }
}

// The audio thread. A block of an utterance that was cut off is dropped; one of an utterance
// opened after this pull began waits for the next pull.
bool SpeechStream::addTo(std::span<float> out) {
    const Ticket playing = current.load();
    std::size_t filled = 0;
    while (filled < out.size()) {
        Block* block = ring.readable();
        if (!block || block->utterance > playing)
            break;
        if (block->utterance == playing) {
            const std::size_t count = std::min(block->count - readInBlock, out.size() - filled);
            for (std::size_t i = 0; i < count; ++i)
                out[filled + i] += block->samples[readInBlock + i];
            filled += count;
            readInBlock += count;
            if (readInBlock < block->count)
                break;
        }
        readInBlock = 0;
        ring.release();
    }
    return filled > 0;
}
