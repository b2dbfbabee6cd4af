#include "sound/Speaker.h"

#include "sound/SilentPorts.h"
#include "sound/SoundcardSpeaker.h"

#include <iostream>
#include <stdexcept>

std::unique_ptr<PortIo> openSpeaker(Mixer& mix) {
    try {
        return std::make_unique<SoundcardSpeaker>(mix);
    } catch (const std::runtime_error& error) {
        saySoundIsOff(error.what());
        return std::make_unique<SilentPorts>();
    }
}

void saySoundIsOff(const std::string& why) {
    std::cerr << "velmora: sound is off: " << why << '\n';
}
