// Any bytes at all go through the reader of teachers' files without a crash, a leak or a hang,
// and what comes out holds together: every text the screens would show is there to read after
// the result has moved, and every test is one Velmora can play.
#include "questions/GiftReader.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {
// Leaves out the long sentences, so that questions left out for their width take part too.
std::optional<std::string> fitsShortSentences(const Question& question) {
    if (question.correctSentence.size() > 60 || question.wrongSentence.size() > 60)
        return "the sentence is too wide";
    return std::nullopt;
}

void require(bool holds) {
    if (!holds)
        std::abort();
}

void checkQuestion(const Question& question) {
    for (std::string_view text : {question.stem, question.correctSentence, question.wrongSentence})
        require(text.starts_with(' ') && !text.starts_with("  ") && text.size() <= 60 + 5);
    require(question.stem.find(".....") != std::string_view::npos);
    require(!question.correctWord.empty() && question.correctWord != question.wrongWord);
    require(question.correctSentence.find(question.correctWord) != std::string_view::npos);
    require(question.wrongSentence.find(question.wrongWord) != std::string_view::npos);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TeacherTests read = readGift({reinterpret_cast<const char*>(data), size}, fitsShortSentences);
    const TeacherTests tests = std::move(read);
    require(tests.refusal().has_value() == tests.tests().empty());
    require(tests.tests().size() <= 5);
    for (const QuestionBank& test : tests.tests())
        for (const Question& question : test)
            checkQuestion(question);
    require(std::is_sorted(tests.findings().begin(), tests.findings().end(),
                           [](const Finding& a, const Finding& b) { return a.line < b.line; }));
    require(tests.questionsSkipped() >= 0);
    return 0;
}
