#pragma once

#include "sound/PortIo.h"

#include <memory>
#include <string>

// The program's speaker: the emulated one played through the sound card, or silent ports when no
// audio device can be opened, said in one line on standard error.
std::unique_ptr<PortIo> openSpeaker();
// The one line that says the tones will not be heard, and why.
void saySoundIsOff(const std::string& why);
