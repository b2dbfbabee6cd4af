#include "questions/MoodleQuestion.h"

#include "questions/ChoiceWeight.h"
#include "questions/Cloze.h"
#include "questions/HtmlText.h"
#include "questions/MoodleText.h"
#include "questions/ShuffledSide.h"
#include "questions/XmlDocument.h"
#include "vocabulary/Blanks.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <string>
#include <vector>

namespace {
using Read = Playable<TeacherQuestion>;
constexpr auto npos = std::string_view::npos;

// Pieces of a text in one format, each as the screens show it.
template <std::size_t count>
Playable<std::array<std::string, count>>
shownPieces(const std::array<std::string_view, count>& written, bool html) {
    std::array<std::string, count> pieces;
    for (std::size_t index = 0; index < count; ++index) {
        auto text = shownText(written[index], html);
        if (!text)
            return text.unplayable();
        pieces[index] = std::move(*text);
    }
    return pieces;
}

// The side of the correct word: where Moodle shuffles the two words, one fixed by the question's
// texts; otherwise where the file puts it.
Read placed(Read question, bool shuffled, bool correctFirst) {
    if (question)
        question->correctSide =
            shuffled ? shuffledSide(question->stem, question->correctWord, question->wrongWord)
            : correctFirst ? Question::Side::Left
                           : Question::Side::Right;
    return question;
}

// A sentence cut at its gap.
struct Gapped {
    std::string_view before;
    std::string_view after;
};

// A multiple-choice question's sentence holds its gap as a run of three or more underscores,
// or else ends with it, a word apart.
Playable<Gapped> underscoreGap(std::string& sentence) {
    const auto gap = findUnderscoreGap(sentence);
    if (!gap)
        return gap.unplayable();
    const auto [start, end] = *gap;
    if (start == npos) {
        sentence += ' ';
        return Gapped{sentence, {}};
    }
    const std::string_view whole = sentence;
    return Gapped{whole.substr(0, start), whole.substr(end)};
}

Read readMultichoice(const xmlNode* question) {
    if (!moodleYes(question, "single", true))
        return Unplayable{"several answers may be right"};
    const MoodleText sentence = moodleTextOf(childElement(question, "questiontext"));
    // Moodle saves no answer whose text is blank.
    std::vector<const xmlNode*> answers = childElements(question, "answer");
    std::erase_if(answers, [](const xmlNode* answer) {
        return trimmed(textOf(childElement(answer, "text"))).empty();
    });
    if (answers.size() > 2)
        return Unplayable{"three or more choices"};
    if (answers.size() < 2)
        return Unplayable{"fewer than two choices"};
    std::string words[2];
    bool correct[2] = {};
    for (std::size_t index = 0; index < 2; ++index) {
        // Moodle takes an answer without a fraction as wrong.
        const std::string fraction = attributeOf(answers[index], "fraction");
        const std::optional<double> percent =
            trimmed(fraction).empty() ? 0.0 : percentOf(trimmed(fraction));
        if (!percent)
            return Unplayable{"a weight Velmora cannot read"};
        if (choiceWeight(*percent) == ChoiceWeight::PartMarks)
            return Unplayable{partMarks};
        correct[index] = choiceWeight(*percent) == ChoiceWeight::Correct;
        const MoodleText stored = moodleTextOf(answers[index], sentence.html);
        auto word = shownText(stored.text, stored.html);
        if (!word)
            return word.unplayable();
        words[index] = std::move(*word);
    }
    if (correct[0] == correct[1])
        return Unplayable{correct[0] ? "two right answers" : "no right answer"};

    auto shown = shownText(sentence.text, sentence.html);
    if (!shown)
        return shown.unplayable();
    const auto gap = underscoreGap(*shown);
    if (!gap)
        return gap.unplayable();
    const auto [before, after] = *gap;
    const bool correctFirst = correct[0];
    return placed(gappedQuestion(before, after, std::move(words[correctFirst ? 0 : 1]),
                                 std::move(words[correctFirst ? 1 : 0]), Question::Side::Left),
                  moodleYes(question, "shuffleanswers", false), correctFirst);
}

// Moodle finds the gap in the text as stored, then shows each piece of it in the text's format:
// an entity never opens, splits or closes the gap.
Read readClozeQuestion(const xmlNode* question) {
    const MoodleText stored = moodleTextOf(childElement(question, "questiontext"));
    const auto cloze = readCloze(stored.text);
    if (!cloze)
        return cloze.unplayable();
    const ClozeGap& gap = *cloze;
    auto pieces =
        shownPieces<4>({gap.beforeGap, gap.afterGap, gap.correctWord, gap.wrongWord}, stored.html);
    if (!pieces)
        return pieces.unplayable();
    auto& [before, after, correct, wrong] = *pieces;
    return placed(
        gappedQuestion(before, after, std::move(correct), std::move(wrong), Question::Side::Left),
        gap.shuffled, gap.correctFirst);
}

// The [[n]] gaps of a gapselect or ddwtos question's text: where each stands and which choice
// is correct in it.
struct ChoiceGap {
    std::size_t start;
    std::size_t end;
    std::size_t choice;
};

std::vector<ChoiceGap> choiceGapsOf(std::string_view text) {
    std::vector<ChoiceGap> gaps;
    for (std::size_t open = text.find("[["); open != npos; open = text.find("[[", open + 1)) {
        const std::size_t digits = open + 2;
        const std::size_t close = text.find_first_not_of("0123456789", digits);
        if (close == digits || close == npos || text.substr(close, 2) != "]]")
            continue;
        std::size_t choice = 0;
        const auto [end, fault] =
            std::from_chars(text.data() + digits, text.data() + close, choice);
        gaps.push_back({open, close + 2, fault == std::errc() ? choice : 0});
    }
    return gaps;
}

// A gapselect or ddwtos choice as Moodle keeps it: its text, and its group, 1 where it names
// none.
struct GroupedChoice {
    std::string text;
    std::string group;
};

// The choices Moodle keeps, numbered from 1 in file order, and where each choice of the file
// went: Moodle leaves out a choice whose text is blank and numbers the gaps anew, so a gap that
// named a later choice still names it, and one that named a blank choice names the choice that
// now has its number.
struct KeptChoices {
    std::vector<GroupedChoice> kept;
    std::vector<std::optional<std::size_t>> keptAs;

