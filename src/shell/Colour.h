#pragma once

#include "shell/StoredColour.h"

#include <QColor>

QColor toQColor(StoredColour stored);
