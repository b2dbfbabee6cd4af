// The voice of libespeak-ng as the sound card hears it: a text is heard soon after it is asked
// for, and whole, a stop silences it at once and forgets what was asked for before it, and a
// voice that is not there is named.
#include "sound/Mixer.h"
#include "sound/OutputFormat.h"
#include "speech/EspeakLibrary.h"
#include "speech/EspeakVoice.h"

#include <QTest>
#include <chrono>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace {
constexpr int bufferFrames = 512;

// The sound card's mix, pulled by the tests themselves.
Mixer soundCard;

// What the sound card would be given in one buffer, with the speaker silent.
std::vector<float> nextBuffer() {
    std::vector<float> buffer(bufferFrames, 0.0f);
    soundCard.mixInto(buffer);
    return buffer;
}

bool speechHeard() {
    return std::ranges::any_of(nextBuffer(), [](float s) { return s != 0.0f; });
}

// The mix as the sound card plays it, a buffer at a time in real time.
std::vector<float> played(std::chrono::nanoseconds length) {
    const auto bufferTime = std::chrono::nanoseconds(1s) * bufferFrames / outputSampleRate;
    const auto start = std::chrono::steady_clock::now();
    std::vector<float> sound;
    for (int pulls = 0; pulls * bufferTime < length; ++pulls) {
        std::this_thread::sleep_until(start + pulls * bufferTime);
        const std::vector<float> buffer = nextBuffer();
        sound.insert(sound.end(), buffer.begin(), buffer.end());
    }
    return sound;
}

bool heardWithin(std::chrono::milliseconds patience) {
    const auto until = std::chrono::steady_clock::now() + patience;
    while (std::chrono::steady_clock::now() < until) {
        if (speechHeard())
            return true;
        std::this_thread::sleep_for(5ms);
    }
    return false;
}

// The engine's own samples of a text, as the voice has it say them, rendered on this thread.
std::vector<std::int16_t> engineSamples(const std::string& text) {
    HeldEspeak espeak;
    espeak.useVoice(EspeakVoice::defaultName);
    espeak->setParameter(espeakRATE, EspeakVoice::wordsPerMinute, 0);
    espeak->setSynthCallback([](short* samples, int count, espeak_EVENT* events) {
        auto& into = *static_cast<std::vector<std::int16_t>*>(events->user_data);
        if (samples)
            into.insert(into.end(), samples, samples + count);
        return 0;
    });
    std::vector<std::int16_t> samples;
    espeak->synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                  &samples);
    return samples;
}

// From the first sound to the last, in samples.
template <typename Sample> std::size_t soundingLength(const std::vector<Sample>& samples) {
    const auto sounding = [](Sample s) { return s != 0; };
    const auto first = std::ranges::find_if(samples, sounding);
    const auto last = std::ranges::find_if(samples.rbegin(), samples.rend(), sounding).base();
    return first < last ? std::size_t(last - first) : 0;
}
} // namespace

class EspeakVoiceTest : public QObject {
    Q_OBJECT

  private slots:
    void namesTheVoicesItCannotSpeakWith_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("speaks");
        QTest::newRow("British English") << "en" << true;
        QTest::newRow("American English") << "en-us" << true;
        QTest::newRow("not a voice") << "en-nowhere" << false;
        QTest::newRow("not English") << "de" << false;
    }
    void namesTheVoicesItCannotSpeakWith() {
        QFETCH(QString, name);
        QFETCH(bool, speaks);
        const std::optional<std::string> why = EspeakVoice::whyItCannotSpeak(name.toStdString());
        QCOMPARE(!why.has_value(), speaks);
        if (why)
            QVERIFY2(why->find(name.toStdString()) != std::string::npos, why->c_str());
    }

    void aTextIsHeardAndAStopSilencesIt() {
        EspeakVoice voice(soundCard);
        voice.say("I am a girl.");
        QVERIFY(heardWithin(2s));
        voice.stop();
        QVERIFY(!speechHeard());
        QVERIFY(!heardWithin(200ms));

        voice.say("I … a girl. am, or is?");
        QVERIFY(heardWithin(2s));
    }

    void aTextAskedForJustBeforeAStopIsNeverSaid_data() {
        QTest::addColumn<QString>("saying");
        QTest::newRow("before the voice has started") << QString();
        QTest::newRow("while the voice says another")
            << "The cats were in the garden. The dogs were in the house. The birds were in the "
               "trees, and the fish were in the pond.";
    }
    void aTextAskedForJustBeforeAStopIsNeverSaid() {
        QFETCH(QString, saying);
        EspeakVoice voice(soundCard);
        if (!saying.isEmpty()) {
            voice.say(saying.toStdString());
            QVERIFY(heardWithin(2s));
        }
        voice.say("I am a girl.");
        voice.stop();
        // As long as any text may take to be heard, the first of a voice too.
        QVERIFY(!heardWithin(2s));
    }

    // The process has one engine: a second voice waits its turn, and both are heard.
    void twoVoicesTakeTurnsWithTheOneEngine() {
        EspeakVoice british(soundCard);
        EspeakVoice american(soundCard, "en-us");
        british.say("The cats were in the garden.");
        american.say("The dogs were in the house.");
        QVERIFY(heardWithin(2s));
        british.stop();
        QVERIFY(heardWithin(2s));
        american.stop();
        QVERIFY(!heardWithin(200ms));
    }

    void theWholeTextIsHeard() {
        const std::string text = "The cats were in the garden.";
        const std::vector<std::int16_t> engine = engineSamples(text);
        const double engineMs = soundingLength(engine) * 1000.0 / HeldEspeak()->sampleRate;
        EspeakVoice voice(soundCard);
        voice.say(text);
        // The voice renders ahead of the sound card, so that no buffer is pulled before its
        // samples are there, which would put a gap into the speech.
        std::this_thread::sleep_for(300ms);
        const std::vector<float> heard = played(std::chrono::milliseconds(int(engineMs)) + 1s);

        // SDL's resampler smears each end over a few of the engine's samples, a fraction of a
        // millisecond; a sentence's last syllable is tens of milliseconds long.
        const double heardMs = soundingLength(heard) * 1000.0 / outputSampleRate;
        QVERIFY2(std::abs(heardMs - engineMs) < 1.0,
                 qPrintable(QString("%1 ms of the engine's %2 ms").arg(heardMs).arg(engineMs)));
    }
};

QTEST_GUILESS_MAIN(EspeakVoiceTest)
#include "tst_espeakvoice.moc"
