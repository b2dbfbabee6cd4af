#include "shell/Colour.h"

namespace {
// The classic desktop scheme the screens were designed against.
QColor systemColour(unsigned number) {
    switch (number) {
    case 5:
        return QColor(255, 255, 255);
    case 8:
    case 18:
        return QColor(0, 0, 0);
    case 15:
        return QColor(192, 192, 192);
    default:
        return QColor(0, 0, 0);
    }
}
} // namespace

QColor toQColor(StoredColour stored) {
    if (stored & 0x80000000u)
        return systemColour(stored & 0xFFu);
    return QColor(stored & 0xFFu, (stored >> 8) & 0xFFu, (stored >> 16) & 0xFFu);
}
