// make bench: runs Velmora's probes and the baseline, prints a table and keeps it with the earlier
// runs' in bench/results. Exits 1 when a figure misses its target or a probe fails.
// `--no-suite` leaves out the clean clone's test suite; `--results FOLDER` keeps the table there.
#include "History.h"
#include "Measure.h"
#include "Table.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <random>
#include <thread>
#include <tuple>

namespace {
using Figures = QMap<QString, double>;

bool aProbeFailed = false;

// A probe or baseline run under way; figures() waits for it and hands back the "key value"
// lines it printed.
class Run {
  public:
    Run(const QString& program, const QStringList& arguments)
        : what(program + ' ' + arguments.join(' ')) {
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        startedAt = monotonicNs();
        process.start(program, arguments);
    }

    Figures figures() {
        process.waitForFinished(-1);
        Figures figures;
        for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() == 2)
                figures.insert(QString::fromLatin1(words[0]), words[1].toDouble());
        }
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            std::fprintf(stderr, "bench: %s failed\n", qPrintable(what));
            aProbeFailed = true;
        }
        return figures;
    }

    // From the moment the process was started to a moment it reported, in milliseconds.
    double msUntil(double reportedNs) const { return (reportedNs - double(startedAt)) / 1e6; }

  private:
    QString what;
    QProcess process;
    std::int64_t startedAt = 0;
};

Figures run(const QString& program, const QStringList& arguments = {}) {
    return Run(program, arguments).figures();
}

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

QString machine() {
    QFile cpuInfo("/proc/cpuinfo");
    QString model = "unknown processor";
    if (cpuInfo.open(QIODevice::ReadOnly))
        for (const QByteArray& line : cpuInfo.readAll().split('\n'))
            if (line.startsWith("model name")) {
                model = QString::fromLatin1(line.mid(line.indexOf(':') + 1).trimmed());
                break;
            }
    return QString("%1, %2 cores, %3")
        .arg(model)
        .arg(std::thread::hardware_concurrency())
        .arg(QSysInfo::prettyProductName());
}

