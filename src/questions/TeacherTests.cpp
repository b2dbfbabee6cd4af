#include "questions/TeacherTests.h"

#include "vocabulary/TestNumber.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <set>
#include <span>
#include <utility>

namespace {
Question shown(const TeacherQuestion& question) {
    return {question.stem,          question.correctWord,
            question.wrongWord,     question.correctSentence,
            question.wrongSentence, question.correctSide};
}

// The lengths of the tests that `count` questions of one category make: as few tests as hold
// them, as even as can be, the longer ones first, so that 28 questions make 10, 9 and 9.
std::vector<std::size_t> testLengths(std::size_t count) {
    if (count == 0)
        return {};
    const std::size_t tests = (count + longestTest - 1) / longestTest;
    std::vector<std::size_t> lengths(tests, count / tests);
    for (std::size_t test = 0; test < count % tests; ++test)
        ++lengths[test];
    return lengths;
}

// A test as it is dealt: its questions, and the category they come from.
struct DealtTest {
    int category = 0;
    std::vector<TeacherQuestion*> questions;
};

// Gathers the questions of one category into tests, in file order.
class Dealer {
  public:
    Dealer(const FitCheck& fits, std::vector<Finding>& findings) : fits(fits), findings(findings) {}

    // The playable questions of one category, in file order.
    void dealCategory(const std::vector<ReadQuestion*>& playable);
    // The tests that are played, so far.
    std::vector<DealtTest> offered;

  private:
    // How many of a category's first questions are played, when it holds `count` in all.
    std::size_t played(std::size_t count) const;
    void closeTest(std::span<ReadQuestion* const> test);

    const FitCheck& fits;
    std::vector<Finding>& findings;
    int testsDealt = 0;
};

std::size_t Dealer::played(std::size_t count) const {
    const std::vector<std::size_t> lengths = testLengths(count);
    const std::size_t testsLeft = std::size_t(TestNumber::count) - offered.size();
    return std::accumulate(lengths.begin(), lengths.begin() + std::min(testsLeft, lengths.size()),
                           std::size_t(0));
}

void Dealer::dealCategory(const std::vector<ReadQuestion*>& playable) {
    // Measuring takes the most time of all reading, so only the questions that land in a played
    // test are measured. A question that does not fit shortens the category, which can move
    // later ones into the played tests: those are measured in their turn. The questions after
    // them count as they are.
    std::vector<ReadQuestion*> fitting;
    std::size_t next = 0;
    while (fits && next < playable.size() &&
           fitting.size() < played(fitting.size() + playable.size() - next)) {
        ReadQuestion& read = *playable[next++];
        if (std::optional<std::string> misfit = fits(shown(*read.question)))
            findings.push_back({read.line, std::move(*misfit)});
        else
            fitting.push_back(&read);
    }
    fitting.insert(fitting.end(), playable.begin() + std::ptrdiff_t(next), playable.end());
    std::span<ReadQuestion* const> rest = fitting;
    for (std::size_t length : testLengths(fitting.size())) {
        closeTest(rest.first(length));
        rest = rest.subspan(length);
    }
}

void Dealer::closeTest(std::span<ReadQuestion* const> test) {
    if (++testsDealt > TestNumber::count) {
        findings.push_back({test.front()->line, "test " + std::to_string(testsDealt) +
                                                    " is left out: Velmora plays at most 5 tests"});
        return;
    }
    DealtTest& kept = offered.emplace_back(DealtTest{test.front()->category, {}});
    for (ReadQuestion* read : test)
        kept.questions.push_back(&*read->question);
}

// The class report heads a column with each title, so no two tests of a file may share one.
std::vector<std::string> titlesOf(const std::vector<DealtTest>& tests,
                                  const std::vector<std::string>& categories) {
    std::vector<std::string> titles;
    std::map<std::string, int> sharing;
    for (const DealtTest& test : tests) {
        const auto category = std::size_t(test.category);
        titles.push_back(category < categories.size() ? categories[category] : std::string());
        ++sharing[titles.back()];
    }
    // The numbers skip a name that another category already has ("Past (1)" beside two "Past").
    std::set<std::string> taken;
    for (const std::string& title : titles)
        if (sharing[title] == 1)
            taken.insert(title);
    std::map<std::string, int> numbered;
    for (std::string& title : titles) {
        if (title.empty() || sharing[title] == 1)
            continue;
        std::string distinct;
        int& number = numbered[title];
        do
            distinct = title + " (" + std::to_string(++number) + ")";
        while (!taken.insert(distinct).second);
        title = std::move(distinct);
    }
    return titles;
}
} // namespace

TeacherTests dealTeacherTests(std::vector<ReadQuestion> questions,
                              const std::vector<std::string>& categories, const FitCheck& fits) {
    TeacherTests result;
    Dealer dealer(fits, result.leftOut);
    std::vector<ReadQuestion*> category;
    for (std::size_t index = 0; index < questions.size(); ++index) {
        ReadQuestion& read = questions[index];
        if (!read.question)
            result.leftOut.push_back({read.line, std::string(read.question.unplayable().why)});
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
    std::size_t count = 0;
    for (const DealtTest& test : dealer.offered) {
        count += test.questions.size();
        for (const TeacherQuestion* question : test.questions)
            size += question->stem.size() + question->correctWord.size() +
                    question->wrongWord.size() + question->correctSentence.size() +
                    question->wrongSentence.size();
    }
    result.texts.reserve(size);
    result.questions.reserve(count);
    const auto keep = [&result](const std::string& text) {
        const std::size_t at = result.texts.size();
        result.texts.insert(result.texts.end(), text.begin(), text.end());
        return std::string_view(result.texts.data() + at, text.size());
    };
    for (const DealtTest& test : dealer.offered) {
        const std::size_t first = result.questions.size();
        for (const TeacherQuestion* question : test.questions)
            result.questions.push_back({keep(question->stem), keep(question->correctWord),
                                        keep(question->wrongWord), keep(question->correctSentence),
                                        keep(question->wrongSentence), question->correctSide});
        result.offered.push_back(
            QuestionBank(result.questions).subspan(first, test.questions.size()));
    }
    result.named = titlesOf(dealer.offered, categories);
    result.skipped = int(questions.size() - count);
    if (result.offered.empty())
        result.refused = Finding{0, "no question that Velmora can play"};
    return result;
}

TeacherTests refusedTeacherTests(Finding why) {
    TeacherTests result;
    result.refused = std::move(why);
    return result;
}
