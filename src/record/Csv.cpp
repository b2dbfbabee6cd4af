#include "record/Csv.h"

namespace {
constexpr std::string_view crlf = "\r\n";

bool needsQuotes(std::string_view field) {
    if (field.find_first_of(",\"\r\n") != std::string_view::npos)
        return true;
    return !field.empty() && (field.front() == ' ' || field.back() == ' ');
}

void appendField(std::string& line, std::string_view field) {
    if (!needsQuotes(field)) {
        line += field;
        return;
    }
    line += '"';
    for (char c : field) {
        if (c == '"')
            line += '"';
        line += c;
    }
    line += '"';
}

// Reads one field from `at`, leaving `at` on the comma or line end after it.
std::optional<std::string> readField(std::string_view text, std::size_t& at) {
    std::string field;
    if (at >= text.size() || text[at] != '"') {
        const std::size_t end = text.find_first_of(",\r\n\"", at);
        if (end == std::string_view::npos || text[end] == '"' || text[end] == '\n')
            return std::nullopt;
        field = text.substr(at, end - at);
        at = end;
        return field;
    }
    for (++at; at < text.size(); ++at) {
        if (text[at] != '"') {
            field += text[at];
            continue;
        }
        if (at + 1 < text.size() && text[at + 1] == '"') {
            field += '"';
            ++at;
            continue;
        }
        ++at;
        if (at >= text.size() || (text[at] != ',' && text[at] != '\r'))
            return std::nullopt;
        return field;
    }
    return std::nullopt;
}
} // namespace

std::string csvLine(const CsvRow& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        appendField(line, fields[i]);
    }
    line += crlf;
    return line;
}

std::optional<std::vector<CsvRow>> readCsv(std::string_view text) {
    std::vector<CsvRow> rows;
    std::size_t at = 0;
    while (at < text.size()) {
        CsvRow row;
        for (;;) {
            std::optional<std::string> field = readField(text, at);
            if (!field)
                return std::nullopt;
            row.push_back(std::move(*field));
            if (text[at] == ',') {
                ++at;
                continue;
            }
            if (text.substr(at, crlf.size()) != crlf)
                return std::nullopt;
            at += crlf.size();
            break;
        }
        if (!rows.empty() && row.size() != rows.front().size())
            return std::nullopt;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string spreadsheetCell(std::string_view cell) {
    if (!cell.empty() && std::string_view("=+-@\t\r").find(cell.front()) != std::string_view::npos)
        return std::string("'").append(cell);
    return std::string(cell);
}
