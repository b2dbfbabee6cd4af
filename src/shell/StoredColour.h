#pragma once

#include <cstdint>

// A colour as the screen definitions store it: 0x00BBGGRR, or with the top bit set the number
// of a system colour in the low byte.
using StoredColour = std::uint32_t;

constexpr StoredColour rgb(unsigned red, unsigned green, unsigned blue) {
    return red | green << 8 | blue << 16;
}

namespace SystemColour {
inline constexpr StoredColour windowBackground = 0x80000005;
inline constexpr StoredColour windowText = 0x80000008;
inline constexpr StoredColour buttonFace = 0x8000000F;
inline constexpr StoredColour buttonText = 0x80000012;
} // namespace SystemColour
