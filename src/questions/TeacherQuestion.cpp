#include "questions/TeacherQuestion.h"

#include "questions/Gap.h"
#include "vocabulary/Blanks.h"

#include <algorithm>

namespace {
// Marks that are written straight after a word, so the gap takes no blank before them.
bool attachesToWordBefore(std::string_view text) {
    for (std::string_view mark : {".", ",", ";", ":", "!", "?", ")", "]", "}", "…", "”", "’"})
        if (text.starts_with(mark))
            return true;
    return false;
}

bool endsClause(std::string_view text) {
    return std::string_view(".,;:!?").find(text.back()) != text.npos;
}

// A gapped sentence with the gap filled in.
struct Sentence {
    std::string_view beforeGap;
    bool blankBefore;
    bool blankAfter;
    std::string_view afterGap;

    std::string filledIn(std::string_view filling) const {
        std::string text;
        text.reserve(beforeGap.size() + filling.size() + afterGap.size() + 3);
        // Every text starts with one blank, like the built-in banks.
        text += ' ';
        text += beforeGap;
        if (blankBefore)
            text += ' ';
        text += filling;
        if (blankAfter)
            text += ' ';
        text += afterGap;
        return text;
    }
};
} // namespace

Playable<TeacherQuestion> gappedQuestion(std::string_view beforeGap, std::string_view afterGap,
                                         std::string correctWord, std::string wrongWord,
                                         Question::Side correctSide) {
    const std::string correct(trimmed(blanksMerged(correctWord)));
    const std::string wrong(trimmed(blanksMerged(wrongWord)));
    if (correct.empty())
        return Unplayable{"no right answer"};
    if (wrong.empty())
        return Unplayable{"no wrong answer"};
    if (correct == wrong)
        return Unplayable{"the two choices are the same"};

    // The teacher's blanks beside the gap are kept, except before marks that follow a word;
    // a gap after a full stop or comma always stands apart.
    const std::string before = blanksMerged(beforeGap);
    const std::string after = blanksMerged(afterGap);
    const std::string_view textBefore = trimmed(before);
    const std::string_view textAfter = trimmed(after);
    if (textBefore.empty() && textAfter.empty())
        return Unplayable{"only a gap, with no sentence around it"};
    const bool blankBefore =
        !textBefore.empty() && (before.back() == ' ' || endsClause(textBefore));
    const bool blankAfter =
        !textAfter.empty() && after.front() == ' ' && !attachesToWordBefore(textAfter);
    const Sentence filled{textBefore, blankBefore, blankAfter, textAfter};

    TeacherQuestion question;
    question.stem = filled.filledIn(gapShown);
    question.correctSentence = filled.filledIn(correct);
    question.wrongSentence = filled.filledIn(wrong);
    question.correctWord = correct;
    question.wrongWord = wrong;
    question.correctSide = correctSide;
    return question;
}

Playable<UnderscoreGap> findUnderscoreGap(std::string_view sentence) {
    const std::size_t start = sentence.find(gapWritten);
    if (start == sentence.npos)
        return UnderscoreGap{start, start};
    const std::size_t end = std::min(sentence.find_first_not_of('_', start), sentence.size());
    if (sentence.find(gapWritten, end) != sentence.npos)
        return Unplayable{"more than one gap: two runs of ___"};
    return UnderscoreGap{start, end};
}
