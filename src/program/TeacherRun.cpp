#include "program/TeacherRun.h"

#include "program/TeacherSet.h"
#include "program/WhenOnScreen.h"
#include "quiz/QuestionFit.h"
#include "shell/Window.h"

#include <QApplication>
#include <algorithm>
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
    TeacherSet set = loadTeacherSet(path, {});
    if (!set.playable())
        return refuseTeacherSet(loadTeacherSet(path, whyItDoesNotFit), onTerminal);
    std::optional<Program> program;
    const auto start = [&] {
        program.emplace(set.tests.tests(), reading, keepingOf(set, recordFolder));
        program->start();
    };
    start();
    // Measuring the questions against the test screen loads faces that neither of the first two
    // windows uses, so the tests are dealt as if every question fits, as nearly all do, and are
    // measured once both windows are on the screen. A question that does not fit has the tests
    // dealt and the windows built anew.
    const WhenOnScreen measure(
        {&program->screens().frmMain().window(), &program->screens().frmIntro().window()}, [&] {
            if (!everyQuestionFits(set)) {
                program.reset();
                set = loadTeacherSet(path, whyItDoesNotFit);
                if (!set.playable())
                    return QCoreApplication::exit(refuseTeacherSet(set, onTerminal));
                start();
            }
            reportLeftOut(set);
        });
    return QApplication::exec();
}
