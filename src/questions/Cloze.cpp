#include "questions/Cloze.h"

#include "questions/ChoiceWeight.h"
#include "questions/Escapes.h"
#include "questions/MoodleText.h"
#include "vocabulary/Blanks.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {
constexpr auto npos = std::string_view::npos;

enum class GapKind { choice, shortAnswer, numerical, severalCorrect };

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
    {"MULTIRESPONSE", GapKind::severalCorrect, false},
    {"MR", GapKind::severalCorrect, false},
    {"MULTIRESPONSE_H", GapKind::severalCorrect, false},
    {"MRH", GapKind::severalCorrect, false},
    {"MULTIRESPONSE_S", GapKind::severalCorrect, true},
    {"MRS", GapKind::severalCorrect, true},
    {"MULTIRESPONSE_HS", GapKind::severalCorrect, true},
    {"MRHS", GapKind::severalCorrect, true},
};

constexpr std::string_view whyNotAChoice[] = {"", "a short-answer gap", "a numerical gap",
                                              "a gap with several right answers"};

// The characters a backslash takes the meaning from inside a subquestion.
constexpr Escapes escapes{"}#~/\"\\"};

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
    const std::size_t close = escapes.findAnyOf(text, "}", typeEnd + 1);
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

// Whether an & stands just before `at`, on its own or written as HTML's &amp;: then the # of an
// entity there does not start the feedback, nor does a ~ start the next choice.
bool followsAmpersand(std::string_view answers, std::size_t at) {
    const std::string_view before = answers.substr(0, at);
    return before.ends_with('&') || before.ends_with("&amp;");
}

// Where the answer that starts at `from` ends: at the first ~ or # after its first character
// that neither a backslash nor an ampersand stands before.
std::size_t answerEnd(std::string_view answers, std::size_t from) {
    const std::size_t end = escapes.find(answers, from, [&](std::size_t at) {
        return at > from && (answers[at] == '~' || answers[at] == '#') &&
               !followsAmpersand(answers, at);
    });
    return std::min(end, answers.size());
}

struct Choice {
    bool correct;
    std::string word;
};

// The choices of a gap as Moodle reads them. Each may begin with a ~; then = marks it correct and
// %N% weighs it, and without either it is wrong; then come its words and, after a #, its
// feedback. A choice of blanks only is left out, as Moodle leaves it out.
class ChoiceReader {
  public:
    // One choice from `at` on; returns where the next one starts.
    std::size_t read(std::string_view answers, std::size_t at);
    Playable<std::vector<Choice>> choices() const;

  private:
    std::vector<Choice> found;
    std::optional<Unplayable> unplayable;
};

std::size_t ChoiceReader::read(std::string_view answers, std::size_t at) {
    if (answers[at] == '~')
        ++at;
    std::optional<double> percent;
    if (answers.substr(at).starts_with('=')) {
        percent = 100;
        ++at;
    } else if (answers.substr(at).starts_with('%')) {
        const std::size_t close = answers.find('%', at + 1);
        percent = close == npos ? std::nullopt : percentOf(answers.substr(at + 1, close - at - 1));
        if (!percent)
            unplayable = Unplayable{"a weight Velmora cannot read"};
        at = close == npos ? answers.size() : close + 1;
    }
    const std::size_t end = answerEnd(answers, at);
    const std::string_view answer = trimmed(answers.substr(at, end - at));
    at = end < answers.size() && answers[end] == '#'
             ? std::min(escapes.findAnyOf(answers, "~", end), answers.size())
             : end;
    if (unplayable || answer.empty())
        return at;
    if (!percent && (answer.starts_with('=') || answer.starts_with('%')))
        unplayable = Unplayable{"a blank before = or %, which Moodle reads as part of the word"};
    else if (choiceWeight(percent.value_or(0)) == ChoiceWeight::PartMarks)
        unplayable = Unplayable{partMarks};
    else if (found.size() == 2)
        unplayable = Unplayable{"three or more choices"};
    else
        found.push_back({percent == 100, escapes.unescaped(answer)});
    return at;
}

Playable<std::vector<Choice>> ChoiceReader::choices() const {
    if (unplayable)
        return *unplayable;
    const auto corrects = std::ranges::count(found, true, &Choice::correct);
    if (corrects == 0)
        return Unplayable{"no right answer"};
    if (corrects == 2)
        return Unplayable{"two right answers"};
    if (found.size() < 2)
        return Unplayable{"no wrong answer"};
    return found;
}
} // namespace

Playable<ClozeGap> readCloze(std::string_view text) {
    const std::vector<Subquestion> subquestions = subquestionsOf(text);
    if (subquestions.empty())
        return Unplayable{"no gap: a cloze question needs one {1:MULTICHOICE:=right~wrong}"};
    if (subquestions.size() > 1)
        return Unplayable{"more than one gap"};
    const Subquestion& gap = subquestions.front();
    if (gap.type->kind != GapKind::choice)
        return Unplayable{whyNotAChoice[int(gap.type->kind)]};

    ChoiceReader reader;
    for (std::size_t at = 0; at < gap.answers.size();)
        at = reader.read(gap.answers, at);
    auto read = reader.choices();
    if (!read)
        return read.unplayable();
    std::vector<Choice>& choices = *read;
    const bool correctFirst = choices[0].correct;
    return ClozeGap{text.substr(0, gap.start),
                    text.substr(gap.end),
                    std::move(choices[correctFirst ? 0 : 1].word),
                    std::move(choices[correctFirst ? 1 : 0].word),
                    correctFirst,
                    gap.type->shuffled};
}
