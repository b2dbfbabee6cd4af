#include "questions/GiftQuestion.h"

#include "questions/GiftText.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {
using gift::findUnescaped;
using gift::trimmed;
constexpr auto npos = std::string_view::npos;

// Text formats a question may name after its title; Velmora shows every text as plain text.
constexpr std::string_view formats[] = {"[plain]", "[moodle]", "[html]", "[markdown]"};

// A question's sentence cut at its gap, escapes still in.
struct GappedSentence {
    std::string_view beforeGap;
    std::string_view gap;
    std::string_view afterGap;
};

struct Choice {
    bool right = false;
    std::string word;
};
using TwoChoices = std::array<Choice, 2>;

std::variant<GappedSentence, Unplayable> findGap(std::string_view block) {
    if (block.starts_with("::")) {
        const std::size_t titleEnd = findUnescaped(block, "::", 2);
        if (titleEnd == npos)
            return Unplayable{"a title without its closing ::"};
        block.remove_prefix(titleEnd + 2);
    }
    block = trimmed(block);
    for (std::string_view format : formats)
        if (block.starts_with(format)) {
            block.remove_prefix(format.size());
            break;
        }
    const std::size_t open = findUnescaped(block, "{");
    if (open == npos)
        return Unplayable{"no gap: a question needs one { }"};
    const std::size_t close = findUnescaped(block, "}", open);
    if (close == npos)
        return Unplayable{"a { that no } closes"};
    if (findUnescaped(block, "{", open + 1) != npos || findUnescaped(block, "}", close + 1) != npos)
        return Unplayable{"more than one gap"};
    return GappedSentence{block.substr(0, open), block.substr(open + 1, close - open - 1),
                          block.substr(close + 1)};
}

bool isTrueOrFalse(std::string_view answer) {
    std::string lower(answer);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char character) { return char(std::tolower(character)); });
    return lower == "t" || lower == "f" || lower == "true" || lower == "false";
}

std::variant<TwoChoices, Unplayable> readChoices(std::string_view gap) {
    gap = trimmed(gap);
    if (gap.empty())
        return Unplayable{"an essay question"};
    if (gap.front() == '#')
        return Unplayable{"a numerical question"};
    gap = gap.substr(0, findUnescaped(gap, "####")); // the general feedback
    const std::size_t firstMark = gift::findChoiceMark(gap);
    if (const std::string_view lead = trimmed(gap.substr(0, firstMark)); !lead.empty())
        return Unplayable{isTrueOrFalse(trimmed(lead.substr(0, findUnescaped(lead, "#"))))
                              ? "a true/false question"
                              : "a choice without = or ~ before it"};

    TwoChoices kept;
    int count = 0;
    int rights = 0;
    bool wrongMarked = false;
    for (std::size_t mark = firstMark; mark != npos;) {
        const std::size_t next = gift::findChoiceMark(gap, mark + 1);
        const std::string_view choice = gap.substr(mark + 1, next - (mark + 1));
        const bool right = gap[mark] == '=';
        wrongMarked = wrongMarked || !right;
        if (findUnescaped(choice, "->") != npos)
            return Unplayable{"a matching question"};
        if (trimmed(choice).starts_with('%'))
            return Unplayable{"a percent weight"};
        // Moodle writes a right answer after a wrong one as ~=word: the empty choice between
        // is no choice.
        std::string word(trimmed(gift::plainText(choice.substr(0, findUnescaped(choice, "#")))));
        if (!word.empty()) {
            if (count == 2)
                return Unplayable{"three or more choices"};
            kept[count++] = {right, std::move(word)};
            rights += right;
        }
        mark = next;
    }
    if (count == 2 && rights == 1)
        return kept;
    if (!wrongMarked)
        return Unplayable{"a short-answer question"};
    if (rights == 0)
        return Unplayable{"no right answer"};
    if (rights == 2)
        return Unplayable{"two right answers"};
    return Unplayable{"no wrong answer"};
}

} // namespace

std::variant<TeacherQuestion, Unplayable> readGiftQuestion(std::string_view block) {
    const auto sentence = findGap(block);
    if (const auto* unplayable = std::get_if<Unplayable>(&sentence))
        return *unplayable;
    const auto [beforeGap, gap, afterGap] = std::get<GappedSentence>(sentence);
    auto choices = readChoices(gap);
    if (const auto* unplayable = std::get_if<Unplayable>(&choices))
        return *unplayable;
    auto& [first, second] = std::get<TwoChoices>(choices);
    Choice& right = first.right ? first : second;
    Choice& wrong = first.right ? second : first;
    return gappedQuestion(gift::plainText(beforeGap), gift::plainText(afterGap),
                          std::move(right.word), std::move(wrong.word),
                          first.right ? Question::Side::Left : Question::Side::Right);
}
