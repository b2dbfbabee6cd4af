#include "sound/SdlAudioOutput.h"

#include "sound/OutputFormat.h"

#include <span>
#include <stdexcept>
#include <string>

SdlAudioOutput::SdlAudioOutput(SpeakerRenderer& renderer, const MonotonicClock& clock, Mixer& mix)
    : sdl(SdlLibrary::get()), renderer(renderer), clock(clock), mix(mix) {
    // SDL keeps state, such as its error text, for every thread that calls it, and frees it only
    // for threads it made itself. The sound card is opened on a thread that ends right after.
    struct ThreadStateRelease {
        const SdlLibrary& sdl;
        ~ThreadStateRelease() { sdl.tlsCleanup(); }
    } const release{sdl};
    // SDL would otherwise take SIGINT and SIGTERM for itself, and Velmora reads no SDL events.
    sdl.setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    sdl.setHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Velmora");
    if (sdl.initSubSystem(SDL_INIT_AUDIO) != 0)
        throw std::runtime_error(sdl.getError());

    SDL_AudioSpec wanted{};
    wanted.freq = outputSampleRate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = 1;
    wanted.samples = bufferFrames;
    wanted.callback = &SdlAudioOutput::pull;
    wanted.userdata = this;
    // No changes allowed: SDL converts to whatever the device takes, and the renderer's latency
    // stays matched to this buffer size.
    device = sdl.openAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device == 0) {
        const std::string reason = sdl.getError();
        sdl.quitSubSystem(SDL_INIT_AUDIO);
        throw std::runtime_error(reason);
    }
    sdl.pauseAudioDevice(device, 0);
}

SdlAudioOutput::~SdlAudioOutput() {
    sdl.closeAudioDevice(device);
    sdl.quitSubSystem(SDL_INIT_AUDIO);
}

// SDL's audio thread. Neither it nor the GUI thread ever waits for the other, so a lost device,
// after which this comes late or not at all, cannot hold up a tone, and a busy GUI or voice thread
// cannot hold up the sound card.
void SDLCALL SdlAudioOutput::pull(void* self, Uint8* stream, int bytes) {
    auto& output = *static_cast<SdlAudioOutput*>(self);
    const std::span<float> samples(reinterpret_cast<float*>(stream),
                                   static_cast<std::size_t>(bytes) / sizeof(float));
    output.renderer.render(samples, output.clock.now());
    output.mix.mixInto(samples);
}
