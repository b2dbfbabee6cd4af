#include "sound/OnceWarning.h"

#include <cstdio>

void OnceWarning::say(const std::string& what) {
    if (!said.test_and_set())
        std::fprintf(stderr, "velmora: %s\n", what.c_str());
}
