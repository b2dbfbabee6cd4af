#include "TestClock.h"
#include "sound/EmulatedSpeaker.h"
#include "sound/ToneWrites.h"

#include <QStringList>
#include <QTest>

using namespace std::chrono_literals;

namespace {
class NotedChanges final : public SpeakerChangeSink {
  public:
    void post(const SpeakerChange& change) override {
        periods << QString::number(change.period);
        timeline << QStringLiteral("%1@%2").arg(change.period).arg(change.time / 1ms);
    }

    QStringList periods;
    QStringList timeline; // "period@ms"
};
} // namespace

class TestEmulatedSpeaker : public QObject {
    Q_OBJECT

  private slots:
    void decodesTimerAndGate_data();
    void decodesTimerAndGate();
    void feedbackTonesSoundAtTheirTimes_data();
    void feedbackTonesSoundAtTheirTimes();
};

void TestEmulatedSpeaker::decodesTimerAndGate_data() {
    QTest::addColumn<QString>("writes");
    QTest::addColumn<QString>("periods");

    const QString tone304 = "43:B6 42:30 42:01 ";
    QTest::newRow("tone on and off") << tone304 + "61:03 61:00"
                                     << "304 0";
    QTest::newRow("gate without speaker data") << tone304 + "61:01"
                                               << "";
    QTest::newRow("speaker data without gate") << tone304 + "61:02"
                                               << "";
    QTest::newRow("other bits of 0x61") << tone304 + "61:F3 61:33 61:F0"
                                        << "304 0";
    QTest::newRow("repeated writes") << tone304 + "61:03 61:03 42:30"
                                     << "304";
    QTest::newRow("low byte only") << "43:96 42:30 61:03"
                                   << "48";
    QTest::newRow("high byte only") << "43:A6 42:01 61:03"
                                    << "256";
    QTest::newRow("count 0 is 65536") << "43:B6 42:00 42:00 61:03"
                                      << "65536";
    QTest::newRow("half a count is no count") << "43:B6 42:30 61:03 42:01"
                                              << "304";
    QTest::newRow("mode 7 is mode 3") << "43:BE 42:30 42:01 61:03"
                                      << "304";
    QTest::newRow("mode 0 is no square wave") << "43:B0 42:30 42:01 61:03"
                                              << "";
    QTest::newRow("other channels") << tone304 + "43:36 40:00 40:00 43:76 61:03"
                                    << "304";
    QTest::newRow("latch command") << tone304 + "43:80 61:03"
                                   << "304";
    QTest::newRow("new count while sounding") << tone304 + "61:03 42:98 42:0A"
                                              << "304 2712";
    QTest::newRow("control word stops the count") << tone304 + "61:03 43:B6 42:98 42:0A"
                                                  << "304 0 2712";
}

void TestEmulatedSpeaker::decodesTimerAndGate() {
    QFETCH(QString, writes);
    QFETCH(QString, periods);

    TestClock clock;
    NotedChanges changes;
    EmulatedSpeaker speaker(clock, changes);
    for (const QString& write : writes.split(' ', Qt::SkipEmptyParts))
        speaker.vbOut(static_cast<std::uint16_t>(write.section(':', 0, 0).toUInt(nullptr, 16)),
                      static_cast<std::uint8_t>(write.section(':', 1, 1).toUInt(nullptr, 16)));

    QCOMPARE(changes.periods.join(' '), periods);
}

void TestEmulatedSpeaker::feedbackTonesSoundAtTheirTimes_data() {
    QTest::addColumn<QList<double>>("frequencies");
    QTest::addColumn<QList<int>>("durations");
    // How late the tick that ends each tone, and starts the next, comes after its due moment.
    QTest::addColumn<QList<int>>("lateness");
    QTest::addColumn<QString>("changes");

    const QList<double> right{3919.95, 880.0 / 2, 3919.95, 880.0 / 2};
    const QList<int> rightLengths{100, 200, 100, 200};
    const QList<double> wrong{523.0 / 8, 523.0 / 8, 523.0 / 8, 523.0 / 8};
    const QList<int> wrongLengths{400, 50, 400, 50};
    const QString rightChanges = "304@5 0@105 2712@105 0@305 304@305 0@405 2712@405 0@605";
    const QString wrongChanges = "18253@5 0@405 18253@405 0@455 18253@455 0@855 18253@855 0@905";
    QTest::newRow("right") << right << rightLengths << QList<int>{0, 0, 0, 0} << rightChanges;
    QTest::newRow("wrong") << wrong << wrongLengths << QList<int>{0, 0, 0, 0} << wrongChanges;
    // A busy machine: the sound keeps the timeline's lengths, not the ticks'.
    QTest::newRow("right, ticks late")
        << right << rightLengths << QList<int>{3, 7, 1, 12} << rightChanges;
    QTest::newRow("wrong, ticks late")
        << wrong << wrongLengths << QList<int>{9, 0, 4, 2} << wrongChanges;
    QTest::newRow("a tick later than its tone is long")
        << right << rightLengths << QList<int>{0, 0, 150, 0} << rightChanges;
}

void TestEmulatedSpeaker::feedbackTonesSoundAtTheirTimes() {
    QFETCH(QList<double>, frequencies);
    QFETCH(QList<int>, durations);
    QFETCH(QList<int>, lateness);
    QFETCH(QString, changes);

    TestClock clock;
    clock.time = 5ms;
    NotedChanges noted;
    EmulatedSpeaker speaker(clock, noted);
    speaker.vbOut(systemControlPort, 0x30);
    std::chrono::nanoseconds due = clock.time;
    std::chrono::nanoseconds late{};
    for (qsizetype tone = 0; tone < frequencies.size(); ++tone) {
        QVERIFY(startTone(speaker, frequencies[tone], late));
        due += durations[tone] * 1ms;
        late = lateness[tone] * 1ms;
        clock.time = due + late;
        endTone(speaker, late);
    }

    QCOMPARE(noted.timeline.join(' '), changes);
    // Read back as written: the routine's read-modify-write keeps the other bits.
    QCOMPARE(int{speaker.vbInp(systemControlPort)}, 0x30);
}

QTEST_GUILESS_MAIN(TestEmulatedSpeaker)
#include "tst_emulatedspeaker.moc"
