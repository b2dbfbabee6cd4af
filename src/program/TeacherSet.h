#pragma once

#include "questions/TeacherReader.h"

#include <QString>
#include <string>
#include <vector>

// A teacher's file made ready to play: read, each question measured against the test screen,
// and what was left out in the report's FILE:LINE: lines.
struct TeacherSet {
    TeacherTests tests;
    // What was left out, then, for a file that cannot be played, the reason.
    std::vector<std::string> report;
    // For the record: the file's name and the first 12 hex digits of its SHA-256, which tell
    // apart two versions of one file.
    std::string source;

    bool playable() const { return !tests.tests().empty(); }
};

// Each question that Velmora could play is measured by `fits`.
TeacherSet loadTeacherSet(const QString& path, const FitCheck& fits);

// `velmora --check FILE`: prints the report and a last line on standard output, without a
// window or a display, and gives the status to end with.
int checkTeacherFile(const QString& path, char* programName);

// A file that cannot be played: the report on standard error, or in a message window for a
// teacher who started Velmora from the desktop, where no terminal shows it. The status to end
// with, once the window is closed.
int refuseTeacherSet(const TeacherSet& set, bool onTerminal);

// What was left out, on standard error only: pupils never see a teacher's report.
void reportLeftOut(const TeacherSet& set);
