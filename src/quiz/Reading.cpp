#include "quiz/TestScreen.h"
#include "shell/Label.h"
#include "speech/Voice.h"

#include <string>

namespace {
// How the screens show the gap, and how a reader says it: as a pause.
constexpr std::string_view gapShown = ".....";
constexpr std::string_view gapSaid = "…";

std::string trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}
} // namespace

// The sentence with a pause at its gap, then the two words in the order of their boxes, as a
// teacher reads a question out: "I … a girl. am, or is?"
std::string TestScreen::questionToSay() const {
    const Question& question = bank[std::size_t(quiz.question - 1)];
    std::string sentence = trimmed(question.stem);
    if (const std::size_t gap = sentence.find(gapShown); gap != std::string::npos)
        sentence.replace(gap, gapShown.size(), gapSaid);
    const bool correctWordOnTheLeft = quiz.correctWordSide == Question::Side::Left;
    const std::string_view left = correctWordOnTheLeft ? question.correctWord : question.wrongWord;
    const std::string_view right = correctWordOnTheLeft ? question.wrongWord : question.correctWord;
    return sentence + ' ' + std::string(left) + ", or " + std::string(right) + '?';
}

std::string TestScreen::commentToSay() const {
    return trimmed(lblComment->caption().toStdString());
}

std::string TestScreen::correctSentenceToSay() const {
    return trimmed(bank[std::size_t(quiz.question - 1)].correctSentence);
}

void TestScreen::readAloud(const std::string& text) {
    if (reading.asTextsAppear)
        reading.voice.say(text);
}

// What is on the screen to be read: the start line or the comment, the question awaiting its
// answer, or the correct sentence of the feedback. Nothing is said of a wrong sentence.
void TestScreen::sayAgain() {
    if (lblComment->visible())
        reading.voice.say(commentToSay());
    else if (lblQuestion->visible())
        reading.voice.say(questionToSay());
    else if (lblCorrect->visible())
        reading.voice.say(correctSentenceToSay());
}
