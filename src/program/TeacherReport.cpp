#include "program/TeacherReport.h"

#include "questions/Question.h"

#include <algorithm>

namespace {
std::string counted(int count, std::string_view one, std::string_view many) {
    return std::to_string(count) + ' ' + std::string(count == 1 ? one : many);
}
} // namespace

std::string reportLine(std::string_view file, const Finding& finding) {
    std::string line(file);
    if (finding.line > 0)
        line += ':' + std::to_string(finding.line);
    return line + ": " + finding.message;
}

std::vector<std::string> reportLines(std::string_view file, const std::vector<Finding>& findings) {
    const std::size_t listed = std::min(findings.size(), std::size_t(reportedFindings));
    std::vector<std::string> lines;
    lines.reserve(listed + 1);
    for (std::size_t index = 0; index < listed; ++index)
        lines.push_back(reportLine(file, findings[index]));
    if (findings.size() > listed)
        lines.push_back("... and " + std::to_string(findings.size() - listed) + " more");
    return lines;
}

std::string summaryLine(const std::vector<std::size_t>& testLengths, int questionsSkipped) {
    const int tests = int(testLengths.size());
    std::string offered = tests == 0 ? "no test" : counted(tests, "test", "tests");
    if (std::ranges::count(testLengths, longestTest) == tests) {
        offered += " of " + std::to_string(longestTest) + " questions";
    } else {
        offered += ": ";
        for (int test = 0; test < tests; ++test)
            offered +=
                std::to_string(testLengths[std::size_t(test)]) + (test + 2 < tests    ? ", "
                                                                  : test + 2 == tests ? " and "
                                                                                      : "");
        offered += tests == 1 && testLengths.front() == 1 ? " question" : " questions";
    }
    const std::string skipped =
        questionsSkipped == 0 ? "no question skipped"
                              : counted(questionsSkipped, "question", "questions") + " skipped";
    return offered + "; " + skipped;
}
