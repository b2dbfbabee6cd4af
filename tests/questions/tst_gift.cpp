// A teacher's GIFT file read into tests: every question left out and every file refused with the
// line the teacher has to look at, how questions are dealt into tests and which are measured,
// and the example files shipped for teachers. What well-formed questions become is in
// tst_formats.
#include "questions/GiftReader.h"
#include "questions/TeacherReader.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryFile>
#include <QTest>
#include <libxml/parser.h>
#include <libxml/xmlmemory.h>
#include <unistd.h>

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

// The lengths of the tests played, "10 9 9".
QString lengthsOf(const TeacherTests& read) {
    QStringList lengths;
    for (const QuestionBank& test : read.tests())
        lengths << QString::number(test.size());
    return lengths.join(' ');
}

void* noMemory(std::size_t) {
    return nullptr;
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
            items << "$CATEGORY: $course$/top/Default for Class 4/Past";
            continue;
        }
        const int count = token.chopped(1).toInt();
        for (int index = 0; index < count; ++index)
            items << (token.endsWith('q') ? "The cat {=is ~are} happy." : "Cats can fly. {F}");
    }
    return items.join("\n\n");
}

} // namespace

class GiftTest : public QObject {
    Q_OBJECT
  private slots:
    void whatIsLeftOutOrRefusedIsNamedWithItsLine_data();
    void whatIsLeftOutOrRefusedIsNamedWithItsLine();
    void questionsAreDealtIntoTestsOfUpToTen_data();
    void questionsAreDealtIntoTestsOfUpToTen();
    void aCategoryOfSevenThenOneOfTwelveDealAsTheySay_data();
    void aCategoryOfSevenThenOneOfTwelveDealAsTheySay();
    void everyEditorsLineEndsGiveTheSameLines_data();
    void everyEditorsLineEndsGiveTheSameLines();
    void aQuestionThatDoesNotFitIsLeftOut();
    void onlyQuestionsThatCanBePlayedAreMeasured_data();
    void onlyQuestionsThatCanBePlayedAreMeasured();
    void movedTestsKeepTheirTexts();
    void theLargestFileIsReadQuickly();
    void theExamplesPlayWithNothingLeftOut();
    void brokenHtmlIsReadWithoutAWordOnTheTerminal();
    void htmlLibxml2CannotReadIsLeftOutAndTheRestPlay();
};

