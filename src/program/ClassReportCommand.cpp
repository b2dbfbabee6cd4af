#include "program/ClassReportCommand.h"

#include "program/CommandLine.h"
#include "record/ClassReport.h"

#include <QFile>
#include <QSaveFile>
#include <cstdio>

namespace {
// Written whole or not at all, so that a spreadsheet never opens half a table.
bool writeFile(const QString& path, const std::string& text) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) &&
        file.write(text.data(), qint64(text.size())) == qint64(text.size()) && file.commit())
        return true;
    std::fprintf(stderr, "velmora: %s: %s\n", QFile::encodeName(path).constData(),
                 file.errorString().toLocal8Bit().constData());
    return false;
}
} // namespace

int reportOnClass(const CommandLine& commandLine) {
    const std::string folder = QFile::encodeName(commandLine.recordFolder).toStdString();
    std::optional<std::string> since;
    if (!commandLine.since.isEmpty())
        since = commandLine.since.toStdString();
    std::string why;
    const std::optional<ClassRecord> record = readClassRecord(folder, since, why);
    if (!record) {
        std::fprintf(stderr, "velmora: the record's folder %s cannot be read: %s\n", folder.c_str(),
                     why.c_str());
        return exitRecordUnreadable;
    }
    for (const std::string& line : record->leftOut)
        std::fprintf(stderr, "velmora: %s\n", line.c_str());
    std::fputs(classReportText(*record).c_str(), stdout);
    bool written = true;
    if (!commandLine.spreadsheet.isEmpty())
        written = writeFile(commandLine.spreadsheet, classReportCsv(*record)) && written;
    if (!commandLine.moodleGrades.isEmpty())
        written = writeFile(commandLine.moodleGrades, moodleGradesCsv(*record)) && written;
    return written ? exitSuccess : exitRecordUnreadable;
}
