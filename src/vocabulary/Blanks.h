#pragma once

#include <string>
#include <string_view>

// Blanks in every text Velmora shows or reads: a space, a tab, a line break or a page break.
// Moodle's importer counts the same ones when it tells a blank answer, since none of them but
// the space, the tab and the line breaks can stand in its XML.
inline constexpr std::string_view blanks = " \t\n\r\v\f";

constexpr bool isBlank(char character) {
    return blanks.find(character) != blanks.npos;
}

// The text without blanks at either end.
constexpr std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == text.npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) + 1 - first);
}

// The text with each run of blanks made one space, at either end too.
inline std::string blanksMerged(std::string_view text) {
    std::string merged;
    merged.reserve(text.size());
    for (char character : text) {
        if (!isBlank(character))
            merged += character;
        else if (merged.empty() || merged.back() != ' ')
            merged += ' ';
    }
    return merged;
}
