#include "sound/SdlLibrary.h"

#include "sound/LoadedLibrary.h"

#include <dlfcn.h>
#include <stdexcept>
#include <string>

namespace {
void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// Where no sound server answers, SDL falls back to ALSA, which prints every step of its failed
// configuration on standard error. Velmora says in one line that the sound is off instead.
void quietAlsa() {
    using ErrorHandler = decltype(&ignoreAlsaError);
    void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_NOLOAD);
    if (!alsa)
        return;
    if (auto setHandler =
            reinterpret_cast<int (*)(ErrorHandler)>(dlsym(alsa, "snd_lib_error_set_handler")))
        setHandler(ignoreAlsaError);
    // Only this reference goes: SDL holds the library for the rest of the run.
    dlclose(alsa);
}

SdlLibrary load() {
    // Never closed: SDL's audio thread and its sound-server connections live until the end.
    void* library = openLibrary("libSDL2-2.0.so.0");
    quietAlsa();
    SdlLibrary sdl{};
    findFunction(library, "SDL", sdl.setHint, "SDL_SetHint");
    findFunction(library, "SDL", sdl.getError, "SDL_GetError");
    findFunction(library, "SDL", sdl.initSubSystem, "SDL_InitSubSystem");
    findFunction(library, "SDL", sdl.quitSubSystem, "SDL_QuitSubSystem");
    findFunction(library, "SDL", sdl.openAudioDevice, "SDL_OpenAudioDevice");
    findFunction(library, "SDL", sdl.pauseAudioDevice, "SDL_PauseAudioDevice");
    findFunction(library, "SDL", sdl.closeAudioDevice, "SDL_CloseAudioDevice");
    findFunction(library, "SDL", sdl.tlsCleanup, "SDL_TLSCleanup");
    findFunction(library, "SDL", sdl.newAudioStream, "SDL_NewAudioStream");
    findFunction(library, "SDL", sdl.audioStreamPut, "SDL_AudioStreamPut");
    findFunction(library, "SDL", sdl.audioStreamGet, "SDL_AudioStreamGet");
    findFunction(library, "SDL", sdl.audioStreamFlush, "SDL_AudioStreamFlush");
    findFunction(library, "SDL", sdl.audioStreamClear, "SDL_AudioStreamClear");
    findFunction(library, "SDL", sdl.freeAudioStream, "SDL_FreeAudioStream");
    return sdl;
}
} // namespace

const SdlLibrary& SdlLibrary::get() {
    static const SdlLibrary sdl = load();
    return sdl;
}
