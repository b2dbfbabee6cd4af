#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The most letters a test's title takes from its category's name: the title heads a column of
// the class report and fills a field of every row of an attempt file.
constexpr std::size_t longestCategoryName = 60;

// What a teacher calls a category, from the path Moodle writes for it: the last element, as in
// "U5 subject–verb agreement" of "$course$/top/Grammar/U5 subject–verb agreement", where "//"
// stands for a slash within a name. It comes as plain text on one line of at most
// longestCategoryName letters. Empty for a path that names only where a bank is kept
// ("$course$/top", "$course$"), or nothing at all.
std::string categoryName(std::string_view path);
