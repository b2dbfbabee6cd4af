#pragma once

#include "shell/StoredColour.h"

// Colours that more than one screen's table names, or a table and its screen's handlers.
namespace Palette {
inline constexpr StoredColour peach = rgb(255, 224, 192);
// The menu's award buttons, the first test's window and every test screen's comment.
inline constexpr StoredColour lightOrange = rgb(255, 192, 128);
// The welcome page's web address blinks from light cyan to yellow and back; the menu's test
// numbers stand on light cyan too.
inline constexpr StoredColour lightCyan = rgb(192, 255, 255);
inline constexpr StoredColour yellow = rgb(255, 255, 0);
} // namespace Palette
