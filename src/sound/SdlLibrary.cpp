#include "sound/SdlLibrary.h"

#include <dlfcn.h>
#include <stdexcept>
#include <string>

namespace {
template <typename Function> void find(void* library, Function& function, const char* name) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (!function)
        throw std::runtime_error(std::string("SDL has no ") + name);
}

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
    void* library = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library)
        throw std::runtime_error(dlerror());
    quietAlsa();
    SdlLibrary sdl{};
    find(library, sdl.setHint, "SDL_SetHint");
    find(library, sdl.getError, "SDL_GetError");
    find(library, sdl.initSubSystem, "SDL_InitSubSystem");
    find(library, sdl.quitSubSystem, "SDL_QuitSubSystem");
    find(library, sdl.openAudioDevice, "SDL_OpenAudioDevice");
    find(library, sdl.pauseAudioDevice, "SDL_PauseAudioDevice");
    find(library, sdl.closeAudioDevice, "SDL_CloseAudioDevice");
    find(library, sdl.tlsCleanup, "SDL_TLSCleanup");
    find(library, sdl.newAudioStream, "SDL_NewAudioStream");
    find(library, sdl.audioStreamPut, "SDL_AudioStreamPut");
    find(library, sdl.audioStreamGet, "SDL_AudioStreamGet");
    find(library, sdl.audioStreamFlush, "SDL_AudioStreamFlush");
    find(library, sdl.audioStreamClear, "SDL_AudioStreamClear");
    find(library, sdl.freeAudioStream, "SDL_FreeAudioStream");
    return sdl;
}
} // namespace

const SdlLibrary& SdlLibrary::get() {
    static const SdlLibrary sdl = load();
    return sdl;
}
