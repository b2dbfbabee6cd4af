#include "questions/GiftReader.h"

#include "questions/GiftBlocks.h"
#include "questions/GiftQuestion.h"
#include "questions/TestNumber.h"
#include "questions/TextEncoding.h"

#include <algorithm>
#include <tuple>

namespace {
constexpr int testLength = int(std::tuple_size_v<QuestionBank>);

// A question Velmora can play, and where it stands in the file.
struct Playable {
    int line;
    int category;
    GiftQuestion question;
};

Question shown(const GiftQuestion& question) {
    return {question.stem,          question.correctWord,
            question.wrongWord,     question.correctSentence,
            question.wrongSentence, question.correctSide};
}

std::string questions(int count) {
    return std::to_string(count) + (count == 1 ? " question" : " questions");
}

// The questions Velmora can play and that fit, in file order; the others are findings.
std::vector<Playable> playableQuestions(const std::vector<GiftBlock>& blocks, const FitCheck& fits,
                                        std::vector<Finding>& findings) {
    std::vector<Playable> playable;
    for (const GiftBlock& block : blocks) {
        auto read = readGiftQuestion(block.text);
        if (const auto* unplayable = std::get_if<Unplayable>(&read)) {
            findings.push_back({block.line, std::string(unplayable->why)});
            continue;
        }
        auto& question = std::get<GiftQuestion>(read);
        if (fits) {
            if (std::optional<std::string> misfit = fits(shown(question))) {
                findings.push_back({block.line, std::move(*misfit)});
                continue;
            }
        }
        playable.push_back({block.line, block.category, std::move(question)});
    }
    return playable;
}

// Deals the questions into tests of ten in file order, each category starting a new test.
// Returns where each test that is played starts; a test that is short or one too many is a
// finding.
std::vector<std::size_t> dealTests(const std::vector<Playable>& playable,
                                   std::vector<Finding>& findings) {
    std::vector<std::size_t> starts;
    int fullTests = 0;
    for (std::size_t start = 0; start < playable.size();) {
        std::size_t end = start;
        while (end < playable.size() && end - start < std::size_t(testLength) &&
               playable[end].category == playable[start].category)
            ++end;
        const int count = int(end - start);
        const int line = playable[start].line;
        if (count < testLength) {
            findings.push_back({line, "a test of " + questions(count) + ": a test needs 10"});
        } else if (++fullTests > TestNumber::count) {
            findings.push_back({line, "test " + std::to_string(fullTests) +
                                          " is left out: Velmora plays at most 5 tests"});
        } else {
            starts.push_back(start);
        }
        start = end;
    }
    return starts;
}
} // namespace

TeacherTests readGift(std::string_view bytes, const FitCheck& fits) {
    TeacherTests result;
    if (bytes.size() > largestGiftFile) {
        result.refused = Finding{0, "the file is larger than 1 MiB"};
        return result;
    }
    if (std::optional<Finding> fault = findEncodingFault(bytes)) {
        result.refused = std::move(fault);
        return result;
    }
    const GiftBlocks blocks = splitGiftBlocks(withoutByteOrderMark(bytes));
    if (blocks.refusal) {
        result.refused = blocks.refusal;
        return result;
    }

    const std::vector<Playable> playable = playableQuestions(blocks.blocks, fits, result.leftOut);
    const std::vector<std::size_t> starts = dealTests(playable, result.leftOut);
    std::stable_sort(result.leftOut.begin(), result.leftOut.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });

    // The storage is reserved whole first, so the views into it stay where they are made.
    std::size_t size = 0;
    for (std::size_t start : starts)
        for (int index = 0; index < testLength; ++index) {
            const GiftQuestion& question = playable[start + index].question;
            size += question.stem.size() + question.correctWord.size() + question.wrongWord.size() +
                    question.correctSentence.size() + question.wrongSentence.size();
        }
    result.texts.reserve(size);
    const auto keep = [&result](const std::string& text) {
        const std::size_t at = result.texts.size();
        result.texts.insert(result.texts.end(), text.begin(), text.end());
        return std::string_view(result.texts.data() + at, text.size());
    };
    for (std::size_t start : starts) {
        QuestionBank& test = result.offered.emplace_back();
        for (int index = 0; index < testLength; ++index) {
            const GiftQuestion& question = playable[start + index].question;
            test[index] = {keep(question.stem),          keep(question.correctWord),
                           keep(question.wrongWord),     keep(question.correctSentence),
                           keep(question.wrongSentence), question.correctSide};
        }
    }
    result.skipped = int(blocks.blocks.size()) - testLength * int(result.offered.size());
    if (result.offered.empty())
        result.refused = Finding{0, "no test of 10 questions that Velmora can play"};
    return result;
}
