#include "program/TeacherSet.h"

#include "program/CommandLine.h"
#include "program/TeacherFile.h"
#include "program/TeacherReport.h"
#include "quiz/QuestionFit.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <cstdio>
#include <optional>

namespace {
void printLines(const std::vector<std::string>& lines, std::FILE* stream) {
    for (const std::string& line : lines) {
        std::fputs(line.c_str(), stream);
        std::fputc('\n', stream);
    }
}
} // namespace

TeacherSet loadTeacherSet(const QString& path, const FitCheck& fits) {
    const std::string name = QFile::encodeName(path).toStdString();
    TeacherFile file = readTeacherFile(name);
    if (file.refusal)
        return {.tests = {}, .report = {reportLine(name, *file.refusal)}, .source = {}};
    TeacherSet set{.tests = readTeacherTests(file.bytes, fits), .report = {}, .source = {}};
    const QByteArray digest =
        QCryptographicHash::hash(QByteArrayView(file.bytes.data(), qsizetype(file.bytes.size())),
                                 QCryptographicHash::Sha256);
    set.source =
        QFileInfo(path).fileName().toStdString() + " " + digest.toHex().left(12).toStdString();
    set.report = reportLines(name, set.tests.findings());
    if (const std::optional<Finding>& refusal = set.tests.refusal())
        set.report.push_back(reportLine(name, *refusal));
    return set;
}

int checkTeacherFile(const QString& path, char* programName) {
    // The fonts are loaded at the first question to measure, and without a display: a file that
    // is refused before then is checked without Qt's platform at all.
    int qtArgc = 1;
    std::optional<QGuiApplication> fonts;
    const auto fits = [&](const Question& question) {
        if (!fonts) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            fonts.emplace(qtArgc, &programName);
        }
        return whyItDoesNotFit(question);
    };
    const TeacherSet set = loadTeacherSet(path, fits);
    printLines(set.report, stdout);
    if (!set.playable())
        return exitUnplayableFile;
    std::vector<std::size_t> lengths;
    for (const QuestionBank& test : set.tests.tests())
        lengths.push_back(test.size());
    std::puts(summaryLine(lengths, set.tests.questionsSkipped()).c_str());
    return exitSuccess;
}

int refuseTeacherSet(const TeacherSet& set, bool onTerminal) {
    if (onTerminal) {
        printLines(set.report, stderr);
        return exitUnplayableFile;
    }
    QStringList lines;
    for (const std::string& line : set.report)
        lines.append(QString::fromStdString(line));
    QMessageBox::critical(nullptr, QStringLiteral("Velmora"), lines.join('\n'));
    return exitUnplayableFile;
}

void reportLeftOut(const TeacherSet& set) {
    printLines(set.report, stderr);
}
