#include "program/ClassReportCommand.h"
#include "program/CommandLine.h"
#include "program/Program.h"
#include "program/RecordSetting.h"
#include "program/TeacherSet.h"
#include "quiz/QuestionFit.h"

#include <QApplication>
#include <QFile>
#include <optional>
#include <unistd.h>

int main(int argc, char* argv[]) {
    const CommandLine commandLine = readCommandLine(argc, argv);
    if (commandLine.request == CommandLine::Request::check)
        return checkTeacherFile(commandLine.file, argv[0]);
    if (commandLine.request == CommandLine::Request::report)
        return reportOnClass(commandLine);
    if (commandLine.request != CommandLine::Request::run)
        return answer(commandLine);
    VoiceChoice reading{.asTextsAppear = commandLine.readAloud};
    if (!commandLine.voice.isEmpty()) {
        reading.voice = commandLine.voice.toStdString();
        if (!voiceSpeaks(reading.voice))
            return exitCommandLineMistake;
    }
    if (!chooseWindowSystem())
        return exitNoDisplay;
    const std::jthread fontConfiguration = readFontConfigurationAhead();
    // Qt sees only the program's name: Velmora has read the command line itself.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    nameApplication();
    if (!hasDisplay())
        return exitNoDisplay;
    std::optional<TeacherSet> teacherSet;
    if (!commandLine.file.isEmpty()) {
        teacherSet = loadTeacherSet(commandLine.file, whyItDoesNotFit);
        if (!teacherSet->playable())
            return refuseTeacherSet(*teacherSet, isatty(STDERR_FILENO) != 0);
        reportLeftOut(*teacherSet);
    }
    RecordChoice keeping{
        .folder = QFile::encodeName(recordFolder(commandLine.recordFolder)).toStdString(),
        .titles = {}};
    if (teacherSet) {
        keeping.source = teacherSet->source;
        keeping.titles = teacherSet->tests.titles();
    }
    Program program(teacherSet ? std::span(teacherSet->tests.tests()) : builtInBanks(), reading,
                    keeping);
    program.start();
    return QApplication::exec();
}
