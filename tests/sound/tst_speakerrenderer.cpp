#include "RenderedSpeaker.h"
#include "sound/SdlAudioOutput.h"

#include <QTest>

using namespace std::chrono_literals;

namespace {
// Off the sample grid, so that timing finer than a sample is exercised.
constexpr nanoseconds firstGateOn = 30ms + 12345ns;
// The PC's interval timer counts at 14.31818 MHz / 12.
constexpr double timerClock = 1193182.0;
// A tone reaches half its level halfway through its 2 ms fade-in.
constexpr double fadeHalfMs = 1.0;

std::vector<SpeakerChange> toneAt(nanoseconds gateOn, std::uint32_t period, nanoseconds length) {
    return {{gateOn, period}, {gateOn + length, 0}};
}

double msOf(nanoseconds time) {
    return std::chrono::duration<double, std::milli>(time).count();
}

// For a failure message: the bytes last until the end of the check that shows them.
QByteArray number(double value) {
    return QByteArray::number(value);
}

// The first sample that left the renderer at or after `time` on our clock.
std::size_t sampleAt(const RenderedSound& sound, nanoseconds time) {
    std::size_t sample = 0;
    while (sample < sound.samples.size() && sound.renderedAt(sample) < time)
        ++sample;
    return sample;
}
} // namespace

Q_DECLARE_METATYPE(Pulls)

class TestSpeakerRenderer : public QObject {
    Q_OBJECT

  private slots:
    void eachPitchSoundsRight_data();
    void eachPitchSoundsRight();
    void toneLastsAsLongAsItsGateWasOpen_data();
    void toneLastsAsLongAsItsGateWasOpen();
    void soundFollowsTheGateWithinThirtyMs();
    void timingHoldsWhenTheSoundCardDriftsOrStalls_data();
    void timingHoldsWhenTheSoundCardDriftsOrStalls();
    void noAliasesFoldIntoHearing();
    void backToBackTonesCrossFade();
    void aFloodOfChangesWhileTheAudioThreadStallsLeavesTheNewestState_data();
    void aFloodOfChangesWhileTheAudioThreadStallsLeavesTheNewestState();
};

void TestSpeakerRenderer::eachPitchSoundsRight_data() {
    QTest::addColumn<std::uint32_t>("period");
    QTest::addColumn<int>("lengthMs");

    for (std::uint32_t period : {304u, 2712u, 18253u})
        for (int lengthMs : {50, 400})
            QTest::addRow("%u, %d ms", period, lengthMs) << period << lengthMs;
}

void TestSpeakerRenderer::eachPitchSoundsRight() {
    QFETCH(std::uint32_t, period);
    QFETCH(int, lengthMs);

    const nanoseconds length = lengthMs * 1ms;
    const RenderedSound sound = render(toneAt(firstGateOn, period, length), length + 100ms);
    const std::vector<Extent> tones = tonesIn(sound.samples);
    QCOMPARE(tones.size(), 1u);

    const double frequency = frequencyIn(sound.samples, tones[0]);
    QVERIFY2(std::abs(frequency * period / timerClock - 1.0) < 0.005, number(frequency));
    // -6.02 dBFS is 0.5; the loudest sample may fall just beside the wave's crest.
    const float peak = loudest(sound.samples);
    QVERIFY2(peak >= 0.47f && peak <= 0.5f + 1e-6f, number(peak));

    // Switching the gate hard would step by the tone's full level, 0.4 or more.
    const nanoseconds latency = SpeakerRenderer::latencyFor(256);
    const std::size_t on = samplesIn(firstGateOn + latency);
    const std::size_t silent =
        samplesIn(firstGateOn + length + latency) + std::size_t(SquareVoice::fadeSamples);
    QVERIFY2(largestStep(sound.samples, on - 2, on + 12) < 0.05f,
             number(largestStep(sound.samples, on - 2, on + 12)));
    QVERIFY2(largestStep(sound.samples, silent - 12, silent + 2) < 0.05f,
             number(largestStep(sound.samples, silent - 12, silent + 2)));
    QCOMPARE(loudest(sound.samples, 0, on), 0.0f);
    QCOMPARE(loudest(sound.samples, silent + 1), 0.0f);
}

void TestSpeakerRenderer::toneLastsAsLongAsItsGateWasOpen_data() {
    QTest::addColumn<std::uint32_t>("period");
    QTest::addColumn<int>("lengthMs");
    QTest::addColumn<int>("bufferFrames");

    for (std::uint32_t period : {304u, 2712u, 18253u})
        for (int lengthMs : {50, 100, 200, 400})
            for (int bufferFrames : {64, 256, 1000, 2048})
                QTest::addRow("%u, %d ms, %d frames", period, lengthMs, bufferFrames)
                    << period << lengthMs << bufferFrames;
}

