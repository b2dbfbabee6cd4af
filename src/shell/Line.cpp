#include "shell/Line.h"

#include "shell/Colour.h"
#include "shell/Twips.h"

#include <QPainter>

Line::Line(const ControlDef& def, QWidget* client, const FormResources& resources)
    : Control(def, client, resources), colour(def.borderColour), strokeWidth(def.borderWidth) {
    const QPoint start(pixels(def.x1), pixels(def.y1));
    const QPoint end(pixels(def.x2), pixels(def.y2));
    const QRect bounds = QRect(start, end)
                             .normalized()
                             .adjusted(-strokeWidth, -strokeWidth, strokeWidth, strokeWidth);
    setGeometry(bounds);
    from = start - bounds.topLeft();
    to = end - bounds.topLeft();
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(toQColor(colour), strokeWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from, to);
}
