#include "quiz/TestScreen.h"

#include "forms/Forms.h"
#include "screens/Navigation.h"
#include "shell/Label.h"
#include "shell/Shape.h"
#include "shell/Shell.h"
#include "shell/TextBox.h"
#include "shell/Timer.h"
#include "sound/PortIo.h"
#include "speech/Voice.h"

namespace {
constexpr const char* screenNames[TestNumber::count] = {"frm1", "frm2", "frm3", "frm4", "frm5"};
} // namespace

TestScreen::TestScreen(Shell& shell, Navigation& navigation, PortIo& ports, ReadAloud reading,
                       TestNumber test, const QuestionBank& bank, AttemptKeeper* record)
    : Screen(shell, screenNames[test.index()], testForm(test)), navigation(navigation),
      ports(ports), reading(reading), record(record), testNumber(test), bank(bank) {}

void TestScreen::bindControls() {
    // A reloaded screen starts its test afresh, as its controls do.
    quiz = {};
    txtQ = &textBox("txtQ");
    txtY = &textBox("txtY");
    txtN = &textBox("txtN");
    lblComment = &label("lblComment");
    lblNext = &label("lblNext");
    lblQuestion = &label("lblQuestion");
    lblCorrect = &label("lblCorrect");
    lblWrong = &label("lblWrong");
    lblR = &label("lblR");
    lblP = &label("lblP");
    lblScore = &label("lblScore");
    lblMistake = &label("lblMistake");
    Shape2 = &shape("Shape2");
    Shape3 = &shape("Shape3");
    tmrR = &timer("tmrR");
    TimerSound = &timer("TimerSound");
    bindFeedbackSteps();

    connect(lblComment, &Label::clicked, this, &TestScreen::lblComment_Click);
    connect(lblNext, &Label::clicked, this, &TestScreen::lblNext_Click);
    connect(txtQ, &TextBox::changed, this, &TestScreen::txtQ_Change);
    connect(txtY, &TextBox::clicked, this, &TestScreen::txtY_Click);
    connect(txtN, &TextBox::clicked, this, &TestScreen::txtN_Click);
    connect(tmrR, &Timer::tick, this, &TestScreen::tmrR_Timer);
    connect(TimerSound, &Timer::tick, this, &TestScreen::TimerSound_Timer);
}

void TestScreen::Form_Load() {
    navigation.keepMenuOnTop();
    setQuestion(0);
    lblComment->setVisible(true);
    txtY->setEnabled(false);
    txtN->setEnabled(false);
    showComment(" This is a small test created by Tovrin. Click here to start.");
    shell.centre(*this);
}

// The tones and the voice go with their screen: the rest belong to a test that is gone, and a
// speaker left on would sound on.
void TestScreen::unloading() {
    keepAttempt();
    reading.voice.stop();
    tonesLeft = {};
    if (!toneDone) {
        toneDone = true;
        ports.switchSpeakerOff();
    }
}

bool TestScreen::screenKey(QKeyCombination key) {
    if (key != QKeyCombination(Qt::Key_R))
        return false;
    sayAgain();
    return true;
}

void TestScreen::lblComment_Click() {
    if (quiz.question == 0) {
        lblComment->setVisible(false);
        startAttempt();
        setQuestion(1);
        txtY->setEnabled(true);
        txtN->setEnabled(true);
    }
    claimAward();
}

void TestScreen::lblNext_Click() {
    if (quiz.question == questionCount()) {
        endTest();
        return;
    }
    setQuestion(quiz.question + 1);
    txtY->setEnabled(true);
    txtN->setEnabled(true);
    lblNext->setVisible(false);
    lblP->setVisible(false);
    lblCorrect->setVisible(false);
    lblWrong->setVisible(false);
}

// The new number's text puts its question on the screen at once, through txtQ_Change.
void TestScreen::setQuestion(int question) {
    quiz.question = question;
    txtQ->setText(QString::number(question));
}

void TestScreen::endTest() {
    lblP->setVisible(false);
    txtY->setVisible(false);
    txtN->setVisible(false);
    lblCorrect->setVisible(false);
    lblWrong->setVisible(false);
    lblComment->setVisible(true);
    quiz.toRead = OnScreen::Comment;
    chooseComment();
    readAloud(commentToSay());
}
