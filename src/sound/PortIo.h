#pragma once

#include <chrono>
#include <cstdint>

// The PC/AT ports that drive the speaker.
inline constexpr std::uint16_t timerCommandPort = 0x43;
inline constexpr std::uint16_t timerChannel2Port = 0x42;
inline constexpr std::uint16_t systemControlPort = 0x61;

// Bits of the system control port: gate of timer channel 2, and speaker data enable.
inline constexpr std::uint8_t speakerGateBits = 0x03;

// Byte-wide I/O port access, as the tone routine sees it. Every device behind it is used on one
// thread only.
class PortIo {
  public:
    virtual ~PortIo() = default;
    virtual void vbOut(std::uint16_t port, std::uint8_t value) = 0;
    virtual std::uint8_t vbInp(std::uint16_t port) = 0;
    // Closes the gate and clears the speaker data bit, leaving the port's other bits as they are.
    virtual void switchSpeakerOff();
    // The writes that follow, up to the next call, are made this long after the moment they
    // belong to: a busy machine runs a timeline's tick late, and a speaker that stamps its changes
    // in time stamps them when they were due, so that a tone keeps its length. Ports that keep no
    // time have nothing to do with it.
    virtual void writeLateBy(std::chrono::nanoseconds /*lateness*/) {}
};
