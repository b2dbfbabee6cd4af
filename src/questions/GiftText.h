#pragma once

#include "questions/Escapes.h"

#include <string>
#include <string_view>

// GIFT's text: a backslash before one of ~ = # { } : \ takes away that character's meaning, and
// \n stands for a line break.
namespace gift {

inline constexpr Escapes escapes{"~=#{}:\\n"};

// The first = or ~ from `from` on that is not escaped: where a choice begins.
std::size_t findChoiceMark(std::string_view text, std::size_t from = 0);

// The text as the screens show it: each escape replaced by its character, line breaks and tabs
// by blanks, and every run of blanks made one, at either end too.
std::string plainText(std::string_view text);

} // namespace gift
