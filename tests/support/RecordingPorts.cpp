#include "RecordingPorts.h"

void RecordingPorts::vbOut(std::uint16_t port, std::uint8_t value) {
    log.push_back({PortAccess::Kind::Write, port, value});
    if (port == systemControlPort)
        systemControl = value;
}

std::uint8_t RecordingPorts::vbInp(std::uint16_t port) {
    const std::uint8_t value = port == systemControlPort ? systemControl : 0xFF;
    log.push_back({PortAccess::Kind::Read, port, value});
    return value;
}
