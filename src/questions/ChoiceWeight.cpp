#include "questions/ChoiceWeight.h"

#include <algorithm>
#include <charconv>
#include <string>

ChoiceWeight choiceWeight(double percent) {
    if (percent == 100)
        return ChoiceWeight::Correct;
    return percent <= 0 ? ChoiceWeight::Wrong : ChoiceWeight::PartMarks;
}

std::optional<double> percentOf(std::string_view number) {
    // from_chars would also take "inf" and "nan", which Moodle does not.
    if (number.empty() || number.find_first_not_of("-0123456789.,") != number.npos)
        return std::nullopt;
    std::string digits(number);
    std::ranges::replace(digits, ',', '.');
    double percent = 0;
    const auto [end, fault] = std::from_chars(digits.data(), digits.data() + digits.size(), percent,
                                              std::chars_format::fixed);
    if (fault != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return percent;
}
