#pragma once

#include "sound/PortIo.h"

#include <functional>

// The speaker's ports, passed through to another device, telling whoever listens each time a
// tone starts or ends.
class ToneListener final : public PortIo {
  public:
    explicit ToneListener(PortIo& ports) : ports(ports) {}

    void vbOut(std::uint16_t port, std::uint8_t value) override {
        const bool wasOn = speakerOn();
        ports.vbOut(port, value);
        if (!wasOn && speakerOn()) {
            ++started;
            if (onToneStart)
                onToneStart();
        } else if (wasOn && !speakerOn() && onToneEnd) {
            onToneEnd();
        }
    }
    std::uint8_t vbInp(std::uint16_t port) override { return ports.vbInp(port); }
    bool speakerOn() { return (ports.vbInp(systemControlPort) & speakerGateBits) != 0; }

    std::function<void()> onToneStart;
    std::function<void()> onToneEnd;
    int started = 0;

  private:
    PortIo& ports;
};
