#include "sound/BackgroundSpeaker.h"

#include "sound/Speaker.h"

void BackgroundSpeaker::startOpening() {
    if (!opening.valid() && !opened)
        opening = std::async(std::launch::async, openSpeaker);
}

void BackgroundSpeaker::vbOut(std::uint16_t port, std::uint8_t value) {
    speaker().vbOut(port, value);
}

std::uint8_t BackgroundSpeaker::vbInp(std::uint16_t port) {
    return speaker().vbInp(port);
}

void BackgroundSpeaker::switchSpeakerOff() {
    if (opened)
        opened->switchSpeakerOff();
}

PortIo& BackgroundSpeaker::speaker() {
    if (!opened)
        opened = opening.valid() ? opening.get() : openSpeaker();
    return *opened;
}
