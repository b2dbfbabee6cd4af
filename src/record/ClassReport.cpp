#include "record/ClassReport.h"

#include "record/Csv.h"

#include <QString>
#include <algorithm>
#include <map>
#include <set>

namespace {
using Table = std::vector<CsvRow>;

std::string cell(const ClassRecord& record, const std::string& login, const TestKey& test) {
    const auto found = record.results.find({login, test});
    if (found == record.results.end())
        return "-";
    return std::to_string(found->second.best) + " (" + std::to_string(found->second.attempts) + ")";
}

// The header row: the pupils' columns, then a column for each test headed by its title. A
// spreadsheet or Moodle tells columns apart by their headings only, so a title that two files'
// tests share (each file has its "Test 1") is followed by the file, and by a number where even
// that is shared.
CsvRow headerRow(CsvRow pupilColumns, const ClassRecord& record) {
    std::map<std::string, int> sharing;
    for (const auto& [test, title] : record.tests)
        ++sharing[title];
    std::set<std::string> taken(pupilColumns.begin(), pupilColumns.end());
    CsvRow row = std::move(pupilColumns);
    for (const auto& [test, title] : record.tests) {
        const std::string heading = sharing[title] > 1 ? title + " (" + test.source + ")" : title;
        std::string distinct = heading;
        for (int copy = 2; !taken.insert(distinct).second; ++copy)
            distinct = heading + " " + std::to_string(copy);
        row.push_back(std::move(distinct));
    }
    return row;
}

// The table's rows, the header first.
Table classTable(const ClassRecord& record) {
    Table table{headerRow({"login", "name"}, record)};
    for (const auto& [login, name] : record.pupils) {
        CsvRow row{login, name};
        for (const auto& entry : record.tests)
            row.push_back(cell(record, login, entry.first));
        table.push_back(std::move(row));
    }
    return table;
}

// Letters, not bytes: a name in another script lines up too.
qsizetype width(const std::string& text) {
    return QString::fromStdString(text).size();
}

std::string aligned(const Table& table) {
    std::vector<qsizetype> widths(table.front().size(), 0);
    for (const CsvRow& row : table)
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], width(row[i]));
    std::string text;
    for (const CsvRow& row : table) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            // Line breaks in a name would break the table's lines.
            QString shown = QString::fromStdString(row[i]).simplified();
            line += shown.leftJustified(widths[i] + 2).toStdString();
        }
        while (line.ends_with(' '))
            line.pop_back();
        text += line + "\n";
    }
    return text;
}

std::string wrongSentences(const ClassRecord& record) {
    std::vector<std::pair<std::string, int>> sentences(record.wrongAnswers.begin(),
                                                       record.wrongAnswers.end());
    std::stable_sort(sentences.begin(), sentences.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    if (sentences.size() > listedWrongSentences)
        sentences.resize(listedWrongSentences);
    std::string text = "\nMost often answered wrong:\n";
    if (sentences.empty())
        text += "  no wrong answer\n";
    for (const auto& [sentence, count] : sentences)
        text += QStringLiteral("%1  %2\n")
                    .arg(count, 6)
                    .arg(QString::fromStdString(sentence).simplified())
                    .toStdString();
    return text;
}

std::string csvText(const Table& table) {
    std::string text;
    for (const CsvRow& row : table)
        text += csvLine(row);
    return text;
}
} // namespace

std::string classReportText(const ClassRecord& record) {
    return aligned(classTable(record)) + wrongSentences(record);
}

std::string classReportCsv(const ClassRecord& record) {
    Table table = classTable(record);
    for (CsvRow& row : table)
        for (std::string& field : row)
            field = spreadsheetCell(field);
    return std::string("\xEF\xBB\xBF").append(csvText(table));
}

std::string moodleGradesCsv(const ClassRecord& record) {
    Table table{headerRow({"username"}, record)};
    for (const auto& [login, name] : record.pupils) {
        CsvRow row{login};
        for (const auto& entry : record.tests) {
            const auto found = record.results.find({login, entry.first});
            row.push_back(found == record.results.end() ? "" : std::to_string(found->second.best));
        }
        table.push_back(std::move(row));
    }
    return csvText(table);
}
