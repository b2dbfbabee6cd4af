#include "speech/EspeakLibrary.h"

#include "sound/LoadedLibrary.h"

#include <stdexcept>
#include <string>

namespace {
// How much speech the engine hands over at a time: the first sound of a sentence waits for one.
constexpr int chunkMs = 40;

EspeakLibrary load() {
    void* library = openLibrary("libespeak-ng.so.1");
    EspeakLibrary espeak{};
    findFunction(library, "libespeak-ng", espeak.initialize, "espeak_Initialize");
    findFunction(library, "libespeak-ng", espeak.setSynthCallback, "espeak_SetSynthCallback");
    findFunction(library, "libespeak-ng", espeak.setVoiceByName, "espeak_SetVoiceByName");
    findFunction(library, "libespeak-ng", espeak.setParameter, "espeak_SetParameter");
    findFunction(library, "libespeak-ng", espeak.synth, "espeak_Synth");
    espeak.sampleRate =
        espeak.initialize(AUDIO_OUTPUT_SYNCHRONOUS, chunkMs, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (espeak.sampleRate <= 0)
        throw std::runtime_error("libespeak-ng cannot find its voices");
    return espeak;
}

struct Engine {
    std::mutex mutex;
    // Guarded by mutex: the voice set last, or none when a voice failed to load over it.
    std::string voice;
};

Engine& engine() {
    static Engine shared;
    return shared;
}

const EspeakLibrary& started() {
    static const EspeakLibrary espeak = load();
    return espeak;
}
} // namespace

HeldEspeak::HeldEspeak() : hold(engine().mutex), espeak(started()) {}

void HeldEspeak::useVoice(const std::string& name) {
    if (engine().voice == name)
        return;
    engine().voice.clear();
    if (!name.starts_with("en") || espeak.setVoiceByName(name.c_str()) != EE_OK)
        throw std::runtime_error("libespeak-ng has no English voice \"" + name + "\"");
    engine().voice = name;
}
