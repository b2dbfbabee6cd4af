#include "sound/BackgroundSpeaker.h"
#include "sound/SilentPorts.h"
#include "sound/SoundcardSpeaker.h"
#include "sound/Speaker.h"
#include "sound/ToneWrites.h"

#include <QTemporaryFile>
#include <QTest>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace std::chrono_literals;

namespace {
// Patience for a sound card that does open, however busy the machine.
constexpr auto unhurried = 60s;

// The sound card plays the speaker alone.
Mixer noOtherSound;
std::unique_ptr<PortIo> openSpeakerAlone() {
    return openSpeaker(noOtherSound);
}

// The lines a step writes on standard error.
QList<QByteArray> standardErrorOf(const std::function<void()>& step) {
    QTemporaryFile errors;
    if (!errors.open())
        return {"cannot capture standard error"};
    const int standardError = dup(STDERR_FILENO);
    dup2(errors.handle(), STDERR_FILENO);
    step();
    dup2(standardError, STDERR_FILENO);
    close(standardError);
    errors.seek(0);
    return errors.readAll().trimmed().split('\n');
}

// A sound service that leaves an opening hanging until it is let answer, and counts the
// speakers it opened that have been closed again.
struct HangingService {
    std::mutex mutex;
    std::condition_variable changed;
    bool answers = false;
    int closed = 0;

    void answer() {
        const std::lock_guard lock(mutex);
        answers = true;
        changed.notify_all();
    }
};

class ServicedSpeaker final : public PortIo {
  public:
    explicit ServicedSpeaker(std::shared_ptr<HangingService> service)
        : service(std::move(service)) {}
    ~ServicedSpeaker() override {
        const std::lock_guard lock(service->mutex);
        ++service->closed;
        service->changed.notify_all();
    }
    void vbOut(std::uint16_t, std::uint8_t value) override { systemControl = value; }
    std::uint8_t vbInp(std::uint16_t) override { return systemControl; }

  private:
    std::shared_ptr<HangingService> service;
    std::uint8_t systemControl = 0;
};

void playToneKeepingOtherBits(PortIo& speaker) {
    speaker.vbOut(systemControlPort, 0x30);
    startTone(speaker, 880.0 / 2, {});
    std::this_thread::sleep_for(30ms);
    endTone(speaker, {});
    QCOMPARE(int{speaker.vbInp(systemControlPort)}, 0x30);
}
} // namespace

class TestSpeakerOutput : public QObject {
    Q_OBJECT

  private slots:
    void playsThroughTheSoundCard();
    void closesCleanlyDuringATone();
    void staysSilentWithoutAnAudioDevice();
    void saysSoInOneLineWhenAlsaHasNoDevice();
    void neverWaitsForAHangingOpening();
    void opensInTheBackground();
};

void TestSpeakerOutput::playsThroughTheSoundCard() {
    // A sound card that plays into nothing, on any machine.
    qputenv("SDL_AUDIODRIVER", "dummy");
    const std::unique_ptr<PortIo> speaker = openSpeakerAlone();

    QVERIFY(dynamic_cast<SoundcardSpeaker*>(speaker.get()));
    playToneKeepingOtherBits(*speaker);
}

void TestSpeakerOutput::closesCleanlyDuringATone() {
    std::unique_ptr<PortIo> speaker = openSpeakerAlone();
    for (auto [port, value] : {std::pair{0x43, 0xB6}, {0x42, 0x98}, {0x42, 0x0A}, {0x61, 0x03}})
        speaker->vbOut(static_cast<std::uint16_t>(port), static_cast<std::uint8_t>(value));

    speaker.reset();
    QCOMPARE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

void TestSpeakerOutput::staysSilentWithoutAnAudioDevice() {
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    const std::unique_ptr<PortIo> speaker = openSpeakerAlone();

    // The program goes on as with sound.
    QVERIFY(dynamic_cast<SilentPorts*>(speaker.get()));
    playToneKeepingOtherBits(*speaker);
}

void TestSpeakerOutput::saysSoInOneLineWhenAlsaHasNoDevice() {
    // An ALSA whose configuration names no device, as on a machine without a sound card or
    // server: its "default" cannot be opened, and ALSA explains why at length.
    QTemporaryFile configuration;
    QVERIFY(configuration.open());
    configuration.write("pcm.!default { type hw card \"nosuchcard\" }\n");
    configuration.flush();
    qputenv("ALSA_CONFIG_PATH", configuration.fileName().toLocal8Bit());
    qputenv("SDL_AUDIODRIVER", "alsa");

    std::unique_ptr<PortIo> speaker;
    const QList<QByteArray> lines = standardErrorOf([&] { speaker = openSpeakerAlone(); });

    QVERIFY(dynamic_cast<SilentPorts*>(speaker.get()));
    QVERIFY2(lines.size() == 1, lines.join(" / ").constData());
    QVERIFY2(lines[0].startsWith("velmora: sound is off: "), lines[0].constData());
}

void TestSpeakerOutput::neverWaitsForAHangingOpening() {
    const auto service = std::make_shared<HangingService>();
    const auto open = [service]() -> std::unique_ptr<PortIo> {
        std::unique_lock lock(service->mutex);
        service->changed.wait(lock, [&] { return service->answers; });
        return std::make_unique<ServicedSpeaker>(service);
    };
    // The openings still held when their speakers go, which the program would end the run on.
    std::vector<std::thread> stragglers;
    const auto keep = [&](std::thread hanging) { stragglers.push_back(std::move(hanging)); };
    const QList<QByteArray> lines = standardErrorOf([&] {
        // A tone goes on silently, and so does the rest of the run.
        BackgroundSpeaker usedForATone(open, 10ms, keep);
        usedForATone.startOpening();
        playToneKeepingOtherBits(usedForATone);
        playToneKeepingOtherBits(usedForATone);
        // Nor does the program's end wait for the opening.
        BackgroundSpeaker endedBeforeAnyTone(open, 10ms, keep);
        endedBeforeAnyTone.startOpening();
    });
    QCOMPARE(stragglers.size(), 2u);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines[0].startsWith("velmora: sound is off: the sound card did not open"),
             lines[0].constData());

    // When the service answers at last, the sound cards opened too late are closed again.
    service->answer();
    std::unique_lock lock(service->mutex);
    QVERIFY(service->changed.wait_for(lock, 60s, [&] { return service->closed == 2; }));
    lock.unlock();
    for (std::thread& opening : stragglers)
        opening.join();
}

void TestSpeakerOutput::opensInTheBackground() {
    for (const char* driver : {"dummy", "no-such-driver"}) {
        qputenv("SDL_AUDIODRIVER", driver);
        {
            BackgroundSpeaker openedAhead(openSpeakerAlone, unhurried);
            openedAhead.startOpening();
            playToneKeepingOtherBits(openedAhead);
        }
        {
            // A tone before the opening was asked for opens the speaker there and then.
            BackgroundSpeaker usedFirst(openSpeakerAlone, unhurried);
            playToneKeepingOtherBits(usedFirst);
            usedFirst.startOpening();
            playToneKeepingOtherBits(usedFirst);
        }
        // A run that ends before any tone still waits for the opening and closes the device.
        std::make_unique<BackgroundSpeaker>(openSpeakerAlone, unhurried)->startOpening();
        QCOMPARE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
        // Switching off a speaker that was never opened does not open it.
        BackgroundSpeaker neverOpened(openSpeakerAlone);
        neverOpened.switchSpeakerOff();
        QCOMPARE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    }
}

QTEST_GUILESS_MAIN(TestSpeakerOutput)
#include "tst_speakeroutput.moc"
