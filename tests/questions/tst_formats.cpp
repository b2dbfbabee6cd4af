// What each way a teacher can write a question becomes on the screens: by hand in GIFT, as
// Moodle exports it, as typed in Moodle's HTML editor, as each kind of Moodle XML question, each
// row one question in its format and the question Velmora plays from a file of ten of them. The
// same sentence written each way must make the same question.
#include "questions/TeacherReader.h"

#include <QTest>

namespace {
enum class Format { Gift, MoodleXml };

// A file of ten copies of the question in its format, so that it makes one test.
QByteArray tenOf(Format format, const QByteArray& question) {
    QByteArrayList copies;
    for (int copy = 0; copy < 10; ++copy)
        copies << question;
    switch (format) {
    case Format::Gift:
        break;
    case Format::MoodleXml:
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n" + copies.join("\n") +
               "\n</quiz>\n";
    }
    return copies.join("\n\n");
}

// Each file through the one door the program uses, which tells the formats apart.
TeacherTests readAs(const QByteArray& file) {
    return readTeacherTests(std::string_view(file.constData(), std::size_t(file.size())));
}

QString text(std::string_view stored) {
    return QString::fromUtf8(stored.data(), qsizetype(stored.size()));
}

// A question as written, and what it becomes: its stem, the correct and the wrong word, and the
// box the correct word is shown in. Each sentence is the stem with its word in the gap.
struct Written {
    const char* name;
    Format format;
    const char* question;
    const char* stem;
    const char* correct;
    const char* wrong;
    Question::Side correctBox;
};
constexpr auto left = Question::Side::Left;
constexpr auto right = Question::Side::Right;
constexpr auto gift = Format::Gift;
constexpr auto xml = Format::MoodleXml;
constexpr const char* cats = " The cats ..... in the garden.";
// clang-format off
constexpr Written written[] = {
    {"by hand", gift, "::q1:: The cats {=were ~was} in the garden.", cats, "were", "was", left},
    {"Moodle's export", gift, "// question: 4101  name: Past 1\n::Past 1::The cats _____ in the garden.{\n\t=were\n\t~was\n}", cats, "were", "was", left},
    {"Moodle's export, correct word second", gift, "// question: 4102  name: Past 2\n::Past 2::The cats _____ in the garden.{\n\t~was\n\t=were\n}", cats, "were", "was", right},
    {"Moodle's export with feedback", gift, "::Past 1::[plain]The cats ________ in the garden.{\n\t=were#Yes\n\t~was#No\n\t####Two cats.\n}", cats, "were", "was", left},
    {"Moodle's HTML editor", gift, "// question: 4103  name: Past 1\n::Past 1::[html]<p dir\\=\"ltr\" style\\=\"text-align\\: left;\">The cats _____ in the garden.<br></p>{\n\t=<p dir\\=\"ltr\" style\\=\"text-align\\: left;\">were</p>\n\t~<p dir\\=\"ltr\" style\\=\"text-align\\: left;\">was<br></p>\n}", cats, "were", "was", left},
    {"HTML, gap inside", gift, "[html]<p>The <b>cats</b>&nbsp;{=<i>were</i> ~was} in the<br>garden.</p>", cats, "were", "was", left},
    {"HTML entities", gift, "[html]Tom&\\#39;s cat&nbsp;&amp; Zo&euml; {=were ~was} in the caf&eacute;.", " Tom's cat & Zoë ..... in the café.", "were", "was", left},
    {"GIFT escapes inside HTML", gift, "[html]<p class\\=\"x\">At 2\\:30 the cats\\{\\} {=were ~was} in the garden.</p>", " At 2:30 the cats{} ..... in the garden.", "were", "was", left},
    {"HTML blocks and script", gift, "[html]<div>The cats</div><script>x()</script> _____ <p>in the garden.</p>{=were ~was}", cats, "were", "was", left},
    {"Moodle's own format", gift, "[moodle]The cats _____ in the garden.{=were ~was}", cats, "were", "was", left},
    {"Markdown", gift, "[markdown]The **cats** _____ in the *garden*.{=__were__ ~_was_}", cats, "were", "was", left},
    {"underscores with the gap inside", gift, "Fill in ___: the cats {=were ~was} here.", " Fill in ___: the cats ..... here.", "were", "was", left},
    {"gap at the end, answers after", gift, "The cat is on the {\n\t=mat\n\t~mats\n}", " The cat is on the .....", "mat", "mats", left},
    {"correct word written second", gift, "I {~were =was} late for school.", " I ..... late for school.", "was", "were", right},
    {"Moodle's ~= drops the empty choice", gift, "::q3::She {~=was~were} happy.", " She ..... happy.", "was", "were", left},
    {"gap at the end", gift, "I am {=happy ~sad}", " I am .....", "happy", "sad", left},
    {"gap at the start", gift, "{~Are =Is} he at home?", " ..... he at home?", "Is", "Are", right},
    {"a question mark before the gap", gift, "What is it?{=a cat ~a dog}", " What is it? .....", "a cat", "a dog", left},
    {"quotes around the gap", gift, "He said \"{=hello ~hallo}\".", " He said \".....\".", "hello", "hallo", left},
    {"the teacher's spacing in a word", gift, "Tom{='s ~s} hat is red.", " Tom..... hat is red.", "'s", "s", left},
    {"format after the title", gift, "::Q:: [html] The dog {=has ~have} a bone.", " The dog ..... a bone.", "has", "have", left},
    {"feedback left out", gift, "He {=is#Yes! ~are # No. ####Think of one boy.} tall.", " He ..... tall.", "is", "are", left},
    {"lines and a comment", gift, "The cats\n// a note\n  {=were\n~was}\nin the garden.", cats, "were", "was", left},
    {"runs of blanks and tabs", gift, "The   cats \t {=were   ~was}   in  the\tgarden.", cats, "were", "was", left},
    {"escapes in the sentence", gift, "At 2\\:30 \\{\\} \\= \\~ \\#1 \\\\ {=is ~are} it.", " At 2:30 {} = ~ #1 \\ ..... it.", "is", "are", left},
    {"escapes in words and title", gift, "::a\\:b:: X {=a\\~b ~c\\=d\\#} y.", " X ..... y.", "a~b", "c=d#", left},
    {"a line break asked for", gift, "One\\ntwo {=is ~are} here.", " One two ..... here.", "is", "are", left},
    {"line breaks asked for beside the gap", gift, "One\\n{=is ~are}\\nhere.", " One ..... here.", "is", "are", left},
    {"words of two words", gift, "He {=is not ~are not} here.", " He ..... here.", "is not", "are not", left},
    {"letters beyond ASCII", gift, "Zoë {=is ~are} in the café.", " Zoë ..... in the café.", "is", "are", left},
    {"a weight of 100 and one below 0", gift, "The price {~%100%rose ~%-100%grew} fast.", " The price ..... fast.", "rose", "grew", left},
    {"a weight of 0", gift, "She {=was ~%0%were} happy.", " She ..... happy.", "was", "were", left},
    {"a fraction below 0", gift, "She {~%-33.33333%were =was} happy.", " She ..... happy.", "was", "were", right},
    {"a wrong word before the first mark", gift, "She {were ~=was} happy.", " She ..... happy.", "was", "were", right},
    {"cloze, ~ before every choice", xml, "<question type=\"cloze\"><questiontext><text>The cats {1:MULTICHOICE:~was~=were} in the garden.</text></questiontext></question>", cats, "were", "was", right},
    {"cloze, ~ before the wrong word only", xml, "<question type=\"cloze\"><questiontext><text>The cats {1:MC:was~=were} in the garden.</text></questiontext></question>", cats, "were", "was", right},
    {"cloze, blanks around the choices", xml, "<question type=\"cloze\"><questiontext><text>The cats {1:MC: ~ was ~=were } in the garden.</text></questiontext></question>", cats, "were", "was", right},
    {"cloze, weights of 100 and below 0", xml, "<question type=\"cloze\"><questiontext><text>The cats {1:MULTICHOICE:%100%were~%-100%was} in the garden.</text></questiontext></question>", cats, "were", "was", left},
    {"cloze, an & before ~ and #", xml, "<question type=\"cloze\"><questiontext format=\"plain_text\"><text>The cats {1:MC:=R&amp;~B~R&amp;#39} in the garden.</text></questiontext></question>", " The cats ..... in the garden.", "R&~B", "R&#39", left},
    // Moodle finds the gap in the stored HTML and decodes each piece after: an entity is text.
    {"cloze, a ~ as an entity", xml, "<question type=\"cloze\"><questiontext><text>Write {1:MC:=&amp;#126;5~5} here.</text></questiontext></question>", " Write ..... here.", "~5", "5", left},
    {"cloze, a # as an entity", xml, "<question type=\"cloze\"><questiontext><text>We are {1:MC:=&amp;#35;1~No 1} now.</text></questiontext></question>", " We are ..... now.", "#1", "No 1", left},
    {"cloze, braces as entities", xml, "<question type=\"cloze\"><questiontext><text>Close it with {1:MC:~&amp;#123;~=&amp;#125;} here.</text></questiontext></question>", " Close it with ..... here.", "}", "{", right},
    {"cloze, an &amp; before #", xml, "<question type=\"cloze\"><questiontext><text>The cats {1:MC:=R&amp;amp;#39~B} in the garden.</text></questiontext></question>", cats, "R&#39", "B", left},
    {"cloze, markup and entities around the words", xml, "<question type=\"cloze\"><questiontext><text><![CDATA[<p>The cats&nbsp;{1:MC:=<b>were</b>&nbsp;~&nbsp;was~ } in the garden.</p>]]></text></questiontext></question>", cats, "were", "was", left},
    {"cloze, plain text, a line break for a choice", xml, "<question type=\"cloze\"><questiontext format=\"plain_text\"><text>The cats {1:MC:=were~was~\n} in the garden.</text></questiontext></question>", cats, "were", "was", left},
    {"multichoice, fractions below 0", xml, "<question type=\"multichoice\"><questiontext><text>The cats _____ in the garden.</text></questiontext><answer fraction=\"-33.33333\"><text>was</text></answer><answer fraction=\"100\"><text>were</text></answer></question>", cats, "were", "was", right},
    {"multichoice, no fraction", xml, "<question type=\"multichoice\"><questiontext><text>The cats _____ in the garden.</text></questiontext><answer fraction=\"100\"><text>were</text></answer><answer><text>was</text></answer></question>", cats, "were", "was", left},
    {"cloze", xml, "<question type=\"cloze\"><questiontext format=\"html\"><text><![CDATA[<p dir=\"ltr\">The cats {1:MULTICHOICE:=were~was} in the garden.<br></p>]]></text></questiontext></question>", cats, "were", "was", left},
    {"cloze, correct word second", xml, "<question type=\"cloze\"><questiontext><text>The cats {:MC:was#No~%100%were#Yes} in the garden.</text></questiontext></question>", cats, "were", "was", right},
    {"cloze, across and down", xml, "<question type=\"cloze\"><questiontext><text>The cats {2:MCH:%0%was~=were}{1:NOTATYPE:x} in the garden.</text></questiontext></question>", " The cats .....{1:NOTATYPE:x} in the garden.", "were", "was", right},
    {"cloze escapes", xml, "<question type=\"cloze\"><questiontext><text>Type {1:MULTICHOICE_V:=\\}\\#\\~~\\/\\\"\\\\} here.</text></questiontext></question>", " Type ..... here.", "}#~", "/\"\\", left},
    {"cloze, a ~ after an escaped backslash", xml, "<question type=\"cloze\"><questiontext><text>Type {1:MC:=a\\\\~b} here.</text></questiontext></question>", " Type ..... here.", "a\\", "b", left},
    {"multichoice, an answer of tabs and line breaks is none", xml, "<question type=\"multichoice\"><questiontext><text>The cats ___ in the garden.</text></questiontext><answer fraction=\"100\"><text>were</text></answer><answer fraction=\"0\"><text> \t\r\n </text></answer><answer fraction=\"0\"><text>was</text></answer></question>", cats, "were", "was", left},
    {"gapselect", xml, "<question type=\"gapselect\"><questiontext format=\"html\"><text>&lt;p&gt;The cats [[1]] in the garden.&lt;/p&gt;</text></questiontext><shuffleanswers>0</shuffleanswers><selectoption><text>were</text><group>1</group></selectoption><selectoption><text>was</text><group>1</group></selectoption></question>", cats, "were", "was", left},
    {"gapselect, correct word second, other groups", xml, "<question type=\"gapselect\"><questiontext><text>The cats [[3]] in the garden.</text></questiontext><shuffleanswers>0</shuffleanswers><selectoption><text>was</text><group>1</group></selectoption><selectoption><text>is</text><group>2</group></selectoption><selectoption><text>were</text><group>1</group></selectoption><selectoption><text>are</text><group>2</group></selectoption></question>", cats, "were", "was", right},
    {"ddwtos", xml, "<question type=\"ddwtos\"><questiontext format=\"html\"><text>The cats [[1]] in the garden.</text></questiontext><shuffleanswers>false</shuffleanswers><dragbox><text>were</text><group>1</group><infinite/></dragbox><dragbox><text>was</text><group>1</group></dragbox></question>", cats, "were", "was", left},
    {"multichoice", xml, "<question type=\"multichoice\"><questiontext format=\"html\"><text><![CDATA[<p>The cats _____ in the garden.</p>]]></text></questiontext><single>true</single><shuffleanswers>0</shuffleanswers><answer fraction=\"100\" format=\"html\"><text><![CDATA[<p dir=\"ltr\">were<br></p>]]></text></answer><answer fraction=\"0\"><text>was</text></answer></question>", cats, "were", "was", left},
    {"multichoice, correct word second", xml, "<question type=\"multichoice\"><questiontext><text>The cats ___ in the garden.</text></questiontext><answer fraction=\"0.0000000\"><text>was</text></answer><answer fraction=\"100.0000000\"><text>were&#160;</text></answer></question>", cats, "were", "was", right},
    {"multichoice, gap at the end", xml, "<question type=\"multichoice\"><questiontext><text>The cat is on the</text></questiontext><answer fraction=\"100\"><text>mat</text></answer><answer fraction=\"0\"><text>mats</text></answer></question>", " The cat is on the .....", "mat", "mats", left},
    {"multichoice, plain text", xml, "<question type=\"multichoice\"><questiontext format=\"plain_text\"><text>I said &lt;hi&gt; _____ you.</text></questiontext><answer fraction=\"100\" format=\"plain_text\"><text>&lt;to&gt;</text></answer><answer fraction=\"0\"><text>at</text></answer></question>", " I said <hi> ..... you.", "<to>", "at", left},
    // What Moodle's importer makes of what it does not find, or finds blank.
    {"multichoice, a blank answer left out", xml, "<question type=\"multichoice\"><questiontext><text>The cats _____ in the garden.</text></questiontext><answer fraction=\"100\"><text>were</text></answer><answer fraction=\"0\"><text> </text></answer><answer fraction=\"0\"><text>was</text></answer></question>", cats, "were", "was", left},
    {"multichoice, answers in the question's plain text", xml, "<question type=\"multichoice\"><questiontext format=\"plain_text\"><text>I said _____ you.</text></questiontext><answer fraction=\"100\"><text>&lt;hi&gt; to</text></answer><answer fraction=\"0\"><text>at</text></answer></question>", " I said ..... you.", "<hi> to", "at", left},
    {"cloze named multianswer", xml, "<question type=\"multianswer\"><questiontext><text>The cats {1:MC:=were~was} in the garden.</text></questiontext></question>", cats, "were", "was", left},
    {"gapselect, brackets as entities", xml, "<question type=\"gapselect\"><questiontext><text>The cats [[1]] in the garden &amp;#91;&amp;#91;2]].</text></questiontext><shuffleanswers>0</shuffleanswers><selectoption><text>were</text><group>1</group></selectoption><selectoption><text>was</text><group>1</group></selectoption></question>", " The cats ..... in the garden [[2]].", "were", "was", left},
    {"gapselect, a choice without a group is in group 1", xml, "<question type=\"gapselect\"><questiontext><text>The cats [[1]] in the garden.</text></questiontext><shuffleanswers>0</shuffleanswers><selectoption><text>were</text></selectoption><selectoption><text>was</text><group>1</group></selectoption></question>", cats, "were", "was", left},
    {"ddwtos, a blank choice left out", xml, "<question type=\"ddwtos\"><questiontext><text>The cats [[2]] in the garden.</text></questiontext><shuffleanswers>0</shuffleanswers><dragbox><text> </text><group>1</group></dragbox><dragbox><text>were</text><group>1</group></dragbox><dragbox><text>was</text><group>1</group></dragbox></question>", cats, "were", "was", left},
    {"ddwtos, a gap naming a blank choice names the next", xml, "<question type=\"ddwtos\"><questiontext><text>The cats [[2]] in the garden.</text></questiontext><shuffleanswers>0</shuffleanswers><dragbox><text>was</text><group>1</group></dragbox><dragbox><text></text><group>1</group></dragbox><dragbox><text>were</text><group>1</group></dragbox></question>", cats, "were", "was", right},
    // Where Moodle would shuffle, the side follows from the question alone, whatever its kind.
    {"cloze, shuffled", xml, "<question type=\"cloze\"><questiontext><text>The cats {1:MCS:=were~was} in the garden.</text></questiontext></question>", cats, "were", "was", right},
    {"gapselect, shuffled", xml, "<question type=\"gapselect\"><questiontext><text>The cats [[2]] in the garden.</text></questiontext><shuffleanswers>1</shuffleanswers><selectoption><text>was</text><group>1</group></selectoption><selectoption><text>were</text><group>1</group></selectoption></question>", cats, "were", "was", right},
    {"multichoice, shuffled", xml, "<question type=\"multichoice\"><questiontext><text>The cats _____ in the garden.</text></questiontext><shuffleanswers>true</shuffleanswers><answer fraction=\"100\"><text>were</text></answer><answer fraction=\"0\"><text>was</text></answer></question>", cats, "were", "was", right},
    {"gapselect, shuffled when not told", xml, "<question type=\"gapselect\"><questiontext><text>The cats [[1]] in the garden.</text></questiontext><selectoption><text>were</text><group>1</group></selectoption><selectoption><text>was</text><group>1</group></selectoption></question>", cats, "were", "was", right},
    {"multichoice, shuffled by any yes", xml, "<question type=\"multichoice\"><questiontext><text>The cats _____ in the garden.</text></questiontext><shuffleanswers>yes</shuffleanswers><answer fraction=\"100\"><text>were</text></answer><answer fraction=\"0\"><text>was</text></answer></question>", cats, "were", "was", right},
    {"cloze, shuffled, another sentence", xml, "<question type=\"cloze\"><questiontext><text>You {1:MULTICHOICE_HS:=are~is} a boy.</text></questiontext></question>", " You ..... a boy.", "are", "is", left},
};
// clang-format on

// Marks written straight after a word take no blank after the gap, whether the teacher left one
// or not; anything else keeps the teacher's blank. Each with its GIFT escape where it needs one.
struct Follower {
    const char* written;
    const char* shown;
    bool attaches;
};
// clang-format off
constexpr Follower followers[] = {
    {".", ".", true}, {",", ",", true}, {";", ";", true}, {"\\:", ":", true}, {"!", "!", true},
    {"?", "?", true}, {")", ")", true}, {"]", "]", true}, {"\\}", "}", true}, {"…", "…", true},
    {"”", "”", true}, {"’", "’", true}, {"(", "(", false}, {"-", "-", false}, {"\"", "\"", false},
    {"a", "a", false}, {"'", "'", false},
};
// clang-format on
} // namespace

