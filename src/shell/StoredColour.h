#pragma once

#include <cstdint>

// A colour as the screen definitions store it: 0x00BBGGRR, or with the top bit set the number
// of a system colour in the low byte.
using StoredColour = std::uint32_t;

constexpr StoredColour rgb(unsigned red, unsigned green, unsigned blue) {
    return red | green << 8 | blue << 16;
}

inline constexpr StoredColour systemColourBit = 0x80000000;

// The system colours the screens name; shell/Colour.cpp gives each its shade.
namespace SystemColour {
inline constexpr StoredColour windowBackground = systemColourBit | 5;
inline constexpr StoredColour windowText = systemColourBit | 8;
inline constexpr StoredColour buttonFace = systemColourBit | 15;
inline constexpr StoredColour buttonText = systemColourBit | 18;
} // namespace SystemColour
