// The record as real processes write it into real folders: many pupils at once, a writer killed
// at every step of a write, a folder that is full or may not be written, a drop folder written
// as another user, and files that another program's strict CSV reader must take.
#include "Attempts.h"
#include "record/ClassRecord.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString writer = QStringLiteral(ATTEMPT_WRITER);

struct Run {
    QProcess::ExitStatus exit;
    int status;
    QStringList said;
};

Run runWriter(const QString& folder, QStringList more = {}, const QString& underStrace = {}) {
    QProcess process;
    QStringList arguments = QStringList{folder, "3"} + more;
    if (underStrace.isEmpty()) {
        process.start(writer, arguments);
    } else {
        // LeakSanitizer cannot work under strace, and would end a sanitized writer with a failure.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("ASAN_OPTIONS", environment.value("ASAN_OPTIONS") + ":detect_leaks=0");
        process.setProcessEnvironment(environment);
        process.start(underStrace, QStringList{"-f", "-o", "/dev/null", "-e",
                                               "inject=fsync:error=ENOSPC", "--", writer} +
                                       arguments);
    }
    process.waitForFinished(10000);
    const QString said = QString::fromUtf8(process.readAllStandardError()).trimmed();
    return {process.exitStatus(), process.exitCode(),
            said.isEmpty() ? QStringList{} : said.split('\n')};
}

QStringList filesIn(const QString& folder, const QString& pattern) {
    return QDir(folder).entryList({pattern}, QDir::Files | QDir::Hidden);
}

ClassRecord readBack(const QString& folder) {
    std::string why;
    std::optional<ClassRecord> record = readClassRecord(folder.toStdString(), {}, why);
    return record.value_or(ClassRecord{});
}

int attemptsIn(const ClassRecord& record) {
    int attempts = 0;
    for (const auto& entry : record.results)
        attempts += entry.second.attempts;
    return attempts;
}

// Every row of every attempt file, read with Python's csv module in strict mode, as JSON.
const QString strictReader =
    QStringLiteral("import csv, glob, json, sys\n"
                   "rows = []\n"
                   "for name in sorted(glob.glob(sys.argv[1] + '/*.csv')):\n"
                   "    with open(name, newline='', encoding='utf-8') as f:\n"
                   "        rows += list(csv.reader(f, strict=True))[1:]\n"
                   "print(json.dumps(rows))\n");

enum class Denial { readOnlyFolder, fullDisk };

// Whether every folder above `path` lets other users through, as a school's drop folder does.
bool othersCanReach(const QString& path) {
    for (QDir above = QFileInfo(path).dir(); !above.isRoot(); above.cdUp())
        if (!(QFileInfo(above.path()).permissions() & QFile::ExeOther))
            return false;
    return true;
}
} // namespace

class RecordProcesses : public QObject {
    Q_OBJECT
  private slots:
    void fortyPupilsFinishAtOnce() {
        QTemporaryDir folder;
        constexpr int pupils = 40;
        std::vector<std::unique_ptr<QProcess>> processes;
        for (int i = 0; i < pupils; ++i) {
            processes.push_back(std::make_unique<QProcess>());
            processes.back()->start(writer, {folder.path(), "3"});
        }
        for (auto& process : processes) {
            QVERIFY(process->waitForFinished(10000));
            QCOMPARE(process->exitCode(), 0);
        }
        const ClassRecord record = readBack(folder.path());
        QCOMPARE(record.leftOut, std::vector<std::string>{});
        QCOMPARE(attemptsIn(record), 3 * pupils);
        QCOMPARE(filesIn(folder.path(), "*.csv").size(), 3 * pupils);
        QCOMPARE(filesIn(folder.path(), ".*").size(), 0);
    }

