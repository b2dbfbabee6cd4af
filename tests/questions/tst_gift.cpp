// A teacher's GIFT file read into tests: what each well-formed question becomes on the screens,
// every question left out and every file refused with the line the teacher has to look at, how
// questions are dealt into tests, and the example files shipped for teachers.
#include "questions/GiftReader.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

namespace {
std::string_view view(const QByteArray& bytes) {
    return {bytes.constData(), std::size_t(bytes.size())};
}

QString text(std::string_view stored) {
    return QString::fromUtf8(stored.data(), qsizetype(stored.size()));
}

TeacherTests readBytes(const QByteArray& bytes) {
    return readGift(view(bytes));
}

// A file that plays one test of ten copies of the question.
QByteArray tenOf(const QByteArray& question) {
    QByteArrayList copies;
    for (int copy = 0; copy < 10; ++copy)
        copies << question;
    return copies.join("\n\n");
}

QString listed(const std::vector<Finding>& findings) {
    QStringList lines;
    for (const Finding& finding : findings)
        lines << QString::number(finding.line) + ": " + QString::fromStdString(finding.message);
    return lines.join('\n');
}

// A file laid out from tokens: "Nq" is N questions Velmora plays, "Nx" N true/false questions
// it cannot, "$" a category. Each stands on its own line, a blank line after it: item i of the
// layout is on line 2i - 1.
QByteArray laidOut(const QString& layout) {
    QByteArrayList items;
    for (const QString& token : layout.split(' ', Qt::SkipEmptyParts)) {
        if (token == "$") {
            items << "$CATEGORY: a category";
            continue;
        }
        const int count = token.chopped(1).toInt();
        for (int index = 0; index < count; ++index)
            items << (token.endsWith('q') ? "The cat {=is ~are} happy." : "Cats can fly. {F}");
    }
    return items.join("\n\n");
}

// What a well-formed question becomes: its stem, the right and the wrong word, and the box the
// right word is shown in. Each sentence is the stem with its word in the gap.
struct Construct {
    const char* name;
    const char* gift;
    const char* stem;
    const char* right;
    const char* wrong;
    Question::Side rightBox;
};
constexpr auto left = Question::Side::Left;
constexpr auto right = Question::Side::Right;
// clang-format off
constexpr Construct constructs[] = {
    {"title, gap inside", "::q1:: The cats {=were ~was} in the garden.", " The cats ..... in the garden.", "were", "was", left},
    {"right word written second", "I {~were =was} late for school.", " I ..... late for school.", "was", "were", right},
    {"Moodle's ~= drops the empty choice", "::q3::She {~=was~were} happy.", " She ..... happy.", "was", "were", left},
    {"gap at the end", "I am {=happy ~sad}", " I am .....", "happy", "sad", left},
    {"gap at the start", "{~Are =Is} he at home?", " ..... he at home?", "Is", "Are", right},
    {"no blank before punctuation", "Yes, it {=was ~were} !", " Yes, it .....!", "was", "were", left},
    {"a question mark before the gap", "What is it?{=a cat ~a dog}", " What is it? .....", "a cat", "a dog", left},
    {"quotes around the gap", "He said \"{=hello ~hallo}\".", " He said \".....\".", "hello", "hallo", left},
    {"the teacher's spacing in a word", "Tom{='s ~s} hat is red.", " Tom..... hat is red.", "'s", "s", left},
    {"format after the title", "::Q:: [html] The dog {=has ~have} a bone.", " The dog ..... a bone.", "has", "have", left},
    {"feedback left out", "He {=is#Yes! ~are # No. ####Think of one boy.} tall.", " He ..... tall.", "is", "are", left},
    {"lines and a comment", "The cats\n// a note\n  {=were\n~was}\nin the garden.", " The cats ..... in the garden.", "were", "was", left},
    {"runs of blanks and tabs", "The   cats \t {=were   ~was}   in  the\tgarden.", " The cats ..... in the garden.", "were", "was", left},
    {"escapes in the sentence", "At 2\\:30 \\{\\} \\= \\~ \\#1 \\\\ {=is ~are} it.", " At 2:30 {} = ~ #1 \\ ..... it.", "is", "are", left},
    {"escapes in words and title", "::a\\:b:: X {=a\\~b ~c\\=d\\#} y.", " X ..... y.", "a~b", "c=d#", left},
    {"a line break asked for", "One\\ntwo {=is ~are} here.", " One two ..... here.", "is", "are", left},
    {"words of two words", "He {=is not ~are not} here.", " He ..... here.", "is not", "are not", left},
    {"letters beyond ASCII", "Zoë {=is ~are} in the café.", " Zoë ..... in the café.", "is", "are", left},
};
// clang-format on
} // namespace

