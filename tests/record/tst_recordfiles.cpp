// The record's files: the CSV they are written in, their names, writing them whole, and reading
// them back for the class report.
#include "Attempts.h"
#include "record/AttemptCsv.h"
#include "record/AttemptFile.h"
#include "record/ClassReport.h"
#include "record/Csv.h"
#include "record/FileName.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {
void writeText(const QString& path, const std::string& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.data(), qint64(text.size()));
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

AttemptRecord attemptOf(std::string login, int test, std::vector<bool> picks,
                        std::string day = "2026-12-10") {
    const QDateTime started =
        QDateTime::fromString(QString::fromStdString(day + "T10:00:00+01:00"), Qt::ISODate);
    AttemptRecord record{.attempt = login + std::to_string(test) + day,
                         .context = {.login = login,
                                     .name = login + " name",
                                     .computer = "pc",
                                     .source = "builtin",
                                     .titles = {}},
                         .test = {.test = test,
                                  .started = started,
                                  .finished = started,
                                  .complete = true,
                                  .answers = {}}};
    int correct = 0;
    for (std::size_t i = 0; i < picks.size(); ++i) {
        correct += picks[i];
        record.test.answers.push_back({.sentence = "sentence " + std::to_string(i + 1),
                                       .left = "a",
                                       .right = "b",
                                       .correct = "a",
                                       .picked = picks[i] ? "a" : "b",
                                       .ok = picks[i],
                                       .score = 100 * correct / int(picks.size())});
    }
    return record;
}
} // namespace

class RecordFiles : public QObject {
    Q_OBJECT
  private slots:
    void csvKeepsEveryTextAsItWas() {
        const AttemptRecord record = hostileAttempt("a");
        const std::optional<std::vector<CsvRow>> rows = readCsv(attemptCsv(record));
        QVERIFY(rows);
        QCOMPARE(rows->size(), record.test.answers.size() + 1);
        QCOMPARE(rows->front(), attemptColumns);
        const CsvRow& first = (*rows)[1];
        QCOMPARE(first[2], record.context.login);
        QCOMPARE(first[3], record.context.name);
        QCOMPARE(first[4], record.context.computer);
        QCOMPARE(first[7], record.context.titles[2]);
        QCOMPARE(first[8], std::string("2026-12-10T09:41:07+01:00"));
        QCOMPARE(first[12], record.test.answers[0].sentence);
        QCOMPARE((*rows)[4][12], std::string(" I ___ "));
        QCOMPARE((*rows)[5][18], std::string("60"));
    }

