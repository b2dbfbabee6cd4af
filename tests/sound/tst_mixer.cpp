// The one stream the sound card plays: the speaker alone is passed on untouched, other sounds are
// added and held at full scale, and speech is resampled, cut off and ended as it is told.
#include "sound/Mixer.h"
#include "sound/OutputFormat.h"
#include "sound/SpeechStream.h"

#include <QTest>
#include <algorithm>
#include <vector>

namespace {
// A sound of one level throughout, or nothing.
struct Level final : MixerSource {
    float level;
    bool sounding = true;
    explicit Level(float level) : level(level) {}
    bool addTo(std::span<float> out) override {
        if (sounding)
            for (float& sample : out)
                sample += level;
        return sounding;
    }
};

std::vector<float> pulled(SpeechStream& speech, std::size_t frames) {
    std::vector<float> out(frames, 0.0f);
    speech.addTo(out);
    return out;
}

std::vector<std::int16_t> constant(int rate, double seconds, std::int16_t level) {
    return std::vector<std::int16_t>(std::size_t(rate * seconds), level);
}
} // namespace

class MixerTest : public QObject {
    Q_OBJECT

  private slots:
    void sumsTheSourcesWithoutFoldingBack_data() {
        QTest::addColumn<QList<float>>("speaker");
        QTest::addColumn<QList<float>>("others");
        QTest::addColumn<QList<float>>("heard");
        // Band-limited square waves overshoot a little: alone they pass unclamped.
        QTest::newRow("speaker alone") << QList<float>{0.5f, -1.08f, 1.08f} << QList<float>{}
                                       << QList<float>{0.5f, -1.08f, 1.08f};
        QTest::newRow("with speech") << QList<float>{0.25f, -0.5f, 0.0f} << QList<float>{0.25f}
                                     << QList<float>{0.5f, -0.25f, 0.25f};
        QTest::newRow("past full scale")
            << QList<float>{0.5f, -0.5f, 0.0f} << QList<float>{0.75f, -1.5f}
            << QList<float>{-0.25f, -1.0f, -0.75f};
        QTest::newRow("held at the top") << QList<float>{0.5f, 0.9f, -0.9f} << QList<float>{0.75f}
                                         << QList<float>{1.0f, 1.0f, -0.15f};
    }
    void sumsTheSourcesWithoutFoldingBack() {
        QFETCH(QList<float>, speaker);
        QFETCH(QList<float>, others);
        QFETCH(QList<float>, heard);
        Mixer mixer;
        std::vector<Level> sources(others.begin(), others.end());
        for (Level& source : sources)
            mixer.add(source);
        std::vector<float> out(speaker.begin(), speaker.end());
        mixer.mixInto(out);
        for (std::size_t i = 0; i < out.size(); ++i)
            QVERIFY2(qAbs(out[i] - heard[qsizetype(i)]) < 1e-6f, qPrintable(QString::number(i)));
    }

    void aQuietOrRemovedSourceLeavesTheSpeakerAsItIs() {
        Mixer mixer;
        Level quiet(0.5f), removed(0.5f);
        quiet.sounding = false;
        mixer.add(quiet);
        mixer.add(removed);
        mixer.remove(removed);
        std::vector<float> out{1.08f, -1.08f};
        mixer.mixInto(out);
        QCOMPARE(out, (std::vector<float>{1.08f, -1.08f}));
    }

    void speechIsResampledToTheSoundCardsRate() {
        constexpr int voiceRate = 22050;
        SpeechStream speech(voiceRate);
        const SpeechStream::Ticket ticket = speech.start();
        QVERIFY(speech.append(ticket, constant(voiceRate, 1.0, 16384)));
        speech.finish(ticket);
        const std::vector<float> out = pulled(speech, 2 * outputSampleRate);
        const auto atLevel =
            std::count_if(out.begin(), out.end(), [](float s) { return qAbs(s - 0.5f) < 0.01f; });
        QVERIFY2(qAbs(atLevel - outputSampleRate) < outputSampleRate / 200,
                 qPrintable(QString::number(atLevel)));
    }

    void speechCutOffIsNotHeardAgain() {
        constexpr int voiceRate = 22050;
        SpeechStream speech(voiceRate);
        const SpeechStream::Ticket first = speech.start();
        QVERIFY(speech.append(first, constant(voiceRate, 0.5, 8000)));
        speech.clear();
        QVERIFY(!speech.append(first, constant(voiceRate, 0.5, 8000)));
        speech.finish(first);
        std::vector<float> out(outputSampleRate, 0.0f);
        QVERIFY(!speech.addTo(out));

        const SpeechStream::Ticket second = speech.start();
        QVERIFY(second != first);
        QVERIFY(speech.append(second, constant(voiceRate, 0.1, 8000)));
        speech.finish(second);
        QVERIFY(speech.addTo(out));
    }
};

QTEST_GUILESS_MAIN(MixerTest)
#include "tst_mixer.moc"
