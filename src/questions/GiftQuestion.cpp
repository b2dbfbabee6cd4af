#include "questions/GiftQuestion.h"

#include "questions/ChoiceWeight.h"
#include "questions/GiftText.h"
#include "questions/HtmlText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

namespace {
using gift::findUnescaped;
using gift::trimmed;
constexpr auto npos = std::string_view::npos;

// How the sentence and the words of a question are written, named after its title. Moodle
// treats its own "moodle" format as HTML with line breaks, which are blanks on the screens.
enum class TextFormat { Plain, Html, Markdown };
struct FormatMark {
    std::string_view mark;
    TextFormat format;
};
constexpr FormatMark formats[] = {{"[plain]", TextFormat::Plain},
                                  {"[moodle]", TextFormat::Html},
                                  {"[html]", TextFormat::Html},
                                  {"[markdown]", TextFormat::Markdown}};

// Moodle writes a gap inside the sentence as a run of underscores, the answers after it.
constexpr std::string_view underscoreGap = "___";

// A question's sentence cut at its gap, escapes still in.
struct GappedSentence {
    TextFormat format;
    std::string_view beforeGap;
    std::string_view gap;
    std::string_view afterGap;
};

struct Choice {
    bool correct = false;
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
    TextFormat format = TextFormat::Plain;
    for (const auto& [mark, named] : formats)
        if (block.starts_with(mark)) {
            block.remove_prefix(mark.size());
            format = named;
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
    return GappedSentence{format, block.substr(0, open), block.substr(open + 1, close - open - 1),
                          block.substr(close + 1)};
}

// Markdown's emphasis marks: every * and each run of one or two _, but not a gap's underscores.
std::string withoutEmphasis(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find_first_not_of(text[at], at), text.size());
        const bool emphasis =
            text[at] == '*' || (text[at] == '_' && end - at < underscoreGap.size());
        if (!emphasis)
            plain.append(text.substr(at, end - at));
        at = end;
    }
    return plain;
}

// A text as the screens show it: GIFT's escapes undone, then read in the question's format.
std::variant<std::string, Unplayable> shownText(TextFormat format, std::string_view text) {
    std::string plain = gift::plainText(text);
    switch (format) {
    case TextFormat::Html: {
        HtmlText html = htmlText(plain);
        if (html.unplayable)
            return *html.unplayable;
        return std::move(html.text);
    }
    case TextFormat::Markdown:
        return withoutEmphasis(plain);
    case TextFormat::Plain:
        break;
    }
    return plain;
}

bool isTrueOrFalse(std::string_view answer) {
    std::string lower(answer);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char character) { return char(std::tolower(character)); });
    return lower == "t" || lower == "f" || lower == "true" || lower == "false";
}

// The choices of a multiple-choice gap, gathered one at a time.
class ChoiceList {
  public:
    explicit ChoiceList(TextFormat format) : format(format) {}

    // One choice as it stands after its mark, = for correct and ~ for a choice with or without
    // a weight; nothing when the choice leaves its question playable.
    std::optional<Unplayable> add(char mark, std::string_view choice);
    std::variant<TwoChoices, Unplayable> two() const;

  private:
    TextFormat format;
    TwoChoices kept;
    int count = 0;
    int corrects = 0;
};

std::optional<Unplayable> ChoiceList::add(char mark, std::string_view choice) {
    choice = trimmed(choice);
    const std::size_t weightEnd = choice.starts_with('%') ? choice.find('%', 1) : npos;
    const std::optional<double> percent =
        weightEnd == npos ? std::nullopt : percentOf(choice.substr(1, weightEnd - 1));
    bool correct = mark == '=';
    if (correct && percent)
        return Unplayable{"a weight after =, which Moodle shows as part of the word"};
    if (!correct && choice.starts_with('%')) {
        if (!percent)
            return Unplayable{"a weight Velmora cannot read"};
        const ChoiceWeight weight = choiceWeight(*percent);
        if (weight == ChoiceWeight::PartMarks)
            return Unplayable{partMarks};
        correct = weight == ChoiceWeight::Correct;
        choice.remove_prefix(weightEnd + 1);
    }
    auto shown = shownText(format, choice.substr(0, findUnescaped(choice, "#")));
    if (const auto* unplayable = std::get_if<Unplayable>(&shown))
        return *unplayable;
    // Moodle leaves out a choice with no words, as the empty piece its importer cuts before the
    // = of ~=was.
    std::string word(trimmed(std::get<std::string>(shown)));
    if (word.empty())
        return std::nullopt;
    if (count == 2)
        return Unplayable{"three or more choices"};
    kept[count++] = {correct, std::move(word)};
    corrects += correct;
    return std::nullopt;
}

