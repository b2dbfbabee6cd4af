#include "shell/TextBox.h"

#include "shell/Colour.h"
#include "shell/Edges.h"

#include <QPainter>

TextBox::TextBox(const ControlDef& def, QWidget* client)
    : Control(def, client), content(QString::fromUtf8(def.text.data(), qsizetype(def.text.size()))),
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
        fillOutline(painter, inside, 1, Qt::black);
        inside.adjust(1, 1, -1, -1);
    } else {
        // The sunken edge: shadow above and left, light below and right, two pixels deep.
        fillEdge(painter, inside, QColor(128, 128, 128), Qt::white);
        fillEdge(painter, inside.adjusted(1, 1, -1, -1), QColor(64, 64, 64), QColor(192, 192, 192));
        inside.adjust(2, 2, -2, -2);
    }
    painter.setPen(isEnabled() ? toQColor(fore) : QColor(128, 128, 128));
    painter.drawText(inside, Qt::AlignCenter, content);
    paintFocus(painter, toQColor(fore));
}
