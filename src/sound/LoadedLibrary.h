#pragma once

#include <dlfcn.h>
#include <stdexcept>
#include <string>

// Finds a function of a library that Velmora opens only when it first needs it, so that a run
// without sound or speech never loads it. Throws std::runtime_error when it is missing.
template <typename Function>
void findFunction(void* library, const char* libraryName, Function& function, const char* name) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (!function)
        throw std::runtime_error(std::string(libraryName) + " has no " + name);
}
