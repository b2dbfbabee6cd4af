#include "shell/Fonts.h"

#include "shell/FormResources.h"

#include <cmath>

QFont fontFor(const FontDef& font, const FormResources& resources) {
    QFont qfont = resources.face(font.face);
    // Sizes are points at 96 dots per inch, fixed in pixels so that every caption fits its
    // control whatever the display reports as its resolution.
    qfont.setPixelSize(int(std::lround(font.points * 96 / 72)));
    if (font.bold)
        qfont.setWeight(QFont::Bold);
    qfont.setStyleStrategy(QFont::PreferAntialias);
    return qfont;
}
