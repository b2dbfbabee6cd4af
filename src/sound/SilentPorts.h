#pragma once

#include "sound/PortIo.h"

// The ports where no sound can be made: the system control port keeps what was written to it, so
// read-modify-write works as on a PC, and nothing is heard.
class SilentPorts final : public PortIo {
  public:
    void vbOut(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t vbInp(std::uint16_t port) override;

  private:
    std::uint8_t systemControl = 0;
};
