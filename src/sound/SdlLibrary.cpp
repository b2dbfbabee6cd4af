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

SdlLibrary load() {
    // Never closed: SDL's audio thread and its sound-server connections live until the end.
    void* library = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library)
        throw std::runtime_error(dlerror());
    SdlLibrary sdl{};
    find(library, sdl.setHint, "SDL_SetHint");
    find(library, sdl.getError, "SDL_GetError");
    find(library, sdl.initSubSystem, "SDL_InitSubSystem");
    find(library, sdl.quitSubSystem, "SDL_QuitSubSystem");
    find(library, sdl.openAudioDevice, "SDL_OpenAudioDevice");
    find(library, sdl.pauseAudioDevice, "SDL_PauseAudioDevice");
    find(library, sdl.closeAudioDevice, "SDL_CloseAudioDevice");
    find(library, sdl.tlsCleanup, "SDL_TLSCleanup");
    return sdl;
}
} // namespace

const SdlLibrary& SdlLibrary::get() {
    static const SdlLibrary sdl = load();
    return sdl;
}