class FormatsTest : public QObject {
    Q_OBJECT
  private slots:
    void eachWrittenQuestionBecomesItsQuestion_data();
    void eachWrittenQuestionBecomesItsQuestion();
};

void FormatsTest::eachWrittenQuestionBecomesItsQuestion_data() {
    QTest::addColumn<Format>("format");
    QTest::addColumn<QByteArray>("question");
    QTest::addColumn<QString>("stem");
    QTest::addColumn<QString>("correct");
    QTest::addColumn<QString>("wrong");
    QTest::addColumn<Question::Side>("correctBox");
    for (const Written& row : written)
        QTest::newRow(row.name) << row.format << QByteArray(row.question) << row.stem << row.correct
                                << row.wrong << row.correctBox;
    for (const Follower& mark : followers)
        for (const char* blank : {"", " "}) {
            const QByteArray question = QByteArray("Is it {=red ~blue}") + blank + mark.written;
            const QString gap = mark.attaches || !*blank ? " Is it ....." : " Is it ..... ";
            QTest::newRow(question.constData()) << gift << question << gap + mark.shown << "red"
                                                << "blue" << left;
        }
}

void FormatsTest::eachWrittenQuestionBecomesItsQuestion() {
    QFETCH(Format, format);
    QFETCH(QByteArray, question);
    QFETCH(QString, stem);
    QFETCH(QString, correct);
    QFETCH(QString, wrong);
    QFETCH(Question::Side, correctBox);
    const TeacherTests read = readAs(tenOf(format, question));
    QVERIFY(read.findings().empty());
    QCOMPARE(read.tests().size(), 1u);
    for (const Question& played : read.tests()[0]) {
        QCOMPARE(text(played.stem), stem);
        QCOMPARE(text(played.correctWord), correct);
        QCOMPARE(text(played.wrongWord), wrong);
        QCOMPARE(text(played.correctSentence), QString(stem).replace(".....", correct));
        QCOMPARE(text(played.wrongSentence), QString(stem).replace(".....", wrong));
        QCOMPARE(played.correctSide, correctBox);
    }
}

QTEST_APPLESS_MAIN(FormatsTest)
#include "tst_formats.moc"
