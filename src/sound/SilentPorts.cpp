#include "sound/SilentPorts.h"

void SilentPorts::vbOut(std::uint16_t port, std::uint8_t value) {
    if (port == systemControlPort)
        systemControl = value;
}

std::uint8_t SilentPorts::vbInp(std::uint16_t port) {
    // An ISA port with nothing behind it reads as all ones.
    return port == systemControlPort ? systemControl : 0xFF;
}
