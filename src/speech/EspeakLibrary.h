#pragma once

#include <espeak-ng/speak_lib.h>
#include <string>

// The few functions of libespeak-ng that Velmora calls, found in the library the first time
// something is to be said: a run without read-aloud never loads it. The engine is started once
// and kept: it does not start again reliably once ended.
struct EspeakLibrary {
    decltype(&espeak_Initialize) initialize;
    decltype(&espeak_SetSynthCallback) setSynthCallback;
    decltype(&espeak_SetVoiceByName) setVoiceByName;
    decltype(&espeak_SetParameter) setParameter;
    decltype(&espeak_Synth) synth;
    // Of the samples the engine renders.
    int sampleRate;

    // Loads the library and starts the engine on the first call, on the calling thread, and
    // keeps both for the rest of the run; the engine is used from one thread at a time. Throws
    // std::runtime_error, with the reason, when the library is missing or incomplete or the
    // engine finds no voices.
    static const EspeakLibrary& get();
    // Throws std::runtime_error when the engine has no such English voice.
    void useVoice(const std::string& name) const;
};