void TestSpeakerRenderer::toneLastsAsLongAsItsGateWasOpen() {
    QFETCH(std::uint32_t, period);
    QFETCH(int, lengthMs);
    QFETCH(int, bufferFrames);

    const nanoseconds jitter = std::min<nanoseconds>(2ms, durationOf(bufferFrames) * 4 / 10);
    const RenderedSound sound = render(toneAt(firstGateOn, period, lengthMs * 1ms),
                                       lengthMs * 1ms + 100ms, {bufferFrames, 1.0, jitter});
    const std::vector<Extent> tones = tonesIn(sound.samples);

    QCOMPARE(tones.size(), 1u);
    QVERIFY2(std::abs(tones[0].lengthMs() - lengthMs) <= 1.0, number(tones[0].lengthMs()));
    // Late by the latency, give or take the jitter of the pull that set the timing and of the
    // pull that rendered the sound.
    const double delayMs = msOf(sound.renderedAt(tones[0].first) - firstGateOn);
    const double expectedMs = msOf(SpeakerRenderer::latencyFor(bufferFrames)) + fadeHalfMs;
    QVERIFY2(std::abs(delayMs - expectedMs) <= 2 * msOf(jitter) + 0.3, number(delayMs));
}

void TestSpeakerRenderer::soundFollowsTheGateWithinThirtyMs() {
    const Pulls pulls{.bufferFrames = SdlAudioOutput::bufferFrames};
    const RenderedSound sound = render(toneAt(firstGateOn, 2712, 100ms), 200ms, pulls);

    // The sound card plays one buffer while the next is rendered.
    const nanoseconds delay = sound.renderedAt(tonesIn(sound.samples)[0].first) +
                              durationOf(pulls.bufferFrames) - firstGateOn;
    QVERIFY2(delay < 30ms, number(msOf(delay)));
}

void TestSpeakerRenderer::timingHoldsWhenTheSoundCardDriftsOrStalls_data() {
    QTest::addColumn<Pulls>("pulls");

    QTest::newRow("sound card 1 % slow") << Pulls{.rateRatio = 0.99, .jitter = 1ms};
    QTest::newRow("sound card 1 % fast") << Pulls{.rateRatio = 1.01, .jitter = 1ms};
    // The last pull before the fifth tone is late: the next ones are not.
    QTest::newRow("one pull late before a tone")
        << Pulls{.bufferFrames = 1024, .jitter = 1ms, .latePull = 188, .lateBy = 18ms};
    QTest::newRow("audio thread held up in a tone")
        << Pulls{.jitter = 1ms, .stallFrom = 2100ms, .stallUntil = 2250ms};
    // The sound card starts after two tones have been played: they come late, the rest on time.
    QTest::newRow("first pull after two tones")
        << Pulls{.jitter = 1ms, .stallFrom = -100ms, .stallUntil = 1900ms};
}

void TestSpeakerRenderer::timingHoldsWhenTheSoundCardDriftsOrStalls() {
    QFETCH(Pulls, pulls);

    constexpr int toneCount = 10;
    std::vector<SpeakerChange> changes;
    for (int tone = 0; tone < toneCount; ++tone)
        changes.insert(changes.end(),
                       {{firstGateOn + tone * 1s, 2712}, {firstGateOn + tone * 1s + 200ms, 0}});
    const RenderedSound sound = render(changes, toneCount * 1s, pulls);
    const std::vector<Extent> tones = tonesIn(sound.samples);

    QCOMPARE(tones.size(), std::size_t{toneCount});
    const double expectedDelayMs =
        msOf(SpeakerRenderer::latencyFor(pulls.bufferFrames)) + fadeHalfMs;
    for (int tone = 0; tone < toneCount; ++tone) {
        QVERIFY2(std::abs(tones[tone].lengthMs() - 200.0) <= 1.0, number(tones[tone].lengthMs()));
        // A tone caught in the stall comes late, but whole. Silence passes at up to twice its
        // speed until the lag is made up; the tones after that are on time.
        const nanoseconds gateOn = firstGateOn + tone * 1s;
        const nanoseconds stall = pulls.stallUntil - pulls.stallFrom;
        if (gateOn + 200ms >= pulls.stallFrom && gateOn <= pulls.stallUntil + 2 * stall)
            continue;
        // Give or take the jitter either side and the drift across the pulls that set the timing.
        const double delayMs = msOf(sound.renderedAt(tones[tone].first) - gateOn);
        QVERIFY2(std::abs(delayMs - expectedDelayMs) <= 3.5, number(delayMs));
    }
}

void TestSpeakerRenderer::noAliasesFoldIntoHearing() {
    const double fundamental = timerClock / 304;
    const RenderedSound sound = render(toneAt(firstGateOn, 304, 400ms), 500ms);
    // 200 ms from the steady middle of the tone.
    const WindowedSound middle(sound.samples,
                               tonesIn(sound.samples)[0].first + outputSampleRate / 20,
                               outputSampleRate / 5);

    // A naive square wave folds its odd harmonics above 24 kHz back to exactly these.
    std::vector<double> probes;
    for (int harmonic = 7; harmonic < 200; harmonic += 2) {
        const double folded = std::fmod(harmonic * fundamental, outputSampleRate);
        probes.push_back(std::min(folded, outputSampleRate - folded));
    }
    for (double frequency = 50.0; frequency < outputSampleRate / 2; frequency += 10.0)
        probes.push_back(frequency);
    const double fundamentalDb = middle.levelDb(fundamental);
    double loudestDb = -300.0;
    for (double frequency : probes)
        if (std::abs(std::remainder(frequency, fundamental)) > 150.0)
            loudestDb = std::max(loudestDb, middle.levelDb(frequency) - fundamentalDb);
    QVERIFY2(loudestDb < -60.0, number(loudestDb));

    // 23.9 kHz has no harmonic within hearing to play.
    QCOMPARE(loudest(render(toneAt(firstGateOn, 50, 100ms), 200ms).samples), 0.0f);
}

