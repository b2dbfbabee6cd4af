#include "quiz/TestScreen.h"
#include "shell/Label.h"
#include "shell/TextBox.h"

namespace {
QString shown(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
} // namespace

// A number that is not one of the bank's (0 before the start) changes nothing.
void TestScreen::txtQ_Change() {
    if (quiz.question >= 1 && quiz.question <= questionCount())
        present(bank[std::size_t(quiz.question - 1)], quiz.question == questionCount());
}

void TestScreen::present(const Question& question, bool last) {
    quiz.correctWordSide = question.correctSide;
    const bool correctWordOnTheLeft = quiz.correctWordSide == Question::Side::Left;
    txtY->setText(shown(correctWordOnTheLeft ? question.correctWord : question.wrongWord));
    txtN->setText(shown(correctWordOnTheLeft ? question.wrongWord : question.correctWord));
    lblQuestion->setVisible(true);
    quiz.toRead = OnScreen::Question;
    lblQuestion->setCaption(shown(question.stem));
    lblCorrect->setCaption(shown(question.correctSentence));
    lblWrong->setCaption(shown(question.wrongSentence));
    if (last)
        lblNext->setCaption("The test is over, click here to see comment.");
    readAloud(questionToSay());
}
