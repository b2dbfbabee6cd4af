#pragma once

#include "shell/StoredColour.h"

#include <QColor>

QColor toQColor(StoredColour stored);

// The classic desktop scheme's grey: the text of a control that takes no clicks, and the shadow
// side of a raised or sunken edge.
inline constexpr QColor shadowGrey(128, 128, 128);
