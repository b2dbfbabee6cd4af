#include "questions/ShuffledSide.h"

#include <cstdint>

namespace {
// FNV-1a: small and fixed for good. Its multiplication carries every byte into the top bit.
constexpr std::uint64_t fnvOffset = 0xcbf29ce484222325;
constexpr std::uint64_t fnvPrime = 0x100000001b3;

void mixIn(std::uint64_t& hash, std::string_view text) {
    for (unsigned char character : text) {
        hash ^= character;
        hash *= fnvPrime;
    }
    // A separator, so that a letter moved from one text to the next changes the hash.
    hash ^= 0xff;
    hash *= fnvPrime;
}
} // namespace

Question::Side shuffledSide(std::string_view stem, std::string_view correctWord,
                            std::string_view wrongWord) {
    std::uint64_t hash = fnvOffset;
    for (std::string_view text : {stem, correctWord, wrongWord})
        mixIn(hash, text);
    return hash >> 63 ? Question::Side::Right : Question::Side::Left;
}
