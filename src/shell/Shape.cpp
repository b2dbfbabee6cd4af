#include "shell/Shape.h"

#include <QPainter>

Shape::Shape(const ControlDef& def, QWidget* client)
    : Control(def, client), back(def.backColour), border(def.borderColour),
      fillColour(def.fillColour), borderWidth(def.borderWidth), opaque(def.opaque),
      fill(def.fillSolid ? FillStyle::Solid : FillStyle::Transparent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setFillStyle(FillStyle style) {
    fill = style;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (opaque)
        painter.fillRect(rect(), toQColor(back));
    if (fill == FillStyle::Solid)
        painter.fillRect(rect(), toQColor(fillColour));
    // The outline lies inside the shape's bounds, however wide it is.
    for (int ring = 0; ring < borderWidth; ++ring) {
        painter.setPen(toQColor(border));
        painter.drawRect(rect().adjusted(ring, ring, -1 - ring, -1 - ring));
    }
}
