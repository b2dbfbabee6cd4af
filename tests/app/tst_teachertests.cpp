// A teacher's own tests on Velmora's screens: only their numbers on the menu, their count on the
// welcome page, the correct word where the teacher wrote it, and the same road to the smiley.
#include "Harness.h"
#include "WindowClick.h"
#include "program/TeacherRun.h"
#include "program/TeacherSet.h"
#include "questions/TeacherQuestion.h"
#include "questions/TeacherReader.h"
#include "quiz/QuestionFit.h"
#include "shell/Button.h"

#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

namespace {
// Two tests; in the first the correct word is written second in every other question.
constexpr std::string_view twoTests = R"(// Past of to be
$CATEGORY: was or were
The cats {=were ~was} in the garden.
I {~were =was} late for school.
We {=were ~was} at home.
She {~were =was} happy.
They {=were ~was} tired.
It {~were =was} cold.
You {=were ~was} right.
He {~were =was} at school.
The dogs {=were ~was} hungry.
My bag {~were =was} red.

$CATEGORY: a or an
This is {=an ~a} apple.
That is {=a ~an} dog.
She has {=an ~a} egg.
I see {=a ~an} cat.
It is {=an ~a} owl.
He has {=a ~an} pen.
We saw {=an ~a} ant.
It is {=a ~an} box.
Take {=an ~a} orange.
I want {=a ~an} bike.
)";

// The same two tests as a Moodle export, each question of another kind that Velmora plays, in
// the file's order of words, shuffling off.
constexpr std::string_view twoTestsFromMoodle = R"(<?xml version="1.0" encoding="UTF-8"?>
<quiz>
<question type="category"><category><text>$course$/top/was or were</text></category></question>
<question type="cloze"><questiontext format="html">
  <text><![CDATA[<p>The cats {1:MULTICHOICE:=were~was} in the garden.</p>]]></text>
  </questiontext></question>
<question type="gapselect"><questiontext format="html"><text>I [[2]] late for school.</text>
  </questiontext><shuffleanswers>0</shuffleanswers>
  <selectoption><text>were</text><group>1</group></selectoption>
  <selectoption><text>was</text><group>1</group></selectoption></question>
<question type="ddwtos"><questiontext format="html"><text>We [[1]] at home.</text>
  </questiontext><shuffleanswers>0</shuffleanswers>
  <dragbox><text>were</text><group>1</group></dragbox>
  <dragbox><text>was</text><group>1</group></dragbox></question>
<question type="multichoice"><questiontext format="html">
  <text><![CDATA[<p>She _____ happy.</p>]]></text></questiontext>
  <single>true</single><shuffleanswers>false</shuffleanswers>
  <answer fraction="0"><text>were</text></answer>
  <answer fraction="100"><text>was</text></answer></question>
<question type="cloze"><questiontext format="html">
  <text><![CDATA[<p>They {1:MULTICHOICE:=were~was} tired.</p>]]></text>
  </questiontext></question>
<question type="gapselect"><questiontext format="html"><text>It [[2]] cold.</text>
  </questiontext><shuffleanswers>0</shuffleanswers>
  <selectoption><text>were</text><group>1</group></selectoption>
  <selectoption><text>was</text><group>1</group></selectoption></question>
<question type="ddwtos"><questiontext format="html"><text>You [[1]] right.</text>
  </questiontext><shuffleanswers>0</shuffleanswers>
  <dragbox><text>were</text><group>1</group></dragbox>
  <dragbox><text>was</text><group>1</group></dragbox></question>
<question type="multichoice"><questiontext format="html">
  <text><![CDATA[<p>He _____ at school.</p>]]></text></questiontext>
  <single>true</single><shuffleanswers>false</shuffleanswers>
  <answer fraction="0"><text>were</text></answer>
  <answer fraction="100"><text>was</text></answer></question>
<question type="cloze"><questiontext format="html">
  <text><![CDATA[<p>The dogs {1:MULTICHOICE:=were~was} hungry.</p>]]></text>
  </questiontext></question>
<question type="gapselect"><questiontext format="html"><text>My bag [[2]] red.</text>
  </questiontext><shuffleanswers>0</shuffleanswers>
  <selectoption><text>were</text><group>1</group></selectoption>
  <selectoption><text>was</text><group>1</group></selectoption></question>
