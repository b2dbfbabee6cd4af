#include "shell/Button.h"

#include "shell/Colour.h"
#include "shell/Edges.h"
#include "shell/FormResources.h"

#include <QPainter>

Button::Button(const ControlDef& def, QWidget* client, const FormResources& resources)
    : Control(def, client, resources),
      caption(QString::fromUtf8(def.text.data(), qsizetype(def.text.size()))), fore(def.foreColour),
      back(def.backColour), flat(def.flat), picture(def.picture), resources(resources) {
    setAccessibleName(
        def.accessibleName.empty()
            ? caption
            : QString::fromUtf8(def.accessibleName.data(), qsizetype(def.accessibleName.size())));
}

void Button::drawEdge(QPainter& painter, bool sunken) const {
    const QColor light = sunken ? Qt::black : Qt::white;
    const QColor dark = sunken ? Qt::white : Qt::black;
    const QColor midLight = sunken ? shadowGrey : QColor(223, 223, 223);
    const QColor midDark = sunken ? QColor(223, 223, 223) : shadowGrey;
    fillEdge(painter, rect(), light, dark);
    fillEdge(painter, rect().adjusted(1, 1, -1, -1), midLight, midDark);
}

void Button::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(back));
    const bool sunken = pressed() && underMouse();
    if (!flat)
        drawEdge(painter, sunken);
    const QPoint shift = sunken ? QPoint(1, 1) : QPoint(0, 0);
    if (!picture.empty()) {
        const QPixmap shown = resources.picture(picture);
        const QSize size = shown.deviceIndependentSize().toSize();
        painter.drawPixmap(
            QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size),
            shown);
        return;
    }
    painter.setPen(isEnabled() ? toQColor(fore) : shadowGrey);
    painter.drawText(rect().translated(shift), Qt::AlignCenter, caption);
}
