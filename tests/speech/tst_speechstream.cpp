// Speech on its way to the sound card: resampled on the voice's side, whole to its end, and,
// once cut off, never heard again, whichever of the voice, the cut and the sound card is first.
#include "sound/OutputFormat.h"
#include "speech/SpeechStream.h"

#include <QTest>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace {
constexpr int voiceRate = 22050;

std::vector<float> pulled(SpeechStream& speech, std::size_t frames) {
    std::vector<float> out(frames, 0.0f);
    speech.addTo(out);
    return out;
}

std::vector<std::int16_t> constant(double seconds, std::int16_t level) {
    return std::vector<std::int16_t>(std::size_t(voiceRate * seconds), level);
}

// The level 8000 of 32768, as the sound card hears it.
constexpr float firstLevel = 8000.0f / 32768.0f;
} // namespace

class SpeechStreamTest : public QObject {
    Q_OBJECT

  private slots:
    void speechIsResampledToTheSoundCardsRate() {
        SpeechStream speech(voiceRate);
        const SpeechStream::Ticket ticket = speech.start();
        QVERIFY(speech.append(ticket, constant(1.0, 16384)));
        speech.finish(ticket);
        const std::vector<float> out = pulled(speech, 2 * outputSampleRate);
        const auto atLevel =
            std::count_if(out.begin(), out.end(), [](float s) { return qAbs(s - 0.5f) < 0.01f; });
        QVERIFY2(qAbs(atLevel - outputSampleRate) < outputSampleRate / 200,
                 qPrintable(QString::number(atLevel)));
    }

    void speechCutOffIsNotHeardAgain() {
        SpeechStream speech(voiceRate);
        const SpeechStream::Ticket first = speech.start();
        QVERIFY(speech.append(first, constant(0.5, 8000)));
        speech.clear();
        QVERIFY(!speech.append(first, constant(0.5, 8000)));
        speech.finish(first);
        std::vector<float> out(outputSampleRate, 0.0f);
        QVERIFY(!speech.addTo(out));

        const SpeechStream::Ticket second = speech.start();
        QVERIFY(second != first);
        QVERIFY(speech.append(second, constant(0.1, 8000)));
        speech.finish(second);
        QVERIFY(speech.addTo(out));
    }

    // The sound card pulls while the voice renders and the screens cut it off, and the voice goes
    // straight on to its next text, so that the ring may hold both: from the cut on, nothing more
    // of the text cut off is heard, however the three threads fall. The texts alternate in sign,
    // so that each sample heard tells which text it is of.
    void nothingCutOffIsHeardWhicheverThreadIsFirst() {
        constexpr int utterances = 500;
        const auto levelOf = [](int utterance) -> std::int16_t {
            return utterance % 2 != 0 ? 8000 : -8000;
        };
        SpeechStream speech(voiceRate);
        std::atomic<int> started = 0;
        std::thread voice([&] {
            for (int utterance = 1; utterance <= utterances; ++utterance) {
                const std::vector<std::int16_t> chunk = constant(0.002, levelOf(utterance));
                const SpeechStream::Ticket ticket = speech.start();
                started = utterance;
                while (speech.append(ticket, chunk))
                    ;
            }
        });
        int heardAfterCut = 0;
        std::vector<float> out(256);
        for (int utterance = 1; utterance <= utterances; ++utterance) {
            while (started != utterance)
                std::this_thread::yield();
            for (int pull = 0; pull < utterance % 4; ++pull)
                speech.addTo(out);
            speech.clear();
            const float cutOff = float(levelOf(utterance)) / 32768.0f;
            for (int pull = 0; pull < 3; ++pull) {
                std::fill(out.begin(), out.end(), 0.0f);
                speech.addTo(out);
                heardAfterCut += int(std::ranges::count_if(
                    out, [&](float sample) { return sample * cutOff > cutOff * cutOff / 2; }));
            }
        }
        voice.join();
        QCOMPARE(heardAfterCut, 0);
    }

    // A voice far ahead of a sound card that has stopped pulling waits for it, and a cut frees it.
    void aCutFreesAVoiceWaitingForTheSoundCard() {
        SpeechStream speech(voiceRate);
        const SpeechStream::Ticket ticket = speech.start();
        std::atomic<bool> appended = true;
        std::atomic<bool> returned = false;
        std::thread voice([&] {
            appended = speech.append(ticket, constant(10.0, 8000));
            returned = true;
        });
        std::this_thread::sleep_for(300ms);
        const bool waited = !returned;
        speech.clear();
        voice.join();
        QVERIFY(waited);
        QVERIFY(!appended);
        std::vector<float> out(512, 0.0f);
        QVERIFY(!speech.addTo(out));
    }

    // Across many pulls the utterance keeps every sample and its end, with no gap.
    void theWholeUtteranceComesOutWithoutAGap() {
        SpeechStream speech(voiceRate);
        const SpeechStream::Ticket ticket = speech.start();
        std::thread voice([&] {
            for (int chunk = 0; chunk < 100; ++chunk)
                speech.append(ticket, constant(0.04, 8000));
            speech.finish(ticket);
        });
        std::vector<float> heard;
        std::vector<float> out(512);
        while (heard.size() < std::size_t(5 * outputSampleRate)) {
            std::fill(out.begin(), out.end(), 0.0f);
            // Faster than real time, slow enough that the voice is never behind.
            std::this_thread::sleep_for(500us);
            if (!speech.addTo(out) && heard.empty())
                continue;
            heard.insert(heard.end(), out.begin(), out.end());
        }
        voice.join();
        const auto first = std::ranges::find_if(heard, [](float s) { return s != 0.0f; });
        const auto last = std::ranges::find_if(heard.rbegin(), heard.rend(), [](float s) {
                              return s != 0.0f;
                          }).base();
        QVERIFY(first < last);
        // Four seconds of speech, smoothed by a sample or two at each end.
        QVERIFY2(qAbs(double(last - first) - 4.0 * outputSampleRate) < 16,
                 qPrintable(QString::number(last - first)));
        QVERIFY(std::all_of(first + 64, last - 64,
                            [](float s) { return qAbs(s - firstLevel) < 0.01f; }));
    }
};

QTEST_GUILESS_MAIN(SpeechStreamTest)
#include "tst_speechstream.moc"
