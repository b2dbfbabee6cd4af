#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

using CsvRow = std::vector<std::string>;

// One record of RFC 4180 text, CRLF at its end: a field holding a comma, a quote, a line break or
// a blank at either end is quoted, its quotes doubled.
std::string csvLine(const CsvRow& fields);

// The text read strictly as RFC 4180: every record ends in CRLF, a quote stands only at the start
// of a field or doubled inside a quoted one, and every record has as many fields as the first.
// Nothing for text that breaks a rule.
std::optional<std::vector<CsvRow>> readCsv(std::string_view text);

// A cell that a spreadsheet would take for a formula gets a leading apostrophe.
std::string spreadsheetCell(std::string_view cell);