    std::optional<std::size_t> namedBy(std::size_t number) const {
        if (number >= 1 && number <= keptAs.size() && keptAs[number - 1])
            return keptAs[number - 1];
        if (number >= 1 && number <= kept.size())
            return number - 1;
        return std::nullopt;
    }
};

KeptChoices keptChoices(const xmlNode* question, std::string_view element) {
    KeptChoices choices;
    for (const xmlNode* choice : childElements(question, element)) {
        std::string text = textOf(childElement(choice, "text"));
        if (trimmed(text).empty()) {
            choices.keptAs.emplace_back();
            continue;
        }
        const xmlNode* group = childElement(choice, "group");
        choices.keptAs.emplace_back(choices.kept.size());
        choices.kept.push_back(
            {std::move(text), group ? std::string(trimmed(textOf(group))) : "1"});
    }
    return choices;
}

// gapselect and ddwtos: the choices are <selectoption> or <dragbox> elements, each in a group;
// a gap [[n]] has choice n correct and offers its group. Moodle finds the gap in the text as
// stored and shuffles the choices unless told not to.
Read readChoiceGap(const xmlNode* question, std::string_view choiceElement) {
    const MoodleText stored = moodleTextOf(childElement(question, "questiontext"));
    const std::vector<ChoiceGap> gaps = choiceGapsOf(stored.text);
    if (gaps.empty())
        return Unplayable{"no gap: a question needs one [[1]]"};
    if (gaps.size() > 1)
        return Unplayable{"more than one gap"};
    const ChoiceGap& gap = gaps.front();
    const KeptChoices choices = keptChoices(question, choiceElement);
    const std::optional<std::size_t> correct = choices.namedBy(gap.choice);
    if (!correct)
        return Unplayable{"the gap names a choice that is not there"};
    std::vector<std::size_t> offered;
    for (std::size_t index = 0; index < choices.kept.size(); ++index)
        if (choices.kept[index].group == choices.kept[*correct].group)
            offered.push_back(index);
    if (offered.size() > 2)
        return Unplayable{"three or more choices"};
    if (offered.size() < 2)
        return Unplayable{"fewer than two choices"};
    const std::size_t wrong = offered[0] == *correct ? offered[1] : offered[0];
    const std::string_view whole = stored.text;
    auto sentence =
        shownPieces<2>({whole.substr(0, gap.start), whole.substr(gap.end)}, stored.html);
    if (!sentence)
        return sentence.unplayable();
    // The choices' texts are HTML, whatever the question's text is in.
    auto words = shownPieces<2>({choices.kept[*correct].text, choices.kept[wrong].text}, true);
    if (!words)
        return words.unplayable();
    auto& [before, after] = *sentence;
    auto& [correctWord, wrongWord] = *words;
    return placed(gappedQuestion(before, after, std::move(correctWord), std::move(wrongWord),
                                 Question::Side::Left),
                  moodleYes(question, "shuffleanswers", true), *correct < wrong);
}

// Why each other kind of question is left out, in the words of Moodle's question bank.
struct OtherKind {
    std::string_view type;
    std::string_view why;
};

constexpr OtherKind otherKinds[] = {
    {"truefalse", "a true/false question"},
    {"shortanswer", "a short-answer question"},
    {"numerical", "a numerical question"},
    {"essay", "an essay question"},
    {"matching", "a matching question"},
    {"match", "a matching question"},
    {"randomsamatch", "a random short-answer matching question"},
    {"description", "a description, not a question"},
    {"calculated", "a calculated question"},
    {"calculatedsimple", "a calculated question"},
    {"calculatedmulti", "a calculated question"},
    {"ddimageortext", "a drag-and-drop question on a picture"},
    {"ddmarker", "a drag-and-drop question on a picture"},
    {"ordering", "an ordering question"},
    {"random", "a random question"},
};
} // namespace

Playable<TeacherQuestion> readMoodleQuestion(const xmlNode* question) {
    const std::string type = attributeOf(question, "type");
    if (type == "multichoice")
        return readMultichoice(question);
    if (type == "cloze" || type == "multianswer")
        return readClozeQuestion(question);
    if (type == "gapselect")
        return readChoiceGap(question, "selectoption");
    if (type == "ddwtos")
        return readChoiceGap(question, "dragbox");
    const auto other = std::ranges::find(otherKinds, type, &OtherKind::type);
    return Unplayable{other == std::end(otherKinds) ? "a kind of question Velmora cannot play"
                                                    : other->why};
}