    void aWriterKilledAtAnyStepLeavesNoFinalName_data() {
        QTest::addColumn<QString>("step");
        for (const char* step : {"before-data", "mid-data", "before-flush", "before-rename"})
            QTest::newRow(step) << step;
    }
    void aWriterKilledAtAnyStepLeavesNoFinalName() {
        QFETCH(QString, step);
        QTemporaryDir folder;
        const Run run = runWriter(folder.path(), {"kill-at", step});
        QCOMPARE(run.exit, QProcess::CrashExit);
        QCOMPARE(filesIn(folder.path(), "*.csv"), QStringList{});
        // The teacher's report names what the crash left and goes on.
        const ClassRecord record = readBack(folder.path());
        QCOMPARE(record.leftOut.size(), 1u);
        QCOMPARE(attemptsIn(record), 0);
    }

    void aFolderThatTakesNothingIsToldOnceAndPlayGoesOn_data() {
        QTest::addColumn<Denial>("denial");
        QTest::addColumn<QString>("line");
        QTest::newRow("read-only folder") << Denial::readOnlyFolder << "cannot be written";
        QTest::newRow("full disk") << Denial::fullDisk << "is full";
    }
    void aFolderThatTakesNothingIsToldOnceAndPlayGoesOn() {
        QFETCH(Denial, denial);
        QFETCH(QString, line);
        QTemporaryDir folder;
        Run run;
        if (denial == Denial::readOnlyFolder) {
            QVERIFY(::chmod(folder.path().toLocal8Bit().constData(), 0555) == 0);
            run = runWriter(folder.path(), {"as-nobody"});
        } else {
            const QString strace = QStandardPaths::findExecutable("strace");
            if (strace.isEmpty())
                QSKIP("strace is not installed: tools/install-deps installs it");
            run = runWriter(folder.path(), {}, strace);
        }
        QCOMPARE(run.exit, QProcess::NormalExit);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.said.size(), 1);
        QVERIFY2(run.said.front().contains(line), qPrintable(run.said.front()));
        QCOMPARE(filesIn(folder.path(), "*"), QStringList{});
        QCOMPARE(filesIn(folder.path(), ".*"), QStringList{});
    }

    void pupilsWriteIntoADropFolderTheyCannotList() {
        if (::getuid() != 0)
            QSKIP("writing as another user needs root");
        QTemporaryDir folder;
        if (!othersCanReach(folder.path()))
            QSKIP("other users cannot reach the temporary folder: set TMPDIR to one they can");
        QVERIFY(::chmod(folder.path().toLocal8Bit().constData(), 01733) == 0);
        const Run run = runWriter(folder.path(), {"as-nobody"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.said, QStringList{});
        QCOMPARE(attemptsIn(readBack(folder.path())), 3);
    }

    void anotherProgramReadsHostileTextsBackStrictly() {
        const QString python = QStandardPaths::findExecutable("python3");
        if (python.isEmpty())
            QSKIP("python3 is not installed");
        QTemporaryDir folder;
        QCOMPARE(runWriter(folder.path()).status, 0);
        const AttemptRecord expected = hostileAttempt({});
        QProcess reader;
        reader.start(python, {"-c", strictReader, folder.path()});
        QVERIFY(reader.waitForFinished(10000));
        QCOMPARE(reader.exitCode(), 0);
        const QJsonArray rows = QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
        QCOMPARE(rows.size(), 3 * qsizetype(expected.test.answers.size()));
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const QJsonArray row = rows[i].toArray();
            const AnsweredQuestion& answer = expected.test.answers[std::size_t(i) % 5];
            QCOMPARE(row.size(), 19);
            QCOMPARE(row[2].toString().toStdString(), expected.context.login);
            QCOMPARE(row[3].toString().toStdString(), expected.context.name);
            QCOMPARE(row[4].toString().toStdString(), expected.context.computer);
            QCOMPARE(row[7].toString().toStdString(), expected.context.titles[2]);
            QCOMPARE(row[12].toString().toStdString(), answer.sentence);
            QCOMPARE(row[14].toString().toStdString(), answer.right);
            QCOMPARE(row[16].toString().toStdString(), answer.picked);
        }
    }
};

QTEST_GUILESS_MAIN(RecordProcesses)
#include "tst_recordprocesses.moc"
