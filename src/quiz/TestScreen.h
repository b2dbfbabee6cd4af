#pragma once

#include "questions/Question.h"
#include "quiz/QuizState.h"
#include "quiz/ReadAloud.h"
#include "record/Attempt.h"
#include "shell/Screen.h"
#include "vocabulary/TestNumber.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class Control;
class Navigation;
class PortIo;

// frm1 … frm5: one test of up to ten questions. The five screens differ in their name, their
// form (its title and window colour), their question bank, and in how a full mark is rewarded.
class TestScreen final : public Screen {
    Q_OBJECT
  public:
    // Each attempt goes to `record`, where one is kept.
    TestScreen(Shell& shell, Navigation& navigation, PortIo& ports, ReadAloud reading,
               TestNumber test, const QuestionBank& bank, AttemptKeeper* record = nullptr);

    // One tone of the feedback: its pitch, and how long TimerSound lets it sound.
    struct Tone {
        double frequency;
        std::int16_t duration;
    };

  private:
    void bindControls() override;
    void Form_Load() override;
    void unloading() override;
    bool screenKey(QKeyCombination key) override;

    // The test flow.
    void lblComment_Click();
    void lblNext_Click();
    void setQuestion(int question);
    void endTest();
    int questionCount() const { return int(bank.size()); }

    // The question presentation.
    void txtQ_Change();
    void present(const Question& question, bool last);

    // The answer feedback.
    void txtY_Click();
    void txtN_Click();
    void pick(Question::Side side);
    void tmrR_Timer();
    void judge();
    void playNextTone();
    void bindFeedbackSteps();

    // The assessment.
    void chooseComment();
    void showComment(std::string_view comment);
    void claimAward();

    // The teacher's record.
    void startAttempt();
    void keepAnswer(const Question& question, Question::Side picked, bool correct);
    void keepAttempt();

    // Reading aloud.
    std::string questionToSay() const;
    std::string correctSentenceToSay() const;
    std::string commentToSay() const;
    void readAloud(const std::string& text);
    void sayAgain();

    // The tones.
    void PlayTone(double frequency, std::int16_t duration);
    void TimerSound_Timer();

    Navigation& navigation;
    PortIo& ports;
    ReadAloud reading;
    AttemptKeeper* record;
    // The answers of the test under way, for the record.
    TestAttempt attempt;
    const TestNumber testNumber;
    const QuestionBank bank;
    QuizState quiz;
    std::int16_t stepCount = 0;
    bool toneDone = true;
    // The tones of the feedback still to come after the one that sounds.
    std::span<const Tone> tonesLeft;

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
    // The control of each step of the feedback that shows or hides one, in the steps' order.
    std::vector<Control*> stepControls;
};
