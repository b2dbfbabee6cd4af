#pragma once

#include <SDL.h>

// The few SDL functions Velmora calls, found in the library when the sound is first opened.
// Linking SDL instead would make every start load and bind its thirty-odd libraries (sound
// servers, codecs, window systems) before the first window could be drawn.
struct SdlLibrary {
    decltype(&SDL_SetHint) setHint;
    decltype(&SDL_GetError) getError;
    decltype(&SDL_InitSubSystem) initSubSystem;
    decltype(&SDL_QuitSubSystem) quitSubSystem;
    decltype(&SDL_OpenAudioDevice) openAudioDevice;
    decltype(&SDL_PauseAudioDevice) pauseAudioDevice;
    decltype(&SDL_CloseAudioDevice) closeAudioDevice;
    decltype(&SDL_TLSCleanup) tlsCleanup;
    decltype(&SDL_NewAudioStream) newAudioStream;
    decltype(&SDL_AudioStreamPut) audioStreamPut;
    decltype(&SDL_AudioStreamGet) audioStreamGet;
    decltype(&SDL_AudioStreamFlush) audioStreamFlush;
    decltype(&SDL_AudioStreamClear) audioStreamClear;
    decltype(&SDL_FreeAudioStream) freeAudioStream;

    // Loads the library on the first call and keeps it for the rest of the run. Throws
    // std::runtime_error, with the loader's reason, when it is missing or incomplete.
    static const SdlLibrary& get();
};
