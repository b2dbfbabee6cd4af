#include "quiz/TestScreen.h"

namespace {
std::string text(std::string_view shown) {
    return std::string(shown);
}
} // namespace

void TestScreen::startAttempt() {
    attempt = {.test = testNumber.value(),
               .started = QDateTime::currentDateTime(),
               .finished = {},
               .complete = false,
               .answers = {}};
}

void TestScreen::keepAnswer(const Question& question, Question::Side picked, bool correct) {
    const bool correctWordOnTheLeft = question.correctSide == Question::Side::Left;
    const std::string_view left = correctWordOnTheLeft ? question.correctWord : question.wrongWord;
    const std::string_view rightBox =
        correctWordOnTheLeft ? question.wrongWord : question.correctWord;
    attempt.answers.push_back(
        {.sentence = text(question.stem),
         .left = text(left),
         .right = text(rightBox),
         .correct = text(question.correctWord),
         .picked = text(picked == Question::Side::Left ? left : rightBox),
         .ok = correct,
         .score = scoreAfter(quiz.correctAnswers + (correct ? 1 : 0), questionCount())});
    // The last answer ends the test: the pupil may walk away before the comment.
    if (int(attempt.answers.size()) == questionCount())
        keepAttempt();
}

// A test left before its first answer tells the teacher nothing, and is not kept.
void TestScreen::keepAttempt() {
    if (attempt.answers.empty())
        return;
    attempt.finished = QDateTime::currentDateTime();
    attempt.complete = int(attempt.answers.size()) == questionCount();
    if (record)
        record->keep(std::move(attempt));
    attempt = {};
}
