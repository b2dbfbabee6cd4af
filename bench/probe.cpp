// Velmora measured from the inside, one measurement per run: `bench_probe MODE`.
#include "CallbackRun.h"
#include "ManualClock.h"
#include "Measure.h"
#include "RecordProbe.h"
#include "TimingRun.h"
#include "ToneListener.h"
#include "program/Program.h"
#include "program/TeacherRun.h"
#include "program/TeacherSet.h"
#include "quiz/QuestionFit.h"
#include "shell/Button.h"
#include "shell/Label.h"
#include "shell/QtClock.h"
#include "shell/TextBox.h"
#include "sound/Mixer.h"
#include "sound/SilentPorts.h"
#include "sound/Speaker.h"
#include "speech/EspeakVoice.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace {
void flushClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// From process start to both windows on the display, as a pupil starting Velmora waits for it.
int startUp() {
    reportStartUpWhenPainted(2);
    Program program;
    program.start();
    return QApplication::exec();
}

// The same with a teacher's file to read, measure and play first.
int startUpWith(const QString& teacherFile) {
    reportStartUpWhenPainted(2);
    return playTeacherFile(teacherFile, {}, {}, true);
}

bool writeFile(const QString& path, const std::string& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(text.data(), qsizetype(text.size())) == qsizetype(text.size());
}

// A teacher's file read from disk 20 times: the median time to the tests.
double medianReadMs(const QString& path, const FitCheck& fits = {}) {
    std::vector<double> times;
    for (int i = 0; i < 20; ++i) {
        const std::int64_t start = monotonicNs();
        const TeacherSet set = loadTeacherSet(path, fits);
        times.push_back(double(monotonicNs() - start) / 1e6);
    }
    std::ranges::sort(times);
    return (times[9] + times[10]) / 2;
}

// A teacher's file of the largest size Velmora reads, every question one it plays, without and
// with every question measured against the test screen.
int readLargest() {
    constexpr std::string_view question = "The cats {=were ~was} in the garden.\n\n";
    std::string text;
    while (text.size() + question.size() <= largestGiftFile)
        text += question;
    QTemporaryDir folder;
    const QString path = folder.filePath("largest.gift");
    if (!writeFile(path, text))
        return 1;
    report("read_ms", medianReadMs(path));
    report("read_and_measure_ms", medianReadMs(path, whyItDoesNotFit));
    return 0;
}

// Moodle XML exports as Moodle writes them, each question measured on the screen: 1 MiB of
// questions typed in Moodle's editor, and one of the largest size Velmora reads, nearly all of
// it the base64 pictures Moodle writes into an export.
int readMoodleExports() {
    constexpr std::string_view opening = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n";
    constexpr std::string_view closing = "</quiz>\n";
    constexpr std::string_view questions[] = {
        R"(  <question type="multichoice">
    <name><text>Past 1</text></name>
    <questiontext format="html">
      <text><![CDATA[<p dir="ltr" style="text-align: left;">The cats _____ in the garden.<br></p>]]></text>
    </questiontext>
    <single>true</single>
    <shuffleanswers>true</shuffleanswers>
    <answer fraction="100" format="html"><text><![CDATA[<p dir="ltr">were</p>]]></text></answer>
    <answer fraction="0" format="html"><text><![CDATA[<p dir="ltr">was</p>]]></text></answer>
  </question>
)",
        R"(  <question type="cloze">
    <name><text>Past 2</text></name>
    <questiontext format="html">
      <text><![CDATA[<p dir="ltr" style="text-align: left;">The cats {1:MULTICHOICE_S:=were~was} in the garden.<br></p>]]></text>
    </questiontext>
  </question>
)"};
    std::string typed(opening);
    for (std::size_t next = 0;
         typed.size() + questions[next % 2].size() + closing.size() <= 1024 * 1024; ++next)
        typed += questions[next % 2];
    typed += closing;

    // Five tests' questions, each with a picture of a fiftieth of the file.
    constexpr int pictured = 50;
    const std::string question(questions[0]);
    const std::size_t questionEnd = question.find("</questiontext>");
    const std::size_t pictureSize =
        (largestMoodleXmlFile - opening.size() - closing.size()) / pictured - question.size() - 64;
    std::string withPictures(opening);
    for (int index = 0; index < pictured; ++index)
        withPictures += question.substr(0, questionEnd) +
                        "<file name=\"cat.png\" path=\"/\" encoding=\"base64\">" +
                        std::string(pictureSize, 'Q') + "</file>\n    " +
                        question.substr(questionEnd);
    withPictures += closing;

    QTemporaryDir folder;
    const QString typedPath = folder.filePath("questions.xml");
    const QString picturesPath = folder.filePath("pictures.xml");
    if (!writeFile(typedPath, typed) || !writeFile(picturesPath, withPictures) ||
        withPictures.size() > largestMoodleXmlFile)
        return 1;
    report("read_xml_1mib_ms", medianReadMs(typedPath, whyItDoesNotFit));
    report("read_xml_largest_ms", medianReadMs(picturesPath, whyItDoesNotFit));
    report("read_xml_largest_mib", double(withPictures.size()) / (1024 * 1024));
    return 0;
}

