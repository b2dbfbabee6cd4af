#pragma once

#include "questions/Question.h"

#include <string>
#include <string_view>
#include <variant>

// A teacher's question that Velmora can play, with its texts as the screens show them.
struct GiftQuestion {
    std::string stem;
    std::string correctWord;
    std::string wrongWord;
    std::string correctSentence;
    std::string wrongSentence;
    Question::Side correctSide = Question::Side::Left;
};

// Why Velmora cannot play a question, in words a teacher understands.
struct Unplayable {
    std::string_view why;
};

// Reads one question of a teacher's file (see splitGiftBlocks): a sentence with one gap that
// offers one right and one wrong word.
std::variant<GiftQuestion, Unplayable> readGiftQuestion(std::string_view block);
