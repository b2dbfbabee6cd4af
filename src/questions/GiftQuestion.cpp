#include "questions/GiftQuestion.h"

#include "questions/ChoiceWeight.h"
#include "questions/Gap.h"
#include "questions/GiftText.h"
#include "questions/HtmlText.h"
#include "vocabulary/Blanks.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

namespace {
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

Playable<GappedSentence> findGap(std::string_view block) {
    if (block.starts_with("::")) {
        const std::size_t titleEnd = gift::escapes.find(block, "::", 2);
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
    const std::size_t open = gift::escapes.find(block, "{");
    if (open == npos)
        return Unplayable{"no gap: a question needs one { }"};
    const std::size_t close = gift::escapes.find(block, "}", open);
    if (close == npos)
        return Unplayable{"a { that no } closes"};
    if (gift::escapes.find(block, "{", open + 1) != npos ||
        gift::escapes.find(block, "}", close + 1) != npos)
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
        const bool emphasis = text[at] == '*' || (text[at] == '_' && end - at < gapWritten.size());
        if (!emphasis)
            plain.append(text.substr(at, end - at));
        at = end;
    }
    return plain;
}

// A text as the screens show it: GIFT's escapes undone, then read in the question's format.
Playable<std::string> shownText(TextFormat format, std::string_view text) {
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
    Playable<TwoChoices> two() const;

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
    auto shown = shownText(format, choice.substr(0, gift::escapes.find(choice, "#")));
    if (!shown)
        return shown.unplayable();
    // Moodle leaves out a choice with no words, as the empty piece its importer cuts before the
    // = of ~=was.
    std::string word(trimmed(*shown));
    if (word.empty())
        return std::nullopt;
    if (count == 2)
        return Unplayable{"three or more choices"};
    kept[count++] = {correct, std::move(word)};
    corrects += correct;
    return std::nullopt;
}

Playable<TwoChoices> ChoiceList::two() const {
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
    for (std::size_t at = gift::escapes.find(gap, "####"); at != npos;
         at = gift::escapes.find(gap, "####", at + 1))
        last = at;
    return last;
}

Playable<TwoChoices> readChoices(TextFormat format, std::string_view gap) {
    gap = trimmed(gap);
    if (gap.empty())
        return Unplayable{"an essay question"};
    if (gap.front() == '#')
        return Unplayable{"a numerical question"};
    gap = gap.substr(0, generalFeedback(gap));
    // Moodle reads a gap as multiple choice only when it holds a ~.
    if (gift::escapes.find(gap, "~") == npos) {
        if (gift::escapes.find(gap, "=") != npos && gift::escapes.find(gap, "->") != npos)
            return Unplayable{"a matching question"};
        if (isTrueOrFalse(trimmed(gap.substr(0, gift::escapes.find(gap, "#")))))
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

Playable<SentenceAround> sentenceAround(const GappedSentence& sentence) {
    auto before = shownText(sentence.format, sentence.beforeGap);
    if (!before)
        return before.unplayable();
    auto after = shownText(sentence.format, sentence.afterGap);
    if (!after)
        return after.unplayable();
    std::string& textBefore = *before;
    std::string& textAfter = *after;
    // With the answers inside the sentence, underscores are the teacher's own text.
    if (!trimmed(textAfter).empty())
        return SentenceAround{std::move(textBefore), std::move(textAfter)};
    const auto gap = findUnderscoreGap(textBefore);
    if (!gap)
        return gap.unplayable();
    const auto [start, end] = *gap;
    if (start == npos)
        return SentenceAround{std::move(textBefore), std::move(textAfter)};
    return SentenceAround{textBefore.substr(0, start), textBefore.substr(end) + textAfter};
}
} // namespace

Playable<TeacherQuestion> readGiftQuestion(std::string_view block) {
    const auto sentence = findGap(block);
    if (!sentence)
        return sentence.unplayable();
    auto choices = readChoices(sentence->format, sentence->gap);
    if (!choices)
        return choices.unplayable();
    auto around = sentenceAround(*sentence);
    if (!around)
        return around.unplayable();
    auto& [first, second] = *choices;
    Choice& correct = first.correct ? first : second;
    Choice& wrong = first.correct ? second : first;
    const auto& [beforeGap, afterGap] = *around;
    return gappedQuestion(beforeGap, afterGap, std::move(correct.word), std::move(wrong.word),
                          first.correct ? Question::Side::Left : Question::Side::Right);
}