// Each row is a whole file and what is said of it: the findings, or the refusal that ends the
// list, each as "line: message".
void GiftTest::whatIsLeftOutOrRefusedIsNamedWithItsLine_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("said");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<int>("skipped");
    const QByteArray playable = tenOf("He {=is ~are}."); // lines 1 to 19
    // The question on line 3, after a comment and a blank line, and a test after it.
    const auto skip = [&](const char* name, const QByteArray& question, const QString& said,
                          int skipped = 1) {
        QTest::newRow(name) << "// Test 6\n\n" + question + "\n\n" + playable << said << false
                            << skipped;
    };
    const auto unplayable = [&](const char* question, const char* why) {
        skip(why, question, QString("3: ") + why);
    };
    const auto refuse = [](const char* name, const QByteArray& file, int line, const QString& why) {
        QTest::newRow(name) << file << QString::number(line) + ": " + why << true << 0;
    };

    unplayable("Cats can fly.{ t #No! #Yes }", "a true/false question");
    unplayable("Who is it? {=no one =nobody}", "a short-answer question");
    unplayable("Two and two is { #4:0 }", "a numerical question");
    unplayable("Match. {=cat -> kitten =dog -> puppy}", "a matching question");
    unplayable("Write about your cat. { }", "an essay question");
    unplayable("He {=is ~are ~am} tall.", "three or more choices");
    unplayable("He {~%50%is ~%50%are} tall.",
               "a weight other than 100% for right or 0% and below for wrong");
    unplayable("He {~%150%is ~%0%are} tall.",
               "a weight other than 100% for right or 0% and below for wrong");
    unplayable("He {~%abc%is ~are} tall.", "a weight Velmora cannot read");
    unplayable("He {=%100%is ~are} tall.",
               "a weight after =, which Moodle shows as part of the word");
    unplayable("I {=am ~is} and you {=are ~is}.", "more than one gap");
    unplayable("The ___ sat on the ___.{=cat ~mat}", "more than one gap: two runs of ___");
    unplayable("::q::\nHe\n{~is ~are}\ntall.", "no right answer");
    unplayable("He {=is =are ~} tall.", "two right answers");
    unplayable("He {=is ~ } tall.", "no wrong answer");
    unplayable("He {=is ~is} tall.", "the two choices are the same");
    unplayable("::intro:: Read each sentence.", "no gap: a question needs one { }");
    unplayable("{=yes ~no}", "only a gap, with no sentence around it");
    unplayable("::q1 The cat {=is ~are} tall.", "a title without its closing ::");
    unplayable("He {is} tall.", "a short-answer question");
    unplayable("He {is =are} tall.", "a short-answer question");
    unplayable("[html]<p>The cat <img src\\=\"@@PLUGINFILE@@/cat.png\"> {=is ~are} here.</p>",
               "has a picture Velmora cannot show");
    skip("a picture for a word", "[html]It is {=<IMG SRC\\=\"cat.png\"> ~a dog}.",
         "3: has a picture Velmora cannot show");
    skip("HTML too long",
         "[html]<p title\\=\"" + QByteArray(8 * 1024, 'x') + "\">It {=is ~are} red.",
         "3: its HTML is longer than 8 KiB");
    skip("nested too deeply", "[html]" + QByteArray("<b>").repeated(101) + "It {=is ~are} red.",
         "3: its HTML is nested too deeply");
    const QString unclear = ": put a blank line between two questions";
    skip("a line between two questions", "She {=is ~are} happy.\nThey are\n{=are ~is} sad.",
         "4" + unclear, 2);
    skip("two such lines", "A {=is ~are} b.\nc\nD {=is ~are} e.\nf\n{=g ~h} i.",
         "4" + unclear + "\n6" + unclear, 3);

    // The largest file read, and one byte more.
    QByteArray largest = "// Test 6\n\nCats can fly. {F}\n\n" + playable + "\n\n// ";
    largest += QByteArray((1 << 20) - largest.size(), 'x');
    QTest::newRow("exactly 1 MiB") << largest << "3: a true/false question" << false << 1;
    refuse("1 MiB and a byte", largest + 'x', 0, "the file is larger than 1 MiB");

    // Every form UTF-8 forbids, next to the nearest form it allows: overlong, surrogate, beyond
    // U+10FFFF, and bytes out of place.
    const QString notUtf8 = "byte 3 of the line is not UTF-8: save the file as UTF-8";
    const auto character = [&](const char* name, const QByteArray& bytes, bool wellFormed) {
        if (wellFormed)
            QTest::newRow(name) << tenOf("It" + bytes + " {=is ~are}.") << "" << false << 0;
        else
            refuse(name, "It" + bytes + " {=is ~are}.\n\n" + playable, 1, notUtf8);
    };
    character("C0 80, overlong", "\xC0\x80", false);
    character("C1 BF, overlong", "\xC1\xBF", false);
    character("C2 80, U+0080", "\xC2\x80", true);
    character("DF BF, U+07FF", "\xDF\xBF", true);
    character("E0 80 80, overlong", "\xE0\x80\x80", false);
    character("E0 9F BF, overlong", "\xE0\x9F\xBF", false);
    character("E0 A0 80, U+0800", "\xE0\xA0\x80", true);
    character("ED 9F BF, U+D7FF", "\xED\x9F\xBF", true);
    character("ED A0 80, a surrogate", "\xED\xA0\x80", false);
    character("ED BF BF, a surrogate", "\xED\xBF\xBF", false);
    character("EE 80 80, U+E000", "\xEE\x80\x80", true);
    character("EF BF BF, U+FFFF", "\xEF\xBF\xBF", true);
    character("F0 80 80 80, overlong", "\xF0\x80\x80\x80", false);
    character("F0 8F BF BF, overlong", "\xF0\x8F\xBF\xBF", false);
    character("F0 90 80 80, U+10000", "\xF0\x90\x80\x80", true);
    character("F4 8F BF BF, U+10FFFF", "\xF4\x8F\xBF\xBF", true);
    character("F4 90 80 80, beyond U+10FFFF", "\xF4\x90\x80\x80", false);
    character("F5 80 80 80, beyond U+10FFFF", "\xF5\x80\x80\x80", false);
    character("F8 88 80 80 80, five bytes", "\xF8\x88\x80\x80\x80", false);
    character("FF, never in UTF-8", "\xFF", false);
    character("80, a continuation alone", "\x80", false);
    character("E1 7F, a continuation too low", "\xE1\x7F\x80", false);
    character("E1 80 C0, a continuation too high", "\xE1\x80\xC0", false);
    character("E2 82, cut off by a blank", "\xE2\x82", false);

    const QString utf16 = "the text is UTF-16: save it as UTF-8";
    const QString noTest = "no question that Velmora can play";
    const QString unclosed = "a { that no } closes";
    // clang-format off
    refuse("UTF-16, little end first", QByteArray("\xFF\xFEH\0e\0", 6), 0, utf16);
    refuse("UTF-16, big end first", QByteArray("\xFE\xFF\0H\0e", 6), 0, utf16);
    refuse("UTF-16 without its mark", QByteArray("H\0e\0 \0{\0=\0i\0s\0", 14), 0, utf16);
    refuse("Latin-1, after CR LF and CR", playable + "\n\none\r\ntwo\rcaf\xE9 au lait", 23, "byte 4" + notUtf8.mid(6));
    refuse("cut off at the end", "ab\xE2\x82", 1, notUtf8);
    refuse("cut off by a line end", "a\xE2\x82\nb", 1, "byte 2" + notUtf8.mid(6));
    refuse("byte order mark not counted", "\xEF\xBB\xBF" "ab\xFF", 1, notUtf8);
    refuse("a NUL byte", QByteArray("x\n\nab\0cd", 8), 3, "byte 3 of the line is a NUL: this is not a text file");
    refuse("an unclosed brace", playable + "\n\nThe cat {=is ~are\n\nnext {=a ~b}", 21, unclosed);
    refuse("unclosed at the end", playable + "\n\nThe cat {=is", 21, unclosed);
    refuse("a brace inside the gap", "A {=b\n{~c} d.", 1, unclosed);
    refuse("a category inside the gap", "The {=a\n$CATEGORY: x\n~b} c.", 1, unclosed);
    refuse("a closing brace alone", "x\n\n\nThe cat =is} here.", 4, "a } with no { before it");
    refuse("an empty file", "", 0, noTest);
    QTest::newRow("nine questions make a test") << playable.chopped(16) << "" << false << 0;
    // clang-format on
}

