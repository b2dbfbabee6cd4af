#pragma once

#include "shell/FormDef.h"

#include <QFontMetrics>
#include <QRect>
#include <QString>
#include <optional>

class FormResources;

// Whether a text shows whole in a control built from its definition, measured as the control
// lays the text out: a label wraps it at word boundaries, and an autosized one grows downwards
// by whole lines; a text box shows one centred line inside its edge, a button one across its
// face. Measuring needs no control, so a whole file of texts is measured quickly.
class TextFit {
  public:
    // An autosized label may grow to this many lines.
    TextFit(const ControlDef& control, const FormResources& resources, int autoSizeLines = 2);

    // Empty when the text fits; else what it needs against what the control has.
    QString whatDoesNotFit(const QString& text) const;
    // The first character of the text that the control's face has nothing to draw with.
    std::optional<char32_t> missingCharacter(const QString& text) const;

  private:
    QFontMetrics metrics;
    QRect area;
    int flags;
    bool autoSize;
    int autoSizeLines;
};
