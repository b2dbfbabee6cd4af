#include "shell/Label.h"
#include "shell/Line.h"
#include "shell/Shape.h"
#include "shell/Shell.h"
#include "shell/TextBox.h"
#include "shell/Timer.h"
#include "test/Counters.h"
#include "test/TestScreen.h"

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

void TestScreen::txtY_Click() {
    pick("Correct", "You have earned 10 points", "lblCorrect");
}

void TestScreen::txtN_Click() {
    pick("Wrong answer", "The correct answer is ", "lblWrong");
}

void TestScreen::pick(const char* verdict, const char* explanation, const char* filledIn) {
    stepCount = 1;
    textBox("txtY").setEnabled(false);
    textBox("txtN").setEnabled(false);
    timer("tmrR").setEnabled(true);
    label("lblR").setCaption(verdict);
    label("lblP").setCaption(explanation);
    label("lblQuestion").setVisible(false);
    label(filledIn).setVisible(true);
}

void TestScreen::tmrR_Timer() {
    const int step = ++stepCount;
    for (const Change& change : changes)
        if (change.step == step)
            control(change.control).setVisible(change.visible);
    if (step == judgingStep)
        judge();
    if (step == lastStep) {
        shape("Shape2").setFillStyle(FillStyle::Transparent);
        shape("Shape3").setFillStyle(FillStyle::Transparent);
        // Nothing happens after the last step until the next pick, which switches the timer on
        // again; stopping here also keeps the step count far from its limit.
        timer("tmrR").setEnabled(false);
    }
}

void TestScreen::judge() {
    std::span<const Tone> tones = rightTones;
    if (label("lblR").caption() == "Correct") {
        label("lblScore").setCaption(toText(toNumber(label("lblScore").caption()) + 10));
        shape("Shape2").setFillStyle(FillStyle::Solid);
    } else {
        label("lblMistake").setCaption(toText(toNumber(label("lblMistake").caption()) + 1));
        shape("Shape3").setFillStyle(FillStyle::Solid);
        tones = wrongTones;
    }
    const unsigned closingsBefore = closings;
    for (const Tone& tone : tones) {
        PlayTone(tone.frequency, tone.duration);
        // The screen was closed during the tone: what is left belongs to a test that is gone.
        if (closings != closingsBefore)
            return;
    }
    label("lblNext").setVisible(true);
}

void TestScreen::PlayTone(double frequency, std::int16_t duration) {
    ::PlayTone(ports, *this, frequency, duration);
}

void TestScreen::TimerSound_Timer() {
    setToneDone(true);
    timer("TimerSound").setEnabled(false);
}

void TestScreen::setToneDone(bool done) {
    toneIsDone = done;
}

bool TestScreen::toneDone() const {
    return toneIsDone;
}

void TestScreen::armToneTimer(std::int16_t durationMs) {
    timer("TimerSound").setInterval(durationMs);
    timer("TimerSound").setEnabled(true);
}

void TestScreen::processEventsOnce() {
    shell.clock().processEventsOnce();
}
