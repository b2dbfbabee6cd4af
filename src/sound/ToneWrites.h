#pragma once

#include "sound/PortIo.h"

// The port writes that start a tone on the PC speaker: channel 2 of the interval timer set to a
// square wave of this frequency, then its gate and the speaker opened. False, with nothing
// written, for a frequency the counter cannot divide down to. The tone sounds until it is ended.
// Both are made `lateness` after the tone's moment on its timeline (PortIo::writeLateBy).
bool startTone(PortIo& ports, double frequency, std::chrono::nanoseconds lateness);
void endTone(PortIo& ports, std::chrono::nanoseconds lateness);