// Memory after a whole test taken on a clock that needs no waiting, and across many openings.
// Without the sound card SDL is never loaded, which shows what its libraries weigh; reading
// aloud, libespeak-ng and its voice are loaded too, and each text is given time to be rendered.
int memory(bool withSoundCard, bool readingAloud) {
    ManualClock clock;
    Mixer mix;
    const std::unique_ptr<PortIo> speaker =
        withSoundCard ? openSpeaker(mix) : std::make_unique<SilentPorts>();
    DesktopUrlOpener urlOpener;
    EspeakVoice voice(mix);
    if (readingAloud)
        voice.warmUp();
    ScreenSet shell({clock, urlOpener, [] { return 1024; }}, *speaker, {voice, readingAloud});
    shell.start();
    flushClosedWindows();
    TestScreen& screen = shell.frm(1);
    clickWidget(shell.frmMain().testNumber(1));
    clickWidget(screen.label("lblComment"));
    const auto rendered = [readingAloud] {
        if (readingAloud)
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
    };
    for (int question = 1; question <= 10; ++question) {
        rendered();
        clickWidget(screen.textBox("txtY"));
        clock.advance(7000);
        rendered();
        flushClosedWindows();
        clickWidget(screen.label("lblNext"));
        flushClosedWindows();
    }
    rendered();
    report("peak_kb_after_test", double(statusKb("VmHWM")));
    // The manual clock wrote the last answer's tones at once; the sound card plays them up to a
    // speaker's latency later, and what that takes is no part of an opening.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    long firstRss = 0;
    constexpr int openings = 20;
    for (int opening = 1; opening <= openings; ++opening) {
        clickWidget(shell.frmMain().testNumber(TestNumber::all()[opening % 4]));
        flushClosedWindows();
        if (opening == 1)
            firstRss = statusKb("VmRSS");
    }
    report("growth_kb_per_opening", double(statusKb("VmRSS") - firstRss) / (openings - 1));
    return 0;
}

