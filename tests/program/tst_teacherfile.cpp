// The teacher's file named on the command line: only a regular file is read, and no more of it
// than the readers need to refuse it as too large; anything else is refused at once with one
// line, and the report of what was left out has the form editors jump from.
#include "program/TeacherFile.h"
#include "program/TeacherReport.h"
#include "questions/TeacherReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {
// What a path in the folder becomes, made by `make`.
enum class Made { Nothing, Folder, Fifo, File };
} // namespace

class TeacherFileTest : public QObject {
    Q_OBJECT
  private slots:
    void onlyARegularFileIsReadUpToOneByteOverTheLargest_data();
    void onlyARegularFileIsReadUpToOneByteOverTheLargest();
    void theReportListsFiftyFindingsThenCountsTheRest_data();
    void theReportListsFiftyFindingsThenCountsTheRest();
    void theLastLineCountsTestsAndSkippedQuestions_data();
    void theLastLineCountsTestsAndSkippedQuestions();
};

void TeacherFileTest::onlyARegularFileIsReadUpToOneByteOverTheLargest_data() {
    QTest::addColumn<Made>("made");
    QTest::addColumn<qsizetype>("size");
    QTest::addColumn<qsizetype>("sizeRead");
    QTest::addColumn<QString>("refusal");

    const auto largest = qsizetype(largestTeacherFile);
    QTest::newRow("missing") << Made::Nothing << qsizetype(0) << qsizetype(0)
                             << "there is no such file";
    QTest::newRow("a folder") << Made::Folder << qsizetype(0) << qsizetype(0)
                              << "this is a folder, not a file";
    // Opening a pipe that nobody writes to would wait for ever.
    QTest::newRow("a pipe") << Made::Fifo << qsizetype(0) << qsizetype(0)
                            << "this is not a regular file";
    QTest::newRow("far over the largest") << Made::File << largest + 4096 << largest + 1 << "";
    QTest::newRow("one byte over") << Made::File << largest + 1 << largest + 1 << "";
    QTest::newRow("the largest") << Made::File << largest << largest << "";
    QTest::newRow("empty") << Made::File << qsizetype(0) << qsizetype(0) << "";
}

void TeacherFileTest::onlyARegularFileIsReadUpToOneByteOverTheLargest() {
    QFETCH(Made, made);
    QFETCH(qsizetype, size);
    QFETCH(qsizetype, sizeRead);
    QFETCH(QString, refusal);
    const QTemporaryDir folder;
    const QString path = folder.filePath("tests.gift");
    const QByteArray bytes(size, 'a');
    if (made == Made::Folder)
        QVERIFY(QDir(folder.path()).mkdir("tests.gift"));
    if (made == Made::Fifo)
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (made == Made::File) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), size);
    }

    const TeacherFile read = readTeacherFile(path.toStdString());
    QCOMPARE(read.refusal ? QString::fromStdString(read.refusal->message) : QString(), refusal);
    if (read.refusal)
        QCOMPARE(read.refusal->line, 0);
    else
        QVERIFY(read.bytes == bytes.first(sizeRead).toStdString());
}

void TeacherFileTest::theReportListsFiftyFindingsThenCountsTheRest_data() {
    QTest::addColumn<int>("findings");
    QTest::addColumn<QStringList>("lastLines");

    QTest::newRow("none") << 0 << QStringList();
    QTest::newRow("one") << 1 << QStringList{"tests.gift:3: a true/false question"};
    QTest::newRow("fifty") << 50
                           << QStringList{"tests.gift:99: a true/false question",
                                          "tests.gift:101: a true/false question"};
    QTest::newRow("sixty-two") << 62
                               << QStringList{"tests.gift:101: a true/false question",
                                              "... and 12 more"};
}

void TeacherFileTest::theReportListsFiftyFindingsThenCountsTheRest() {
    QFETCH(int, findings);
    QFETCH(QStringList, lastLines);
    std::vector<Finding> found;
    for (int index = 0; index < findings; ++index)
        found.push_back({3 + 2 * index, "a true/false question"});
    QStringList lines;
    for (const std::string& line : reportLines("tests.gift", found))
        lines << QString::fromStdString(line);
    QCOMPARE(lines.size(), std::min(findings, 51));
    QCOMPARE(lines.mid(lines.size() - lastLines.size()), lastLines);
    QCOMPARE(reportLine("tests.gift", {0, "the text is UTF-16: save it as UTF-8"}),
             "tests.gift: the text is UTF-16: save it as UTF-8");
}

void TeacherFileTest::theLastLineCountsTestsAndSkippedQuestions_data() {
    QTest::addColumn<std::vector<std::size_t>>("lengths");
    QTest::addColumn<int>("skipped");
    QTest::addColumn<QString>("line");

    using Lengths = std::vector<std::size_t>;
    QTest::newRow("plural") << Lengths{10, 10} << 3
                            << "2 tests of 10 questions; 3 questions skipped";
    QTest::newRow("singular") << Lengths{10} << 1 << "1 test of 10 questions; 1 question skipped";
    QTest::newRow("nothing") << Lengths{} << 0 << "no test of 10 questions; no question skipped";
    QTest::newRow("three lengths")
        << Lengths{10, 9, 9} << 3 << "3 tests: 10, 9 and 9 questions; 3 questions skipped";
    QTest::newRow("one short test") << Lengths{5} << 1 << "1 test: 5 questions; 1 question skipped";
    QTest::newRow("two") << Lengths{6, 6} << 0 << "2 tests: 6 and 6 questions; no question skipped";
    QTest::newRow("ten then short")
        << Lengths{10, 10, 10, 10, 1} << 0
        << "5 tests: 10, 10, 10, 10 and 1 questions; no question skipped";
    QTest::newRow("one of one") << Lengths{1} << 0 << "1 test: 1 question; no question skipped";
}

void TeacherFileTest::theLastLineCountsTestsAndSkippedQuestions() {
    QFETCH(std::vector<std::size_t>, lengths);
    QFETCH(int, skipped);
    QTEST(QString::fromStdString(summaryLine(lengths, skipped)), "line");
}

QTEST_APPLESS_MAIN(TeacherFileTest)
#include "tst_teacherfile.moc"
