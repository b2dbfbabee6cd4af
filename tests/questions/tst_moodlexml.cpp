// A Moodle XML export read as a teacher's file: each question Velmora cannot play named with the
// line of its <question>, each file it cannot read refused in one line, quickly and whatever the
// file declares, and shuffled questions dealt to both sides the same way every time.
#include "questions/TeacherReader.h"

#include <QElapsedTimer>
#include <QTest>

namespace {
QByteArray quiz(const QByteArray& questions) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n" + questions + "</quiz>\n";
}

QByteArray text(const QByteArray& html) {
    return "<text><![CDATA[" + html + "]]></text>";
}

QByteArray question(const QByteArray& type, const QByteArray& sentence, const QByteArray& rest) {
    return "<question type=\"" + type + "\"><questiontext format=\"html\">" + text(sentence) +
           "</questiontext>" + rest + "</question>\n";
}

QByteArray answer(const QByteArray& fraction, const QByteArray& word) {
    return "<answer fraction=\"" + fraction + "\" format=\"html\">" + text(word) + "</answer>";
}

QByteArray multichoice(const QByteArray& sentence, const QByteArray& answers) {
    return question("multichoice", sentence, "<single>true</single>" + answers);
}

QByteArray cloze(const QByteArray& sentence) {
    return question("cloze", sentence, "");
}

QByteArray choices(const QByteArray& element, const QList<QByteArray>& groups) {
    QByteArray all;
    for (qsizetype index = 0; index < groups.size(); ++index)
        all += "<" + element + "><text>word" + QByteArray::number(index) + "</text><group>" +
               groups[index] + "</group></" + element + ">";
    return all;
}

TeacherTests read(const QByteArray& bytes) {
    return readTeacherTests(std::string_view(bytes.data(), std::size_t(bytes.size())));
}

QString shown(const std::optional<Finding>& finding) {
    return finding
               ? QString::number(finding->line) + ": " + QString::fromStdString(finding->message)
               : QString();
}

// Ten sentences a test can be made of, with the right word first in each.
QList<QByteArray> tenSentences() {
    QList<QByteArray> sentences;
    for (const char* who : {"The cats", "We", "They", "You", "The dogs", "My friends", "The girls",
                            "Both boys", "The birds", "Our parents"})
        sentences << QByteArray(who);
    return sentences;
}
} // namespace

class MoodleXmlTest : public QObject {
    Q_OBJECT
  private slots:
    void aQuestionVelmoraCannotPlayIsNamedWithItsLine_data();
    void aQuestionVelmoraCannotPlayIsNamedWithItsLine();
    void aFileVelmoraCannotReadIsRefusedInOneLine_data();
    void aFileVelmoraCannotReadIsRefusedInOneLine();
    void aHostileFileIsRefusedQuickly_data();
    void aHostileFileIsRefusedQuickly();
    void shuffledWordsStandOnASideTheQuestionAloneFixes();
    void eachCategoryStartsANewTest();
};

