#include "quiz/ToneWait.h"

#include "sound/PlayTone.h"

void PlayTone(PortIo& ports, ToneWait& screen, double frequency, std::int16_t duration) {
    // A tone without length would leave the wait to a timer that never ticks.
    if (duration <= 0 || !startTone(ports, frequency))
        return;

    screen.setToneDone(false);
    screen.armToneTimer(duration);
    // Also ends when the screen closes: closing sets toneDone.
    while (!screen.toneDone())
        screen.processEventsOnce();

    ports.switchSpeakerOff();
}
