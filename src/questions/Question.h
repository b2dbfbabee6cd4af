#pragma once

#include "vocabulary/TestNumber.h"

#include <cstddef>
#include <span>
#include <string_view>

// One gapped sentence with its two candidate words and the sentence filled in with each. Every
// text is shown exactly as it stands here, blanks at either end included.
struct Question {
    // The box the correct word is shown in. The built-in banks always have it on the left; a
    // teacher's file shows the words in the order the teacher wrote them.
    enum class Side { Left, Right };

    std::string_view stem;
    std::string_view correctWord;
    std::string_view wrongWord;
    std::string_view correctSentence;
    std::string_view wrongSentence;
    Side correctSide = Side::Left;
};

// The most questions a test holds. Each built-in test holds this many; a teacher's test holds one
// to this many.
constexpr std::size_t longestTest = 10;

// The questions of one test, in the order they are asked.
using QuestionBank = std::span<const Question>;

QuestionBank questionBank(TestNumber test);
// The five built-in tests' banks, test 1 first.
std::span<const QuestionBank> builtInBanks();