class GiftTest : public QObject {
    Q_OBJECT
  private slots:
    void eachConstructBecomesItsQuestion_data();
    void eachConstructBecomesItsQuestion();
    void questionsVelmoraCannotPlayAreNamedWithTheirLine_data();
    void questionsVelmoraCannotPlayAreNamedWithTheirLine();
    void filesThatCannotBePlayedAreRefusedAtTheirLine_data();
    void filesThatCannotBePlayedAreRefusedAtTheirLine();
    void questionsAreDealtIntoTestsOfTen_data();
    void questionsAreDealtIntoTestsOfTen();
    void everyEditorsLineEndsGiveTheSameLines_data();
    void everyEditorsLineEndsGiveTheSameLines();
    void aQuestionThatDoesNotFitIsLeftOut();
    void movedTestsKeepTheirTexts();
    void theLargestFileIsReadQuickly();
    void theExamplesPlayWithNothingLeftOut();
};

void GiftTest::eachConstructBecomesItsQuestion_data() {
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(constructs)); ++row)
        QTest::newRow(constructs[row].name) << row;
}

void GiftTest::eachConstructBecomesItsQuestion() {
    QFETCH(int, row);
    const Construct& expected = constructs[row];
    const TeacherTests read = readBytes(tenOf(expected.gift));
    QCOMPARE(listed(read.findings()), QString());
    QCOMPARE(read.tests().size(), 1u);
    for (const Question& question : read.tests()[0]) {
        QCOMPARE(text(question.stem), expected.stem);
        QCOMPARE(text(question.correctWord), expected.right);
        QCOMPARE(text(question.wrongWord), expected.wrong);
        QCOMPARE(text(question.correctSentence),
                 QString(expected.stem).replace(".....", expected.right));
        QCOMPARE(text(question.wrongSentence),
                 QString(expected.stem).replace(".....", expected.wrong));
        QCOMPARE(question.correctSide, expected.rightBox);
    }
}

void GiftTest::questionsVelmoraCannotPlayAreNamedWithTheirLine_data() {
    QTest::addColumn<QByteArray>("question");
    QTest::addColumn<QString>("why");
    const auto row = [](const char* question, const char* why) {
        QTest::newRow(why) << QByteArray(question) << why;
    };
    row("Cats can fly.{ t #No! #Yes }", "a true/false question");
    row("Who is it? {=no one =nobody}", "a short-answer question");
    row("Two and two is { #4:0 }", "a numerical question");
    row("Match. {=cat -> kitten =dog -> puppy}", "a matching question");
    row("Write about your cat. { }", "an essay question");
    row("He {=is ~are ~am} tall.", "three or more choices");
    row("He {~%50%is ~%50%are} tall.", "a percent weight");
    row("I {=am ~is} and you {=are ~is}.", "more than one gap");
    row("::q::\nHe\n{~is ~are}\ntall.", "no right answer");
    row("He {=is =are ~} tall.", "two right answers");
    row("He {=is ~ } tall.", "no wrong answer");
    row("He {=is ~is} tall.", "the two choices are the same");
    row("::intro:: Read each sentence.", "no gap: a question needs one { }");
    row("{=yes ~no}", "only a gap, with no sentence around it");
    row("::q1 The cat {=is ~are} tall.", "a title without its closing ::");
    row("He {is} tall.", "a choice without = or ~ before it");
}

// The question stands on line 3, after a comment and a blank line.
void GiftTest::questionsVelmoraCannotPlayAreNamedWithTheirLine() {
    QFETCH(QByteArray, question);
    QFETCH(QString, why);
    const TeacherTests read =
        readBytes("// Test 6\n\n" + question + "\n\n" + tenOf("He {=is ~are}."));
    QVERIFY(!read.refusal());
    QCOMPARE(listed(read.findings()), "3: " + why);
    QCOMPARE(read.tests().size(), 1u);
    QCOMPARE(read.questionsSkipped(), 1);
}

