#pragma once

#include "record/Attempt.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

// What every attempt file's header row says, in this order.
extern const std::vector<std::string> attemptColumns;

// The file's text: the header row, then one row for each answered question.
std::string attemptCsv(const AttemptRecord& record);

// One row of an attempt file, as the class report needs it.
struct ReadAnswer {
    std::string attempt;
    std::string login;
    std::string name;
    std::string source;
    int test = 0;
    std::string title;
    // As written, ISO 8601 with its offset; its first ten characters are the day.
    std::string started;
    std::string sentence;
    bool ok = false;
    int score = 0;
};

// The rows of an attempt file, or why it is not one: not Velmora's, or broken.
std::variant<std::vector<ReadAnswer>, std::string> readAttemptCsv(std::string_view text);