<question type="category"><category><text>$course$/top/a or an</text></category></question>
<question type="ddwtos"><questiontext format="html"><text>This is [[1]] apple.</text>
  </questiontext><shuffleanswers>0</shuffleanswers>
  <dragbox><text>an</text><group>1</group></dragbox>
  <dragbox><text>a</text><group>1</group></dragbox></question>
<question type="multichoice"><questiontext format="html">
  <text><![CDATA[<p>That is _____ dog.</p>]]></text></questiontext>
  <single>true</single><shuffleanswers>false</shuffleanswers>
  <answer fraction="100"><text>a</text></answer>
  <answer fraction="0"><text>an</text></answer></question>
<question type="cloze"><questiontext format="html">
  <text><![CDATA[<p>She has {1:MULTICHOICE:=an~a} egg.</p>]]></text>
  </questiontext></question>
<question type="gapselect"><questiontext format="html"><text>I see [[1]] cat.</text>
  </questiontext><shuffleanswers>0</shuffleanswers>
  <selectoption><text>a</text><group>1</group></selectoption>
  <selectoption><text>an</text><group>1</group></selectoption></question>
<question type="ddwtos"><questiontext format="html"><text>It is [[1]] owl.</text>
  </questiontext><shuffleanswers>0</shuffleanswers>
  <dragbox><text>an</text><group>1</group></dragbox>
  <dragbox><text>a</text><group>1</group></dragbox></question>
<question type="multichoice"><questiontext format="html">
  <text><![CDATA[<p>He has _____ pen.</p>]]></text></questiontext>
  <single>true</single><shuffleanswers>false</shuffleanswers>
  <answer fraction="100"><text>a</text></answer>
  <answer fraction="0"><text>an</text></answer></question>
<question type="cloze"><questiontext format="html">
  <text><![CDATA[<p>We saw {1:MULTICHOICE:=an~a} ant.</p>]]></text>
  </questiontext></question>
<question type="gapselect"><questiontext format="html"><text>It is [[1]] box.</text>
  </questiontext><shuffleanswers>0</shuffleanswers>
  <selectoption><text>a</text><group>1</group></selectoption>
  <selectoption><text>an</text><group>1</group></selectoption></question>
<question type="ddwtos"><questiontext format="html"><text>Take [[1]] orange.</text>
  </questiontext><shuffleanswers>0</shuffleanswers>
  <dragbox><text>an</text><group>1</group></dragbox>
  <dragbox><text>a</text><group>1</group></dragbox></question>
<question type="multichoice"><questiontext format="html">
  <text><![CDATA[<p>I want _____ bike.</p>]]></text></questiontext>
  <single>true</single><shuffleanswers>false</shuffleanswers>
  <answer fraction="100"><text>a</text></answer>
  <answer fraction="0"><text>an</text></answer></question>
</quiz>
)";

// The file with only the first `kept[i]` questions of its i-th category, as a teacher's file
// often holds tests shorter than ten.
std::string shortened(std::string_view file, std::initializer_list<int> kept) {
    std::string lines;
    const int* left = kept.begin() - 1;
    int keep = 0;
    for (std::size_t at = 0; at < file.size();) {
        const std::size_t end = file.find('\n', at);
        const std::string_view line = file.substr(at, end - at + 1);
        at = end + 1;
        if (line.starts_with("$CATEGORY"))
            keep = *++left;
        else if (!line.starts_with("//") && line != "\n" && keep-- <= 0)
            continue;
        lines += line;
    }
    return lines;
}

QString caption(TestScreen& screen, const char* label) {
    return screen.label(label).caption();
}

const QString fullMarkOnTest1 = " Congratulation ! you are awarded with a smiley face. ";
const QString lastCaption = "The test is over, click here to see comment.";

// The comment after a test with this many mistakes, whatever its length.
QString commentAfter(int mistakes) {
    switch (mistakes) {
    case 0:
        return fullMarkOnTest1;
    case 1:
        return " You almost did it, be more careful next time . ";
    case 2:
        return " The result is not very bad,but you have to do more practices. ";
    case 3:
        return " I think there are some question you need to ask for help ";
    default:
        return " The result is not acceptable, get some help right away . ";
    }
}