void GiftTest::whatIsLeftOutOrRefusedIsNamedWithItsLine() {
    QFETCH(QByteArray, file);
    QFETCH(bool, refused);
    const TeacherTests read = readBytes(file);
    QString said = listed(read.findings());
    if (read.refusal())
        said += (said.isEmpty() ? "" : "\n") + listed({*read.refusal()});
    QTEST(said, "said");
    QCOMPARE(bool(read.refusal()), refused);
    QCOMPARE(read.tests().size(), refused ? 0u : 1u);
    QTEST(read.questionsSkipped(), "skipped");
}

// Each category makes as few tests as hold its questions, as even as can be and the longer
// first; a menu of five numbers takes five tests at most. "5q" is five questions, "1x" one that
// cannot be played, and "$" a category mark; each takes two lines.
void GiftTest::questionsAreDealtIntoTestsOfUpToTen_data() {
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("lengths");
    QTest::addColumn<QString>("findings");
    QTest::addColumn<int>("skipped");
    const QString atMost5 = " is left out: Velmora plays at most 5 tests";
    // clang-format off
    QTest::newRow("ten make a test") << "10q" << "10" << "" << 0;
    QTest::newRow("one") << "1q" << "1" << "" << 0;
    QTest::newRow("five") << "5q" << "5" << "" << 0;
    QTest::newRow("eleven") << "11q" << "6 5" << "" << 0;
    QTest::newRow("twelve") << "12q" << "6 6" << "" << 0;
    QTest::newRow("twenty") << "20q" << "10 10" << "" << 0;
    QTest::newRow("twenty-one") << "21q" << "7 7 7" << "" << 0;
    QTest::newRow("twenty-eight") << "28q" << "10 9 9" << "" << 0;
    QTest::newRow("a category starts a test") << "7q $ 12q" << "7 6 6" << "" << 0;
    QTest::newRow("a category of one") << "10q $ 1q" << "10 1" << "" << 0;
    QTest::newRow("left out do not count") << "5q 1x 5q" << "10" << "11: a true/false question" << 1;
    QTest::newRow("five tests at most") << "70q" << "10 10 10 10 10" << "101: test 6" + atMost5 + "\n121: test 7" + atMost5 << 20;
    QTest::newRow("the sixth of one category") << "55q" << "10 9 9 9 9" << "93: test 6" + atMost5 << 9;
    QTest::newRow("the sixth category") << "1q $ 1q $ 1q $ 1q $ 1q $ 2q" << "1 1 1 1 1" << "21: test 6" + atMost5 << 2;
    QTest::newRow("findings in line order") << "3q 1x $ 10q" << "3 10" << "7: a true/false question" << 1;
    QTest::newRow("a category of nothing") << "$ 2x $ 10q" << "10" << "3: a true/false question\n5: a true/false question" << 2;
    // clang-format on
}

void GiftTest::questionsAreDealtIntoTestsOfUpToTen() {
    QFETCH(QString, layout);
    const TeacherTests read = readBytes(laidOut(layout));
    QTEST(lengthsOf(read), "lengths");
    QTEST(listed(read.findings()), "findings");
    QTEST(read.questionsSkipped(), "skipped");
}

