#pragma once

#include "questions/Question.h"

#include <string_view>

enum class Verdict { Correct, WrongAnswer };

// What the screen shows for the pupil to read, which R reads again: the start line or the
// comment, the question awaiting its answer, or the feedback's sentence. A wrong sentence is
// never read; after a wrong pick the correct one follows.
enum class OnScreen { Comment, Question, WrongSentence, CorrectSentence };

// The score of a test answered without a mistake, whatever its length.
constexpr int fullMark = 100;

// The score after `correctAnswers` correct picks in a test of `questions`: the full mark's share
// of the correct picks, rounded half up, so that a test of ten counts 10 a question.
constexpr int scoreAfter(int correctAnswers, int questions) {
    return (2 * fullMark * correctAnswers + questions) / (2 * questions);
}

// Where a test stands. The test screen shows each value in its control (the question number in
// txtQ, the score in lblScore, the mistakes in lblMistake, the verdict in lblR, the comment in
// lblComment) and writes the control whenever the value changes; no handler reads a value back
// from a control.
struct QuizState {
    // 0 before the test starts, then 1 … the test's length.
    int question = 0;
    int correctAnswers = 0;
    int score = 0;
    int mistakes = 0;
    // The box the question on the screen has its correct word in.
    Question::Side correctWordSide = Question::Side::Left;
    Verdict verdict = Verdict::WrongAnswer;
    // The start line, then the comment on the finished test.
    std::string_view comment;
    OnScreen toRead = OnScreen::Comment;
};
