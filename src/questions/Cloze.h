#pragma once

#include "questions/TeacherQuestion.h"

#include <string>
#include <string_view>

// The one gap of a cloze question ("embedded answers") that Velmora can play: a sentence with
// one {1:MULTICHOICE:=right~wrong} subquestion.
struct ClozeGap {
    std::string_view beforeGap;
    std::string_view afterGap;
    std::string correctWord;
    std::string wrongWord;
    // Whether the correct word is written before the wrong one.
    bool correctFirst = true;
    // Whether Moodle shows the two words in an order of its own (the _S forms).
    bool shuffled = false;
};

// Reads a cloze question's text as it is stored, markup and entities and all, as Moodle reads
// it: an entity such as &#126; is no ~ to the gap, and the pieces and words come out in the
// question's format, for the caller to show. The words have the gap's escapes undone and lose
// the blanks at either end; a choice of blanks only is no choice. Braces that do not hold a
// subquestion of a type Moodle knows are text, as they are to Moodle.
Playable<ClozeGap> readCloze(std::string_view text);
