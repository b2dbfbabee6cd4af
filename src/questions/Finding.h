#pragma once

#include <string>

// Something said about one line of a teacher's file: why a question is left out, or why the
// file cannot be played at all. Line 0 stands for the file as a whole.
struct Finding {
    int line;
    std::string message;

    friend bool operator==(const Finding&, const Finding&) = default;
};
