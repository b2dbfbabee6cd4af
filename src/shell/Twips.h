#pragma once

// The screens are designed in twips; 15 of them make one device-independent pixel, and Qt's own
// scaling takes it from there on high-density displays.
inline constexpr int twipsPerPixel = 15;

constexpr int pixels(int twips) {
    return twips / twipsPerPixel;
}
