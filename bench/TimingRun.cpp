#include "TimingRun.h"

#include "Measure.h"
#include "ToneFinder.h"
#include "program/ScreenSet.h"
#include "record/Pupil.h"
#include "record/RecordWriter.h"
#include "shell/Label.h"
#include "shell/QtClock.h"
#include "shell/TextBox.h"
#include "shell/UrlOpener.h"
#include "sound/EmulatedSpeaker.h"
#include "sound/Mixer.h"
#include "sound/SpeakerRenderer.h"
#include "speech/EspeakVoice.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <optional>
#include <thread>

namespace {
constexpr int feedbackPeriodMs = 200;
constexpr int sampleRate = 48000;
constexpr int pullFrames = 512;
// How long the pupil looks at the next-question line before clicking it, and at the new question
// before answering: time that only lengthens the run.
constexpr int pupilPauseMs = 150;

// The real clock, noting when each tick of the feedback timer comes. The feedback timer is the
// one first started with its 200 ms period; the tone timer, which runs for 200 ms at times too,
// is first started by the first tone of a feedback, which lasts 100 or 400 ms.
class StampingClock final : public Clock {
  public:
    std::vector<std::int64_t> feedbackTicks;

    std::unique_ptr<ClockTimer> createTimer(std::function<void()> onTick,
                                            TimerPrecision precision) override {
        auto timer = std::make_unique<Stamping>(*this);
        timer->inner = real.createTimer(
            [stamping = timer.get(), onTick = std::move(onTick)] {
                if (stamping->firstInterval == feedbackPeriodMs)
                    stamping->clock.feedbackTicks.push_back(monotonicNs());
                onTick();
            },
            precision);
        return timer;
    }
    std::chrono::nanoseconds lateness() const override { return real.lateness(); }

  private:
    struct Stamping final : ClockTimer {
        explicit Stamping(StampingClock& clock) : clock(clock) {}
        void start(int ms) override {
            if (firstInterval == 0)
                firstInterval = ms;
            inner->start(ms);
        }
        void stop() override { inner->stop(); }
        StampingClock& clock;
        std::unique_ptr<ClockTimer> inner;
        int firstInterval = 0;
    };
    QtClock real;
};

// The emulated speaker, with the sound card replaced by a thread that pulls its samples in
// real time, as the audio thread would, and keeps them.
class CapturedSpeaker final : public PortIo {
  public:
    struct Gate {
        std::int64_t on, off;
    };
    std::vector<Gate> gates;
    std::vector<float> samples;
    std::int64_t captureStart = monotonicNs();

    CapturedSpeaker() : puller([this] { pull(); }) {}
    ~CapturedSpeaker() override { finish(); }

    // Stops the capture; the samples are complete from here on.
    void finish() {
        stopping = true;
        if (puller.joinable())
            puller.join();
    }

    void vbOut(std::uint16_t port, std::uint8_t value) override {
        const bool wasOn = (speaker.vbInp(systemControlPort) & speakerGateBits) != 0;
        speaker.vbOut(port, value);
        const bool isOn = (speaker.vbInp(systemControlPort) & speakerGateBits) != 0;
        if (!wasOn && isOn)
            gates.push_back({monotonicNs(), 0});
        if (wasOn && !isOn)
            gates.back().off = monotonicNs();
    }
    std::uint8_t vbInp(std::uint16_t port) override { return speaker.vbInp(port); }
    void writeLateBy(std::chrono::nanoseconds lateness) override { speaker.writeLateBy(lateness); }

  private:
    void pull() {
        std::vector<float> buffer(pullFrames);
        auto next = std::chrono::steady_clock::now();
        while (!stopping) {
            renderer.render(buffer, clock.now());
            captured.insert(captured.end(), buffer.begin(), buffer.end());
            next += std::chrono::microseconds(pullFrames * 1'000'000 / sampleRate);
            std::this_thread::sleep_until(next);
        }
        samples = std::move(captured);
    }

    SteadyClock clock;
    SpeakerRenderer renderer{SpeakerRenderer::latencyFor(pullFrames) + SpeakerRenderer::lateTick};
    EmulatedSpeaker speaker{clock, renderer};
    std::vector<float> captured;
    std::atomic<bool> stopping = false;
    std::thread puller;
};

// Notes the moment any next-question label is shown.
class ShowWatcher final : public QObject {
  public:
    explicit ShowWatcher(std::function<void()> onShown) : onShown(std::move(onShown)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShowToParent && watched->objectName() == "lblNext")
            onShown();
        return false;
    }

  private:
    std::function<void()> onShown;
};

