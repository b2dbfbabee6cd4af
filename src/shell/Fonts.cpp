#include "shell/Fonts.h"

#include <cmath>

namespace {
struct Substitute {
    std::string_view face;
    const char* family;
    QFont::Weight weight; // for the regular weight; bold stays bold
};

constexpr Substitute substitutes[] = {
    {"Batang", "NanumMyeongjo", QFont::Normal},
    {"Comic Sans MS", "Comic Neue", QFont::Normal},
    {"Calligraphic", "Z003", QFont::Normal},
    {"Arial Black", "DejaVu Sans", QFont::Black},
    {"MS Sans Serif", "Liberation Sans", QFont::Normal},
};
} // namespace

QFont fontFor(const FontDef& font) {
    const Substitute* match = &substitutes[std::size(substitutes) - 1];
    for (const auto& substitute : substitutes)
        if (substitute.face == font.face)
            match = &substitute;
    QFont qfont(match->family);
    // Sizes are points at 96 dots per inch, fixed in pixels so that every caption fits its
    // control whatever the display reports as its resolution.
    qfont.setPixelSize(int(std::lround(font.points * 96 / 72)));
    qfont.setWeight(font.bold ? QFont::Bold : match->weight);
    qfont.setStyleStrategy(QFont::PreferAntialias);
    return qfont;
}
