#include "program/CommandLine.h"

#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>

namespace {
// Velmora's name on every line it prints, whatever the file it was started from is called.
const QString programName = QStringLiteral("velmora");

const QCommandLineOption helpOption({"h", "help"}, "Show this help and end.");
const QCommandLineOption versionOption({"v", "version"},
                                       "Show Velmora's version and licence and end.");

void describeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "English grammar drills for children: five tests of ten questions each.\n"
        "Without an option, Velmora opens its menu bar and welcome page.");
    parser.addOptions({helpOption, versionOption});
}

QString helpText() {
    QCommandLineParser parser;
    describeCommandLine(parser);
    // Without an application object Qt knows no program name for the usage line.
    return parser.helpText().replace(QStringLiteral("<executable_name>"), programName) +
           QStringLiteral("\n"
                          "Exit status:\n"
                          "  0  Velmora was closed, or it answered an option.\n"
                          "  1  There was no display to show the windows on.\n"
                          "  2  The command line held something Velmora does not know.\n");
}

QString versionText() {
    return QStringLiteral("velmora " VELMORA_VERSION "\n"
                          "Copyright (C) 2026 Tovrin\n"
                          "Licence GPL-3.0-or-later: GNU GPL version 3 or later "
                          "<https://www.gnu.org/licenses/gpl.html>.\n"
                          "This is free software: you are free to change and redistribute it.\n"
                          "There is NO WARRANTY, to the extent permitted by law.\n");
}

void print(const QString& text, std::FILE* stream) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}
} // namespace

CommandLine readCommandLine(int argc, const char* const argv[]) {
    QStringList arguments{programName};
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    describeCommandLine(parser);
    if (!parser.parse(arguments))
        return {.request = CommandLine::Request::mistake, .mistake = parser.errorText()};
    if (parser.isSet(helpOption))
        return {.request = CommandLine::Request::help};
    if (parser.isSet(versionOption))
        return {.request = CommandLine::Request::version};
    if (const QStringList stray = parser.positionalArguments(); !stray.isEmpty())
        return {.request = CommandLine::Request::mistake,
                .mistake = QStringLiteral("Unexpected argument '%1'.").arg(stray.first())};
    return {};
}

int answer(const CommandLine& commandLine) {
    switch (commandLine.request) {
    case CommandLine::Request::help:
        print(helpText(), stdout);
        return exitSuccess;
    case CommandLine::Request::version:
        print(versionText(), stdout);
        return exitSuccess;
    case CommandLine::Request::mistake: {
        // Qt words a mistake as a sentence of its own; here it follows the program's name.
        QString mistake = commandLine.mistake;
        mistake[0] = mistake[0].toLower();
        print(programName + ": " + mistake + " Try 'velmora --help'.\n", stderr);
        return exitCommandLineMistake;
    }
    case CommandLine::Request::run:
        break;
    }
    return exitSuccess;
}
