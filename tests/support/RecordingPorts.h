#pragma once

#include "sound/PortIo.h"

#include <vector>

struct PortAccess {
    enum class Kind { Read, Write };
    Kind kind;
    std::uint16_t port;
    std::uint8_t value;
};

// Remembers every port access in order, for tests of what the tone routine does to the hardware.
// The system control port holds its byte like the real one.
class RecordingPorts final : public PortIo {
  public:
    explicit RecordingPorts(std::uint8_t systemControl = 0) : systemControl(systemControl) {}

    void vbOut(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t vbInp(std::uint16_t port) override;

    const std::vector<PortAccess>& accesses() const { return log; }
    // Either the gate or the speaker data bit: a speaker left on.
    bool speakerBitsSet() const { return (systemControl & speakerGateBits) != 0; }

  private:
    std::uint8_t systemControl;
    std::vector<PortAccess> log;
};
