#include "questions/Cloze.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

namespace {
constexpr auto npos = std::string_view::npos;

enum class GapKind { choice, shortAnswer, numerical, severalRight };

struct ClozeType {
    std::string_view name;
    GapKind kind;
    bool shuffled;
};

// Every subquestion type Moodle reads, long and short names alike.
constexpr ClozeType clozeTypes[] = {
    {"MULTICHOICE", GapKind::choice, false},
    {"MC", GapKind::choice, false},
    {"MULTICHOICE_V", GapKind::choice, false},
    {"MCV", GapKind::choice, false},
    {"MULTICHOICE_H", GapKind::choice, false},
    {"MCH", GapKind::choice, false},
    {"MULTICHOICE_S", GapKind::choice, true},
    {"MCS", GapKind::choice, true},
    {"MULTICHOICE_VS", GapKind::choice, true},
    {"MCVS", GapKind::choice, true},
    {"MULTICHOICE_HS", GapKind::choice, true},
    {"MCHS", GapKind::choice, true},
    {"SHORTANSWER", GapKind::shortAnswer, false},
    {"SA", GapKind::shortAnswer, false},
    {"MW", GapKind::shortAnswer, false},
    {"SHORTANSWER_C", GapKind::shortAnswer, false},
    {"SAC", GapKind::shortAnswer, false},
    {"MWC", GapKind::shortAnswer, false},
    {"NUMERICAL", GapKind::numerical, false},
    {"NM", GapKind::numerical, false},
    {"MULTIRESPONSE", GapKind::severalRight, false},
    {"MR", GapKind::severalRight, false},
    {"MULTIRESPONSE_H", GapKind::severalRight, false},
    {"MRH", GapKind::severalRight, false},
    {"MULTIRESPONSE_S", GapKind::severalRight, true},
    {"MRS", GapKind::severalRight, true},
    {"MULTIRESPONSE_HS", GapKind::severalRight, true},
    {"MRHS", GapKind::severalRight, true},
};

constexpr std::string_view whyNotAChoice[] = {"", "a short-answer gap", "a numerical gap",
                                              "a gap with several right answers"};

// The characters a backslash takes the meaning from inside a subquestion.
constexpr std::string_view escapable = "}#~/\"\\";

// Where the first of the characters stands from `from` on, not taken by a backslash.
std::size_t findUnescaped(std::string_view text, std::string_view characters, std::size_t from) {
    for (std::size_t at = from; at < text.size(); ++at) {
        if (text[at] == '\\' && at + 1 < text.size() && escapable.find(text[at + 1]) != npos)
            ++at;
        else if (characters.find(text[at]) != npos)
            return at;
    }
    return npos;
}

std::string unescaped(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\\' && at + 1 < text.size() && escapable.find(text[at + 1]) != npos)
            ++at;
        plain += text[at];
    }
    return plain;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// One subquestion where Moodle would see one: {weight:TYPE:answers}.
struct Subquestion {
    std::size_t start;
    std::size_t end; // just after its }
    const ClozeType* type;
    std::string_view answers;
};

std::optional<Subquestion> subquestionAt(std::string_view text, std::size_t open) {
    std::size_t at = open + 1;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9')
        ++at;
    if (at == text.size() || text[at] != ':')
        return std::nullopt;
    const std::size_t typeEnd = text.find(':', at + 1);
    if (typeEnd == npos)
        return std::nullopt;
    const std::string_view name = text.substr(at + 1, typeEnd - at - 1);
    const auto type = std::ranges::find(clozeTypes, name, &ClozeType::name);
    if (type == std::end(clozeTypes))
        return std::nullopt;
    const std::size_t close = findUnescaped(text, "}", typeEnd + 1);
    if (close == npos)
        return std::nullopt;
    return Subquestion{open, close + 1, type, text.substr(typeEnd + 1, close - typeEnd - 1)};
}

std::vector<Subquestion> subquestionsOf(std::string_view text) {
    std::vector<Subquestion> found;
    for (std::size_t open = text.find('{'); open != npos;) {
        const std::optional<Subquestion> subquestion = subquestionAt(text, open);
        if (subquestion)
            found.push_back(*subquestion);
        open = text.find('{', subquestion ? subquestion->end : open + 1);
    }
    return found;
}

// The weight before an answer: = is 100%, %N% is N%, and none is 0%. Nothing when the weight
// cannot be read.
std::optional<double> weightOf(std::string_view& answer) {
    if (answer.starts_with('=')) {
        answer.remove_prefix(1);
        return 100;
    }
    if (!answer.starts_with('%'))
        return 0;
    const std::size_t close = answer.find('%', 1);
    if (close == npos)
        return std::nullopt;
    std::string number(answer.substr(1, close - 1));
    std::ranges::replace(number, ',', '.');
    double weight = 0;
    const auto [end, fault] = std::from_chars(number.data(), number.data() + number.size(), weight,
                                              std::chars_format::fixed);
    if (fault != std::errc() || end != number.data() + number.size())
        return std::nullopt;
    answer.remove_prefix(close + 1);
    return weight;
}

struct Choice {
    bool right;
    std::string word;
};
} // namespace

std::variant<ClozeGap, Unplayable> readCloze(std::string_view text) {
    const std::vector<Subquestion> subquestions = subquestionsOf(text);
    if (subquestions.empty())
        return Unplayable{"no gap: a cloze question needs one {1:MULTICHOICE:=right~wrong}"};
    if (subquestions.size() > 1)
        return Unplayable{"more than one gap"};
    const Subquestion& gap = subquestions.front();
    if (gap.type->kind != GapKind::choice)
        return Unplayable{whyNotAChoice[int(gap.type->kind)]};

    std::vector<Choice> choices;
    for (std::size_t from = 0; from <= gap.answers.size();) {
        const std::size_t next =
            std::min(findUnescaped(gap.answers, "~", from), gap.answers.size());
        std::string_view answer = trimmed(gap.answers.substr(from, next - from));
        from = next + 1;
        const std::optional<double> weight = weightOf(answer);
        if (!weight)
            return Unplayable{"a weight Velmora cannot read"};
        if (*weight != 100 && *weight != 0)
            return Unplayable{"a weight other than 100% or 0%"};
        answer = answer.substr(0, findUnescaped(answer, "#", 0)); // the feedback
        std::string word = unescaped(trimmed(answer));
        if (word.empty())
            return Unplayable{"an empty choice"};
        if (choices.size() == 2)
            return Unplayable{"three or more choices"};
        choices.push_back({*weight == 100, std::move(word)});
    }
    if (choices.size() < 2)
        return Unplayable{choices.front().right ? "no wrong answer" : "no right answer"};
    if (choices[0].right == choices[1].right)
        return Unplayable{choices[0].right ? "two right answers" : "no right answer"};
    const bool rightFirst = choices[0].right;
    return ClozeGap{text.substr(0, gap.start),
                    text.substr(gap.end),
                    std::move(choices[rightFirst ? 0 : 1].word),
                    std::move(choices[rightFirst ? 1 : 0].word),
                    rightFirst,
                    gap.type->shuffled};
}
