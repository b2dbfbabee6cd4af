// Where the record is kept: the option, the user's configuration file and the system's, in that
// order; and the report's options on the command line.
#include "program/CommandLine.h"
#include "program/RecordSetting.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {
void writeSetting(const QString& root, const QString& folder) {
    if (folder.isEmpty())
        return;
    QSettings settings(root + "/velmora/velmora.conf", QSettings::IniFormat);
    settings.setValue("record/folder", folder);
}

CommandLine read(QStringList arguments) {
    arguments.prepend("velmora");
    std::vector<QByteArray> bytes;
    std::vector<const char*> argv;
    for (const QString& argument : arguments)
        bytes.push_back(argument.toLocal8Bit());
    for (const QByteArray& argument : bytes)
        argv.push_back(argument.constData());
    return readCommandLine(int(argv.size()), argv.data());
}
} // namespace

class RecordSetting : public QObject {
    Q_OBJECT
  private slots:
    void theOptionWinsThenTheUsersFileThenTheSystems_data() {
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("kept");
        QTest::newRow("off") << ""
                             << ""
                             << ""
                             << "";
        QTest::newRow("school") << "/srv/class"
                                << ""
                                << ""
                                << "/srv/class";
        QTest::newRow("user over school") << "/srv/class"
                                          << "/home/a/r"
                                          << ""
                                          << "/home/a/r";
        QTest::newRow("option over both") << "/srv/class"
                                          << "/home/a/r"
                                          << "/tmp/x"
                                          << "/tmp/x";
        QTest::newRow("relative option") << ""
                                         << ""
                                         << "x/../y" << QDir::current().filePath("y");
        QTest::newRow("home in a file") << "~/r"
                                        << ""
                                        << "" << QDir::home().filePath("r");
    }
    void theOptionWinsThenTheUsersFileThenTheSystems() {
        QFETCH(QString, system);
        QFETCH(QString, user);
        QFETCH(QString, option);
        QFETCH(QString, kept);
        QTemporaryDir systemRoot;
        QTemporaryDir userRoot;
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, systemRoot.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userRoot.path());
        writeSetting(systemRoot.path(), system);
        writeSetting(userRoot.path(), user);
        QCOMPARE(recordFolder(option), kept);
    }

    void reportOptionsGoWithAReport_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLine::Request>("request");
        QTest::newRow("report") << QStringList{"--report", "d", "--since", "2026-12-01"}
                                << CommandLine::Request::report;
        QTest::newRow("since alone")
            << QStringList{"--since", "2026-12-01"} << CommandLine::Request::mistake;
        QTest::newRow("csv while playing")
            << QStringList{"--record", "d", "--csv", "f"} << CommandLine::Request::mistake;
        QTest::newRow("not a day") << QStringList{"--report", "d", "--since", "yesterday"}
                                   << CommandLine::Request::mistake;
        QTest::newRow("a file to report on")
            << QStringList{"--report", "d", "tests.gift"} << CommandLine::Request::mistake;
        QTest::newRow("record") << QStringList{"--record", "d", "tests.gift"}
                                << CommandLine::Request::run;
    }
    void reportOptionsGoWithAReport() {
        QFETCH(QStringList, arguments);
        QFETCH(CommandLine::Request, request);
        QCOMPARE(read(arguments).request, request);
    }
};

QTEST_GUILESS_MAIN(RecordSetting)
#include "tst_recordsetting.moc"
