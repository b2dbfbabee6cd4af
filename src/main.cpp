#include "program/ClassReportCommand.h"
#include "program/CommandLine.h"
#include "program/Program.h"
#include "program/RecordSetting.h"
#include "program/TeacherRun.h"
#include "program/TeacherSet.h"

#include <QApplication>
#include <QFile>
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
    const std::string folder =
        QFile::encodeName(recordFolder(commandLine.recordFolder)).toStdString();
    if (!commandLine.file.isEmpty())
        return playTeacherFile(commandLine.file, reading, folder, isatty(STDERR_FILENO) != 0);
    Program program(builtInBanks(), reading, {.folder = folder, .titles = {}});
    program.start();
    return QApplication::exec();
}
