#include "questions/Presentation.h"

namespace {
void present(const Question& question, bool last, QuestionSheet& sheet) {
    sheet.setTextBoxText("txtY", question.correctWord);
    sheet.setTextBoxText("txtN", question.wrongWord);
    sheet.showLabel("lblQuestion");
    sheet.setLabelCaption("lblQuestion", question.stem);
    sheet.setLabelCaption("lblCorrect", question.correctSentence);
    sheet.setLabelCaption("lblWrong", question.wrongSentence);
    if (last)
        sheet.setLabelCaption("lblNext", "The test is over, click here to see comment.");
}
} // namespace

void presentQuestion(const QuestionBank& bank, double questionNumber, QuestionSheet& sheet) {
    const int count = int(bank.size());
    for (int k = 1; k <= count; ++k)
        if (questionNumber == k)
            present(bank[k - 1], k == count, sheet);
}
