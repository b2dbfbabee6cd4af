#include "shell/Button.h"

#include "forms/pictures/Pictures.h"

#include <QPainter>

Button::Button(const ControlDef& def, QWidget* client)
    : Control(def, client), caption(QString::fromUtf8(def.text.data(), qsizetype(def.text.size()))),
      fore(def.foreColour), back(def.backColour), flat(def.flat), picture(def.picture) {
    setAccessibleName(picture == Picture::Smiley ? QStringLiteral("Smiley face award") : caption);
}

void Button::drawEdge(QPainter& painter, bool sunken) const {
    const QRect outer = rect().adjusted(0, 0, -1, -1);
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    const QColor light = sunken ? Qt::black : Qt::white;
    const QColor dark = sunken ? Qt::white : Qt::black;
    const QColor midLight = sunken ? QColor(128, 128, 128) : QColor(223, 223, 223);
    const QColor midDark = sunken ? QColor(223, 223, 223) : QColor(128, 128, 128);
    painter.setPen(light);
    painter.drawLine(outer.topLeft(), outer.topRight());
    painter.drawLine(outer.topLeft(), outer.bottomLeft());
    painter.setPen(dark);
    painter.drawLine(outer.bottomLeft(), outer.bottomRight());
    painter.drawLine(outer.topRight(), outer.bottomRight());
    painter.setPen(midLight);
    painter.drawLine(inner.topLeft(), inner.topRight());
    painter.drawLine(inner.topLeft(), inner.bottomLeft());
    painter.setPen(midDark);
    painter.drawLine(inner.bottomLeft(), inner.bottomRight());
    painter.drawLine(inner.topRight(), inner.bottomRight());
}

void Button::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(back));
    const bool sunken = pressed() && underMouse();
    if (!flat)
        drawEdge(painter, sunken);
    const QPoint shift = sunken ? QPoint(1, 1) : QPoint(0, 0);
    if (picture == Picture::Smiley) {
        const QPixmap smiley = Pictures::smiley();
        const QSize size = smiley.deviceIndependentSize().toSize();
        painter.drawPixmap(QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2),
                                 size),
                           smiley);
        return;
    }
    painter.setPen(isEnabled() ? toQColor(fore) : QColor(128, 128, 128));
    painter.drawText(rect().translated(shift), Qt::AlignCenter, caption);
}
