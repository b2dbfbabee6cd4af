#pragma once

#include <QRgb>

// The sixteen colours of the classic VGA palette in the order 16-colour icons store them, so a
// colour's enumerator is also its palette index in the icon file.
enum class Vga {
    Black,
    Maroon,
    Green,
    Olive,
    Navy,
    Purple,
    Teal,
    Silver,
    Grey,
    Red,
    Lime,
    Yellow,
    Blue,
    Fuchsia,
    Aqua,
    White,
};

inline constexpr int vgaColourCount = 16;

QRgb vgaColour(Vga colour);
QRgb vgaColour(int index);