void GiftTest::filesThatCannotBePlayedAreRefusedAtTheirLine_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("why");
    const QByteArray playable = tenOf("He {=is ~are}.") + "\n\n"; // lines 1 to 20
    const QString utf16 = "the text is UTF-16: save it as UTF-8";
    const QString notUtf8 = " of the line is not UTF-8: save the file as UTF-8";
    const QString noTest = "no test of 10 questions that Velmora can play";
    const QString unclosed = "a { that no } closes";
    // clang-format off
    QTest::newRow("UTF-16, little end first") << QByteArray("\xFF\xFEH\0e\0", 6) << 0 << utf16;
    QTest::newRow("UTF-16, big end first") << QByteArray("\xFE\xFF\0H\0e", 6) << 0 << utf16;
    QTest::newRow("UTF-16 without its mark") << QByteArray("H\0e\0 \0{\0=\0i\0s\0", 14) << 0 << utf16;
    QTest::newRow("Latin-1, after CR LF and CR") << playable + "one\r\ntwo\rcaf\xE9 au lait" << 23 << "byte 4" + notUtf8;
    QTest::newRow("an overlong slash") << QByteArray("\xC0\xAF") << 1 << "byte 1" + notUtf8;
    QTest::newRow("a surrogate") << QByteArray("ab\xED\xA0\x80") << 1 << "byte 3" + notUtf8;
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << 1 << "byte 1" + notUtf8;
    QTest::newRow("cut off at the end") << QByteArray("ab\xE2\x82") << 1 << "byte 3" + notUtf8;
    QTest::newRow("cut off by a line end") << QByteArray("a\xE2\x82\nb") << 1 << "byte 2" + notUtf8;
    QTest::newRow("byte order mark not counted") << QByteArray("\xEF\xBB\xBF" "ab\xFF") << 1 << "byte 3" + notUtf8;
    QTest::newRow("a NUL byte") << QByteArray("x\n\nab\0cd", 8) << 3 << "byte 3 of the line is a NUL: this is not a text file";
    QTest::newRow("an unclosed brace") << playable + "The cat {=is ~are\n\nnext {=a ~b}" << 21 << unclosed;
    QTest::newRow("unclosed at the end") << playable + "The cat {=is" << 21 << unclosed;
    QTest::newRow("a brace inside the gap") << QByteArray("A {=b\n{~c} d.") << 1 << unclosed;
    QTest::newRow("a category inside the gap") << QByteArray("The {=a\n$CATEGORY: x\n~b} c.") << 1 << unclosed;
    QTest::newRow("a closing brace alone") << QByteArray("x\n\n\nThe cat =is} here.") << 4 << "a } with no { before it";
    QTest::newRow("larger than 1 MiB") << QByteArray(qsizetype(largestGiftFile) + 1, '\n') << 0 << "the file is larger than 1 MiB";
    QTest::newRow("an empty file") << QByteArray() << 0 << noTest;
    QTest::newRow("nine questions") << tenOf("He {=is ~are}.").chopped(16) << 0 << noTest;
    // clang-format on
}

void GiftTest::filesThatCannotBePlayedAreRefusedAtTheirLine() {
    QFETCH(QByteArray, bytes);
    const TeacherTests read = readBytes(bytes);
    QVERIFY(read.refusal());
    QTEST(read.refusal()->line, "line");
    QTEST(QString::fromStdString(read.refusal()->message), "why");
    QCOMPARE(read.tests().size(), 0u);
}

void GiftTest::questionsAreDealtIntoTestsOfTen_data() {
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("tests");
    QTest::addColumn<QString>("findings");
    QTest::addColumn<int>("skipped");
    const QString needs10 = " questions: a test needs 10";
    const QString noSixth = "101: test 6 is left out: Velmora plays at most 5 tests\n";
    // clang-format off
    QTest::newRow("ten make a test") << "10q" << 1 << "" << 0;
    QTest::newRow("the rest named at its first") << "17q" << 1 << "21: a test of 7" + needs10 << 7;
    QTest::newRow("one question left") << "20q 1q" << 2 << "41: a test of 1 question: a test needs 10" << 1;
    QTest::newRow("a category starts a test") << "7q $ 10q" << 1 << "1: a test of 7" + needs10 << 7;
    QTest::newRow("left out do not count") << "5q 1x 5q" << 1 << "11: a true/false question" << 1;
    QTest::newRow("five tests at most") << "70q" << 5 << noSixth + "121: test 7 is left out: Velmora plays at most 5 tests" << 20;
    QTest::newRow("findings in line order") << "3q 1x $ 10q" << 1 << "1: a test of 3" + needs10 + "\n7: a true/false question" << 4;
    QTest::newRow("a category of nothing") << "$ 2x $ 10q" << 1 << "3: a true/false question\n5: a true/false question" << 2;
    // clang-format on
}

