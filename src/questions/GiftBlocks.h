#pragma once

#include "questions/Finding.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One question as the teacher wrote it: its lines without blanks at either end, joined by one
// blank each, with the comment lines between them left out.
struct GiftBlock {
    int line;     // where the question starts
    int category; // how many $CATEGORY lines come before it
    std::string text;
    // A line without a gap between this question's closed gap and the next question's gap,
    // with no blank line to tell which of the two it belongs to; 0 when there is none.
    int unclearLine = 0;
};

struct GiftBlocks {
    std::vector<GiftBlock> blocks;
    // The name of each category, by its number (see categoryName); the questions before the
    // first $CATEGORY line have none.
    std::vector<std::string> categories{std::string()};
    // A brace without its partner: the file cannot be read as questions at all.
    std::optional<Finding> refusal;
};

// Cuts a teacher's text (UTF-8, without a byte order mark) into its questions. A question ends
// at a blank line, a $CATEGORY line or the end of the text; a line that starts with a
// ::title::, or holds a gap of its own after the question's gap has closed, starts the next.
// Lines without a gap before such a line could end the one question as well as start the next:
// both questions are marked with the first of them.
GiftBlocks splitGiftBlocks(std::string_view text);
