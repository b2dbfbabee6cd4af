#pragma once

#include "forms/FormDef.h"

#include <QFont>

// The faces the screens were designed with, mapped to faces that Debian's font packages supply.
QFont fontFor(const FontDef& font);
