#include "shell/TextBox.h"

#include <QPainter>

TextBox::TextBox(const ControlDef& def, QWidget* client)
    : Control(def, client),
      content(QString::fromUtf8(def.text.data(), qsizetype(def.text.size()))),
      fore(def.foreColour), back(def.backColour), flat(def.flat) {
    setAccessibleName(content);
}

void TextBox::setText(const QString& text) {
    if (text == content)
        return;
    content = text;
    setAccessibleName(content);
    update();
    emit changed();
}

void TextBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(back));
    QRect inside = rect();
    if (flat) {
        painter.setPen(Qt::black);
        painter.drawRect(inside.adjusted(0, 0, -1, -1));
        inside.adjust(1, 1, -1, -1);
    } else {
        // The sunken edge: shadow above and left, light below and right, two pixels deep.
        const QRect outer = inside.adjusted(0, 0, -1, -1);
        const QRect inner = outer.adjusted(1, 1, -1, -1);
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(outer.topLeft(), outer.topRight());
        painter.drawLine(outer.topLeft(), outer.bottomLeft());
        painter.setPen(Qt::white);
        painter.drawLine(outer.bottomLeft(), outer.bottomRight());
        painter.drawLine(outer.topRight(), outer.bottomRight());
        painter.setPen(QColor(64, 64, 64));
        painter.drawLine(inner.topLeft(), inner.topRight());
        painter.drawLine(inner.topLeft(), inner.bottomLeft());
        painter.setPen(QColor(192, 192, 192));
        painter.drawLine(inner.bottomLeft(), inner.bottomRight());
        painter.drawLine(inner.topRight(), inner.bottomRight());
        inside.adjust(2, 2, -2, -2);
    }
    painter.setPen(isEnabled() ? toQColor(fore) : QColor(128, 128, 128));
    painter.drawText(inside, Qt::AlignCenter, content);
}
