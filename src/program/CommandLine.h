#pragma once

#include <QString>

// What Velmora is asked to do on its command line. Everything but running is answered on the
// terminal before any window system is touched, so it works over a plain SSH login too.
struct CommandLine {
    enum class Request { run, check, report, help, version, mistake };

    Request request = Request::run;
    // A teacher's file of tests: to play when running, to report on for a check.
    QString file = {};
    // For a mistake: the one line that names it.
    QString mistake = {};
    // Every text read aloud as it appears, not only when the pupil presses R.
    bool readAloud = false;
    // The voice that reads, when one was named.
    QString voice = {};
    // The record's folder: where a run keeps the attempts, or what a report reads.
    QString recordFolder = {};
    // For a report: the first day ("2026-12-10") it covers, and the spreadsheet and Moodle
    // gradebook files it writes, where named.
    QString since = {};
    QString spreadsheet = {};
    QString moodleGrades = {};
};

// The exit statuses the help lists.
enum ExitStatus {
    exitSuccess = 0,
    exitNoDisplay = 1,
    exitCommandLineMistake = 2,
    exitUnplayableFile = 2,
    exitRecordUnreadable = 2,
};

CommandLine readCommandLine(int argc, const char* const argv[]);

// Prints the answer to any request but running, the help and the version on standard output and
// a mistake on standard error, and gives the status to end with.
int answer(const CommandLine& commandLine);