// The comment the built-in tests choose by their score, out of 100 in tens.
QString commentForScore(int score) {
    if (score == 100)
        return fullMarkOnTest1;
    if (score == 90)
        return " You almost did it, be more careful next time . ";
    if (score == 80)
        return " The result is not very bad,but you have to do more practices. ";
    if (score == 70)
        return " I think there are some question you need to ask for help ";
    return " The result is not acceptable, get some help right away . ";
}
} // namespace

class TeacherTestsTest : public QObject {
    Q_OBJECT
  private slots:
    void theMenuAndWelcomePageOfferOnlyTheTeachersTests();
    void aTeachersTestPlaysToAFullMarkByClicksAndByKeys_data();
    void aTeachersTestPlaysToAFullMarkByClicksAndByKeys();
    void aWrongPickShowsTheCorrectSentenceWhereverTheCorrectWordStands();
    void aQuestionThatWouldNotShowWholeIsLeftOut();
    void aSentenceMayTakeTwoLinesButNotThree();
    void aRefusalFromTheDesktopIsShownInAWindow();
    void aQuestionThatDoesNotFitIsLeftOutOnceTheWindowsShow_data();
    void aQuestionThatDoesNotFitIsLeftOutOnceTheWindowsShow();
    void scoresAndCommentsForEveryLengthAndEveryCountOfMistakes_data();
    void scoresAndCommentsForEveryLengthAndEveryCountOfMistakes();
    void aShortTestPlaysToItsCommentByClicksAndByKeys_data();
    void aShortTestPlaysToItsCommentByClicksAndByKeys();
};

void TeacherTestsTest::theMenuAndWelcomePageOfferOnlyTheTeachersTests() {
    const TeacherTests tests = readGift(twoTests, whyItDoesNotFit);
    QCOMPARE(tests.tests().size(), 2u);
    Harness h(tests.tests());
    h.screens.start();
    for (int test = 1; test <= 5; ++test)
        QCOMPARE(h.screens.frmMain().testNumber(Harness::test(test)).visible(), test <= 2);
    QCOMPARE(h.screens.frmIntro().label("Label2").caption(), "There are two tests in the set.");
    // Neither the key of a test that is not there nor Ctrl with it opens anything.
    pressKey(Qt::Key_3);
    pressKey(QKeyCombination(Qt::ControlModifier, Qt::Key_4));
    QCOMPARE(h.screens.frmIntro().state(), ScreenState::Shown);

    const TeacherTests one = readGift(twoTests.substr(0, twoTests.find("$CATEGORY: a or an")));
    Harness h1(one.tests());
    h1.screens.start();
    QCOMPARE(h1.screens.frmIntro().label("Label2").caption(), "There is one test in the set.");
}

void TeacherTestsTest::aTeachersTestPlaysToAFullMarkByClicksAndByKeys_data() {
    QTest::addColumn<std::string_view>("file");
    QTest::addColumn<bool>("byKeys");
    QTest::addColumn<int>("test");
    QTest::newRow("clicks, test 1") << twoTests << false << 1;
    QTest::newRow("keys, test 1") << twoTests << true << 1;
    QTest::newRow("clicks, test 2") << twoTests << false << 2;
    QTest::newRow("keys, test 2") << twoTests << true << 2;
    QTest::newRow("Moodle XML, clicks, test 1") << twoTestsFromMoodle << false << 1;
    QTest::newRow("Moodle XML, keys, test 2") << twoTestsFromMoodle << true << 2;
}

