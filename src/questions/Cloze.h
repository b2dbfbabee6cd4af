#pragma once

#include "questions/TeacherQuestion.h"

#include <string>
#include <string_view>
#include <variant>

// The one gap of a cloze question ("embedded answers") that Velmora can play: a sentence with
// one {1:MULTICHOICE:=right~wrong} subquestion.
struct ClozeGap {
    std::string_view beforeGap;
    std::string_view afterGap;
    std::string rightWord;
    std::string wrongWord;
    // Whether the right word is written before the wrong one.
    bool rightFirst = true;
    // Whether Moodle shows the two words in an order of its own (the _S forms).
    bool shuffled = false;
};

// Reads a cloze question's plain text. Braces that do not hold a subquestion of a type Moodle
// knows are text, as they are to Moodle.
std::variant<ClozeGap, Unplayable> readCloze(std::string_view text);
