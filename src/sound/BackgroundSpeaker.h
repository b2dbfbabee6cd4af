#pragma once

#include "sound/PortIo.h"
#include "sound/Speaker.h"

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

// The program's speaker, opened on a second thread when startOpening() is called, so that
// neither the windows nor a tone wait for the sound card. A port access before the opening has
// finished waits for it, and one before any opening was started starts it and waits. A sound
// service can leave the opening hanging for ever: nothing waits for it longer than `patience`,
// after which the sound is off for the rest of the run.
//
// The opening thread is this speaker's: it is joined when this goes, unless the sound service
// still holds it after the patience. No one can stop it then, and left to run it would go on
// into the destruction of the process's statics, SDL's library among them: it goes to
// `straggler`, which for the program ends the run there and then.
class BackgroundSpeaker final : public PortIo {
  public:
    using Opener = std::function<std::unique_ptr<PortIo>()>;
    using Straggler = std::function<void(std::thread)>;
    static constexpr std::chrono::milliseconds defaultPatience{2000};

    explicit BackgroundSpeaker(Opener open, std::chrono::milliseconds patience = defaultPatience,
                               Straggler straggler = endRunNow);
    // Closes the speaker, waiting no longer than the patience for an opening under way.
    ~BackgroundSpeaker() override;

    // The program's straggler: the windows are closed and the record written by the time the
    // speaker goes, so the run ends as it would have a moment later, without returning.
    [[noreturn]] static void endRunNow(std::thread hanging);

    void startOpening();

    void vbOut(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t vbInp(std::uint16_t port) override;
    void writeLateBy(std::chrono::nanoseconds lateness) override;
    // Opens nothing: a speaker that was never opened was never switched on.
    void switchSpeakerOff() override;

  private:
    struct Opening;

    PortIo& speaker();
    // The opened speaker, or nothing when the opening has not ended within the patience.
    std::unique_ptr<PortIo> waitForOpening();

    Opener open;
    std::chrono::milliseconds patience;
    Straggler straggler;
    std::shared_ptr<Opening> opening;
    std::unique_ptr<PortIo> opened;
    std::thread openingThread;
};