struct Answer {
    bool correct;
    std::int64_t pickedAt, nextShownAt = 0;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double worst(const std::vector<double>& values) {
    double largest = 0;
    for (double value : values)
        largest = std::max(largest, std::abs(value));
    return largest;
}

void reportSteps(const std::vector<Answer>& answers, const std::vector<std::int64_t>& ticks) {
    std::vector<double> errors, firstStepErrors, lastStepErrors, nextErrors;
    int worstStep = 0;
    double worstError = 0;
    for (const Answer& answer : answers) {
        const auto first = std::lower_bound(ticks.begin(), ticks.end(), answer.pickedAt);
        for (int step = 2; step <= 32 && first + (step - 2) < ticks.end(); ++step) {
            const double ms = double(first[step - 2] - answer.pickedAt) / 1e6;
            const double error = ms - (step - 1) * feedbackPeriodMs;
            errors.push_back(error);
            if (std::abs(error) > std::abs(worstError)) {
                worstError = error;
                worstStep = step;
            }
            if (step == 2)
                firstStepErrors.push_back(error);
            if (step == 32)
                lastStepErrors.push_back(error);
        }
        const double expectedNext = 5800 + (answer.correct ? 600 : 900);
        nextErrors.push_back(double(answer.nextShownAt - answer.pickedAt) / 1e6 - expectedNext);
    }
    report("step_error_median_ms", median(errors));
    report("step_error_worst_ms", worst(errors));
    report("step_error_worst_at_step", worstStep);
    report("step_drift_ms", median(lastStepErrors) - median(firstStepErrors));
    report("next_label_error_median_ms", median(nextErrors));
    report("next_label_error_worst_ms", worst(nextErrors));
}

void reportTones(const CapturedSpeaker& speaker, const std::vector<Answer>& answers) {
    constexpr int correctLengths[] = {100, 200, 100, 200};
    constexpr int wrongLengths[] = {400, 50, 400, 50};
    std::vector<double> gateErrors, gateGaps;
    for (std::size_t i = 0; i < speaker.gates.size(); ++i) {
        const bool correct = answers.at(i / 4).correct;
        const int expected = (correct ? correctLengths : wrongLengths)[i % 4];
        gateErrors.push_back(double(speaker.gates[i].off - speaker.gates[i].on) / 1e6 - expected);
        if (i % 4 != 0)
            gateGaps.push_back(double(speaker.gates[i].on - speaker.gates[i - 1].off) / 1e6);
    }
    report("gate_length_error_worst_ms", worst(gateErrors));
    report("gate_gap_worst_ms", worst(gateGaps));

    // The rendered sound, as the listener hears it. Where the pitch changes, each tone can be told
    // from the next; a wrong answer's four tones share one pitch and run on without a break, so
    // there only the whole run has a length of its own.
    const std::vector<Tone> heard = findTones({sampleRate, speaker.samples});
    std::vector<double> toneErrors, runErrors, gaps;
    for (std::size_t answer = 0; answer < answers.size() && 4 * answer + 3 < heard.size();
         ++answer) {
        const Tone* run = &heard[4 * answer];
        const bool correct = answers[answer].correct;
        for (int i = 0; correct && i < 4; ++i) {
            toneErrors.push_back((run[i].endSeconds - run[i].startSeconds) * 1000 -
                                 correctLengths[i]);
            if (i > 0)
                gaps.push_back((run[i].startSeconds - run[i - 1].endSeconds) * 1000);
        }
        runErrors.push_back((run[3].endSeconds - run[0].startSeconds) * 1000 -
                            (correct ? 600 : 900));
    }
    report("rendered_tones", double(heard.size()));
    report("gate_tones", double(speaker.gates.size()));
    report("rendered_length_error_worst_ms", worst(toneErrors));
    report("rendered_run_error_worst_ms", worst(runErrors));
    report("rendered_gap_worst_ms", worst(gaps));
}
} // namespace

int runTiming(int answerCount, bool readingAloud, bool keepingRecord) {
    QTemporaryDir recordFolder;
    std::optional<RecordWriter> record;
    if (keepingRecord)
        record.emplace(recordFolder.path().toStdString(), thisPupil("builtin"));
    StampingClock clock;
    auto speaker = std::make_unique<CapturedSpeaker>();
    DesktopUrlOpener urlOpener;
    Mixer mix;
    EspeakVoice voice(mix);
    if (readingAloud)
        voice.warmUp();
    ScreenSet shell(
        {clock, urlOpener, [] { return QGuiApplication::primaryScreen()->geometry().width(); }},
        *speaker, {voice, readingAloud}, builtInBanks(), record ? &*record : nullptr);
    shell.start();

    std::vector<Answer> answers;
    TestScreen* screen = nullptr;
    std::function<void()> nextAnswer = [&] {
        if (int(answers.size()) == answerCount) {
            QCoreApplication::exit(0);
            return;
        }
        if (answers.size() % 10 == 0) {
            const TestNumber test = TestNumber::all()[answers.size() / 10 % TestNumber::count];
            clickWidget(shell.frmMain().testNumber(test));
            screen = &shell.frm(test);
            clickWidget(screen->label("lblComment"));
        }
        const bool correct = answers.size() % 2 == 0;
        answers.push_back({correct, monotonicNs()});
        clickWidget(screen->textBox(correct ? "txtY" : "txtN"));
    };
    ShowWatcher watcher([&] {
        if (answers.empty() || answers.back().nextShownAt)
            return;
        answers.back().nextShownAt = monotonicNs();
        QTimer::singleShot(pupilPauseMs, [&] {
            clickWidget(screen->label("lblNext"));
            QTimer::singleShot(pupilPauseMs, nextAnswer);
        });
    });
    QTimer::singleShot(500, nextAnswer);
    QApplication::exec();
    speaker->finish();

    report("answers", double(answers.size()));
    reportSteps(answers, clock.feedbackTicks);
    reportTones(*speaker, answers);
    return 0;
}
