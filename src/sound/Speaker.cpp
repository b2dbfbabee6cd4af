#include "sound/Speaker.h"

#include "sound/SilentPorts.h"
#include "sound/SoundcardSpeaker.h"

#include <iostream>
#include <stdexcept>

std::unique_ptr<PortIo> openSpeaker() {
    try {
        return std::make_unique<SoundcardSpeaker>();
    } catch (const std::runtime_error& error) {
        std::cerr << "velmora: sound is off: " << error.what() << '\n';
        return std::make_unique<SilentPorts>();
    }
}
