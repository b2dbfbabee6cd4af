#include "WavFile.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {
std::uint32_t littleEndian(const std::vector<char>& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<std::uint8_t>(bytes.at(at + i));
    return value;
}

bool isMono16BitPcm(const std::vector<char>& bytes, std::size_t format) {
    constexpr std::uint32_t pcm = 1;
    constexpr std::uint32_t extensible = 0xFFFE;
    const std::uint32_t tag = littleEndian(bytes, format, 2);
    return (tag == pcm || tag == extensible) && littleEndian(bytes, format + 2, 2) == 1 &&
           littleEndian(bytes, format + 4, 4) > 0 && littleEndian(bytes, format + 14, 2) == 16;
}
} // namespace

MonoSound readMonoWav(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot open " + path);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
    if (bytes.size() < 12 || std::string(&bytes[0], 4) != "RIFF" ||
        std::string(&bytes[8], 4) != "WAVE")
        throw std::runtime_error(path + " is not a WAV file");

    MonoSound sound{0, {}};
    bool formatSeen = false;
    for (std::size_t chunk = 12; chunk + 8 <= bytes.size();) {
        const std::string id(&bytes[chunk], 4);
        // A recorder stopped before it could finish the header leaves the size too large.
        const std::size_t size =
            std::min<std::size_t>(littleEndian(bytes, chunk + 4, 4), bytes.size() - chunk - 8);
        const std::size_t body = chunk + 8;
        if (id == "fmt ") {
            if (size < 16 || !isMono16BitPcm(bytes, body))
                throw std::runtime_error(path + " is not mono 16-bit PCM");
            sound.sampleRate = static_cast<int>(littleEndian(bytes, body + 4, 4));
            formatSeen = true;
        } else if (id == "data" && formatSeen) {
            for (std::size_t at = body; at + 2 <= body + size; at += 2)
                sound.samples.push_back(static_cast<std::int16_t>(littleEndian(bytes, at, 2)) /
                                        32768.0f);
            return sound;
        }
        chunk = body + size + (size & 1);
    }
    throw std::runtime_error(path + " has no sound data");
}
