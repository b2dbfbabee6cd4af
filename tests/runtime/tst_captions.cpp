// Every caption in the faces Debian supplies: each face the screens use is installed, not
// replaced by whatever fontconfig falls back to, and every text a control ever shows fits it as
// the control lays it out, at the density the suite runs at; it runs once more at twice the
// density. Also the screens' stored colours.
#include "forms/Forms.h"
#include "forms/Resources.h"
#include "questions/Question.h"
#include "shell/Button.h"
#include "shell/Colour.h"
#include "shell/Fonts.h"
#include "shell/Label.h"
#include "shell/TextBox.h"
#include "shell/TextFit.h"

#include <QFontInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <algorithm>

namespace {
struct Screen {
    const char* name;
    const FormDef& form;
};

QList<Screen> allScreens() {
    QList<Screen> screens{{"frmMain", frmMainForm}, {"frmIntro", frmIntroForm}};
    static const char* const testNames[] = {"frm1", "frm2", "frm3", "frm4", "frm5"};
    for (TestNumber test : TestNumber::all())
        screens.append({testNames[test.index()], testForm(test)});
    return screens;
}

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// What the program writes into the controls of a test screen after its start, beside the
// questions themselves.
struct LaterText {
    const char* control;
    const char* text;
};
constexpr LaterText laterTexts[] = {
    {"lblComment", " This is a small test created by Tovrin. Click here to start."},
    {"lblComment", " Congratulation ! you are awarded with a smiley face. "},
    {"lblComment", " Excellent ! Click here to claim a smiley face. "},
    {"lblComment", " You almost did it, be more careful next time . "},
    {"lblComment", " The result is not very bad,but you have to do more practices. "},
    {"lblComment", " I think there are some question you need to ask for help "},
    {"lblComment", " The result is not acceptable, get some help right away . "},
    {"lblNext", "Click here to go to the next question"},
    {"lblNext", "The test is over, click here to see comment."},
    {"lblR", "Correct"},
    {"lblR", "Wrong answer"},
    {"lblP", "You have earned 10 points"},
    {"lblP", "The correct answer is "},
    {"lblCheck", "Checking"},
    // The widest numbers the counters and the question number reach.
    {"txtQ", "10"},
    {"lblScore", "100"},
    {"lblMistake", "10"},
};

const ControlDef& controlNamed(const FormDef& form, std::string_view name) {
    for (const ControlDef& def : form.controls)
        if (def.name == name)
            return def;
    qFatal("no control %s", std::string(name).c_str());
}

// Captions that do not fit in the substitute faces, which are larger than the faces the screens
// were designed with. Each is expected to fail until the faces or the controls change, and an
// unexpected pass then says to strike it off here.
struct Misfit {
    std::string_view control;
    const char* text; // or how it starts
    const char* why;
};
constexpr Misfit misfits[] = {
    // NanumMyeongjo Bold at 24 pixels takes 27 pixels a line in a label of 25; in the titles
    // only empty space is cut off, in "Question" a pixel of the tail of the Q.
    {"Label4", "Velmora - ", "the line is 27 pixels high, the label 25"},
    {"Label3", "Question", "the line is 27 pixels high, the label 25"},
};

const char* knownMisfit(std::string_view control, const QString& text) {
    for (const Misfit& misfit : misfits)
        if (misfit.control == control && text.startsWith(QLatin1String(misfit.text)))
            return misfit.why;
    return nullptr;
}

// What does not fit, measured as the control lays its text out; a sentence may take two lines.
QString whatDoesNotFit(const ControlDef& def, const QString& text) {
    const TextFit fit(def, velmoraResources());
    if (const std::optional<char32_t> missing = fit.missingCharacter(text))
        return QStringLiteral("the face cannot draw U+%1").arg(uint(*missing), 4, 16, QChar('0'));
    return fit.whatDoesNotFit(text);
}
} // namespace

Q_DECLARE_METATYPE(FontDef)
Q_DECLARE_METATYPE(const ControlDef*)

class CaptionsTest : public QObject {
    Q_OBJECT

  private slots:
    void everyFaceOfTheScreensIsInstalled_data();
    void everyFaceOfTheScreensIsInstalled();
    void everyCaptionFitsItsControl_data();
    void everyCaptionFitsItsControl();
    void storedColoursMapToTheDesignedOnes_data();
    void storedColoursMapToTheDesignedOnes();
};

void CaptionsTest::everyFaceOfTheScreensIsInstalled_data() {
    QTest::addColumn<FontDef>("font");

    QSet<QString> seen;
    for (const Screen& screen : allScreens())
        for (const ControlDef& def : screen.form.controls) {
            if (def.kind == ControlKind::Shape || def.kind == ControlKind::Line ||
                def.kind == ControlKind::Timer)
                continue;
            const QString row = QStringLiteral("%1 %2%3")
                                    .arg(fromView(def.font.face))
                                    .arg(def.font.points)
                                    .arg(def.font.bold ? " bold" : "");
            if (!seen.contains(row)) {
                seen.insert(row);
                QTest::newRow(qPrintable(row)) << def.font;
            }
        }
}

