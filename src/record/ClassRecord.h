#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A test as the class report has a column for it: the file it comes from, and its number there.
struct TestKey {
    std::string source;
    int test = 0;
    friend auto operator<=>(const TestKey&, const TestKey&) = default;
};

// How one pupil did on one test.
struct Results {
    int best = 0;
    int attempts = 0;
};

// What the attempt files of a folder say about the class.
struct ClassRecord {
    // Each pupil's login and full name.
    std::map<std::string, std::string> pupils;
    // Each test's title.
    std::map<TestKey, std::string> tests;
    std::map<std::pair<std::string, TestKey>, Results> results;
    // How often each sentence was answered wrong.
    std::map<std::string, int> wrongAnswers;
    // One line for each file left out, naming it and why.
    std::vector<std::string> leftOut;
};

// The attempts of the files in `folder` that started on `since` ("2026-12-10") or later, or
// on any day; or, for a folder that cannot be read, nothing and the reason in `why`.
std::optional<ClassRecord> readClassRecord(const std::string& folder,
                                           const std::optional<std::string>& since,
                                           std::string& why);
