#include "shell/Colour.h"

#include <algorithm>

namespace {
struct SchemeColour {
    StoredColour system;
    QColor shade;
};

// The classic desktop scheme the screens were designed against; a system colour it lacks is black.
constexpr SchemeColour classicScheme[] = {
    {SystemColour::windowBackground, QColor(255, 255, 255)},
    {SystemColour::windowText, QColor(0, 0, 0)},
    {SystemColour::buttonFace, QColor(192, 192, 192)},
    {SystemColour::buttonText, QColor(0, 0, 0)},
};
} // namespace

QColor toQColor(StoredColour stored) {
    if (stored & systemColourBit) {
        const auto* found = std::ranges::find(classicScheme, stored, &SchemeColour::system);
        return found == std::end(classicScheme) ? QColor(0, 0, 0) : found->shade;
    }
    return QColor(stored & 0xFFu, (stored >> 8) & 0xFFu, (stored >> 16) & 0xFFu);
}
