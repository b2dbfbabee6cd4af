#pragma once

#include "sound/PortIo.h"

#include <future>
#include <memory>

// The program's speaker, opened on a second thread when startOpening() is called, so that
// neither the windows nor a tone wait for the sound card. A port access before the opening has
// finished waits for it; one before any opening was started opens the speaker there and then.
class BackgroundSpeaker final : public PortIo {
  public:
    void startOpening();

    void vbOut(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t vbInp(std::uint16_t port) override;
    // Opens nothing: a speaker that was never opened was never switched on.
    void switchSpeakerOff() override;

  private:
    PortIo& speaker();

    std::future<std::unique_ptr<PortIo>> opening;
    std::unique_ptr<PortIo> opened;
};