void MoodleXmlTest::aQuestionVelmoraCannotPlayIsNamedWithItsLine_data() {
    QTest::addColumn<QByteArray>("questions");
    QTest::addColumn<QString>("finding");

    const QByteArray twoAnswers = answer("100", "were") + answer("0", "was");
    QTest::newRow("multichoice, three answers")
        << multichoice("The cats _____ here.", twoAnswers + answer("0", "be"))
        << "3: three or more choices";
    QTest::newRow("multichoice, one answer")
        << multichoice("The cats _____ here.", answer("100", "were"))
        << "3: fewer than two choices";
    QTest::newRow("multichoice, several right")
        << question("multichoice", "The cats _____ here.", "<single>false</single>" + twoAnswers)
        << "3: several answers may be right";
    QTest::newRow("multichoice, an empty <single>")
        << question("multichoice", "The cats _____ here.", "<single></single>" + twoAnswers)
        << "3: several answers may be right";
    QTest::newRow("multichoice, half a mark")
        << multichoice("The cats _____ here.", answer("100", "were") + answer("50", "was"))
        << "3: a weight other than 100% for right or 0% and below for wrong";
    QTest::newRow("multichoice, a weight in words")
        << multichoice("The cats _____ here.", answer("100", "were") + answer("none", "was"))
        << "3: a weight Velmora cannot read";
    QTest::newRow("multichoice, two right")
        << multichoice("The cats _____ here.", answer("100", "were") + answer("100.0", "was"))
        << "3: two right answers";
    QTest::newRow("multichoice, no right")
        << multichoice("The cats _____ here.", answer("0", "were") + answer("0", "was"))
        << "3: no right answer";
    QTest::newRow("multichoice, two gaps") << multichoice("The cats ___ here ___.", twoAnswers)
                                           << "3: more than one gap: two runs of ___";
    QTest::newRow("multichoice, a picture")
        << multichoice("<p>The cats _____ <img src=\"@@PLUGINFILE@@/cat.png\"> here.</p>",
                       twoAnswers)
        << "3: has a picture Velmora cannot show";
    QTest::newRow("multichoice, a picture as a word")
        << multichoice("The cats _____ here.",
                       answer("100", "<img src=\"a.png\">") + answer("0", "was"))
        << "3: has a picture Velmora cannot show";
    QTest::newRow("cloze, short answer")
        << cloze("The cats {1:SHORTANSWER:=were} here.") << "3: a short-answer gap";
    QTest::newRow("cloze, numerical") << cloze("There are {1:NM:=2} cats.") << "3: a numerical gap";
    QTest::newRow("cloze, several right")
        << cloze("The cats {1:MRS:=were~=are} here.") << "3: a gap with several right answers";
    QTest::newRow("cloze, two gaps")
        << cloze("The cats {1:MC:=were~was} {1:MC:=here~hear}.") << "3: more than one gap";
    QTest::newRow("cloze, no gap of a known type")
        << cloze("The cats {1:CHOICE:=were~was} here.")
        << "3: no gap: a cloze question needs one {1:MULTICHOICE:=right~wrong}";
    QTest::newRow("cloze, three answers")
        << cloze("The cats {1:MC:=were~was~be} here.") << "3: three or more choices";
    QTest::newRow("cloze, a third choice that shows a blank")
        << cloze("The cats {1:MC:=were~was~&nbsp;} here.") << "3: three or more choices";
    QTest::newRow("cloze, a partial weight")
        << cloze("The cats {1:MC:=were~%50%was} here.")
        << "3: a weight other than 100% for right or 0% and below for wrong";
    QTest::newRow("cloze, a weight above 100")
        << cloze("The cats {1:MC:%150%were~%0%was} here.")
        << "3: a weight other than 100% for right or 0% and below for wrong";
    QTest::newRow("cloze, a blank before =")
        << cloze("The cats {1:MC: =were~was} here.")
        << "3: a blank before = or %, which Moodle reads as part of the word";
    QTest::newRow("cloze, a weight in words")
        << cloze("The cats {1:MC:=were~%half%was} here.") << "3: a weight Velmora cannot read";
    QTest::newRow("cloze, two right")
        << cloze("The cats {1:MC:=were~%100%was} here.") << "3: two right answers";
    QTest::newRow("cloze, no right")
        << cloze("The cats {1:MC:were~was} here.") << "3: no right answer";
    QTest::newRow("cloze, no wrong")
        << cloze("The cats {1:MC:=were} here.") << "3: no wrong answer";
    QTest::newRow("cloze, a blank answer")
        << cloze("The cats {1:MC:=were~ #nothing} here.") << "3: no wrong answer";
    QTest::newRow("cloze, no answer") << cloze("The cats {1:MC:} here.") << "3: no right answer";
    QTest::newRow("gapselect, two gaps")
        << question("gapselect", "[[1]] cats [[2]] here.", choices("selectoption", {"1", "1"}))
        << "3: more than one gap";
    QTest::newRow("gapselect, no gap")
        << question("gapselect", "The cats were here.", choices("selectoption", {"1", "1"}))
        << "3: no gap: a question needs one [[1]]";
    QTest::newRow("gapselect, three in the group")
        << question("gapselect", "The cats [[1]] here.",
                    choices("selectoption", {"1", "2", "1", "1"}))
        << "3: three or more choices";
    QTest::newRow("gapselect, alone in its group")
        << question("gapselect", "The cats [[2]] here.", choices("selectoption", {"1", "2", "1"}))
        << "3: fewer than two choices";
    QTest::newRow("ddwtos, a gap past the choices")
        << question("ddwtos", "The cats [[3]] here.", choices("dragbox", {"1", "1"}))
        << "3: the gap names a choice that is not there";
    QTest::newRow("ddwtos, gap zero")
        << question("ddwtos", "The cats [[0]] here.", choices("dragbox", {"1", "1"}))
        << "3: the gap names a choice that is not there";
    QTest::newRow("true or false")
        << question("truefalse", "Cats can fly.", "") << "3: a true/false question";
    QTest::newRow("drag and drop onto a picture")
        << question("ddimageortext", "Put the words on the cat.", "")
        << "3: a drag-and-drop question on a picture";
    QTest::newRow("a type of someone else's") << question("wordsearch", "Find the cats.", "")
                                              << "3: a kind of question Velmora cannot play";
    // Moodle writes each element on a line of its own, and a comment before each question.
    QTest::newRow("the line of the <question>, not of the fault")
        << QByteArray("<!-- question: 4101  -->\n  <question type=\"cloze\">\n    <questiontext>\n"
                      "      <text>The cats {1:SA:=were} here.</text>\n    </questiontext>\n"
                      "  </question>\n")
        << "4: a short-answer gap";
    QTest::newRow("a line past 65535")
        << QByteArray("<!-- -->\n").repeated(70000) + question("truefalse", "Cats fly.", "")
        << "70003: a true/false question";
}

