#include "quiz/TestScreen.h"
#include "shell/Label.h"
#include "shell/Line.h"
#include "shell/Shape.h"
#include "shell/Shell.h"
#include "shell/TextBox.h"
#include "shell/Timer.h"

#include <span>

namespace {
// What the feedback shows and hides at its steps, 200 ms apart from the pick on.
struct Change {
    int step;
    const char* control;
    bool visible;
};
constexpr Change changes[] = {
    {2, "lblCheck", true},  {4, "lblCheck", false},  {6, "lblCheck", true},
    {8, "lblCheck", false}, {12, "lblR", true},      {20, "lblR", false},
    {20, "lblP", true},     {20, "lblWrong", false}, {20, "lblCorrect", true},
    {26, "Line1", true},    {27, "Line1", false},    {27, "Line2", true},
    {30, "Line2", false},
};
constexpr int judgingStep = 30;
constexpr int lastStep = 32;

struct Tone {
    double frequency;
    std::int16_t duration;
};
constexpr Tone rightTones[] = {{3919.95, 100}, {880.0 / 2, 200}, {3919.95, 100}, {880.0 / 2, 200}};
constexpr Tone wrongTones[] = {
    {523.0 / 8, 400}, {523.0 / 8, 50}, {523.0 / 8, 400}, {523.0 / 8, 50}};
} // namespace

void TestScreen::bindFeedbackSteps() {
    stepChanges.clear();
    for (const Change& change : changes)
        stepChanges.push_back({change.step, &control(change.control), change.visible});
}

void TestScreen::txtY_Click() {
    pick(Question::Side::Left);
}

void TestScreen::txtN_Click() {
    pick(Question::Side::Right);
}

void TestScreen::pick(Question::Side side) {
    const bool right = side == quiz.rightWordSide;
    stepCount = 1;
    txtY->setEnabled(false);
    txtN->setEnabled(false);
    tmrR->setEnabled(true);
    quiz.verdict = right ? Verdict::Correct : Verdict::WrongAnswer;
    lblR->setCaption(right ? "Correct" : "Wrong answer");
    lblP->setCaption(right ? "You have earned 10 points" : "The correct answer is ");
    lblQuestion->setVisible(false);
    (right ? lblCorrect : lblWrong)->setVisible(true);
}

void TestScreen::tmrR_Timer() {
    const int step = ++stepCount;
    for (const StepChange& change : stepChanges)
        if (change.step == step)
            change.control->setVisible(change.visible);
    if (step == judgingStep)
        judge();
    if (step == lastStep) {
        Shape2->setFillStyle(FillStyle::Transparent);
        Shape3->setFillStyle(FillStyle::Transparent);
        // Nothing happens after the last step until the next pick, which switches the timer on
        // again; stopping here also keeps the step count far from its limit.
        tmrR->setEnabled(false);
    }
}

void TestScreen::judge() {
    std::span<const Tone> tones = rightTones;
    if (quiz.verdict == Verdict::Correct) {
        quiz.score += 10;
        lblScore->setCaption(QString::number(quiz.score));
        Shape2->setFillStyle(FillStyle::Solid);
    } else {
        ++quiz.mistakes;
        lblMistake->setCaption(QString::number(quiz.mistakes));
        Shape3->setFillStyle(FillStyle::Solid);
        tones = wrongTones;
    }
    const unsigned closingsBefore = closings;
    for (const Tone& tone : tones) {
        PlayTone(tone.frequency, tone.duration);
        // The screen was closed during the tone: what is left belongs to a test that is gone.
        if (closings != closingsBefore)
            return;
    }
    lblNext->setVisible(true);
}

void TestScreen::PlayTone(double frequency, std::int16_t duration) {
    ::PlayTone(ports, *this, frequency, duration);
}

void TestScreen::TimerSound_Timer() {
    setToneDone(true);
    TimerSound->setEnabled(false);
}

void TestScreen::setToneDone(bool done) {
    toneIsDone = done;
}

bool TestScreen::toneDone() const {
    return toneIsDone;
}

void TestScreen::armToneTimer(std::int16_t durationMs) {
    TimerSound->setInterval(durationMs);
    TimerSound->setEnabled(true);
}

void TestScreen::processEventsOnce() {
    shell.clock().processEventsOnce();
}