void TeacherTestsTest::aTeachersTestPlaysToAFullMarkByClicksAndByKeys() {
    QFETCH(std::string_view, file);
    QFETCH(bool, byKeys);
    QFETCH(int, test);
    const TeacherTests tests = readTeacherTests(file, whyItDoesNotFit);
    QCOMPARE(tests.tests().size(), 2u);
    const QuestionBank& bank = tests.tests()[std::size_t(test - 1)];
    int onTheRight = 0;
    Harness h(tests.tests());
    TestScreen& screen = h.startTest(test);
    for (const Question& question : bank) {
        const bool onTheLeft = question.correctSide == Question::Side::Left;
        onTheRight += !onTheLeft;
        QCOMPARE(
            screen.textBox(onTheLeft ? "txtY" : "txtN").text(),
            QString::fromUtf8(question.correctWord.data(), qsizetype(question.correctWord.size())));
        if (byKeys)
            pressKey(onTheLeft ? Qt::Key_Left : Qt::Key_Right);
        else
            click(screen.textBox(onTheLeft ? "txtY" : "txtN"));
        h.clock.advance(7000);
        QCOMPARE(caption(screen, "lblR"), "Correct");
        if (byKeys)
            pressKey(Qt::Key_Return);
        else
            click(screen.label("lblNext"));
    }
    QCOMPARE(caption(screen, "lblScore"), "100");
    // Test 1 has correct words on both sides, written as the teacher wrote them.
    QCOMPARE(onTheRight, test == 1 ? 5 : 0);
    Button& award = h.screens.frmMain().award(Harness::test(test));
    if (test == 1) {
        QCOMPARE(caption(screen, "lblComment"),
                 " Congratulation ! you are awarded with a smiley face. ");
    } else {
        QCOMPARE(caption(screen, "lblComment"), " Excellent ! Click here to claim a smiley face. ");
        QVERIFY(!award.visible());
        click(screen.label("lblComment"));
    }
    QVERIFY(award.visible());
    QVERIFY(!h.screens.frmMain().testNumber(Harness::test(test)).isEnabled());
}

void TeacherTestsTest::aWrongPickShowsTheCorrectSentenceWhereverTheCorrectWordStands() {
    const TeacherTests tests = readGift(twoTests, whyItDoesNotFit);
    Harness h(tests.tests());
    TestScreen& screen = h.startTest(1);
    h.answer(screen, true);
    click(screen.label("lblNext"));
    // "I {~were =was} late for school.": the correct word stands on the right.
    QCOMPARE(screen.textBox("txtY").text(), "were");
    click(screen.textBox("txtY"));
    QVERIFY(screen.label("lblWrong").visible());
    QCOMPARE(caption(screen, "lblWrong"), " I were late for school.");
    h.clock.advance(7000);
    QCOMPARE(caption(screen, "lblR"), "Wrong answer");
    QVERIFY(screen.label("lblCorrect").visible());
    QCOMPARE(caption(screen, "lblCorrect"), " I was late for school.");
    QCOMPARE(caption(screen, "lblMistake"), "1");
    QCOMPARE(caption(screen, "lblScore"), "10");
}

// Three questions that would not show whole, among the first test's questions, where they would
// be played if they fitted.
void TeacherTestsTest::aQuestionThatWouldNotShowWholeIsLeftOut() {
    QTemporaryDir folder;
    const QString path = folder.filePath("long.gift");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const std::size_t firstQuestion = twoTests.find("The cats");
    file.write(twoTests.data(), qsizetype(firstQuestion));
    file.write("The children in the garden behind the old school {=were ~was} playing with a "
               "ball, a kite and a very long rope that their teacher had brought.\n\n"
               "It {=is ~supercalifragilistic} red.\n\nIt {=is ~ᚠ} red.\n\n");
    file.write(twoTests.data() + firstQuestion, qsizetype(twoTests.size() - firstQuestion));
    file.close();
    const TeacherSet set = loadTeacherSet(path, whyItDoesNotFit);
    QCOMPARE(set.tests.tests().size(), 2u);
    const std::string name = path.toStdString();
    QCOMPARE(set.report.size(), 3u);
    QVERIFY2(set.report[0].starts_with(name + ":3: the sentence") &&
                 set.report[0].find("lines") != std::string::npos,
             set.report[0].c_str());
    QVERIFY2(set.report[1].starts_with(name + ":5: the word \"supercalifragilistic\""),
             set.report[1].c_str());
    QVERIFY2(set.report[2].starts_with(name + ":7: ") &&
                 set.report[2].find("U+16A0") != std::string::npos,
             set.report[2].c_str());
}

// Words are added to a sentence one at a time until it no longer fits: it is the third line
// that does not.
void TeacherTestsTest::aSentenceMayTakeTwoLinesButNotThree() {
    std::string before = "The cats";
    for (int words = 0; words < 60; ++words, before += " dog") {
        const auto made =
            gappedQuestion(before + ' ', " in the garden.", "were", "was", Question::Side::Left);
        const TeacherQuestion& question = *made;
        const std::optional<std::string> why = whyItDoesNotFit(
            {question.stem, question.correctWord, question.wrongWord, question.correctSentence,
             question.wrongSentence, question.correctSide});
        if (why) {
            QVERIFY2(words > 10, why->c_str());
            QVERIFY2(why->ends_with("takes 3 lines, the label has room for 2"), why->c_str());
            return;
        }
    }
    QFAIL("a sentence of 60 more words still fits");
}

