#pragma once

#include <dlfcn.h>
#include <stdexcept>
#include <string>

// Libraries that Velmora opens only when it first needs them, so that a run without sound or
// speech never loads them. Both throw std::runtime_error with what is missing.
inline void* openLibrary(const char* file) {
    void* library = dlopen(file, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        throw std::runtime_error(dlerror());
    return library;
}

template <typename Function>
void findFunction(void* library, const char* libraryName, Function& function, const char* name) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (!function)
        throw std::runtime_error(std::string(libraryName) + " has no " + name);
}
