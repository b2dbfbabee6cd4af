#include "shell/TextBox.h"

#include "shell/Colour.h"
#include "shell/Edges.h"

#include <QPainter>

TextBox::TextBox(const ControlDef& def, QWidget* client, const FormResources& resources)
    : Control(def, client, resources),
      content(QString::fromUtf8(def.text.data(), qsizetype(def.text.size()))), fore(def.foreColour),
      back(def.backColour), flat(def.flat) {
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

QRect TextBox::textArea(const QRect& whole, bool flat) {
    const int edge = flat ? 1 : 2;
    return whole.adjusted(edge, edge, -edge, -edge);
}

void TextBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(back));
    if (flat) {
        fillOutline(painter, rect(), 1, Qt::black);
    } else {
        // The sunken edge: shadow above and left, light below and right, two pixels deep.
        fillEdge(painter, rect(), shadowGrey, Qt::white);
        fillEdge(painter, rect().adjusted(1, 1, -1, -1), QColor(64, 64, 64), QColor(192, 192, 192));
    }
    painter.setPen(isEnabled() ? toQColor(fore) : shadowGrey);
    painter.drawText(textArea(rect(), flat), Qt::AlignCenter, content);
    paintFocus(painter, toQColor(fore));
}