void TeacherTestsTest::aRefusalFromTheDesktopIsShownInAWindow() {
    const TeacherSet set = loadTeacherSet("/nonexistent/tests.gift", whyItDoesNotFit);
    QVERIFY(!set.playable());
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        shown = box->text();
        box->close();
    });
    QCOMPARE(refuseTeacherSet(set, false), 2);
    QCOMPARE(shown, "/nonexistent/tests.gift: there is no such file");
}

// Velmora deals a file's tests as if every question fits and measures them once its windows
// show: a question too long for the screen still never reaches a test, the windows of the first
// dealing make way for those of the second, and a file of nothing else is refused with its
// status.
void TeacherTestsTest::aQuestionThatDoesNotFitIsLeftOutOnceTheWindowsShow_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("welcome");
    QByteArray fitting;
    for (int question = 0; question < 10; ++question)
        fitting += "The cat {=is ~are} at home " + QByteArray::number(question) + ".\n\n";
    const QByteArray tooLong =
        "The " + QByteArray("very ").repeated(60) + "old cat {=is ~are} here.\n\n";
    QTest::newRow("all fit") << fitting + fitting << 0 << "There are two tests in the set.";
    QTest::newRow("one of eleven too long")
        << tooLong + fitting << 0 << "There is one test in the set.";
    QTest::newRow("all too long") << tooLong + tooLong << 2 << "";
}

void TeacherTestsTest::aQuestionThatDoesNotFitIsLeftOutOnceTheWindowsShow() {
    QFETCH(QByteArray, file);
    QFETCH(int, status);
    QFETCH(QString, welcome);
    QTemporaryDir folder;
    const QString path = folder.filePath("tests.gift");
    QFile written(path);
    QVERIFY(written.open(QIODevice::WriteOnly) && written.write(file) == file.size());
    written.close();
    const QWidgetList earlier = QApplication::topLevelWidgets();
    QStringList said;
    // A file refused once measured ends the event loop before the look.
    QTimer look;
    look.setSingleShot(true);
    connect(&look, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && !earlier.contains(window) &&
                window->findChild<Label*>("lblWeb"))
                said << window->findChild<Label*>("Label2")->caption();
        QCoreApplication::exit(0);
    });
    look.start(500);
    QCOMPARE(playTeacherFile(path, {}, {}, true), status);
    QCOMPARE(said, welcome.isEmpty() ? QStringList() : QStringList{welcome});
    Harness::flushClosedWindows();
}

// Each row is a test's length and its score after each correct pick. Every count of mistakes is
// played, the wrong picks first.
void TeacherTestsTest::scoresAndCommentsForEveryLengthAndEveryCountOfMistakes_data() {
    QTest::addColumn<QList<int>>("scores");
    QTest::newRow("1") << QList<int>{100};
    QTest::newRow("2") << QList<int>{50, 100};
    QTest::newRow("3") << QList<int>{33, 67, 100};
    QTest::newRow("4") << QList<int>{25, 50, 75, 100};
    QTest::newRow("5") << QList<int>{20, 40, 60, 80, 100};
    QTest::newRow("6") << QList<int>{17, 33, 50, 67, 83, 100};
    QTest::newRow("7") << QList<int>{14, 29, 43, 57, 71, 86, 100};
    QTest::newRow("8") << QList<int>{13, 25, 38, 50, 63, 75, 88, 100};
    QTest::newRow("9") << QList<int>{11, 22, 33, 44, 56, 67, 78, 89, 100};
    QTest::newRow("10") << QList<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
}

