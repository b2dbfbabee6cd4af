#include "RecordProbe.h"

#include "Measure.h"
#include "record/AttemptCsv.h"
#include "record/Pupil.h"
#include "record/RecordWriter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <vector>

namespace {
using namespace std::chrono_literals;

// Ten answers, as a test of ten leaves them.
TestAttempt tenAnswers(int pupil, int attempt) {
    TestAttempt test{.test = 1 + attempt % 5,
                     .started = QDateTime::currentDateTime(),
                     .finished = QDateTime::currentDateTime(),
                     .complete = true,
                     .answers = {}};
    for (int i = 0; i < 10; ++i) {
        const bool ok = (pupil + attempt + i) % 3 != 0;
        test.answers.push_back({.sentence = " I ..... a girl number " + std::to_string(i) + ". ",
                                .left = "am",
                                .right = "is",
                                .correct = "am",
                                .picked = ok ? "am" : "is",
                                .ok = ok,
                                .score = 10 * i});
    }
    return test;
}
} // namespace

int measureRecordWrite() {
    QTemporaryDir folder;
    RecordWriter writer(folder.path().toStdString(), thisPupil("builtin"));
    std::vector<double> ms;
    for (int attempt = 0; attempt < 50; ++attempt) {
        const std::int64_t start = monotonicNs();
        writer.keep(tenAnswers(0, attempt));
        if (!writer.waitUntilWritten(5s))
            return 1;
        ms.push_back(double(monotonicNs() - start) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    report("write_median_ms", ms[ms.size() / 2]);
    report("write_worst_ms", ms.back());
    return QDir(folder.path()).entryList({"*.csv"}).size() == 50 ? 0 : 1;
}

int measureClassReport(const char* velmora) {
    QTemporaryDir folder;
    for (int pupil = 0; pupil < 100; ++pupil) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string name = std::to_string(pupil) + "_" + std::to_string(attempt);
            const AttemptRecord record{.attempt = name,
                                       .context = {.login = "pupil" + std::to_string(pupil),
                                                   .name = "Pupil " + std::to_string(pupil),
                                                   .computer = "pc",
                                                   .source = "builtin",
                                                   .titles = {}},
                                       .test = tenAnswers(pupil, attempt)};
            QFile file(folder.filePath(QString::fromStdString(name + ".csv")));
            const std::string text = attemptCsv(record);
            if (!file.open(QIODevice::WriteOnly) ||
                file.write(text.data(), qint64(text.size())) < 0)
                return 1;
        }
    }
    QProcess report;
    report.setStandardOutputFile(QProcess::nullDevice());
    const std::int64_t start = monotonicNs();
    report.start(QString::fromLocal8Bit(velmora), {"--report", folder.path()});
    if (!report.waitForFinished(60000) || report.exitCode() != 0)
        return 1;
    ::report("report_10000_ms", double(monotonicNs() - start) / 1e6);
    return 0;
}
