#include "program/Program.h"

#include <QApplication>

int main(int, char* argv[]) {
    prepareApplicationPlatform();
    const std::jthread fontConfiguration = readFontConfigurationAhead();
    // Velmora takes no command line: Qt sees only the program's name.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    nameApplication();
    if (!hasDisplay())
        return 1;
    Program program;
    program.start();
    return QApplication::exec();
}
