#include "sound/PortIo.h"

void PortIo::switchSpeakerOff() {
    vbOut(systemControlPort, vbInp(systemControlPort) & ~speakerGateBits);
}
