#include "RecordingPorts.h"
#include "quiz/ToneWait.h"

#include <QStringList>
#include <QTest>
#include <limits>

namespace {
// A screen whose wait ends after a number of event rounds, as the tick of TimerSound or the
// closing of the screen ends it. Each request is noted with the number of port accesses made
// before it, so that port writes and screen steps read in one order.
class ScriptedScreen final : public ToneWait {
  public:
    ScriptedScreen(const RecordingPorts& ports, int rounds) : ports(ports), roundsLeft(rounds) {}

    void setToneDone(bool value) override {
        note(value ? "toneDone=true" : "toneDone=false");
        done = value;
    }
    bool toneDone() const override { return done; }
    void armToneTimer(std::int16_t durationMs) override {
        note(QStringLiteral("arm %1").arg(durationMs));
    }
    void processEventsOnce() override {
        note("events");
        done = --roundsLeft == 0;
    }

    QStringList steps;

  private:
    void note(const QString& step) {
        steps << QStringLiteral("%1@%2").arg(step).arg(ports.accesses().size());
    }

    const RecordingPorts& ports;
    int roundsLeft;
    bool done = true;
};

QString accesses(const RecordingPorts& ports) {
    QStringList written;
    for (const PortAccess& access : ports.accesses())
        written << QStringLiteral("%1%2:%3")
                       .arg(access.kind == PortAccess::Kind::Write ? "W" : "R")
                       .arg(access.port, 0, 16)
                       .arg(access.value, 2, 16, QChar('0'))
                       .toUpper();
    return written.join(' ');
}
} // namespace

class TestPlayTone : public QObject {
    Q_OBJECT

  private slots:
    void tonesDriveTheTimerAndGate_data();
    void tonesDriveTheTimerAndGate();
    void divisorIsRoundedHalfToEven_data();
    void divisorIsRoundedHalfToEven();
    void toneWithoutDivisorOrLengthPlaysNothing_data();
    void toneWithoutDivisorOrLengthPlaysNothing();
};

void TestPlayTone::tonesDriveTheTimerAndGate_data() {
    QTest::addColumn<double>("frequency");
    QTest::addColumn<int>("duration");
    QTest::addColumn<int>("systemControl");
    QTest::addColumn<int>("rounds");
    QTest::addColumn<QString>("ports");

    // The other bits of port 0x61 are written back as they were read.
    QTest::newRow("right, 1st and 3rd")
        << 3919.95 << 100 << 0x30 << 3 << "W43:B6 W42:30 W42:01 R61:30 W61:33 R61:33 W61:30";
    QTest::newRow("right, 2nd and 4th")
        << 880.0 / 2 << 200 << 0x00 << 3 << "W43:B6 W42:98 W42:0A R61:00 W61:03 R61:03 W61:00";
    QTest::newRow("wrong, 1st and 3rd")
        << 523.0 / 8 << 400 << 0xFC << 3 << "W43:B6 W42:4D W42:47 R61:FC W61:FF R61:FF W61:FC";
    QTest::newRow("wrong, 2nd and 4th")
        << 523.0 / 8 << 50 << 0x4E << 3 << "W43:B6 W42:4D W42:47 R61:4E W61:4F R61:4F W61:4C";
    // Closing the screen during the tone ends the wait from inside the event processing, before
    // TimerSound, gone with the screen, could tick.
    QTest::newRow("screen closed during the tone")
        << 880.0 / 2 << 200 << 0x30 << 1 << "W43:B6 W42:98 W42:0A R61:30 W61:33 R61:33 W61:30";
}

void TestPlayTone::tonesDriveTheTimerAndGate() {
    QFETCH(double, frequency);
    QFETCH(int, duration);
    QFETCH(int, systemControl);
    QFETCH(int, rounds);
    QFETCH(QString, ports);

    RecordingPorts device(static_cast<std::uint8_t>(systemControl));
    ScriptedScreen screen(device, rounds);
    PlayTone(device, screen, frequency, static_cast<std::int16_t>(duration));

    QCOMPARE(accesses(device), ports);
    // The gate opens before the timer is armed, stays open through the whole wait, and closes
    // once the wait is over.
    QStringList steps{"toneDone=false@5", QStringLiteral("arm %1@5").arg(duration)};
    for (int round = 0; round < rounds; ++round)
        steps << "events@5";
    QCOMPARE(screen.steps, steps);
    QVERIFY(!device.speakerBitsSet());
}

void TestPlayTone::divisorIsRoundedHalfToEven_data() {
    QTest::addColumn<double>("frequency");
    QTest::addColumn<QString>("counterBytes");

    QTest::newRow("3919.95 Hz: 304") << 3919.95 << "W42:30 W42:01";
    QTest::newRow("880 / 2 Hz: 2712") << 880.0 / 2 << "W42:98 W42:0A";
    QTest::newRow("523 / 8 Hz: 18253") << 523.0 / 8 << "W42:4D W42:47";
    QTest::newRow("1.5 up to 2") << 1193280.0 / 1.5 << "W42:02 W42:00";
    QTest::newRow("2.5 down to 2") << 1193280.0 / 2.5 << "W42:02 W42:00";
    QTest::newRow("largest, 32767") << 1193280.0 / 32767 << "W42:FF W42:7F";
    QTest::newRow("smallest, 1") << 1193280.0 << "W42:01 W42:00";
}

void TestPlayTone::divisorIsRoundedHalfToEven() {
    QFETCH(double, frequency);
    QFETCH(QString, counterBytes);

    RecordingPorts device;
    ScriptedScreen screen(device, 1);
    PlayTone(device, screen, frequency, 100);

    QCOMPARE(accesses(device).section(' ', 1, 2), counterBytes);
}

void TestPlayTone::toneWithoutDivisorOrLengthPlaysNothing_data() {
    QTest::addColumn<double>("frequency");
    QTest::addColumn<int>("duration");

    QTest::newRow("0 Hz") << 0.0 << 100;
    QTest::newRow("negative") << -440.0 << 100;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 100;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 100;
    QTest::newRow("divisor 32768") << 1193280.0 / 32768 << 100;
    QTest::newRow("divisor rounds to 0") << 1193280.0 / 0.5 << 100;
    QTest::newRow("no length") << 440.0 << 0;
    QTest::newRow("negative length") << 440.0 << -100;
}

void TestPlayTone::toneWithoutDivisorOrLengthPlaysNothing() {
    QFETCH(double, frequency);
    QFETCH(int, duration);

    RecordingPorts device(0x30);
    ScriptedScreen screen(device, 1);
    PlayTone(device, screen, frequency, static_cast<std::int16_t>(duration));

    QCOMPARE(accesses(device), QString());
    QCOMPARE(screen.steps, QStringList());
}

QTEST_GUILESS_MAIN(TestPlayTone)
#include "tst_playtone.moc"
