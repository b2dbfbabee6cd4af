#pragma once

#include "questions/Finding.h"

#include <string>
#include <string_view>
#include <vector>

// The most findings a report lists one by one; a line then counts the rest.
constexpr int reportedFindings = 50;

// "FILE:LINE: why", or "FILE: why" for the file as a whole: the form compilers use, so that an
// editor can jump to the line.
std::string reportLine(std::string_view file, const Finding& finding);

// The findings as report lines, at most reportedFindings of them, then "... and 12 more".
std::vector<std::string> reportLines(std::string_view file, const std::vector<Finding>& findings);

// The last line of a check, with each played test's length: "2 tests of 10 questions; 3
// questions skipped", or "3 tests: 10, 9 and 9 questions; no question skipped".
std::string summaryLine(const std::vector<std::size_t>& testLengths, int questionsSkipped);