void CaptionsTest::everyFaceOfTheScreensIsInstalled() {
    QFETCH(FontDef, font);
    const QFont asked = fontFor(font, velmoraResources());
    const QFontInfo resolved(asked);
    // Qt names the foundry after a family that more than one supplies, as Z003 is installed
    // both as Type 1 and as OpenType.
    QString family = resolved.family();
    family.remove(QRegularExpression(QStringLiteral(" \\[[^]]*\\]$")));
    QCOMPARE(family, asked.family());
    QCOMPARE(resolved.bold(), asked.bold());
}

void CaptionsTest::everyCaptionFitsItsControl_data() {
    QTest::addColumn<const ControlDef*>("control");
    QTest::addColumn<QString>("text");

    const auto add = [](const char* screen, const ControlDef& def, const QString& text) {
        QTest::addRow("%s %s \"%s\"", screen, std::string(def.name).c_str(), qPrintable(text))
            << &def << text;
    };
    // The test screens differ only in their title; what they share is taken from the first.
    const auto sharesTheFirstTestsDesign = [](const FormDef& form) {
        return &form != &testForm(1) &&
               std::ranges::any_of(TestNumber::all(),
                                   [&](TestNumber test) { return &form == &testForm(test); });
    };
    for (const Screen& screen : allScreens())
        for (const ControlDef& def : screen.form.controls) {
            const bool hasText = def.kind == ControlKind::Label ||
                                 def.kind == ControlKind::TextBox ||
                                 def.kind == ControlKind::Button;
            if (hasText && !def.text.empty() &&
                (def.name == "Label4" || !sharesTheFirstTestsDesign(screen.form)))
                add(screen.name, def, fromView(def.text));
        }

    for (const LaterText& later : laterTexts)
        add("frm1", controlNamed(testForm(1), later.control), QString::fromUtf8(later.text));
    for (TestNumber test : TestNumber::all()) {
        const FormDef& form = testForm(test);
        const std::string screen = "frm" + std::to_string(test.value());
        for (const Question& question : questionBank(test)) {
            add(screen.c_str(), controlNamed(form, "lblQuestion"), fromView(question.stem));
            add(screen.c_str(), controlNamed(form, "lblCorrect"),
                fromView(question.correctSentence));
            add(screen.c_str(), controlNamed(form, "lblWrong"), fromView(question.wrongSentence));
            add(screen.c_str(), controlNamed(form, "txtY"), fromView(question.correctWord));
            add(screen.c_str(), controlNamed(form, "txtN"), fromView(question.wrongWord));
        }
    }
}

void CaptionsTest::everyCaptionFitsItsControl() {
    QFETCH(const ControlDef*, control);
    QFETCH(QString, text);
    const QString fault = whatDoesNotFit(*control, text);
    if (const char* why = knownMisfit(control->name, text))
        QEXPECT_FAIL("", why, Continue);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void CaptionsTest::storedColoursMapToTheDesignedOnes_data() {
    QTest::addColumn<StoredColour>("stored");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("window background") << StoredColour{0x80000005} << QColor(255, 255, 255);
    QTest::newRow("window text") << StoredColour{0x80000008} << QColor(0, 0, 0);
    QTest::newRow("button face") << StoredColour{0x8000000F} << QColor(192, 192, 192);
    QTest::newRow("button text") << StoredColour{0x80000012} << QColor(0, 0, 0);
    QTest::newRow("unknown system colour") << StoredColour{0x80000063} << QColor(0, 0, 0);
    // Stored colours hold red in the lowest byte; read the other way round, orange is azure.
    QTest::newRow("orange") << StoredColour{0x000080FF} << QColor(255, 128, 0);
    QTest::newRow("peach") << StoredColour{0x00C0E0FF} << QColor(255, 224, 192);
    QTest::newRow("pure blue") << StoredColour{0x00FF0000} << QColor(0, 0, 255);
    QTest::newRow("black") << StoredColour{0x00000000} << QColor(0, 0, 0);
    // Without the top bit the low byte is red, not a system colour's number.
    QTest::newRow("red 5, not window background") << StoredColour{0x00000005} << QColor(5, 0, 0);
}

void CaptionsTest::storedColoursMapToTheDesignedOnes() {
    QFETCH(StoredColour, stored);
    QFETCH(QColor, expected);
    const QColor colour = toQColor(stored);
    QCOMPARE(colour.rgba(), expected.rgba());
}

QTEST_MAIN(CaptionsTest)
#include "tst_captions.moc"
