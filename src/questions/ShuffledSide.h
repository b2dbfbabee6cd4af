#pragma once

#include "questions/Question.h"

#include <string_view>

// Where the correct word stands in a question whose two words Moodle shows in an order of its own
// each time: a side fixed by the question as the screens show it, so that the same file always
// plays the same, whatever format it came in, and that falls on the left for about half of all
// questions.
Question::Side shuffledSide(std::string_view stem, std::string_view correctWord,
                            std::string_view wrongWord);