void TestSpeakerRenderer::backToBackTonesCrossFade() {
    // The tones after a wrong pick: the gate closes and at once opens again, and the counter
    // starts the wave afresh. Each changeover falls between two edges of the wave, where cutting
    // the old wave would step by its full level.
    const std::vector<SpeakerChange> changes{
        {firstGateOn, 18253},     {firstGateOn + 400ms, 0},     {firstGateOn + 400ms, 18253},
        {firstGateOn + 450ms, 0}, {firstGateOn + 450ms, 18253}, {firstGateOn + 850ms, 0}};
    const RenderedSound sound = render(changes, 1s);

    for (nanoseconds changeover : {400ms, 450ms}) {
        const std::size_t at =
            samplesIn(firstGateOn + changeover + SpeakerRenderer::latencyFor(256));
        QVERIFY2(largestStep(sound.samples, at - 2, at + 12) < 0.05f,
                 number(largestStep(sound.samples, at - 2, at + 12)));
    }
    // The fading tone and the new one add up to no more than one tone.
    QVERIFY2(loudest(sound.samples) <= 0.5f + 1e-6f, number(loudest(sound.samples)));
}

void TestSpeakerRenderer::aFloodOfChangesWhileTheAudioThreadStallsLeavesTheNewestState_data() {
    QTest::addColumn<bool>("lastSwitchedOn");

    QTest::newRow("last switched on") << true;
    QTest::newRow("last switched off") << false;
}

void TestSpeakerRenderer::aFloodOfChangesWhileTheAudioThreadStallsLeavesTheNewestState() {
    QFETCH(bool, lastSwitchedOn);

    // Three times as many changes as the renderer holds between two pulls, all while no pull
    // comes. Whatever is kept of the flood, its oldest part would end it in the opposite state:
    // switched off between gate openings, or sounding from one retuning to the next.
    constexpr int floodSize = 3000;
    const Pulls stalled{.jitter = 1ms, .stallFrom = 200ms, .stallUntil = 1200ms};
    std::vector<SpeakerChange> changes;
    for (int i = 0; i < floodSize; ++i) {
        const bool on = lastSwitchedOn ? i % 2 == 0 : true;
        changes.push_back({300ms + i * 250us, on ? (i % 4 < 2 ? 18253u : 304u) : 0u});
    }
    changes.push_back({1100ms, lastSwitchedOn ? 2712u : 0u});
    if (lastSwitchedOn)
        changes.push_back({4s, 0});
    // A tone long after, when the sound has caught up with the speaker again.
    constexpr nanoseconds laterTone = 8s + 12345ns;
    changes.insert(changes.end(), {{laterTone, 2712}, {laterTone + 200ms, 0}});
    const RenderedSound sound = render(changes, 9s, stalled);

    // Well after the kept part of the flood has played out, late by up to the stall.
    const std::size_t from = sampleAt(sound, 3s);
    const std::size_t to = sampleAt(sound, 3800ms);
    if (lastSwitchedOn) {
        QVERIFY2(loudest(sound.samples, from, to) >= 0.47f,
                 number(loudest(sound.samples, from, to)));
        const double frequency = frequencyIn(sound.samples, {from, to});
        QVERIFY2(std::abs(frequency * 2712 / timerClock - 1.0) < 0.005, number(frequency));
    } else {
        QCOMPARE(loudest(sound.samples, from, sampleAt(sound, laterTone)), 0.0f);
    }

    const std::size_t afterCatchingUp = sampleAt(sound, 7s);
    const std::vector<float> later(sound.samples.begin() + std::ptrdiff_t(afterCatchingUp),
                                   sound.samples.end());
    const std::vector<Extent> tones = tonesIn(later);
    QCOMPARE(tones.size(), 1u);
    QVERIFY2(std::abs(tones[0].lengthMs() - 200.0) <= 1.0, number(tones[0].lengthMs()));
    const double delayMs = msOf(sound.renderedAt(afterCatchingUp + tones[0].first) - laterTone);
    const double expectedDelayMs = msOf(SpeakerRenderer::latencyFor(256)) + fadeHalfMs;
    QVERIFY2(std::abs(delayMs - expectedDelayMs) <= 3.5, number(delayMs));
}

QTEST_GUILESS_MAIN(TestSpeakerRenderer)
#include "tst_speakerrenderer.moc"
