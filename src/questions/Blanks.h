#pragma once

#include <string>
#include <string_view>

// Blanks in every text Velmora shows or reads: a space, a tab, a line break or a page break.
// Moodle's importer counts the same ones when it tells a blank answer, since none of them but
// the space, the tab and the line breaks can stand in its XML.
bool isBlank(char character);

// The text without blanks at either end.
std::string_view trimmed(std::string_view text);

// The text with each run of blanks made one space, at either end too.
std::string blanksMerged(std::string_view text);
