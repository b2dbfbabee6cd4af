#include "program/TeacherRun.h"

#include "program/TeacherSet.h"
#include "quiz/QuestionFit.h"

#include <QApplication>
#include <algorithm>
#include <future>
#include <optional>

namespace {
bool everyQuestionFits(const TeacherSet& set) {
    return std::ranges::all_of(set.tests.tests(), [](const QuestionBank& test) {
        return std::ranges::none_of(
            test, [](const Question& question) { return whyItDoesNotFit(question).has_value(); });
    });
}

RecordChoice keepingOf(const TeacherSet& set, const std::string& folder) {
    return {.folder = folder, .source = set.source, .titles = set.tests.titles()};
}
} // namespace

int playTeacherFile(const QString& path, const VoiceChoice& reading,
                    const std::string& recordFolder, bool onTerminal) {
    // Measuring the questions against the test screen loads faces that neither of the first two
    // windows uses. So the tests are dealt as if every question fits, as nearly all do, and are
    // measured on a second thread while this one builds the windows. Nothing is painted before
    // the answer: a question that does not fit has the tests dealt and the windows built anew.
    TeacherSet set = loadTeacherSet(path, {});
    if (!set.playable())
        return refuseTeacherSet(loadTeacherSet(path, whyItDoesNotFit), onTerminal);
    std::future<bool> measuring = std::async(std::launch::async, everyQuestionFits, std::cref(set));
    std::optional<Program> program;
    const auto start = [&] {
        program.emplace(set.tests.tests(), reading, keepingOf(set, recordFolder));
        program->start();
    };
    start();
    if (!measuring.get()) {
        program.reset();
        set = loadTeacherSet(path, whyItDoesNotFit);
        if (!set.playable())
            return refuseTeacherSet(set, onTerminal);
        start();
    }
    reportLeftOut(set);
    return QApplication::exec();
}
