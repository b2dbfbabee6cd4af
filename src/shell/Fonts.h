#pragma once

#include "shell/FormDef.h"

#include <QFont>

class FormResources;

// A table's font in the face that stands in for the one the screens were designed with.
QFont fontFor(const FontDef& font, const FormResources& resources);