void GiftTest::questionsAreDealtIntoTestsOfTen() {
    QFETCH(QString, layout);
    const TeacherTests read = readBytes(laidOut(layout));
    QTEST(int(read.tests().size()), "tests");
    QTEST(listed(read.findings()), "findings");
    QTEST(read.questionsSkipped(), "skipped");
}

void GiftTest::everyEditorsLineEndsGiveTheSameLines_data() {
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::addColumn<bool>("byteOrderMark");
    QTest::newRow("LF") << QByteArray("\n") << false;
    QTest::newRow("CR LF") << QByteArray("\r\n") << false;
    QTest::newRow("CR") << QByteArray("\r") << false;
    QTest::newRow("byte order mark, CR LF") << QByteArray("\r\n") << true;
}

void GiftTest::everyEditorsLineEndsGiveTheSameLines() {
    QFETCH(QByteArray, lineEnd);
    QFETCH(bool, byteOrderMark);
    QByteArray file = (byteOrderMark ? "\xEF\xBB\xBF" : "") + laidOut("10q 1x");
    file.insert(file.indexOf("{=is"), "\n");
    file.replace("\n", lineEnd);
    const TeacherTests read = readBytes(file);
    QCOMPARE(listed(read.findings()), "22: a true/false question");
    QCOMPARE(read.tests().size(), 1u);
    QCOMPARE(text(read.tests()[0][0].stem), " The cat ..... happy.");
    QCOMPARE(text(read.tests()[0][9].wrongSentence), " The cat are happy.");
}

void GiftTest::aQuestionThatDoesNotFitIsLeftOut() {
    QList<QString> checked;
    const FitCheck fits = [&](const Question& question) -> std::optional<std::string> {
        checked << text(question.stem);
        if (question.correctSentence.find("enormous") != std::string_view::npos)
            return "the sentence is too wide";
        return std::nullopt;
    };
    const QByteArray file = laidOut("5q") + "\n\nAn {=enormous ~small} cat.\n\n" + laidOut("5q");
    const TeacherTests read = readGift(view(file), fits);
    QCOMPARE(listed(read.findings()), "11: the sentence is too wide");
    QCOMPARE(read.tests().size(), 1u);
    QCOMPARE(text(read.tests()[0][5].stem), " The cat ..... happy.");
    QCOMPARE(checked.size(), 11);
    QCOMPARE(checked[5], " An ..... cat.");
}

void GiftTest::movedTestsKeepTheirTexts() {
    TeacherTests moved = readBytes(tenOf("I {=am ~is}."));
    TeacherTests tests = std::move(moved);
    moved = readBytes(laidOut("10q"));
    QCOMPARE(text(tests.tests()[0][9].correctSentence), " I am.");
    QCOMPARE(text(tests.tests()[0][9].stem), " I ......");
}

// The largest file Velmora reads, full of questions: well within the time a start may take,
// even in a sanitized build; a reader that slowed down with the length would not be.
void GiftTest::theLargestFileIsReadQuickly() {
    const QByteArray question = "::q:: The children {~was =were} in the garden.\n\n";
    QByteArray file = "$CATEGORY: Past\n\n";
    while (file.size() + question.size() <= qsizetype(largestGiftFile))
        file += question;
    QElapsedTimer timer;
    timer.start();
    const TeacherTests read = readBytes(file);
    const qint64 elapsed = timer.elapsed();
    qInfo("read %lld bytes in %lld ms", qlonglong(file.size()), elapsed);
    QCOMPARE(read.tests().size(), 5u);
    QCOMPARE(read.questionsSkipped(), int(file.size() / question.size()) - 50);
    QVERIFY2(elapsed < 2000, qPrintable(QString::number(elapsed)));
}

void GiftTest::theExamplesPlayWithNothingLeftOut() {
    const QDir examples(VELMORA_EXAMPLES);
    const QStringList names = examples.entryList({"*.gift"}, QDir::Files);
    QVERIFY(names.size() >= 2);
    for (const QString& name : names) {
        QFile file(examples.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const TeacherTests read = readBytes(file.readAll());
        QVERIFY2(!read.refusal(), qPrintable(name));
        QVERIFY2(read.findings().empty(), qPrintable(name + '\n' + listed(read.findings())));
    }
}

QTEST_APPLESS_MAIN(GiftTest)
#include "tst_gift.moc"