std::variant<TwoChoices, Unplayable> ChoiceList::two() const {
    if (corrects == 0)
        return Unplayable{"no right answer"};
    if (corrects == 2)
        return Unplayable{"two right answers"};
    if (count < 2)
        return Unplayable{"no wrong answer"};
    return kept;
}

// Where the general feedback starts: Moodle takes the last ####.
std::size_t generalFeedback(std::string_view gap) {
    std::size_t last = npos;
    for (std::size_t at = findUnescaped(gap, "####"); at != npos;
         at = findUnescaped(gap, "####", at + 1))
        last = at;
    return last;
}

std::variant<TwoChoices, Unplayable> readChoices(TextFormat format, std::string_view gap) {
    gap = trimmed(gap);
    if (gap.empty())
        return Unplayable{"an essay question"};
    if (gap.front() == '#')
        return Unplayable{"a numerical question"};
    gap = gap.substr(0, generalFeedback(gap));
    // Moodle reads a gap as multiple choice only when it holds a ~.
    if (findUnescaped(gap, "~") == npos) {
        if (findUnescaped(gap, "=") != npos && findUnescaped(gap, "->") != npos)
            return Unplayable{"a matching question"};
        if (isTrueOrFalse(trimmed(gap.substr(0, findUnescaped(gap, "#")))))
            return Unplayable{"a true/false question"};
        return Unplayable{"a short-answer question"};
    }
    // The text before the first mark is a choice as one after a ~ is.
    ChoiceList choices(format);
    std::size_t mark = gift::findChoiceMark(gap);
    if (auto unplayable = choices.add('~', gap.substr(0, mark)))
        return *unplayable;
    while (mark != npos) {
        const std::size_t next = gift::findChoiceMark(gap, mark + 1);
        if (auto unplayable = choices.add(gap[mark], gap.substr(mark + 1, next - (mark + 1))))
            return *unplayable;
        mark = next;
    }
    return choices.two();
}

// The sentence on either side of the gap, as the screens show it.
struct SentenceAround {
    std::string beforeGap;
    std::string afterGap;
};

std::variant<SentenceAround, Unplayable> sentenceAround(const GappedSentence& sentence) {
    auto before = shownText(sentence.format, sentence.beforeGap);
    if (const auto* unplayable = std::get_if<Unplayable>(&before))
        return *unplayable;
    auto after = shownText(sentence.format, sentence.afterGap);
    if (const auto* unplayable = std::get_if<Unplayable>(&after))
        return *unplayable;
    std::string& textBefore = std::get<std::string>(before);
    std::string& textAfter = std::get<std::string>(after);
    // With the answers inside the sentence, underscores are the teacher's own text.
    if (!trimmed(textAfter).empty())
        return SentenceAround{std::move(textBefore), std::move(textAfter)};
    const auto gap = findUnderscoreGap(textBefore);
    if (const auto* unplayable = std::get_if<Unplayable>(&gap))
        return *unplayable;
    const auto [start, end] = std::get<UnderscoreGap>(gap);
    if (start == npos)
        return SentenceAround{std::move(textBefore), std::move(textAfter)};
    return SentenceAround{textBefore.substr(0, start), textBefore.substr(end) + textAfter};
}
} // namespace

std::variant<TeacherQuestion, Unplayable> readGiftQuestion(std::string_view block) {
    const auto sentence = findGap(block);
    if (const auto* unplayable = std::get_if<Unplayable>(&sentence))
        return *unplayable;
    const GappedSentence& gapped = std::get<GappedSentence>(sentence);
    auto choices = readChoices(gapped.format, gapped.gap);
    if (const auto* unplayable = std::get_if<Unplayable>(&choices))
        return *unplayable;
    auto around = sentenceAround(gapped);
    if (const auto* unplayable = std::get_if<Unplayable>(&around))
        return *unplayable;
    auto& [first, second] = std::get<TwoChoices>(choices);
    Choice& correct = first.correct ? first : second;
    Choice& wrong = first.correct ? second : first;
    const auto& [beforeGap, afterGap] = std::get<SentenceAround>(around);
    return gappedQuestion(beforeGap, afterGap, std::move(correct.word), std::move(wrong.word),
                          first.correct ? Question::Side::Left : Question::Side::Right);
}
