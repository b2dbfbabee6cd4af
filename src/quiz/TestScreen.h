#pragma once

#include "forms/TestNumber.h"
#include "questions/Question.h"
#include "quiz/QuizState.h"
#include "quiz/ToneWait.h"
#include "shell/Screen.h"

#include <cstdint>
#include <vector>

class Control;
class MainMenu;
class Navigation;
class PortIo;

// frm1 … frm5: one test of ten questions. The five screens differ only in their question bank
// and in how a full mark is rewarded.
class TestScreen final : public Screen, private ToneWait {
    Q_OBJECT
  public:
    TestScreen(Shell& shell, Navigation& navigation, MainMenu& frmMain, PortIo& ports,
               TestNumber test, const QuestionBank& bank);

  private:
    void bindControls() override;
    void Form_Load() override;
    void unloading() override;

    // The test flow.
    void lblComment_Click();
    void lblNext_Click();
    void setQuestion(int question);
    void endTest();

    // The question presentation.
    void txtQ_Change();
    void present(const Question& question, bool last);

    // The answer feedback.
    void txtY_Click();
    void txtN_Click();
    void pick(Question::Side side);
    void tmrR_Timer();
    void judge();
    void bindFeedbackSteps();

    // The assessment.
    void chooseComment();
    void claimAward();
    void handBackAward();

    // The tones.
    void PlayTone(double frequency, std::int16_t duration);
    void TimerSound_Timer();
    void setToneDone(bool done) override;
    bool toneDone() const override;
    void armToneTimer(std::int16_t durationMs) override;
    void processEventsOnce() override;

    // A control the feedback shows or hides at one of its steps.
    struct StepChange {
        int step;
        Control* control;
        bool visible;
    };

    Navigation& navigation;
    MainMenu& frmMain;
    PortIo& ports;
    const TestNumber testNumber;
    const QuestionBank& bank;
    QuizState quiz;
    std::int16_t stepCount = 0;
    bool toneIsDone = true;
    // Counts closes, so that a handler waiting on a tone learns that its screen went meanwhile.
    unsigned closings = 0;

    // The controls of the loaded screen.
    TextBox* txtQ = nullptr;
    TextBox* txtY = nullptr;
    TextBox* txtN = nullptr;
    Label* lblComment = nullptr;
    Label* lblNext = nullptr;
    Label* lblQuestion = nullptr;
    Label* lblCorrect = nullptr;
    Label* lblWrong = nullptr;
    Label* lblR = nullptr;
    Label* lblP = nullptr;
    Label* lblScore = nullptr;
    Label* lblMistake = nullptr;
    Shape* Shape2 = nullptr;
    Shape* Shape3 = nullptr;
    Timer* tmrR = nullptr;
    Timer* TimerSound = nullptr;
    std::vector<StepChange> stepChanges;
};
