#include "program/CommandLine.h"

#include <QCommandLineParser>
#include <QDate>
#include <QStringList>
#include <cstdio>

namespace {
// Velmora's name on every line it prints, whatever the file it was started from is called.
const QString programName = QStringLiteral("velmora");

const QCommandLineOption helpOption({"h", "help"}, "Show this help and end.");
const QCommandLineOption versionOption({"v", "version"},
                                       "Show Velmora's version and licence and end.");
const QCommandLineOption checkOption(
    "check",
    "Read the teacher's file FILE and report what Velmora would play and what it would leave "
    "out, as FILE:LINE: lines, without opening a window.",
    "FILE");
const QCommandLineOption
    readAloudOption("read-aloud",
                    "Read each question, the right sentence and the comment aloud as they appear, "
                    "for pupils still learning to read. R reads the text on the screen again, "
                    "with or without this option.");
const QCommandLineOption voiceOption(
    "voice",
    "Read aloud with the English voice NAME of libespeak-ng: en (British, the default), "
    "en-us (American), or another that espeak-ng --voices=en lists.",
    "NAME");

const QCommandLineOption recordOption(
    "record",
    "Keep each attempt at a test for the teacher, as a file in FOLDER. This is on for every user "
    "of the computer when the system's /etc/xdg/velmora/velmora.conf, or a user's own "
    "~/.config/velmora/velmora.conf, names a folder under [record]; this option wins over both.",
    "FOLDER");
const QCommandLineOption reportOption(
    "report",
    "Show the class's results kept in FOLDER, without opening a window: each pupil's best score "
    "and number of attempts at each test, then the sentences most often answered wrong.",
    "FOLDER");
const QCommandLineOption
    sinceOption("since", "With --report: only the attempts started on DATE (2026-12-10) or later.",
                "DATE");
const QCommandLineOption
    csvOption("csv", "With --report: also write the table to FILE for a spreadsheet.", "FILE");
const QCommandLineOption
    moodleOption("moodle",
                 "With --report: also write each best score to FILE for Moodle's gradebook import.",
                 "FILE");
// The options that only a report takes.
const QCommandLineOption* const reportOnlyOptions[] = {&sinceOption, &csvOption, &moodleOption};

void describeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "English grammar drills for children: five tests of ten questions each.\n"
        "Without a file, Velmora opens its menu bar and welcome page with its own tests.");
    parser.addOptions({helpOption, versionOption, checkOption, readAloudOption, voiceOption,
                       recordOption, reportOption, sinceOption, csvOption, moodleOption});
    parser.addPositionalArgument(
        "FILE",
        "A teacher's tests, a GIFT file or a Moodle XML export (told apart by what it holds): "
        "up to five tests of up to ten two-choice gapped sentences each, played instead of "
        "Velmora's own.",
        "[FILE]");
}

QString helpText() {
    QCommandLineParser parser;
    describeCommandLine(parser);
    // Without an application object Qt knows no program name for the usage line.
    return parser.helpText().replace(QStringLiteral("<executable_name>"), programName) +
           QStringLiteral("\n"
                          "Exit status:\n"
                          "  0  Velmora was closed, it answered an option, the checked file\n"
                          "     holds a test it can play, or the report was shown.\n"
                          "  1  There was no display to show the windows on.\n"
                          "  2  The command line held something Velmora does not know, such as\n"
                          "     a voice the synthesizer does not have, or the teacher's file\n"
                          "     cannot be read or holds no test it can play, or the record's\n"
                          "     folder cannot be read or a report's file cannot be written.\n");
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
    const QStringList files = parser.positionalArguments();
    const bool reporting = parser.isSet(reportOption);
    const qsizetype filesAllowed = parser.isSet(checkOption) || reporting ? 0 : 1;
    if (files.size() > filesAllowed)
        return {.request = CommandLine::Request::mistake,
                .mistake = QStringLiteral("Unexpected argument '%1'.").arg(files[filesAllowed])};
    if (parser.isSet(checkOption))
        return {.request = CommandLine::Request::check, .file = parser.value(checkOption)};
    for (const QCommandLineOption* option : reportOnlyOptions)
        if (!reporting && parser.isSet(*option))
            return {.request = CommandLine::Request::mistake,
                    .mistake = QStringLiteral("The option '--%1' goes with '--report'.")
                                   .arg(option->names().front())};
    const QString since = parser.value(sinceOption);
    if (!since.isEmpty() && !QDate::fromString(since, Qt::ISODate).isValid())
        return {.request = CommandLine::Request::mistake,
                .mistake =
                    QStringLiteral("The date '%1' is not a day such as 2026-12-10.").arg(since)};
    if (reporting)
        return {.request = CommandLine::Request::report,
                .recordFolder = parser.value(reportOption),
                .since = since,
                .spreadsheet = parser.value(csvOption),
                .moodleGrades = parser.value(moodleOption)};
    return {.file = files.value(0),
            .readAloud = parser.isSet(readAloudOption),
            .voice = parser.value(voiceOption),
            .recordFolder = parser.value(recordOption)};
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
    case CommandLine::Request::check:
    case CommandLine::Request::report:
        break;
    }
    return exitSuccess;
}
