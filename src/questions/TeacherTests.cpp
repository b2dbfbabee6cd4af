#include "questions/TeacherTests.h"

#include "questions/TestNumber.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace {
constexpr int testLength = int(std::tuple_size_v<QuestionBank>);

std::string questions(int count) {
    return std::to_string(count) + (count == 1 ? " question" : " questions");
}

Question shown(const TeacherQuestion& question) {
    return {question.stem,          question.correctWord,
            question.wrongWord,     question.correctSentence,
            question.wrongSentence, question.correctSide};
}

// Gathers the questions of one category into tests of ten, in file order.
class Dealer {
  public:
    Dealer(const FitCheck& fits, std::vector<Finding>& findings) : fits(fits), findings(findings) {}

    // The playable questions of one category, in file order.
    void dealCategory(std::vector<ReadQuestion*> playable);
    // The tests that are played, so far.
    std::vector<std::vector<TeacherQuestion*>> offered;

  private:
    bool couldBeOffered(std::size_t gathered, std::size_t stillToCome) const {
        return int(offered.size()) < TestNumber::count &&
               gathered + 1 + stillToCome >= std::size_t(testLength);
    }
    void closeTest(std::vector<ReadQuestion*>& test);

    const FitCheck& fits;
    std::vector<Finding>& findings;
    int fullTests = 0;
};

void Dealer::dealCategory(std::vector<ReadQuestion*> playable) {
    std::vector<ReadQuestion*> test;
    for (std::size_t index = 0; index < playable.size(); ++index) {
        ReadQuestion& read = *playable[index];
        const TeacherQuestion& question = std::get<TeacherQuestion>(read.question);
        // Measuring takes the most time of all reading; a question that cannot be played
        // whether it fits or not is not measured.
        if (fits && couldBeOffered(test.size(), playable.size() - index - 1)) {
            if (std::optional<std::string> misfit = fits(shown(question))) {
                findings.push_back({read.line, std::move(*misfit)});
                continue;
            }
        }
        test.push_back(&read);
        if (test.size() == std::size_t(testLength))
            closeTest(test);
    }
    if (!test.empty())
        findings.push_back(
            {test.front()->line, "a test of " + questions(int(test.size())) + ": a test needs 10"});
}

void Dealer::closeTest(std::vector<ReadQuestion*>& test) {
    if (++fullTests > TestNumber::count) {
        findings.push_back({test.front()->line, "test " + std::to_string(fullTests) +
                                                    " is left out: Velmora plays at most 5 tests"});
    } else {
        auto& kept = offered.emplace_back();
        for (ReadQuestion* read : test)
            kept.push_back(&std::get<TeacherQuestion>(read->question));
    }
    test.clear();
}
} // namespace

TeacherTests dealTeacherTests(std::vector<ReadQuestion> questions, const FitCheck& fits) {
    TeacherTests result;
    Dealer dealer(fits, result.leftOut);
    std::vector<ReadQuestion*> category;
    for (std::size_t index = 0; index < questions.size(); ++index) {
        ReadQuestion& read = questions[index];
        if (const auto* unplayable = std::get_if<Unplayable>(&read.question))
            result.leftOut.push_back({read.line, std::string(unplayable->why)});
        else
            category.push_back(&read);
        if (index + 1 == questions.size() || questions[index + 1].category != read.category)
            dealer.dealCategory(std::exchange(category, {}));
    }
    std::stable_sort(result.leftOut.begin(), result.leftOut.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    // Two questions left out for one line, as two questions with no blank line between them.
    result.leftOut.erase(std::unique(result.leftOut.begin(), result.leftOut.end()),
                         result.leftOut.end());

    // The storage is reserved whole first, so the views into it stay where they are made.
    std::size_t size = 0;
    for (const auto& test : dealer.offered)
        for (const TeacherQuestion* question : test)
            size += question->stem.size() + question->correctWord.size() +
                    question->wrongWord.size() + question->correctSentence.size() +
                    question->wrongSentence.size();
    result.texts.reserve(size);
    const auto keep = [&result](const std::string& text) {
        const std::size_t at = result.texts.size();
        result.texts.insert(result.texts.end(), text.begin(), text.end());
        return std::string_view(result.texts.data() + at, text.size());
    };
    for (const auto& test : dealer.offered) {
        QuestionBank& bank = result.offered.emplace_back();
        for (std::size_t index = 0; index < test.size(); ++index) {
            const TeacherQuestion& question = *test[index];
            bank[index] = {keep(question.stem),          keep(question.correctWord),
                           keep(question.wrongWord),     keep(question.correctSentence),
                           keep(question.wrongSentence), question.correctSide};
        }
    }
    result.skipped = int(questions.size()) - testLength * int(result.offered.size());
    if (result.offered.empty())
        result.refused = Finding{0, "no test of 10 questions that Velmora can play"};
    return result;
}

TeacherTests refusedTeacherTests(Finding why) {
    TeacherTests result;
    result.refused = std::move(why);
    return result;
}
