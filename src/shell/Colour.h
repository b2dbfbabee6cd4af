#pragma once

#include "forms/StoredColour.h"

#include <QColor>

QColor toQColor(StoredColour stored);