void TeacherTestsTest::scoresAndCommentsForEveryLengthAndEveryCountOfMistakes() {
    QFETCH(QList<int>, scores);
    const int length = int(scores.size());
    const QuestionBank test[] = {builtInBanks()[0].first(std::size_t(length))};
    Harness h(test);
    // The full mark comes last, as it locks the test for the rest of the run.
    for (int mistakes = length; mistakes >= 0; --mistakes) {
        TestScreen& screen = h.startTest(1);
        for (int question = 1; question <= length; ++question) {
            const bool correct = question > mistakes;
            h.answer(screen, correct);
            const int corrects = question - std::min(question, mistakes);
            QCOMPARE(caption(screen, "lblScore"),
                     QString::number(corrects ? scores[corrects - 1] : 0));
            QCOMPARE(caption(screen, "lblNext"),
                     question == length ? lastCaption : "Click here to go to the next question");
            click(screen.label("lblNext"));
        }
        QCOMPARE(caption(screen, "lblMistake"), QString::number(mistakes));
        QCOMPARE(caption(screen, "lblComment"), commentAfter(mistakes));
        if (length == 10)
            QCOMPARE(caption(screen, "lblComment"), commentForScore(100 - 10 * mistakes));
        QCOMPARE(h.screens.frmMain().award(Harness::test(1)).visible(), mistakes == 0);
    }
}

void TeacherTestsTest::aShortTestPlaysToItsCommentByClicksAndByKeys_data() {
    QTest::addColumn<int>("test");
    QTest::addColumn<bool>("byKeys");
    QTest::addColumn<QList<int>>("points");
    const QList<int> eight{13, 12, 13, 12, 13, 12, 13, 12};
    const QList<int> five{20, 20, 20, 20, 20};
    QTest::newRow("eight, clicks") << 1 << false << eight;
    QTest::newRow("eight, keys") << 1 << true << eight;
    QTest::newRow("five, clicks") << 2 << false << five;
    QTest::newRow("five, keys") << 2 << true << five;
}

void TeacherTestsTest::aShortTestPlaysToItsCommentByClicksAndByKeys() {
    QFETCH(int, test);
    QFETCH(bool, byKeys);
    QFETCH(QList<int>, points);
    const TeacherTests tests = readTeacherTests(shortened(twoTests, {8, 5}), whyItDoesNotFit);
    QCOMPARE(tests.tests().size(), 2u);
    const QuestionBank bank = tests.tests()[std::size_t(test - 1)];
    QCOMPARE(bank.size(), std::size_t(points.size()));
    Harness h(Harness::ReadingAloud{}, tests.tests());
    TestScreen& screen = h.startTest(test);
    int score = 0;
    for (std::size_t index = 0; index < bank.size(); ++index) {
        const Question& question = bank[index];
        const bool onTheLeft = question.correctSide == Question::Side::Left;
        if (byKeys)
            pressKey(onTheLeft ? Qt::Key_Left : Qt::Key_Right);
        else
            click(screen.textBox(onTheLeft ? "txtY" : "txtN"));
        h.clock.advance(7000);
        score += points[qsizetype(index)];
        QCOMPARE(caption(screen, "lblP"),
                 QString("You have earned %1 points").arg(points[qsizetype(index)]));
        QCOMPARE(caption(screen, "lblScore"), QString::number(score));
        const bool last = index + 1 == bank.size();
        QCOMPARE(caption(screen, "lblNext"),
                 last ? lastCaption : "Click here to go to the next question");
        if (byKeys)
            pressKey(Qt::Key_Return);
        else
            click(screen.label("lblNext"));
    }
    QCOMPARE(screen.textBox("txtQ").text(), QString::number(bank.size()));
    QCOMPARE(score, 100);
    // Each question and its correct sentence, then the comment, and nothing after.
    const QStringList said = h.voice.said;
    QCOMPARE(said.size(), 2 * qsizetype(bank.size()) + 1);
    QCOMPARE(said.front(),
             test == 1 ? "The cats … in the garden. were, or was?" : "This is … apple. an, or a?");
    QCOMPARE(said[1], test == 1 ? "The cats were in the garden." : "This is an apple.");
    Button& award = h.screens.frmMain().award(Harness::test(test));
    if (test == 1) {
        QCOMPARE(said.back(), "Congratulation ! you are awarded with a smiley face.");
    } else {
        QCOMPARE(said.back(), "Excellent ! Click here to claim a smiley face.");
        QVERIFY(!award.visible());
        click(screen.label("lblComment"));
    }
    QVERIFY(award.visible());
    QVERIFY(!h.screens.frmMain().testNumber(Harness::test(test)).isEnabled());
}

QTEST_MAIN(TeacherTestsTest)
#include "tst_teachertests.moc"