void MoodleXmlTest::aQuestionVelmoraCannotPlayIsNamedWithItsLine() {
    QFETCH(QByteArray, questions);
    QFETCH(QString, finding);
    const TeacherTests tests = read(quiz(questions));
    QCOMPARE(tests.findings().size(), 1u);
    QCOMPARE(shown(tests.findings().front()), finding);
    QCOMPARE(shown(tests.refusal()), "0: no question that Velmora can play");
}

void MoodleXmlTest::aFileVelmoraCannotReadIsRefusedInOneLine_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("refusal");

    QTest::newRow("cut short")
        << QByteArray("<?xml version=\"1.0\"?>\n<quiz>\n<question type=\"cloze\">\n<quest")
        << "4: the XML is not well-formed: ";
    QTest::newRow("tags crossed")
        << quiz("<question>\n<name></question></name>\n")
        << "4: the XML is not well-formed: ";
    QTest::newRow("an HTML entity outside CDATA")
        << quiz("<question type=\"cloze\">\n<questiontext><text>I&nbsp;{1:MC:=am~is}</text>")
        << "4: the XML is not well-formed: ";
    QTest::newRow("not a quiz")
        << QByteArray("<?xml version=\"1.0\"?>\n\n<html><body/></html>\n")
        << "3: this XML is not a Moodle quiz export: its root element is <html>, not <quiz>";
    QTest::newRow("a DTD")
        << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE quiz SYSTEM \"quiz.dtd\">\n<quiz/>\n")
        << "2: a <!DOCTYPE> declaration: Velmora reads XML without DTDs or entities";
    QTest::newRow("an encoding libxml2 does not know")
        << QByteArray("<?xml version=\"1.0\" encoding=\"KOI8-XYZ\"?>\n<quiz/>\n")
        << "1: the XML is not well-formed: ";
    QTest::newRow("not the encoding it declares")
        << QByteArray("\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<quiz>\n\xE9</quiz>\n")
        << "3: the XML is not well-formed: ";
    QTest::newRow("no element")
        << QByteArray("<?xml version=\"1.0\"?>\n") << "2: the XML is not well-formed: ";

    const QByteArray opening = "<?xml version=\"1.0\"?>\n<quiz>\n";
    const QByteArray closing = "</quiz>\n";
    const auto padded = [&](std::size_t size) {
        return opening + QByteArray(qsizetype(size) - opening.size() - closing.size(), '\n') +
               closing;
    };
    QTest::newRow("one byte over 16 MiB")
        << padded(largestMoodleXmlFile + 1) << "0: the file is larger than 16 MiB";
    QTest::newRow("16 MiB") << padded(largestMoodleXmlFile)
                            << "0: no question that Velmora can play";
    // GIFT text keeps its own limit, though the file that holds it may be larger.
    QTest::newRow("GIFT one byte over 1 MiB")
        << QByteArray(qsizetype(largestGiftFile) + 1, '\n') << "0: the file is larger than 1 MiB";
}

// A refusal that ends in ": " is followed by libxml2's own reason, worded by its version: the
// line and that a reason follows, on the same line, are what Velmora answers for.
void MoodleXmlTest::aFileVelmoraCannotReadIsRefusedInOneLine() {
    QFETCH(QByteArray, file);
    QFETCH(QString, refusal);
    const TeacherTests tests = read(file);
    const QString shownRefusal = shown(tests.refusal());
    if (refusal.endsWith(": ")) {
        QVERIFY2(shownRefusal.startsWith(refusal) && shownRefusal.size() > refusal.size() &&
                     !shownRefusal.contains('\n'),
                 qPrintable(shownRefusal));
    } else {
        QCOMPARE(shownRefusal, refusal);
    }
    QVERIFY(tests.findings().empty());
}

