#include "questions/GiftText.h"

#include "vocabulary/Blanks.h"

namespace gift {

std::size_t findChoiceMark(std::string_view text, std::size_t from) {
    return escapes.findAnyOf(text, "=~", from);
}

std::string plainText(std::string_view text) {
    // The screens wrap their own lines: a line break the teacher asked for is a blank.
    return blanksMerged(
        escapes.unescaped(text, [](char escaped) { return escaped == 'n' ? ' ' : escaped; }));
}

} // namespace gift