    void strictReadingRefusesBrokenText_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("bare line feed") << QByteArray("a,b\n");
        QTest::newRow("no line end") << QByteArray("a,b");
        QTest::newRow("quote inside a plain field") << QByteArray("a,b\"c\r\n");
        QTest::newRow("unclosed quote") << QByteArray("a,\"b\r\n");
        QTest::newRow("text after a closing quote") << QByteArray("a,\"b\"c\r\n");
        QTest::newRow("rows of different lengths") << QByteArray("a,b\r\nc\r\n");
    }
    void strictReadingRefusesBrokenText() {
        QFETCH(QByteArray, text);
        QVERIFY(!readCsv(text.toStdString()));
    }

    void spreadsheetCellsNeverStartAFormula_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("written");
        QTest::newRow("formula") << "=HYPERLINK(\"x\")"
                                 << "'=HYPERLINK(\"x\")";
        QTest::newRow("plus") << "+1"
                              << "'+1";
        QTest::newRow("minus") << "-"
                               << "'-";
        QTest::newRow("at") << "@SUM(A1)"
                            << "'@SUM(A1)";
        QTest::newRow("tab") << "\tx"
                             << "'\tx";
        QTest::newRow("carriage return") << "\rx"
                                         << "'\rx";
        QTest::newRow("score") << "88 (3)"
                               << "88 (3)";
        QTest::newRow("inner equals") << "a=b"
                                      << "a=b";
    }
    void spreadsheetCellsNeverStartAFormula() {
        QFETCH(QString, cell);
        QFETCH(QString, written);
        QCOMPARE(QString::fromStdString(spreadsheetCell(cell.toStdString())), written);
    }

    void namesAreSafeAndNeverShared() {
        const std::string logins[] = {
            "ana", "an a",    "an_a", "an%5Fa", "../../etc",          "Ёлка",
            "a/b", ".hidden", "a\nb", "",       std::string(300, 'x')};
        std::set<std::string> parts;
        for (const std::string& login : logins) {
            const std::string part = fileNamePart(login);
            QVERIFY2(part.size() <= 64, part.c_str());
            QVERIFY2(part.find_first_of("/_\n ") == std::string::npos, part.c_str());
            QVERIFY2(parts.insert(part).second, part.c_str());
        }
        QCOMPARE(fileNamePart(std::string(300, 'x')) == fileNamePart(std::string(301, 'x')), false);
        const QDateTime when = QDateTime::fromString("2026-12-10T09:41:07", Qt::ISODate);
        QCOMPARE(attemptName(when, "ana", "room3-pc12", 4182, 1),
                 std::string("2026-12-10T09-41-07_ana_room3-pc12_4182"));
        QCOMPARE(attemptName(when, "ana", "room3-pc12", 4182, 2),
                 std::string("2026-12-10T09-41-07_ana_room3-pc12_4182-2"));
    }

    void aFileIsWrittenWholeUnderItsName() {
        QTemporaryDir parent;
        const QString folder = parent.filePath("class");
        // A missing folder whose parent is there is made.
        const std::string text = attemptCsv(hostileAttempt("x"));
        QVERIFY(!writeAttemptFile(folder.toStdString(), "x", text));
        QCOMPARE(filesIn(folder), QStringList{"x.csv"});
        QFile written(folder + "/x.csv");
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().toStdString(), text);
    }

    void aWriteThatCannotBeDoneSaysWhy() {
        QTemporaryDir parent;
        const std::optional<WriteError> noParent =
            writeAttemptFile(parent.filePath("gone/class").toStdString(), "x", "text");
        QVERIFY(noParent);
        QCOMPARE(noParent->kind, WriteFailure::folderMissing);
        // A link planted where the temporary file goes is neither followed nor overwritten.
        const QString target = parent.filePath("target");
        writeText(target, "kept");
        QVERIFY(QFile::link(target, parent.filePath(QString::fromStdString(temporaryName("x")))));
        QVERIFY(writeAttemptFile(parent.path().toStdString(), "x", "text"));
        QFile kept(target);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("kept"));
        QVERIFY(!QFile::exists(parent.filePath("x.csv")));
    }

    void reportHasEachPupilsBestAndCount() {
        QTemporaryDir folder;
        const AttemptRecord attempts[] = {
            attemptOf("ana", 1, {true, false, true, true}),
            attemptOf("ana", 1, {true, true, true, false}, "2026-12-11"),
            attemptOf("ana", 2, {true, false}, "2026-12-11"),
            attemptOf("ben", 1, {false, false, true, true}, "2026-12-09"),
        };
        for (const AttemptRecord& attempt : attempts)
            writeText(folder.filePath(QString::fromStdString(attempt.attempt + ".csv")),
                      attemptCsv(attempt));
        std::string why;
        const std::optional<ClassRecord> all =
            readClassRecord(folder.path().toStdString(), {}, why);
        QVERIFY(all);
        QVERIFY(all->leftOut.empty());
        const std::string text = classReportText(*all);
        QVERIFY2(text.find("ana    ana name  75 (2)  50 (1)\n") != std::string::npos, text.c_str());
        QVERIFY2(text.find("ben    ben name  50 (1)  -\n") != std::string::npos, text.c_str());
        QVERIFY2(text.find("     3  sentence 2\n") != std::string::npos, text.c_str());
        const std::optional<ClassRecord> later =
            readClassRecord(folder.path().toStdString(), "2026-12-11", why);
        QVERIFY(later);
        QCOMPARE(later->pupils.size(), 1u);
        QCOMPARE(later->results.at({"ana", {"builtin", 1}}).attempts, 1);
        QCOMPARE(moodleGradesCsv(*all),
                 std::string("username,Test 1,Test 2\r\nana,75,50\r\nben,50,\r\n"));
        QCOMPARE(classReportCsv(*all), std::string("\xEF\xBB\xBFlogin,name,Test 1,Test 2\r\n"
                                                   "ana,ana name,75 (2),50 (1)\r\n"
                                                   "ben,ben name,50 (1),'-\r\n"));
    }

    // A spreadsheet and Moodle's import tell the columns apart by their headings alone.
    void reportHeadsEachTestWithATitleOfItsOwn() {
        QTemporaryDir folder;
        const std::string teachers = "past.gift 0123456789ab";
        const auto write = [&](std::string login, int test, std::string source,
                               std::vector<std::string> titles) {
            AttemptRecord attempt = attemptOf(std::move(login), test, {true});
            attempt.context.source = std::move(source);
            attempt.context.titles = std::move(titles);
            writeText(folder.filePath(QString::fromStdString(attempt.attempt + ".csv")),
                      attemptCsv(attempt));
        };
        write("ana", 1, "builtin", {});
        write("ben", 1, teachers, {"", "Past (1)"});
        write("ben", 2, teachers, {"", "Past (1)"});
        write("ben", 3, teachers, {"", "", "username", "login"});
        write("ben", 4, teachers, {"", "", "username", "login"});
        std::string why;
        const std::optional<ClassRecord> record =
            readClassRecord(folder.path().toStdString(), {}, why);
        QVERIFY(record);
        const std::string moodle = moodleGradesCsv(*record);
        QCOMPARE(moodle.substr(0, moodle.find("\r\n")),
                 "username,Test 1 (builtin),Test 1 (" + teachers + "),Past (1),username 2,login");
        const std::string table = classReportCsv(*record);
        QCOMPARE(table.substr(0, table.find("\r\n")),
                 "\xEF\xBB\xBFlogin,name,Test 1 (builtin),Test 1 (" + teachers +
                     "),Past (1),username,login 2");
    }

    void reportLeavesOutWhatIsNotAnAttemptAndGoesOn() {
        QTemporaryDir folder;
        const AttemptRecord good = attemptOf("ana", 1, {true});
        writeText(folder.filePath("good.csv"), attemptCsv(good));
        writeText(folder.filePath(".good.csv.part"), attemptCsv(good).substr(0, 40));
        writeText(folder.filePath("notes.txt"), "hello");
        writeText(folder.filePath("other.csv"), "a,b\r\n1,2\r\n");
        writeText(folder.filePath("cut.csv"), attemptCsv(good).substr(0, 200));
        writeText(folder.filePath("header.csv"), csvLine(attemptColumns));
        QVERIFY(QFile::link(folder.filePath("good.csv"), folder.filePath("link.csv")));
        QVERIFY(QDir(folder.path()).mkdir("sub.csv"));
        std::string why;
        const std::optional<ClassRecord> record =
            readClassRecord(folder.path().toStdString(), {}, why);
        QVERIFY(record);
        QCOMPARE(record->leftOut.size(), 7u);
        QCOMPARE(record->results.size(), 1u);
        QVERIFY(!readClassRecord(folder.filePath("missing").toStdString(), {}, why));
        QVERIFY(!why.empty());
    }
};

QTEST_GUILESS_MAIN(RecordFiles)
#include "tst_recordfiles.moc"
