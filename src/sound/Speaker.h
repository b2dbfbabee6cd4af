#pragma once

#include "sound/PortIo.h"

#include <memory>

// The program's speaker: the emulated one played through the sound card, or silent ports when no
// audio device can be opened, said in one line on standard error.
std::unique_ptr<PortIo> openSpeaker();
