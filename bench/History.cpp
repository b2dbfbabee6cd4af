#include "History.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <cstdio>
#include <thread>

namespace {
// "AMD EPYC 7B13 64-Core Processor, 2 cores, Debian..." gives "amd-epyc-7b13-64-core-processor".
QString processorSlug(const QString& machine) {
    static const QRegularExpression notWordy("[^a-z0-9]+");
    static const QRegularExpression dashAtAnEnd("^-|-$");
    return machine.section(',', 0, 0).toLower().replace(notWordy, "-").remove(dashAtAnEnd);
}

void write(const QString& path, const QByteArray& contents) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        std::fprintf(stderr, "bench: cannot write %s\n", qPrintable(path));
}
} // namespace

void recordRun(const QString& folder, const QString& machine, const QString& table,
               const QByteArray& json) {
    QDir().mkpath(folder);
    const QString stem =
        QString("%1/%2-%3-%4cores")
            .arg(folder, QDateTime::currentDateTimeUtc().toString("yyyy-MM-ddTHHmmssZ"),
                 processorSlug(machine))
            .arg(std::thread::hardware_concurrency());
    write(stem + ".txt", ("Machine: " + machine + '\n' + table).toUtf8());
    write(stem + ".json", json);
    std::printf("Recorded in %s.txt and .json\n", qPrintable(stem));
}
