#include "sound/SoundcardSpeaker.h"

#include <thread>

using namespace std::chrono_literals;

namespace {
// Longer than the way from a port write out of the sound card: the renderer's latency, the
// fade-out and the buffer being played, about 51 ms together.
constexpr auto fadeOutHeard = 70ms;
} // namespace

SoundcardSpeaker::SoundcardSpeaker(Mixer& mix)
    : renderer(SpeakerRenderer::latencyFor(SdlAudioOutput::bufferFrames) +
               SpeakerRenderer::lateTick),
      output(renderer, clock, mix), speaker(clock, renderer) {}

SoundcardSpeaker::~SoundcardSpeaker() {
    if ((speaker.vbInp(systemControlPort) & speakerGateBits) == 0)
        return;
    // The program ends during a tone: switch the speaker off and let its fade-out be played
    // before the audio closes, which would otherwise cut the tone with a click.
    speaker.switchSpeakerOff();
    std::this_thread::sleep_for(fadeOutHeard);
}

void SoundcardSpeaker::vbOut(std::uint16_t port, std::uint8_t value) {
    speaker.vbOut(port, value);
}

std::uint8_t SoundcardSpeaker::vbInp(std::uint16_t port) {
    return speaker.vbInp(port);
}

void SoundcardSpeaker::writeLateBy(std::chrono::nanoseconds lateness) {
    speaker.writeLateBy(lateness);
}
