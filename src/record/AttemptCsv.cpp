#include "record/AttemptCsv.h"

#include "record/Csv.h"

#include <charconv>
#include <cstdlib>
#include <optional>

namespace {
// Raised whenever the columns change, so that a reader can tell a file it does not know.
constexpr std::string_view formatVersion = "1";

// Always with the offset, "+00:00" included, so that every file reads the same way.
std::string isoTime(const QDateTime& time) {
    const int minutes = time.offsetFromUtc() / 60;
    return QStringLiteral("%1%2%3:%4")
        .arg(time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")))
        .arg(minutes < 0 ? '-' : '+')
        .arg(std::abs(minutes) / 60, 2, 10, QLatin1Char('0'))
        .arg(std::abs(minutes) % 60, 2, 10, QLatin1Char('0'))
        .toStdString();
}

std::string titleOf(const AttemptContext& who, int test) {
    const auto index = std::size_t(test - 1);
    if (test >= 1 && index < who.titles.size() && !who.titles[index].empty())
        return who.titles[index];
    return "Test " + std::to_string(test);
}

std::optional<int> number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

enum Column {
    version,
    attempt,
    login,
    name,
    computer,
    source,
    test,
    title,
    started,
    finished,
    status,
    question,
    sentence,
    left,
    right,
    correct,
    picked,
    ok,
    score
};
} // namespace

const std::vector<std::string> attemptColumns = {
    "version", "attempt", "login",    "name",   "computer", "source",   "test",
    "title",   "started", "finished", "status", "question", "sentence", "left",
    "right",   "correct", "picked",   "ok",     "score"};

std::string attemptCsv(const AttemptRecord& record) {
    std::string text = csvLine(attemptColumns);
    const AttemptContext& who = record.context;
    const TestAttempt& test = record.test;
    for (std::size_t i = 0; i < test.answers.size(); ++i) {
        const AnsweredQuestion& answer = test.answers[i];
        text += csvLine({std::string(formatVersion), record.attempt, who.login, who.name,
                         who.computer, who.source, std::to_string(test.test),
                         titleOf(who, test.test), isoTime(test.started), isoTime(test.finished),
                         test.complete ? "finished" : "unfinished", std::to_string(i + 1),
                         answer.sentence, answer.left, answer.right, answer.correct, answer.picked,
                         answer.ok ? "1" : "0", std::to_string(answer.score)});
    }
    return text;
}

std::variant<std::vector<ReadAnswer>, std::string> readAttemptCsv(std::string_view text) {
    const std::optional<std::vector<CsvRow>> rows = readCsv(text);
    if (!rows || rows->empty() || rows->front() != attemptColumns)
        return "not an attempt file of Velmora";
    std::vector<ReadAnswer> answers;
    for (std::size_t i = 1; i < rows->size(); ++i) {
        const CsvRow& row = (*rows)[i];
        const std::optional<int> testNumber = number(row[test]);
        const std::optional<int> points = number(row[score]);
        if (row[version] != formatVersion || !testNumber || !points ||
            (row[ok] != "0" && row[ok] != "1") || row[started].size() < 10)
            return "row " + std::to_string(i + 1) + " is broken";
        answers.push_back({.attempt = row[attempt],
                           .login = row[login],
                           .name = row[name],
                           .source = row[source],
                           .test = *testNumber,
                           .title = row[title],
                           .started = row[started],
                           .sentence = row[sentence],
                           .ok = row[ok] == "1",
                           .score = *points});
    }
    if (answers.empty())
        return "it holds no answer";
    return answers;
}
