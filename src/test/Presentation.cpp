#include "shell/Label.h"
#include "shell/TextBox.h"
#include "test/Counters.h"
#include "test/TestScreen.h"

namespace {
QString fromStored(std::string_view stored) {
    return QString::fromLatin1(stored.data(), qsizetype(stored.size()));
}
} // namespace

void TestScreen::txtQ_Change() {
    presentQuestion(bank, toNumber(textBox("txtQ").text()), *this);
}

void TestScreen::setTextBoxText(const char* name, std::string_view text) {
    textBox(name).setText(fromStored(text));
}

void TestScreen::setLabelCaption(const char* name, std::string_view caption) {
    label(name).setCaption(fromStored(caption));
}

void TestScreen::showLabel(const char* name) {
    label(name).setVisible(true);
}
