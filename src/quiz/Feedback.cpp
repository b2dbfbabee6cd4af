#include "quiz/TestScreen.h"
#include "shell/Label.h"
#include "shell/Shape.h"
#include "shell/Shell.h"
#include "shell/TextBox.h"
#include "shell/Timer.h"
#include "sound/ToneWrites.h"

namespace {
// The feedback of a pick, whole. tmrR ticks every 200 ms from the pick, which is step 1, and each
// tick runs the next step. The judging step starts four tones one after another on TimerSound:
// each tone's tick ends it and starts the next, while tmrR ticks on, so step 32 comes during the
// tones; the last tone's end shows lblNext, 6.4 s after a correct pick and 6.7 s after a wrong one.
enum class Action { Show, Hide, OfferCorrectSentence, Judge, DarkenLamps };
struct Step {
    int step;
    Action action;
    const char* control = nullptr;
};
constexpr Step feedback[] = {
    {2, Action::Show, "lblCheck"}, // 0.2 s
    {4, Action::Hide, "lblCheck"},
    {6, Action::Show, "lblCheck"},
    {8, Action::Hide, "lblCheck"},
    {12, Action::Show, "lblR"}, // 2.2 s: the verdict
    {20, Action::Hide, "lblR"}, // 3.8 s: the correct sentence
    {20, Action::Show, "lblP"},
    {20, Action::Hide, "lblWrong"},
    {20, Action::Show, "lblCorrect"},
    {20, Action::OfferCorrectSentence},
    {26, Action::Show, "Line1"},
    {27, Action::Hide, "Line1"},
    {27, Action::Show, "Line2"},
    {30, Action::Hide, "Line2"},
    {30, Action::Judge},       // 5.8 s: the score or the mistakes, a lamp lit, the first tone
    {32, Action::DarkenLamps}, // 6.2 s, while the tones sound
};
constexpr int lastStep = std::end(feedback)[-1].step;

// The judging step's four tones, in Hz and ms: 600 ms in all after a correct pick, 900 ms after a
// wrong one.
constexpr TestScreen::Tone correctTones[] = {
    {3919.95, 100}, {880.0 / 2, 200}, {3919.95, 100}, {880.0 / 2, 200}};
constexpr TestScreen::Tone wrongTones[] = {
    {523.0 / 8, 400}, {523.0 / 8, 50}, {523.0 / 8, 400}, {523.0 / 8, 50}};
} // namespace

void TestScreen::bindFeedbackSteps() {
    stepControls.clear();
    for (const Step& step : feedback)
        stepControls.push_back(step.control ? &control(step.control) : nullptr);
}

void TestScreen::txtY_Click() {
    pick(Question::Side::Left);
}

void TestScreen::txtN_Click() {
    pick(Question::Side::Right);
}

void TestScreen::pick(Question::Side side) {
    const bool correct = side == quiz.correctWordSide;
    keepAnswer(bank[std::size_t(quiz.question - 1)], side, correct);
    stepCount = 1;
    txtY->setEnabled(false);
    txtN->setEnabled(false);
    tmrR->setEnabled(true);
    quiz.verdict = correct ? Verdict::Correct : Verdict::WrongAnswer;
    lblR->setCaption(correct ? "Correct" : "Wrong answer");
    const int points = scoreAfter(quiz.correctAnswers + 1, questionCount()) - quiz.score;
    lblP->setCaption(correct ? QStringLiteral("You have earned %1 points").arg(points)
                             : QStringLiteral("The correct answer is "));
    lblQuestion->setVisible(false);
    (correct ? lblCorrect : lblWrong)->setVisible(true);
    quiz.toRead = correct ? OnScreen::CorrectSentence : OnScreen::WrongSentence;
}

void TestScreen::tmrR_Timer() {
    const int step = ++stepCount;
    for (std::size_t i = 0; i < std::size(feedback); ++i) {
        if (feedback[i].step != step)
            continue;
        switch (feedback[i].action) {
        case Action::Show:
        case Action::Hide:
            stepControls[i]->setVisible(feedback[i].action == Action::Show);
            break;
        case Action::OfferCorrectSentence:
            quiz.toRead = OnScreen::CorrectSentence;
            readAloud(correctSentenceToSay());
            break;
        case Action::Judge:
            judge();
            break;
        case Action::DarkenLamps:
            Shape2->setFillStyle(FillStyle::Transparent);
            Shape3->setFillStyle(FillStyle::Transparent);
            break;
        }
    }
    // Nothing happens after the last step until the next pick, which switches the timer on again;
    // stopping here also keeps the step count far from its limit.
    if (step == lastStep)
        tmrR->setEnabled(false);
}

void TestScreen::judge() {
    if (quiz.verdict == Verdict::Correct) {
        quiz.score = scoreAfter(++quiz.correctAnswers, questionCount());
        lblScore->setCaption(QString::number(quiz.score));
        Shape2->setFillStyle(FillStyle::Solid);
        tonesLeft = correctTones;
    } else {
        ++quiz.mistakes;
        lblMistake->setCaption(QString::number(quiz.mistakes));
        Shape3->setFillStyle(FillStyle::Solid);
        tonesLeft = wrongTones;
    }
    playNextTone();
}

void TestScreen::playNextTone() {
    if (tonesLeft.empty()) {
        lblNext->setVisible(true);
        return;
    }
    const Tone tone = tonesLeft.front();
    tonesLeft = tonesLeft.subspan(1);
    PlayTone(tone.frequency, tone.duration);
}

void TestScreen::PlayTone(double frequency, std::int16_t duration) {
    startTone(ports, frequency, shell.clock().lateness());
    toneDone = false;
    TimerSound->setInterval(duration);
    TimerSound->setEnabled(true);
}

void TestScreen::TimerSound_Timer() {
    toneDone = true;
    TimerSound->setEnabled(false);
    endTone(ports, shell.clock().lateness());
    playNextTone();
}
