#pragma once

#include "questions/Question.h"

enum class Verdict { Correct, WrongAnswer };

// The score after `correctAnswers` correct picks in a test of `questions`, rounded half up: a full
// mark is 100 whatever the test's length, and a test of ten counts 10 a question.
constexpr int scoreAfter(int correctAnswers, int questions) {
    return (200 * correctAnswers + questions) / (2 * questions);
}

// Where a test stands. The test screen shows each value in its control (the question number in
// txtQ, the score in lblScore, the mistakes in lblMistake, the verdict in lblR) and writes the
// control whenever the value changes; no handler reads a value back from a control.
struct QuizState {
    // 0 before the test starts, then 1 … the test's length.
    int question = 0;
    int correctAnswers = 0;
    int score = 0;
    int mistakes = 0;
    // The box the question on the screen has its correct word in.
    Question::Side correctWordSide = Question::Side::Left;
    Verdict verdict = Verdict::WrongAnswer;
};