// Categories of ten would make the same tests if categories were ignored; these would not.
void GiftTest::aCategoryOfSevenThenOneOfTwelveDealAsTheySay_data() {
    QTest::addColumn<QByteArray>("file");
    QByteArray gift;
    QByteArray xml = "<?xml version=\"1.0\"?>\n<quiz>\n";
    for (const auto& [category, count] : {std::pair{"Past", 7}, std::pair{"Present", 12}}) {
        gift += "$CATEGORY: $course$/top/" + QByteArray(category) + "\n\n";
        xml += "<question type=\"category\"><category><text>$course$/top/" + QByteArray(category) +
               "</text></category></question>\n";
        for (int question = 0; question < count; ++question) {
            gift += "The cats {=were ~was} here.\n\n";
            xml += "<question type=\"cloze\"><questiontext format=\"html\"><text>The cats "
                   "{1:MC:=were~was} here.</text></questiontext></question>\n";
        }
    }
    QTest::newRow("GIFT") << gift;
    QTest::newRow("Moodle XML") << xml + "</quiz>\n";
}

void GiftTest::aCategoryOfSevenThenOneOfTwelveDealAsTheySay() {
    QFETCH(QByteArray, file);
    const TeacherTests read = readTeacherTests(view(file));
    QCOMPARE(lengthsOf(read), "7 6 6");
    QVERIFY(read.findings().empty());
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

// Measuring is the slow part of reading; what cannot be played, fitting or not, is not measured.
void GiftTest::onlyQuestionsThatCanBePlayedAreMeasured_data() {
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("measured");
    QTest::newRow("a test") << "10q" << 10;
    QTest::newRow("a short test after it") << "10q 9q" << 19;
    QTest::newRow("a short category before it") << "9q $ 10q" << 19;
    QTest::newRow("five tests of ten and more") << "70q" << 50;
    QTest::newRow("five tests of nine and more") << "63q" << 45;
    QTest::newRow("the sixth category") << "10q $ 10q $ 10q $ 10q $ 10q $ 10q" << 50;
    QTest::newRow("unplayable between") << "5q 3x 5q" << 10;
}

void GiftTest::onlyQuestionsThatCanBePlayedAreMeasured() {
    QFETCH(QString, layout);
    int measured = 0;
    const FitCheck fits = [&](const Question&) -> std::optional<std::string> {
        ++measured;
        return std::nullopt;
    };
    readGift(view(laidOut(layout)), fits);
    QTEST(measured, "measured");
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

// libxml2 prints its complaints about broken HTML on standard error unless told not to; a
// teacher's terminal shows only Velmora's own report.
void GiftTest::brokenHtmlIsReadWithoutAWordOnTheTerminal() {
    QTemporaryFile terminal;
    QVERIFY(terminal.open());
    const int standardError = dup(STDERR_FILENO);
    dup2(terminal.handle(), STDERR_FILENO);
    const TeacherTests read = readBytes(
        tenOf("[html]<p <<a href\\=x></z></z>&bogus; &\\#xFFFFFFFF; <!DOCTYPE html><?xml?>"
              "<meta charset\\=\"latin1\">The caf\xC3\xA9 {=<b>is</i> ~<td>are} <p <p> open."));
    dup2(standardError, STDERR_FILENO);
    close(standardError);
    QCOMPARE(terminal.readAll(), QByteArray());
    QCOMPARE(read.tests().size(), 1u);
    QCOMPARE(text(read.tests()[0][0].correctSentence), " &bogus; The café is open.");
}

// A parser libxml2 cannot make, short of memory, is no question without a right answer: the
// question is left out with its line, and why, and the others play.
void GiftTest::htmlLibxml2CannotReadIsLeftOutAndTheRestPlay() {
    xmlInitParser();
    xmlFreeFunc freeing = nullptr;
    xmlMallocFunc allocating = nullptr;
    xmlReallocFunc reallocating = nullptr;
    xmlStrdupFunc copying = nullptr;
    QCOMPARE(xmlMemGet(&freeing, &allocating, &reallocating, &copying), 0);
    const QByteArray file = laidOut("5q") + "\n\n[html]<p>The dog {=is ~are} here.</p>";
    xmlMemSetup(freeing, noMemory, reallocating, copying);
    const TeacherTests read = readBytes(file);
    xmlMemSetup(freeing, allocating, reallocating, copying);
    QCOMPARE(listed(read.findings()), "11: libxml2 could not read its HTML");
    QCOMPARE(lengthsOf(read), "5");
}

QTEST_APPLESS_MAIN(GiftTest)
#include "tst_gift.moc"
