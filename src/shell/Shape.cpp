#include "shell/Shape.h"

#include "shell/Colour.h"
#include "shell/Edges.h"

#include <QPainter>

Shape::Shape(const ControlDef& def, QWidget* client, const FormResources& resources)
    : Control(def, client, resources), back(def.backColour), border(def.borderColour),
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
    fillOutline(painter, rect(), borderWidth, toQColor(border));
}
