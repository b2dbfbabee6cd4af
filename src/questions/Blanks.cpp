#include "questions/Blanks.h"

namespace {
constexpr std::string_view blanks = " \t\n\r\v\f";
} // namespace

bool isBlank(char character) {
    return blanks.find(character) != blanks.npos;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == text.npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) + 1 - first);
}

std::string blanksMerged(std::string_view text) {
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
