#include "program/CommandLine.h"
#include "program/Program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const CommandLine commandLine = readCommandLine(argc, argv);
        commandLine.request != CommandLine::Request::run)
        return answer(commandLine);
    if (!hasWindowSystem())
        return exitNoDisplay;
    prepareApplicationPlatform();
    const std::jthread fontConfiguration = readFontConfigurationAhead();
    // Qt sees only the program's name: Velmora has read the command line itself.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    nameApplication();
    if (!hasDisplay())
        return exitNoDisplay;
    Program program;
    program.start();
    return QApplication::exec();
}
