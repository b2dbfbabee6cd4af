#include "shell/Label.h"
#include "shell/TextBox.h"
#include "test/Counters.h"
#include "test/TestScreen.h"

namespace {
QString text(std::string_view stored) {
    return QString::fromLatin1(stored.data(), qsizetype(stored.size()));
}
} // namespace

void TestScreen::txtQ_Change() {
    const double question = toNumber(textBox("txtQ").text());
    for (int k = 1; k <= int(bank.size()); ++k)
        if (question == k)
            present(bank[k - 1], k);
}

void TestScreen::present(const Question& question, int questionNumber) {
    textBox("txtY").setText(text(question.correctWord));
    textBox("txtN").setText(text(question.wrongWord));
    label("lblQuestion").setVisible(true);
    label("lblQuestion").setCaption(text(question.stem));
    label("lblCorrect").setCaption(text(question.correctSentence));
    label("lblWrong").setCaption(text(question.wrongSentence));
    if (questionNumber == int(bank.size()))
        label("lblNext").setCaption("The test is over, click here to see comment.");
}