// Processor use of Velmora left alone on the menu and the welcome page, whose one-second timers
// tick meanwhile.
int idle() {
    Program program;
    program.start();
    double cpuBefore = 0;
    std::int64_t start = 0;
    QTimer::singleShot(2000, [&] {
        cpuBefore = cpuSeconds();
        start = monotonicNs();
    });
    QTimer::singleShot(12000, [&] {
        report("cpu_share", (cpuSeconds() - cpuBefore) / (double(monotonicNs() - start) / 1e9));
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}

// All five tests by a pupil who never waits, on a clock that needs no waiting either: what the
// test suite's drive through every test costs.
int road() {
    ManualClock clock;
    SilentPorts ports;
    DesktopUrlOpener urlOpener;
    Mixer mix;
    EspeakVoice voice(mix);
    ScreenSet shell({clock, urlOpener, [] { return 1024; }}, ports, {voice});
    shell.start();
    const std::int64_t start = monotonicNs();
    for (TestNumber test : TestNumber::all()) {
        clickWidget(shell.frmMain().testNumber(test));
        TestScreen& screen = shell.frm(test);
        clickWidget(screen.label("lblComment"));
        for (int question = 1; question <= 10; ++question) {
            clickWidget(screen.textBox("txtY"));
            clock.advance(7000);
            clickWidget(screen.label("lblNext"));
        }
        flushClosedWindows();
    }
    report("road_ms", double(monotonicNs() - start) / 1e6);
    return 0;
}

// Close clicked while the first tone of a feedback sounds, on the real clock and sound card:
// how soon the program has ended. Then how long the sound card takes to close in a tone.
int closeDuringTone() {
    QtClock clock;
    Mixer mix;
    std::unique_ptr<PortIo> soundCard = openSpeaker(mix);
    ToneListener speaker(*soundCard);
    DesktopUrlOpener urlOpener;
    EspeakVoice voice(mix);
    ScreenSet shell({clock, urlOpener, [] { return 1024; }}, speaker, {voice});
    shell.start();
    std::int64_t clickedAt = 0;
    speaker.onToneStart = [&] {
        QTimer::singleShot(0, [&] {
            clickedAt = monotonicNs();
            clickWidget(shell.frmMain().button("cmdClose"));
        });
    };
    QTimer::singleShot(300, [&] {
        clickWidget(shell.frmMain().testNumber(2));
        clickWidget(shell.frm(2).label("lblComment"));
        clickWidget(shell.frm(2).textBox("txtN"));
    });
    QApplication::exec();
    report("close_ms", double(monotonicNs() - clickedAt) / 1e6);

    for (auto [port, value] : {std::pair{0x43, 0xB6}, {0x42, 0x98}, {0x42, 0x0A}, {0x61, 0x03}})
        soundCard->vbOut(std::uint16_t(port), std::uint8_t(value));
    const std::int64_t closing = monotonicNs();
    soundCard.reset();
    report("sound_card_close_ms", double(monotonicNs() - closing) / 1e6);
    return 0;
}

// Read-aloud from the pupil's side: for each of the ten questions of test 1, from the click that
// puts it up to the first buffer of the sound card that holds its speech, the first question
// of the run included; and the processor's share while a question is being said. A thread
// stands in for the sound card's, pulling the mix buffer by buffer in real time.
int speechLatency() {
    using namespace std::chrono_literals;
    ManualClock clock;
    SilentPorts ports;
    DesktopUrlOpener urlOpener;
    Mixer mix;
    EspeakVoice voice(mix);
    voice.warmUp();
    ScreenSet shell({clock, urlOpener, [] { return 1024; }}, ports, {voice, true});
    std::atomic<std::int64_t> heardAt = 0;
    std::atomic<std::int64_t> silentAt = 0;
    const std::jthread soundCard([&](std::stop_token stopping) {
        constexpr int frames = 512;
        std::vector<float> buffer(frames);
        auto next = std::chrono::steady_clock::now();
        while (!stopping.stop_requested()) {
            std::fill(buffer.begin(), buffer.end(), 0.0f);
            mix.mixInto(buffer);
            const bool sounding =
                std::any_of(buffer.begin(), buffer.end(), [](float s) { return s != 0.0f; });
            if (sounding && heardAt == 0)
                heardAt = monotonicNs();
            if (!sounding && heardAt != 0 && silentAt == 0)
                silentAt = monotonicNs();
            next += std::chrono::microseconds(frames * 1'000'000 / 48000);
            std::this_thread::sleep_until(next);
        }
    });
    shell.start();
    clickWidget(shell.frmMain().testNumber(1));
    TestScreen& screen = shell.frm(1);
    std::vector<double> latencies;
    double cpuSpent = 0, wallSpent = 0;
    for (int question = 1; question <= 10; ++question) {
        heardAt = 0;
        silentAt = 0;
        const double cpuBefore = cpuSeconds();
        const std::int64_t shownAt = monotonicNs();
        clickWidget(question == 1 ? screen.label("lblComment") : screen.label("lblNext"));
        while (silentAt == 0 && monotonicNs() - shownAt < 10'000'000'000)
            std::this_thread::sleep_for(1ms);
        if (heardAt == 0)
            return 1;
        latencies.push_back(double(heardAt - shownAt) / 1e6);
        cpuSpent += cpuSeconds() - cpuBefore;
        wallSpent += double(silentAt - shownAt) / 1e9;
        clickWidget(screen.textBox("txtY"));
        clock.advance(7000);
        voice.stop();
        std::this_thread::sleep_for(100ms);
    }
    report("first_ms", latencies.front());
    std::sort(latencies.begin(), latencies.end());
    report("median_ms", latencies[latencies.size() / 2]);
    report("cpu_share", cpuSpent / wallSpent);
    return 0;
}

// Processor use while the feedback of a wrong answer runs on the real clock and speaker.
int feedbackLoad() {
    Program program;
    program.start();
    ScreenSet& shell = program.screens();
    TestScreen& screen = shell.frm(1);
    double cpuBefore = 0;
    std::int64_t start = 0;
    QTimer::singleShot(300, [&] {
        clickWidget(shell.frmMain().testNumber(1));
        clickWidget(screen.label("lblComment"));
    });
    QTimer::singleShot(800, [&] {
        cpuBefore = cpuSeconds();
        start = monotonicNs();
        clickWidget(screen.textBox("txtN"));
    });
    QTimer polling;
    QObject::connect(&polling, &QTimer::timeout, [&] {
        if (start == 0 || !screen.label("lblNext").visible())
            return;
        const double wall = double(monotonicNs() - start) / 1e9;
        report("cpu_share", (cpuSeconds() - cpuBefore) / wall);
        report("feedback_seconds", wall);
        QCoreApplication::exit(0);
    });
    polling.start(50);
    return QApplication::exec();
}
} // namespace

int main(int argc, char* argv[]) {
    const QByteArray mode = argc > 1 ? argv[1] : "";
    chooseWindowSystem();
    const std::jthread fontConfiguration = readFontConfigurationAhead();
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    nameApplication();
    if (mode == "startup")
        return argc > 2 ? startUpWith(QString::fromLocal8Bit(argv[2])) : startUp();
    if (mode == "read")
        return readLargest();
    if (mode == "read-xml")
        return readMoodleExports();
    if (mode == "memory" || mode == "memory-silent" || mode == "memory-read-aloud")
        return memory(mode != "memory-silent", mode == "memory-read-aloud");
    if (mode == "feedback")
        return feedbackLoad();
    if (mode == "idle")
        return idle();
    if (mode == "road")
        return road();
    if (mode == "close")
        return closeDuringTone();
    if (mode == "timing")
        return runTiming(argc > 2 ? QByteArray(argv[2]).toInt() : 20,
                         argc > 3 && QByteArray(argv[3]) == "read-aloud",
                         argc > 3 && QByteArray(argv[3]) == "record");
    if (mode == "record-write")
        return measureRecordWrite();
    if (mode == "record-report")
        return measureClassReport(VELMORA_PROGRAM);
    if (mode == "speech")
        return speechLatency();
    if (mode == "callback")
        return runCallbackTiming();
    std::fprintf(stderr, "usage: bench_probe startup [FILE]|read|read-xml|memory|memory-silent|"
                         "memory-read-aloud|feedback|idle|road|close|timing [answers [read-aloud|"
                         "record]]|record-write|record-report|speech|callback\n");
    return 2;
}