// Expanded, the first would be gigabytes, and the second would read a file of the computer
// Velmora runs on; neither may be expanded, read or fetched, so both end at once.
void MoodleXmlTest::aHostileFileIsRefusedQuickly_data() {
    QTest::addColumn<QByteArray>("file");

    QByteArray laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE quiz [\n<!ENTITY a0 \"ha\">\n";
    for (int level = 1; level <= 10; ++level)
        laughs += "<!ENTITY a" + QByteArray::number(level) + " \"" +
                  QByteArray("&a" + QByteArray::number(level - 1) + ";").repeated(10) + "\">\n";
    laughs += "]>\n<quiz><question type=\"cloze\"><questiontext><text>&a10;</text>"
              "</questiontext></question></quiz>\n";
    QTest::newRow("billion laughs") << laughs;
    QTest::newRow("an outside entity")
        << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE quiz [\n<!ENTITY secret SYSTEM "
                      "\"file:///etc/passwd\">\n]>\n<quiz>&secret;</quiz>\n");
    QTest::newRow("an entity from the network")
        << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE quiz [\n<!ENTITY remote SYSTEM "
                      "\"http://192.0.2.1/questions.xml\">\n]>\n<quiz>&remote;</quiz>\n");
}

void MoodleXmlTest::aHostileFileIsRefusedQuickly() {
    QFETCH(QByteArray, file);
    QElapsedTimer timer;
    timer.start();
    const TeacherTests tests = read(file);
    QVERIFY2(timer.elapsed() < 100, qPrintable(QString::number(timer.elapsed()) + " ms"));
    QCOMPARE(shown(tests.refusal()),
             "2: a <!DOCTYPE> declaration: Velmora reads XML without DTDs or entities");
}

void MoodleXmlTest::shuffledWordsStandOnASideTheQuestionAloneFixes() {
    // A bank typed "right answer first", in every kind that Moodle shuffles, a hundred times.
    QByteArray shuffled;
    QByteArray inFileOrder;
    int count = 0;
    for (int place = 0; place < 10; ++place)
        for (const QByteArray& who : tenSentences()) {
            const QByteArray kind = QByteArray::number(count++ % 4);
            const QByteArray shuffleAnswers = "<shuffleanswers>true</shuffleanswers>";
            const QByteArray answers = answer("100", "were") + answer("0", "was");
            if (kind == "0")
                shuffled += cloze(who + " {1:MCS:=were~was} at place " + QByteArray::number(place));
            else if (kind == "1")
                shuffled +=
                    question("multichoice", who + " _____ at place " + QByteArray::number(place),
                             shuffleAnswers + answers);
            else
                shuffled +=
                    question(kind == "2" ? "gapselect" : "ddwtos",
                             who + " [[1]] at place " + QByteArray::number(place),
                             "<shuffleanswers>1</shuffleanswers>" +
                                 choices(kind == "2" ? "selectoption" : "dragbox", {"1", "1"}));
            inFileOrder +=
                multichoice(who + " _____ at place " + QByteArray::number(place), answers);
        }
    const TeacherTests first = read(quiz(shuffled));
    const TeacherTests again = read(quiz(shuffled));
    QCOMPARE(first.tests().size(), 5u);
    int onTheLeft = 0;
    for (std::size_t test = 0; test < first.tests().size(); ++test)
        for (std::size_t index = 0; index < 10; ++index) {
            const Question::Side side = first.tests()[test][index].correctSide;
            QCOMPARE(side, again.tests()[test][index].correctSide);
            onTheLeft += side == Question::Side::Left;
        }
    QVERIFY2(onTheLeft >= 15 && onTheLeft <= 35, qPrintable(QString::number(onTheLeft)));

    const TeacherTests unshuffled = read(quiz(inFileOrder));
    for (const QuestionBank& test : unshuffled.tests())
        for (const Question& question : test)
            QCOMPARE(question.correctSide, Question::Side::Left);
}

void MoodleXmlTest::eachCategoryStartsANewTest() {
    QByteArray questions;
    for (const char* category : {"Past", "Present"}) {
        questions += "<question type=\"category\"><category><text>$course$/top/" +
                     QByteArray(category) + "</text></category></question>\n";
        for (const QByteArray& who : tenSentences())
            questions += cloze(who + " {1:MULTICHOICE:was~=were} at home.");
    }
    // Four more of the second category's, which make it two tests of seven, and then a category
    // that holds nothing.
    for (int extra = 0; extra < 4; ++extra)
        questions += cloze("They {1:MC:=were~was} out.");
    questions += "<question type=\"category\"><category><text>Empty</text></category></question>\n";
    const TeacherTests tests = read(quiz(questions));
    QCOMPARE(tests.tests().size(), 3u);
    QCOMPARE(tests.tests()[1].size(), 7u);
    QCOMPARE(tests.tests()[1][0].stem, " The cats ..... at home.");
    QCOMPARE(tests.tests()[1][0].correctSide, Question::Side::Right);
    QCOMPARE(tests.tests()[2][6].stem, " They ..... out.");
    QCOMPARE(tests.questionsSkipped(), 0);
    QVERIFY(tests.findings().empty());
}

QTEST_APPLESS_MAIN(MoodleXmlTest)
#include "tst_moodlexml.moc"
