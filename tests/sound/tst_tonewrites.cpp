#include "RecordingPorts.h"
#include "sound/ToneWrites.h"

#include <QTest>
#include <limits>

namespace {
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

class TestToneWrites : public QObject {
    Q_OBJECT

  private slots:
    void tonesDriveTheTimerAndGate_data();
    void tonesDriveTheTimerAndGate();
    void divisorIsRoundedHalfToEven_data();
    void divisorIsRoundedHalfToEven();
    void toneWithoutDivisorPlaysNothing_data();
    void toneWithoutDivisorPlaysNothing();
};

void TestToneWrites::tonesDriveTheTimerAndGate_data() {
    QTest::addColumn<double>("frequency");
    QTest::addColumn<int>("systemControl");
    QTest::addColumn<QString>("ports");

    // The other bits of port 0x61 are written back as they were read.
    QTest::newRow("right, 1st and 3rd")
        << 3919.95 << 0x30 << "W43:B6 W42:30 W42:01 R61:30 W61:33 R61:33 W61:30";
    QTest::newRow("right, 2nd and 4th")
        << 880.0 / 2 << 0x00 << "W43:B6 W42:98 W42:0A R61:00 W61:03 R61:03 W61:00";
    QTest::newRow("wrong, 1st and 3rd")
        << 523.0 / 8 << 0xFC << "W43:B6 W42:4D W42:47 R61:FC W61:FF R61:FF W61:FC";
    QTest::newRow("wrong, 2nd and 4th")
        << 523.0 / 8 << 0x4E << "W43:B6 W42:4D W42:47 R61:4E W61:4F R61:4F W61:4C";
}

void TestToneWrites::tonesDriveTheTimerAndGate() {
    QFETCH(double, frequency);
    QFETCH(int, systemControl);
    QFETCH(QString, ports);

    RecordingPorts device(static_cast<std::uint8_t>(systemControl));
    QVERIFY(startTone(device, frequency, {}));
    QVERIFY(device.speakerBitsSet());
    endTone(device, {});

    QCOMPARE(accesses(device), ports);
    QVERIFY(!device.speakerBitsSet());
}

void TestToneWrites::divisorIsRoundedHalfToEven_data() {
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

void TestToneWrites::divisorIsRoundedHalfToEven() {
    QFETCH(double, frequency);
    QFETCH(QString, counterBytes);

    RecordingPorts device;
    startTone(device, frequency, {});

    QCOMPARE(accesses(device).section(' ', 1, 2), counterBytes);
}

void TestToneWrites::toneWithoutDivisorPlaysNothing_data() {
    QTest::addColumn<double>("frequency");

    QTest::newRow("0 Hz") << 0.0;
    QTest::newRow("negative") << -440.0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity();
    QTest::newRow("divisor 32768") << 1193280.0 / 32768;
    QTest::newRow("divisor rounds to 0") << 1193280.0 / 0.5;
}

void TestToneWrites::toneWithoutDivisorPlaysNothing() {
    QFETCH(double, frequency);

    RecordingPorts device(0x30);
    QVERIFY(!startTone(device, frequency, {}));
    QCOMPARE(accesses(device), QString());
}

QTEST_GUILESS_MAIN(TestToneWrites)
#include "tst_tonewrites.moc"
