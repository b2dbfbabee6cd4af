#pragma once

#include <cstdint>

class PortIo;

// What the tone routine needs from the screen that plays the tone: its toneDone flag, its tone
// timer, and one round of its event processing.
class ToneWait {
  public:
    virtual ~ToneWait() = default;
    virtual void setToneDone(bool done) = 0;
    virtual bool toneDone() const = 0;
    // Gives TimerSound this interval and enables it; its tick sets toneDone.
    virtual void armToneTimer(std::int16_t durationMs) = 0;
    virtual void processEventsOnce() = 0;
};

// Plays one tone on the PC speaker through the interval timer's channel 2 and returns when it has
// ended, with the screen's events processed meanwhile.
void PlayTone(PortIo& ports, ToneWait& screen, double frequency, std::int16_t duration);
