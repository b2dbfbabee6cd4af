#include "quiz/QuestionFit.h"

#include "forms/Forms.h"
#include "forms/Resources.h"
#include "shell/TextFit.h"
#include "vocabulary/Blanks.h"

#include <algorithm>

namespace {
const ControlDef& testScreenControl(std::string_view name) {
    const auto controls = testForm(1).controls;
    return *std::ranges::find(controls, name, &ControlDef::name);
}

// The controls a question is put into; the five test screens share their places and faces.
struct QuestionControls {
    TextFit gappedSentence{testScreenControl("lblQuestion"), velmoraResources()};
    TextFit filledInSentence{testScreenControl("lblCorrect"), velmoraResources()};
    TextFit word{testScreenControl("txtY"), velmoraResources()};
};

std::optional<std::string> whyTextDoesNotFit(const TextFit& fit, std::string_view text,
                                             const char* what) {
    const QString shown = QString::fromUtf8(text.data(), qsizetype(text.size()));
    const std::string_view bare = trimmed(text);
    const QString quoted = QStringLiteral("%1 \"%2\"")
                               .arg(what, QString::fromUtf8(bare.data(), qsizetype(bare.size())));
    if (const std::optional<char32_t> missing = fit.missingCharacter(shown))
        return QStringLiteral("%1 has \"%2\" (U+%3), which the screen's face cannot draw")
            .arg(quoted, QString::fromUcs4(&*missing, 1),
                 QString::number(uint(*missing), 16).toUpper().rightJustified(4, '0'))
            .toStdString();
    if (const QString why = fit.whatDoesNotFit(shown); !why.isEmpty())
        return QStringLiteral("%1 %2").arg(quoted, why).toStdString();
    return std::nullopt;
}
} // namespace

std::optional<std::string> whyItDoesNotFit(const Question& question) {
    static const QuestionControls controls;
    for (const auto& [fit, text, what] : {
             std::tuple{&controls.gappedSentence, question.stem, "the sentence"},
             {&controls.filledInSentence, question.correctSentence, "the sentence"},
             {&controls.filledInSentence, question.wrongSentence, "the sentence"},
             {&controls.word, question.correctWord, "the word"},
             {&controls.word, question.wrongWord, "the word"},
         })
        if (std::optional<std::string> why = whyTextDoesNotFit(*fit, text, what))
            return why;
    return std::nullopt;
}
