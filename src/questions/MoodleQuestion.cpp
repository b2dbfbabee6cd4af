#include "questions/MoodleQuestion.h"

#include "questions/ChoiceWeight.h"
#include "questions/Cloze.h"
#include "questions/HtmlText.h"
#include "questions/ShuffledSide.h"
#include "questions/XmlDocument.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <vector>

namespace {
using Read = std::variant<TeacherQuestion, Unplayable>;
constexpr auto npos = std::string_view::npos;

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// The text of an element that holds a <text> and names its format, as the screens show it.
std::variant<std::string, Unplayable> plainTextOf(const xmlNode* holder) {
    std::string text = textOf(childElement(holder, "text"));
    if (attributeOf(holder, "format") == "plain_text")
        return text;
    HtmlText html = htmlText(text);
    if (html.unplayable)
        return *html.unplayable;
    return std::move(html.text);
}

// Moodle's yes or no in an element's text: "true" or "1".
bool isSet(const xmlNode* question, std::string_view name) {
    const std::string value = textOf(childElement(question, name));
    return trimmed(value) == "true" || trimmed(value) == "1";
}

// The side of the right word: where Moodle shuffles the two words, one fixed by the question's
// texts; otherwise where the file puts it.
Read placed(Read question, bool shuffled, bool rightFirst) {
    if (auto* playable = std::get_if<TeacherQuestion>(&question))
        playable->correctSide =
            shuffled     ? shuffledSide(playable->stem, playable->correctWord, playable->wrongWord)
            : rightFirst ? Question::Side::Left
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
std::variant<Gapped, Unplayable> underscoreGap(std::string& sentence) {
    const auto gap = findUnderscoreGap(sentence);
    if (const auto* unplayable = std::get_if<Unplayable>(&gap))
        return *unplayable;
    const auto [start, end] = std::get<UnderscoreGap>(gap);
    if (start == npos) {
        sentence += ' ';
        return Gapped{sentence, {}};
    }
    const std::string_view whole = sentence;
    return Gapped{whole.substr(0, start), whole.substr(end)};
}

Read readMultichoice(const xmlNode* question) {
    const std::string single = textOf(childElement(question, "single"));
    if (trimmed(single) == "false" || trimmed(single) == "0")
        return Unplayable{"several answers may be right"};
    const std::vector<const xmlNode*> answers = childElements(question, "answer");
    if (answers.size() > 2)
        return Unplayable{"three or more choices"};
    if (answers.size() < 2)
        return Unplayable{"fewer than two choices"};
    std::string words[2];
    bool right[2] = {};
    for (std::size_t index = 0; index < 2; ++index) {
        // Moodle takes an answer without a fraction as wrong.
        const std::string fraction = attributeOf(answers[index], "fraction");
        const std::optional<double> percent =
            trimmed(fraction).empty() ? 0.0 : percentOf(trimmed(fraction));
        if (!percent)
            return Unplayable{"a weight Velmora cannot read"};
        if (choiceWeight(*percent) == ChoiceWeight::PartMarks)
            return Unplayable{partMarks};
        right[index] = choiceWeight(*percent) == ChoiceWeight::Right;
        auto word = plainTextOf(answers[index]);
        if (const auto* unplayable = std::get_if<Unplayable>(&word))
            return *unplayable;
        words[index] = std::move(std::get<std::string>(word));
    }
    if (right[0] == right[1])
        return Unplayable{right[0] ? "two right answers" : "no right answer"};

    auto sentence = plainTextOf(childElement(question, "questiontext"));
    if (const auto* unplayable = std::get_if<Unplayable>(&sentence))
        return *unplayable;
    const auto gap = underscoreGap(std::get<std::string>(sentence));
    if (const auto* unplayable = std::get_if<Unplayable>(&gap))
        return *unplayable;
    const auto [before, after] = std::get<Gapped>(gap);
    const bool rightFirst = right[0];
    return placed(gappedQuestion(before, after, std::move(words[rightFirst ? 0 : 1]),
                                 std::move(words[rightFirst ? 1 : 0]), Question::Side::Left),
                  isSet(question, "shuffleanswers"), rightFirst);
}

Read readClozeQuestion(const xmlNode* question) {
    const auto text = plainTextOf(childElement(question, "questiontext"));
    if (const auto* unplayable = std::get_if<Unplayable>(&text))
        return *unplayable;
    auto cloze = readCloze(std::get<std::string>(text));
    if (const auto* unplayable = std::get_if<Unplayable>(&cloze))
        return *unplayable;
    auto& gap = std::get<ClozeGap>(cloze);
    return placed(gappedQuestion(gap.beforeGap, gap.afterGap, std::move(gap.rightWord),
                                 std::move(gap.wrongWord), Question::Side::Left),
                  gap.shuffled, gap.rightFirst);
}

// The [[n]] gaps of a gapselect or ddwtos question's text: where each stands and which choice
// is right in it.
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

// gapselect and ddwtos: the choices are <selectoption> or <dragbox> elements, numbered from 1
// in file order, each in a group; a gap [[n]] has choice n right and offers its group.
Read readChoiceGap(const xmlNode* question, std::string_view choiceElement) {
    const auto text = plainTextOf(childElement(question, "questiontext"));
    if (const auto* unplayable = std::get_if<Unplayable>(&text))
        return *unplayable;
    const std::string& sentence = std::get<std::string>(text);
    const std::vector<ChoiceGap> gaps = choiceGapsOf(sentence);
    if (gaps.empty())
        return Unplayable{"no gap: a question needs one [[1]]"};
    if (gaps.size() > 1)
        return Unplayable{"more than one gap"};
    const ChoiceGap& gap = gaps.front();
    const std::vector<const xmlNode*> choices = childElements(question, choiceElement);
    if (gap.choice < 1 || gap.choice > choices.size())
        return Unplayable{"the gap names a choice that is not there"};
    const std::size_t right = gap.choice - 1;
    const std::string group = textOf(childElement(choices[right], "group"));
    std::vector<std::size_t> offered;
    for (std::size_t index = 0; index < choices.size(); ++index)
        if (trimmed(textOf(childElement(choices[index], "group"))) == trimmed(group))
            offered.push_back(index);
    if (offered.size() > 2)
        return Unplayable{"three or more choices"};
    if (offered.size() < 2)
        return Unplayable{"fewer than two choices"};
    const std::size_t wrong = offered[0] == right ? offered[1] : offered[0];
    std::string words[2];
    for (std::size_t index : {right, wrong}) {
        HtmlText word = htmlText(textOf(childElement(choices[index], "text")));
        if (word.unplayable)
            return *word.unplayable;
        words[index == right ? 0 : 1] = std::move(word.text);
    }
    const std::string_view whole = sentence;
    return placed(gappedQuestion(whole.substr(0, gap.start), whole.substr(gap.end),
                                 std::move(words[0]), std::move(words[1]), Question::Side::Left),
                  isSet(question, "shuffleanswers"), right < wrong);
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

std::variant<TeacherQuestion, Unplayable> readMoodleQuestion(const xmlNode* question) {
    const std::string type = attributeOf(question, "type");
    if (type == "multichoice")
        return readMultichoice(question);
    if (type == "cloze")
        return readClozeQuestion(question);
    if (type == "gapselect")
        return readChoiceGap(question, "selectoption");
    if (type == "ddwtos")
        return readChoiceGap(question, "dragbox");
    const auto other = std::ranges::find(otherKinds, type, &OtherKind::type);
    return Unplayable{other == std::end(otherKinds) ? "a kind of question Velmora cannot play"
                                                    : other->why};
}
