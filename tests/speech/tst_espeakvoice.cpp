// The voice of libespeak-ng as the sound card hears it: a text is heard soon after it is asked
// for, a stop silences it at once and forgets what was asked for before it, and a voice that is
// not there is named.
#include "sound/Mixer.h"
#include "speech/EspeakVoice.h"

#include <QTest>
#include <chrono>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace {
// What the sound card would be given in one buffer, with the speaker silent.
bool speechHeard() {
    std::vector<float> buffer(512, 0.0f);
    Mixer::soundCard().mixInto(buffer);
    return std::any_of(buffer.begin(), buffer.end(), [](float s) { return s != 0.0f; });
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
        EspeakVoice voice;
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
        EspeakVoice voice;
        if (!saying.isEmpty()) {
            voice.say(saying.toStdString());
            QVERIFY(heardWithin(2s));
        }
        voice.say("I am a girl.");
        voice.stop();
        // As long as any text may take to be heard, the first of a voice too.
        QVERIFY(!heardWithin(2s));
    }
};

QTEST_GUILESS_MAIN(EspeakVoiceTest)
#include "tst_espeakvoice.moc"
