#pragma once

#include "sound/Mixer.h"
#include "sound/PortIo.h"

#include <memory>
#include <string>

// The program's speaker: the emulated one played through the sound card with the other sounds of
// `mix`, or silent ports when no audio device can be opened, said in one line on standard error.
std::unique_ptr<PortIo> openSpeaker(Mixer& mix);
// The one line that says the tones will not be heard, and why.
void saySoundIsOff(const std::string& why);
