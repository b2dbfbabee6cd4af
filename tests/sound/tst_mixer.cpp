// The one stream the sound card plays: the speaker alone is passed on untouched, other sounds are
// added and held at full scale, and a source removed is no longer used once removal returns.
#include "sound/Mixer.h"

#include <QTest>
#include <algorithm>
#include <atomic>
#include <stdexcept>
#include <thread>
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

    void aSourceRemovedIsLetGoBeforeRemoveReturns() {
        // A source that takes its time over each buffer, and says when it is being used.
        struct Slow final : MixerSource {
            std::atomic<bool> inUse = false;
            std::atomic<bool> usedAfterRemoval = false;
            std::atomic<bool> removed = false;
            bool addTo(std::span<float>) override {
                inUse = true;
                if (removed)
                    usedAfterRemoval = true;
                std::this_thread::sleep_for(std::chrono::microseconds(200));
                inUse = false;
                return false;
            }
        };
        Mixer mixer;
        std::atomic<bool> done = false;
        std::thread audio([&] {
            std::vector<float> buffer(64);
            while (!done)
                mixer.mixInto(buffer);
        });
        bool letGo = true;
        for (int round = 0; round < 200; ++round) {
            Slow source;
            mixer.add(source);
            std::this_thread::sleep_for(std::chrono::microseconds(round % 7 * 50));
            mixer.remove(source);
            source.removed = true;
            letGo = letGo && !source.inUse;
            std::this_thread::sleep_for(std::chrono::microseconds(300));
            letGo = letGo && !source.usedAfterRemoval;
        }
        done = true;
        audio.join();
        QVERIFY(letGo);
    }

    void aFullMixRefusesAnotherSource() {
        Mixer mixer;
        std::vector<Level> sources(Mixer::maxSources + 1, Level(0.1f));
        for (std::size_t i = 0; i < Mixer::maxSources; ++i)
            mixer.add(sources[i]);
        QVERIFY_THROWS_EXCEPTION(std::length_error, mixer.add(sources.back()));
        // Room made by a removal is taken again.
        mixer.remove(sources[1]);
        mixer.add(sources.back());
        std::vector<float> out(1, 0.0f);
        mixer.mixInto(out);
        QVERIFY(qAbs(out[0] - 0.4f) < 1e-6f);
    }
};

QTEST_GUILESS_MAIN(MixerTest)
#include "tst_mixer.moc"
