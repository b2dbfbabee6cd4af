#pragma once

#include "sound/PortIo.h"

// The port writes that start a tone on the PC speaker: channel 2 of the interval timer set to a
// square wave of this frequency, then its gate and the speaker opened. False, with nothing
// written, for a frequency the counter cannot divide down to. The tone sounds until the speaker
// is switched off.
bool startTone(PortIo& ports, double frequency);
