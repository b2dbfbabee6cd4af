#pragma once

#include "record/ClassRecord.h"

#include <string>

// The most often missed sentences the report lists.
constexpr int listedWrongSentences = 10;

// The class at a glance, for a terminal: a row for each pupil and a column for each test holding
// the best score and the number of attempts ("88 (3)", or "-" for a test not taken), then the
// sentences most often answered wrong, with how often.
std::string classReportText(const ClassRecord& record);

// The same table for a spreadsheet: UTF-8 with a byte order mark, RFC 4180, and no cell that a
// spreadsheet would run as a formula.
std::string classReportCsv(const ClassRecord& record);

// Moodle's gradebook import: the logins under "username", then each test's best score under its
// title.
std::string moodleGradesCsv(const ClassRecord& record);
