// What holds for whatever a reader of teachers' files makes of any bytes at all: every text the
// screens would show is there to read after the result has moved, and every test is one
// Velmora can play.
#pragma once

#include "questions/CategoryName.h"
#include "questions/Gap.h"
#include "questions/TeacherTests.h"

#include <algorithm>
#include <cstdlib>
#include <libxml/xmlerror.h>
#include <optional>
#include <string>

namespace fuzz {

// Leaves out the long sentences, so that questions left out for their width take part too.
inline std::optional<std::string> fitsShortSentences(const Question& question) {
    if (question.correctSentence.size() > 60 || question.wrongSentence.size() > 60)
        return "the sentence is too wide";
    return std::nullopt;
}

inline void require(bool holds) {
    if (!holds)
        std::abort();
}

inline void abortOnPrint(void*, const char*, ...) {
    std::abort();
}

// libxml2 prints through its generic handler whatever no handler of the readers took; a reader
// that lets it print fails.
inline void failWhenLibxml2Prints() {
    xmlSetGenericErrorFunc(nullptr, abortOnPrint);
}

inline void checkQuestion(const Question& question) {
    for (std::string_view text : {question.stem, question.correctSentence, question.wrongSentence})
        require(text.starts_with(' ') && !text.starts_with("  ") && text.size() <= 60 + 5);
    require(question.stem.find(gapShown) != std::string_view::npos);
    require(!question.correctWord.empty() && question.correctWord != question.wrongWord);
    require(question.correctSentence.find(question.correctWord) != std::string_view::npos);
    require(question.wrongSentence.find(question.wrongWord) != std::string_view::npos);
}

// Moves the result first, as the program does, so that texts left behind in the moved-from
// object would be found.
inline void checkTeacherTests(TeacherTests read) {
    const TeacherTests tests = std::move(read);
    require(tests.refusal().has_value() == tests.tests().empty());
    require(tests.tests().size() <= 5);
    for (const QuestionBank& test : tests.tests()) {
        require(!test.empty() && test.size() <= longestTest);
        for (const Question& question : test)
            checkQuestion(question);
    }
    require(std::is_sorted(tests.findings().begin(), tests.findings().end(),
                           [](const Finding& a, const Finding& b) { return a.line < b.line; }));
    require(tests.questionsSkipped() >= 0);
    // A title heads a column of the class report: one line, short, and no two alike.
    require(tests.titles().size() == tests.tests().size());
    for (const std::string& title : tests.titles()) {
        require(title.size() <= 4 * longestCategoryName + std::string_view(" (5)").size());
        require(std::none_of(title.begin(), title.end(),
                             [](char c) { return static_cast<unsigned char>(c) < ' '; }));
        require(title.empty() ||
                std::count(tests.titles().begin(), tests.titles().end(), title) == 1);
    }
}

} // namespace fuzz
