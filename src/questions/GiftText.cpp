#include "questions/GiftText.h"

namespace gift {
namespace {
bool isBlank(char character) {
    return character == ' ' || character == '\t' || character == '\v' || character == '\f';
}

// Walks the text one character or one escape at a time, and stops where `found` says so.
template <typename Found>
std::size_t findOutsideEscapes(std::string_view text, std::size_t from, Found found) {
    for (std::size_t at = from; at < text.size();) {
        if (text[at] == '\\' && at + 1 < text.size() && isEscaped(text[at + 1]))
            at += 2;
        else if (found(at))
            return at;
        else
            ++at;
    }
    return std::string_view::npos;
}
} // namespace

bool isEscaped(char character) {
    switch (character) {
    case '~':
    case '=':
    case '#':
    case '{':
    case '}':
    case ':':
    case '\\':
    case 'n':
        return true;
    default:
        return false;
    }
}

std::size_t findUnescaped(std::string_view text, std::string_view needle, std::size_t from) {
    return findOutsideEscapes(text, from, [&](std::size_t at) {
        return text[at] == needle.front() && text.substr(at).starts_with(needle);
    });
}

std::size_t findChoiceMark(std::string_view text, std::size_t from) {
    return findOutsideEscapes(text, from,
                              [&](std::size_t at) { return text[at] == '=' || text[at] == '~'; });
}

std::string plainText(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    const auto append = [&](char character) {
        if (!isBlank(character))
            plain += character;
        else if (plain.empty() || plain.back() != ' ')
            plain += ' ';
    };
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\\' && at + 1 < text.size() && isEscaped(text[at + 1])) {
            ++at;
            // The screens wrap their own lines: a line break the teacher asked for is a blank.
            append(text[at] == 'n' ? ' ' : text[at]);
        } else {
            append(text[at]);
        }
    }
    return plain;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace gift
