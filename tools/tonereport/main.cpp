// tonereport FILE.wav: lists the tones in a recording of Velmora's sound (mono, 16 bit), with
// their start, length, pitch and the pause before each. Where one tone follows another without a
// pause the changeover is placed to about a millisecond.
#include "ToneFinder.h"
#include "WavFile.h"

#include <cstdio>
#include <stdexcept>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tonereport FILE.wav\n");
        return 2;
    }
    try {
        const std::vector<Tone> tones = findTones(readMonoWav(argv[1]));
        std::printf("tone  start ms  length ms  frequency Hz  gap ms\n");
        for (std::size_t i = 0; i < tones.size(); ++i) {
            const Tone& tone = tones[i];
            std::printf("%4zu  %8.1f  %9.1f", i + 1, tone.startSeconds * 1000,
                        (tone.endSeconds - tone.startSeconds) * 1000);
            if (tone.frequency > 0)
                std::printf("  %12.2f", tone.frequency);
            else
                std::printf("  %12s", "-");
            if (i > 0)
                std::printf("  %6.1f", (tone.startSeconds - tones[i - 1].endSeconds) * 1000);
            std::printf("\n");
        }
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "tonereport: %s\n", error.what());
        return 1;
    }
    return 0;
}
