// What a teacher's tests are called in the record and the class report: the name of the category
// their questions come from, told apart where a category makes several tests.
#include "questions/CategoryName.h"
#include "questions/TeacherReader.h"

#include <QTest>

namespace {
// A file of GIFT and the same questions as Moodle XML: before each category mark ("$" and the
// path) or run of questions ("7q"), in the order given.
struct Files {
    QByteArray gift;
    QByteArray xml = "<?xml version=\"1.0\"?>\n<quiz>\n";
};

Files filesOf(const QStringList& layout) {
    Files files;
    for (const QString& item : layout) {
        if (item.startsWith('$')) {
            const QByteArray path = item.mid(1).toUtf8();
            files.gift += "$CATEGORY: " + path + "\n\n";
            files.xml += "<question type=\"category\"><category><text>" + path +
                         "</text></category></question>\n";
            continue;
        }
        for (int question = item.chopped(1).toInt(); question > 0; --question) {
            files.gift += "The cats {=were ~was} here.\n\n";
            files.xml += "<question type=\"cloze\"><questiontext format=\"html\"><text>The cats "
                         "{1:MC:=were~was} here.</text></questiontext></question>\n";
        }
    }
    files.xml += "</quiz>\n";
    return files;
}

QStringList titlesOf(const QByteArray& file) {
    const TeacherTests read =
        readTeacherTests(std::string_view(file.constData(), std::size_t(file.size())));
    QStringList titles;
    for (const std::string& title : read.titles())
        titles << QString::fromStdString(title);
    return titles;
}
} // namespace

class Titles : public QObject {
    Q_OBJECT
  private slots:
    void aCategoryIsCalledByTheLastPartOfItsPath_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::newRow("Moodle's path") << "$course$/top/Grammar/U5 subject–verb agreement"
                                       << "U5 subject–verb agreement";
        QTest::newRow("typed by hand") << "Past tense"
                                       << "Past tense";
        QTest::newRow("before Moodle had top") << "$course$/Default for Class 4"
                                               << "Default for Class 4";
        QTest::newRow("a slash in a name") << "$course$/top/either//or"
                                           << "either/or";
        QTest::newRow("a slash at the end") << "$course$/top/Past/"
                                            << "Past";
        QTest::newRow("blanks and breaks") << " $system$ / top /\tPast \r\n tense \x01"
                                           << "Past tense";
        QTest::newRow("a top below the top") << "$course$/top/top"
                                             << "top";
        QTest::newRow("only where it is kept") << "$course$/top"
                                               << "";
        QTest::newRow("only the context") << "$module$"
                                          << "";
        QTest::newRow("nothing") << " "
                                 << "";
        const QString cyrillic = QString(70, QChar(0x0416));
        QTest::newRow("too long, cut between letters") << cyrillic << cyrillic.left(60);
        QTest::newRow("too long, cut at a blank") << QString(59, 'a') + " b" << QString(59, 'a');
    }
    void aCategoryIsCalledByTheLastPartOfItsPath() {
        QFETCH(QString, path);
        QTEST(QString::fromStdString(categoryName(path.toStdString())), "name");
    }

    void eachTestIsTitledByItsCategory_data() {
        QTest::addColumn<QStringList>("layout");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("no category") << QStringList{"7q"} << QStringList{""};
        QTest::newRow("questions before the first category")
            << QStringList{"3q", "$$course$/top/Past", "4q"} << QStringList{"", "Past"};
        QTest::newRow("28 questions of one category")
            << QStringList{"$U5 agreement", "28q"}
            << QStringList{"U5 agreement (1)", "U5 agreement (2)", "U5 agreement (3)"};
        QTest::newRow("one name in two places")
            << QStringList{"$A/Past", "2q", "$Present", "2q", "$B/Past", "2q"}
            << QStringList{"Past (1)", "Present", "Past (2)"};
        QTest::newRow("a number that a name already has")
            << QStringList{"$Past", "1q", "$Past (1)", "1q", "$Present", "$Past", "1q"}
            << QStringList{"Past (2)", "Past (1)", "Past (3)"};
        QTest::newRow("a category that holds nothing")
            << QStringList{"$Past", "$Present", "2q"} << QStringList{"Present"};
        QTest::newRow("only the tests played are numbered")
            << QStringList{"$A", "1q", "$B", "1q", "$C", "1q", "$D", "11q"}
            << QStringList{"A", "B", "C", "D (1)", "D (2)"};
    }
    void eachTestIsTitledByItsCategory() {
        QFETCH(QStringList, layout);
        const Files files = filesOf(layout);
        QTEST(titlesOf(files.gift), "titles");
        QTEST(titlesOf(files.xml), "titles");
    }
};

QTEST_APPLESS_MAIN(Titles)
#include "tst_titles.moc"
