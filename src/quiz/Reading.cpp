#include "questions/Gap.h"
#include "quiz/TestScreen.h"
#include "speech/Voice.h"
#include "vocabulary/Blanks.h"

#include <string>

namespace {
// How a reader says the gap: as a pause.
constexpr std::string_view gapSaid = "…";
} // namespace

// The sentence with a pause at its gap, then the two words in the order of their boxes, as a
// teacher reads a question out: "I … a girl. am, or is?"
std::string TestScreen::questionToSay() const {
    const Question& question = bank[std::size_t(quiz.question - 1)];
    std::string sentence(trimmed(question.stem));
    if (const std::size_t gap = sentence.find(gapShown); gap != std::string::npos)
        sentence.replace(gap, gapShown.size(), gapSaid);
    const bool correctWordOnTheLeft = quiz.correctWordSide == Question::Side::Left;
    const std::string_view left = correctWordOnTheLeft ? question.correctWord : question.wrongWord;
    const std::string_view right = correctWordOnTheLeft ? question.wrongWord : question.correctWord;
    return sentence + ' ' + std::string(left) + ", or " + std::string(right) + '?';
}

std::string TestScreen::commentToSay() const {
    return std::string(trimmed(quiz.comment));
}

std::string TestScreen::correctSentenceToSay() const {
    return std::string(trimmed(bank[std::size_t(quiz.question - 1)].correctSentence));
}

void TestScreen::readAloud(const std::string& text) {
    if (reading.asTextsAppear)
        reading.voice.say(text);
}

// What is on the screen to be read: the start line or the comment, the question awaiting its
// answer, or the correct sentence of the feedback. Nothing is said of a wrong sentence.
void TestScreen::sayAgain() {
    switch (quiz.toRead) {
    case OnScreen::Comment:
        reading.voice.say(commentToSay());
        break;
    case OnScreen::Question:
        reading.voice.say(questionToSay());
        break;
    case OnScreen::CorrectSentence:
        reading.voice.say(correctSentenceToSay());
        break;
    case OnScreen::WrongSentence:
        break;
    }
}
