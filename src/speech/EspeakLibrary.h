#pragma once

#include <espeak-ng/speak_lib.h>
#include <mutex>
#include <string>

// The few functions of libespeak-ng that Velmora calls. The library is found, and its engine
// started, the first time speech is needed: for the texts read as they appear, at the R key, or
// for a voice named on the command line; a run with none of these never loads it. The engine is
// started once and kept: it does not start again reliably once ended.
struct EspeakLibrary {
    decltype(&espeak_Initialize) initialize;
    decltype(&espeak_SetSynthCallback) setSynthCallback;
    decltype(&espeak_SetVoiceByName) setVoiceByName;
    decltype(&espeak_SetParameter) setParameter;
    decltype(&espeak_Synth) synth;
    // Of the samples the engine renders.
    int sampleRate;
};

// The process's one engine. libespeak-ng keeps one voice, one pace and one callback for the
// whole process and renders on the calling thread, so its functions are reached only through a
// hold, and one thread at a time holds it: a second voice waits until the first lets go.
class HeldEspeak {
  public:
    // Waits for the engine, and loads the library and starts the engine the first time. Throws
    // std::runtime_error, with the reason, when the library is missing or incomplete or the
    // engine finds no voices.
    HeldEspeak();

    const EspeakLibrary* operator->() const { return &espeak; }
    // Throws std::runtime_error when the engine has no such English voice. The voice set last
    // stays loaded, and is not loaded again.
    void useVoice(const std::string& name);

  private:
    std::unique_lock<std::mutex> hold;
    const EspeakLibrary& espeak;
};
