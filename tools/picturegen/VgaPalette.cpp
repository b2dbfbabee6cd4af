#include "VgaPalette.h"

QRgb vgaColour(int index) {
    static constexpr QRgb palette[vgaColourCount] = {
        0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080,
        0xFF008080, 0xFFC0C0C0, 0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00,
        0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
    };
    return palette[index];
}

QRgb vgaColour(Vga colour) {
    return vgaColour(static_cast<int>(colour));
}
