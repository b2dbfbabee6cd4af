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
// still holds it after the patience. Then it is left to end with the process, and it can touch
// nothing that has gone: it shares its state with this speaker, the opener it runs is its own
// copy, which must own whatever the opened speaker uses, and what it opens too late it closes.
class BackgroundSpeaker final : public PortIo {
  public:
    using Opener = std::function<std::unique_ptr<PortIo>()>;
    static constexpr std::chrono::milliseconds defaultPatience{2000};

    explicit BackgroundSpeaker(Opener open, std::chrono::milliseconds patience = defaultPatience);
    // Closes the speaker; an opening still under way after the patience closes it when it ends.
    ~BackgroundSpeaker() override;

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
    std::shared_ptr<Opening> opening;
    std::unique_ptr<PortIo> opened;
    std::thread openingThread;
};