// Wall time of the whole suite from a clean clone of the repository this runner was built from.
double suiteSeconds(const QString& sourceDir) {
    QTemporaryDir dir;
    QProcess::execute("git", {"clone", "-q", sourceDir, dir.path() + "/velmora"});
    const std::int64_t start = monotonicNs();
    QProcess make;
    make.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    make.setStandardOutputFile(QProcess::nullDevice());
    make.start("make", {"-C", dir.path() + "/velmora", "test"});
    make.waitForFinished(-1);
    return make.exitCode() == 0 ? double(monotonicNs() - start) / 1e9 : -1;
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const bool withSuite = !arguments.contains("--no-suite");
    const qsizetype resultsAt = arguments.indexOf("--results");
    const QString results = resultsAt > 0 && resultsAt + 1 < arguments.size()
                                ? arguments[resultsAt + 1]
                                : QString(VELMORA_SOURCE_DIR "/bench/results");
    const QString here = QCoreApplication::applicationDirPath();
    const QString probe = here + "/bench_probe";
    const QString baseline = here + "/bench_baseline";
    const double none = std::nan("");
    qputenv("SDL_AUDIODRIVER", "dummy");
    // Where no desktop session made one, Qt would warn on every run of every probe.
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());

    const QString machineName = machine();
    std::printf("Machine: %s\n", qPrintable(machineName));
    std::fflush(stdout);
    const QString tenQuestions = QStringLiteral(VELMORA_SOURCE_DIR "/examples/was-or-were.gift");
    // The same ten sentences as a Moodle export, in the four kinds of question Velmora plays.
    const QString tenMoodleQuestions = QStringLiteral(VELMORA_SOURCE_DIR "/bench/was-or-were.xml");
    QList<double> velmoraStart, baselineStart, captionStart, screensStart, teacherStart,
        moodleStart, velmoraPeak, baselinePeak, captionPeak, screensPeak, teacherPeak, moodlePeak;
    std::array startUps{
        std::tuple{baseline, QStringList{""}, &baselineStart, &baselinePeak},
        std::tuple{baseline, QStringList{"caption"}, &captionStart, &captionPeak},
        std::tuple{baseline, QStringList{"screens"}, &screensStart, &screensPeak},
        std::tuple{probe, QStringList{"startup"}, &velmoraStart, &velmoraPeak},
        std::tuple{probe, QStringList{"startup", tenQuestions}, &teacherStart, &teacherPeak},
        std::tuple{probe, QStringList{"startup", tenMoodleQuestions}, &moodleStart, &moodlePeak}};
    std::mt19937 order(20);
    for (int i = 0; i < 20; ++i) {
        // A start-up pays for the teardown of the one before it: each round has an order of its
        // own, the same in every run, so that no program always follows the same one.
        std::ranges::shuffle(startUps, order);
        for (const auto& [program, arguments, start, peak] : startUps) {
            Run startUp(program, arguments);
            const Figures figures = startUp.figures();
            *start << startUp.msUntil(figures["painted_ns"]);
            *peak << figures["peak_kb"];
        }
    }
    const Figures reading = run(probe, {"read"});
    const Figures readingXml = run(probe, {"read-xml"});
    const Figures memory = run(probe, {"memory"});
    const Figures memorySilent = run(probe, {"memory-silent"});
    const Figures feedback = run(probe, {"feedback"});
    const Figures road = run(probe, {"road"});
    const Figures close = run(probe, {"close"});
    // The idle probes only wait, and count only their own processor time: they run beside the
    // timing run, which is the longest, without changing its figures or theirs.
    Run idleRun(baseline, {"idle"});
    Run velmoraIdleRun(probe, {"idle"});
    const Figures timing = run(probe, {"timing", "20"});
    const Figures idle = idleRun.figures();
    const Figures velmoraIdle = velmoraIdleRun.figures();
    const Figures memoryReading = run(probe, {"memory-read-aloud"});
    const Figures speech = run(probe, {"speech"});
    const Figures timingReading = run(probe, {"timing", "10", "read-aloud"});
    const Figures timingRecord = run(probe, {"timing", "10", "record"});
    const Figures recordWrite = run(probe, {"record-write"});
    const Figures classReport = run(probe, {"record-report"});
    const Figures callback = run(probe, {"callback"});

    // The floor is the least any program drawing Velmora's two windows pays: the same windows
    // bare, with one caption. Start-up and memory are held to it; the bare window is for scale.
    QList<Row> rows;
    const double floorStart = median(screensStart);
    const double floorPeak = median(screensPeak);
    rows << Row{"start-up to both windows painted, ms (median of 20)", median(velmoraStart),
                floorStart, "<= 1.15 x floor", median(velmoraStart) <= 1.15 * floorStart};
    rows << Row{"  the same against a bare window, ms", median(velmoraStart), median(baselineStart),
                "(for comparison)", true};
    rows << Row{"  the same against a window with one caption, ms", median(velmoraStart),
                median(captionStart), "(for comparison)", true};
    rows << Row{"  the same with a teacher's file of ten questions, ms", median(teacherStart),
                median(velmoraStart), "<= 1.05 x without",
                median(teacherStart) <= 1.05 * median(velmoraStart)};
    rows << Row{"  the same with a Moodle XML file of ten questions, ms", median(moodleStart),
                median(velmoraStart), "<= 1.05 x without",
                median(moodleStart) <= 1.05 * median(velmoraStart)};
    rows << Row{"reading a teacher's file of 1 MiB, ms (median of 20)", reading["read_ms"], none,
                "< 50 ms", reading["read_ms"] < 50};
    rows << Row{"  the same, each question measured on the screen, ms",
                reading["read_and_measure_ms"], none, "(for information)", true};
    rows << Row{"reading a Moodle XML export of 1 MiB, each question measured, ms",
                readingXml["read_xml_1mib_ms"], none, "< 50 ms",
                readingXml["read_xml_1mib_ms"] > 0 && readingXml["read_xml_1mib_ms"] < 50};
    rows << Row{"reading a Moodle XML export of 16 MiB, mostly pictures, ms",
                readingXml["read_xml_largest_ms"], none, "< 800 ms",
                readingXml["read_xml_largest_ms"] > 0 && readingXml["read_xml_largest_ms"] < 800};
    rows << Row{"peak resident after start-up, KiB", median(velmoraPeak), floorPeak,
                "<= 1.3 x floor", median(velmoraPeak) <= 1.3 * floorPeak};
    rows << Row{"  the same against a bare window, KiB", median(velmoraPeak), median(baselinePeak),
                "(for comparison)", true};
    rows << Row{"  the same with a Moodle XML file of ten questions, KiB", median(moodlePeak),
                median(velmoraPeak), "(for comparison)", true};
    rows << Row{"peak resident after one whole test, KiB", memory["peak_kb_after_test"], floorPeak,
                "<= 1.3 x floor", memory["peak_kb_after_test"] <= 1.3 * floorPeak};
    rows << Row{"  the same against a bare window, KiB", memory["peak_kb_after_test"],
                median(baselinePeak), "(for comparison)", true};
    rows << Row{"  the same with the sound off, SDL not loaded, KiB",
                memorySilent["peak_kb_after_test"], floorPeak, "(for comparison)", true};
    rows << Row{"resident growth per opening (20 openings), KiB", memory["growth_kb_per_opening"],
                none, "no growth", memory["growth_kb_per_opening"] <= 4};
    rows << Row{"CPU share of one core, wrong-answer feedback, %", 100 * feedback["cpu_share"],
                100 * idle["cpu_share"], "< 3 %", feedback["cpu_share"] < 0.03};
    rows << Row{"CPU share of one core, idle on the menu and welcome page, %",
                100 * velmoraIdle["cpu_share"], 100 * idle["cpu_share"], "(beside the baseline)",
                true};
    rows << Row{"all five tests on the manual clock, ms", road["road_ms"], none, "< 20000 ms",
                road["road_ms"] > 0 && road["road_ms"] < 20000};
    rows << Row{"Close during a tone to the program's end, ms", close["close_ms"], none, "< 100 ms",
                close["close_ms"] > 0 && close["close_ms"] < 100};
    rows << Row{"sound card closed during a tone, ms", close["sound_card_close_ms"], none,
                "< 500 ms", close["sound_card_close_ms"] > 0 && close["sound_card_close_ms"] < 500};
    rows << Row{"feedback step error, median, ms", timing["step_error_median_ms"], none, "", true};
    rows << Row{"feedback step error, worst, ms", timing["step_error_worst_ms"], none, "< 10 ms",
                timing["step_error_worst_ms"] < 10};
    rows << Row{"feedback drift, step 32 less step 2, ms", timing["step_drift_ms"], none,
                "no drift (< 2 ms)", std::abs(timing["step_drift_ms"]) < 2};
    rows << Row{"next-question label error, median, ms", timing["next_label_error_median_ms"], none,
                "", true};
    rows << Row{"next-question label error, worst, ms", timing["next_label_error_worst_ms"], none,
                "< 10 ms", timing["next_label_error_worst_ms"] < 10};
    // What a pupil hears is the rendered tone; the gate is switched by the GUI thread, which a
    // busy machine may hold up by a millisecond or so without the sound changing.
    rows << Row{"tone length error at the gate, worst, ms", timing["gate_length_error_worst_ms"],
                none, "(for information)", true};
    rows << Row{"tone length error as rendered (right answers), worst, ms",
                timing["rendered_length_error_worst_ms"], none, "< 1 ms",
                timing["rendered_length_error_worst_ms"] < 1 &&
                    timing["rendered_tones"] == timing["gate_tones"]};
    // Each tone is timed from its own start, so the run may be off by the four tones' errors.
    rows << Row{"four tones' run as rendered, length error, worst, ms",
                timing["rendered_run_error_worst_ms"], none, "< 4 ms (4 x 1 ms)",
                timing["rendered_run_error_worst_ms"] < 4};
    rows << Row{"gap between tones as rendered, worst, ms", timing["rendered_gap_worst_ms"], none,
                "< 2 ms", timing["rendered_gap_worst_ms"] < 2};
    rows << Row{"record: last answer to the attempt's file renamed, median of 50, ms",
                recordWrite["write_median_ms"], none, "", true};
    rows << Row{"  the same, worst, ms", recordWrite["write_worst_ms"], none, "< 20 ms",
                recordWrite["write_worst_ms"] < 20};
    rows << Row{"record: feedback step error, worst, ms", timingRecord["step_error_worst_ms"], none,
                "< 10 ms", timingRecord["step_error_worst_ms"] < 10};
    rows << Row{"record: --report over 10,000 attempt files, ms", classReport["report_10000_ms"],
                none, "< 2000 ms", classReport["report_10000_ms"] < 2000};
    rows << Row{"read-aloud: question shown to its speech at the sound card, median of 10, ms",
                speech["median_ms"], none, "< 150 ms",
                speech["median_ms"] > 0 && speech["median_ms"] < 150};
    rows << Row{"  the same, the run's first question, ms", speech["first_ms"], none,
                "(for information)", true};
    rows << Row{"read-aloud: CPU share of one core while a question is said, %",
                100 * speech["cpu_share"], none, "(for information)", true};
    rows << Row{"read-aloud: peak resident after one whole test, KiB",
                memoryReading["peak_kb_after_test"], memory["peak_kb_after_test"],
                "<= without + 10240 KiB",
                memoryReading["peak_kb_after_test"] <= memory["peak_kb_after_test"] + 10240};
    rows << Row{"read-aloud: feedback step error, worst, ms", timingReading["step_error_worst_ms"],
                none, "< 10 ms", timingReading["step_error_worst_ms"] < 10};
    rows << Row{"read-aloud: next-question label error, worst, ms",
                timingReading["next_label_error_worst_ms"], none, "< 10 ms",
                timingReading["next_label_error_worst_ms"] < 10};
    // SDL's audio thread, as on a pupil's computer, with speech and tones playing and both cores
    // kept busy by two loops.
    rows << Row{"audio callback per buffer, speech and tones, both cores busy, worst, ms",
                callback["callback_worst_ms"], none, "< 1 ms",
                callback["callback_worst_ms"] > 0 && callback["callback_worst_ms"] < 1};
    rows << Row{"  the same, median, ms", callback["callback_median_ms"], none, "(for information)",
                true};
    if (withSuite) {
        const double seconds = suiteSeconds(QString::fromLocal8Bit(VELMORA_SOURCE_DIR));
        rows << Row{"make test from a clean clone, s", seconds, none, "< 600 s",
                    seconds > 0 && seconds < 600};
    }
    const QString table = tableText(rows);
    std::printf("%s", qPrintable(table));
    recordRun(results, machineName, table, tableJson(rows, machineName));
    const bool missed =
        std::any_of(rows.begin(), rows.end(), [](const Row& row) { return row.missed(); });
    return missed || aProbeFailed ? 1 : 0;
}
