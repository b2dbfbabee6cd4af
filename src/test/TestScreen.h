#pragma once

#include "forms/TestNumber.h"
#include "questions/Presentation.h"
#include "shell/Screen.h"
#include "sound/PlayTone.h"

#include <cstdint>

class MainMenu;
class PortIo;

// frm1 … frm5: one test of ten questions. The five screens differ only in their question bank
// and in how a full mark is rewarded.
class TestScreen final : public Screen, private ToneWait, private QuestionSheet {
    Q_OBJECT
  public:
    TestScreen(Shell& shell, MainMenu& frmMain, PortIo& ports, TestNumber test);

  private:
    void connectHandlers() override;
    void Form_Load() override;
    void unloading() override;

    // The test flow.
    void lblComment_Click();
    void lblNext_Click();
    void endTest();

    // The question presentation.
    void txtQ_Change();
    void setTextBoxText(const char* textBox, std::string_view text) override;
    void setLabelCaption(const char* label, std::string_view caption) override;
    void showLabel(const char* label) override;

    // The answer feedback.
    void txtY_Click();
    void txtN_Click();
    void pick(const char* verdict, const char* explanation, const char* filledIn);
    void tmrR_Timer();
    void judge();

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

    MainMenu& frmMain;
    PortIo& ports;
    const TestNumber testNumber;
    const QuestionBank& bank;
    std::int16_t stepCount = 0;
    bool toneIsDone = true;
    // Counts closes, so that a handler waiting on a tone learns that its screen went meanwhile.
    unsigned closings = 0;
};
