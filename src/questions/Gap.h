#pragma once

#include <string_view>

// The gap of a question as the screens show it, as in the built-in banks.
constexpr std::string_view gapShown = ".....";

// The shortest run of underscores that Moodle writes for a gap in a sentence whose answers stand
// elsewhere.
constexpr std::string_view gapWritten = "___";
