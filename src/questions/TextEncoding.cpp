#include "questions/TextEncoding.h"

#include "questions/TextLines.h"

#include <algorithm>
#include <string>

namespace {
constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";

unsigned char byteAt(std::string_view text, std::size_t index) {
    return static_cast<unsigned char>(text[index]);
}

// Editors that save "Unicode" write UTF-16: it starts with its byte order mark, or, for text
// in Latin letters, has a NUL in every other byte.
bool looksLikeUtf16(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return true;
    const std::size_t pairs = std::min<std::size_t>(bytes.size() / 2, 64);
    std::size_t evenNuls = 0;
    std::size_t oddNuls = 0;
    for (std::size_t pair = 0; pair < pairs; ++pair) {
        evenNuls += bytes[2 * pair] == '\0';
        oddNuls += bytes[2 * pair + 1] == '\0';
    }
    return pairs > 0 && std::max(evenNuls, oddNuls) * 2 >= pairs &&
           std::min(evenNuls, oddNuls) == 0;
}

// The length of the well-formed UTF-8 sequence the text starts with, or 0 when it starts with
// none: no overlong forms, no surrogates, nothing beyond U+10FFFF.
std::size_t sequenceLength(std::string_view text) {
    const unsigned char lead = byteAt(text, 0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char lowest = 0x80;
    unsigned char highest = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        lowest = lead == 0xE0 ? 0xA0 : 0x80;
        highest = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        lowest = lead == 0xF0 ? 0x90 : 0x80;
        highest = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byteAt(text, 1) < lowest || byteAt(text, 1) > highest)
        return 0;
    for (std::size_t index = 2; index < length; ++index)
        if (byteAt(text, index) < 0x80 || byteAt(text, index) > 0xBF)
            return 0;
    return length;
}

Finding faultAt(int line, std::size_t byte, std::string_view what) {
    return {line, "byte " + std::to_string(byte + 1) + " of the line " + std::string(what)};
}
} // namespace

std::string_view withoutByteOrderMark(std::string_view bytes) {
    if (bytes.starts_with(utf8Mark))
        bytes.remove_prefix(utf8Mark.size());
    return bytes;
}

std::optional<Finding> findEncodingFault(std::string_view text) {
    if (looksLikeUtf16(text))
        return Finding{0, "the text is UTF-16: save it as UTF-8"};
    TextLines lines(text);
    std::string_view line;
    while (lines.next(line)) {
        for (std::size_t at = 0; at < line.size();) {
            if (line[at] == '\0')
                return faultAt(lines.number(), at, "is a NUL: this is not a text file");
            const std::size_t length = sequenceLength(line.substr(at));
            if (length == 0)
                return faultAt(lines.number(), at, "is not UTF-8: save the file as UTF-8");
            at += length;
        }
    }
    return std::nullopt;
}
