#pragma once

#include <optional>
#include <string_view>

// What a choice's weight makes it, as Moodle grades a question with one answer: correct at 100%,
// wrong at 0% or below. A weight between or above gives part marks, which a question of two
// words to pick from cannot give.
enum class ChoiceWeight { Correct, Wrong, PartMarks };

ChoiceWeight choiceWeight(double percent);

// Why a question with a part-mark weight is left out.
constexpr std::string_view partMarks =
    "a weight other than 100% for right or 0% and below for wrong";

// The percent of a weight as Moodle writes it between % signs or in a fraction attribute: an
// optional minus, digits, and a decimal point or comma with more digits ("-33.33333", "100").
// Nothing when it is not such a number.
std::optional<double> percentOf(std::string_view number);
