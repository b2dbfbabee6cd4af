#pragma once

#include "questions/Question.h"

#include <string_view>

// The controls of a test screen that a question is put into, by their names on the screen.
class QuestionSheet {
  public:
    virtual ~QuestionSheet() = default;
    virtual void setTextBoxText(const char* textBox, std::string_view text) = 0;
    virtual void setLabelCaption(const char* label, std::string_view caption) = 0;
    virtual void showLabel(const char* label) = 0;
};

// Puts the question with this number of the bank on the sheet; a number that is not one of the
// bank's changes nothing.
void presentQuestion(const QuestionBank& bank, double questionNumber, QuestionSheet& sheet);
