#include "shell/Label.h"

#include "shell/Colour.h"
#include "shell/Edges.h"

#include <QPainter>

Label::Label(const ControlDef& def, QWidget* client, const FormResources& resources)
    : Control(def, client, resources),
      text(QString::fromUtf8(def.text.data(), qsizetype(def.text.size()))), fore(def.foreColour),
      back(def.backColour), alignment(def.alignment), opaque(def.opaque), boxLine(def.boxLine),
      autoSize(def.autoSize) {
    setAccessibleName(text);
    fitHeight();
}

void Label::setCaption(const QString& caption) {
    text = caption;
    setAccessibleName(text);
    fitHeight();
    update();
}

void Label::setBackColour(StoredColour colour) {
    back = colour;
    update();
}

QRect Label::textArea(const QRect& whole, bool boxLine) {
    return boxLine ? whole.adjusted(1, 1, -1, -1) : whole;
}

int Label::textFlags(Alignment alignment) {
    // Captions wrap at word boundaries within the label's width and hang from its top edge.
    const int horizontal = alignment == Alignment::Centre  ? Qt::AlignHCenter
                           : alignment == Alignment::Right ? Qt::AlignRight
                                                           : Qt::AlignLeft;
    return horizontal | Qt::AlignTop | Qt::TextWordWrap;
}

QRect Label::wrappedBounds(const QFontMetrics& metrics, int width, int flags, const QString& text) {
    constexpr int deeperThanAnyCaption = 1 << 20;
    return metrics.boundingRect(QRect(0, 0, width, deeperThanAnyCaption), flags, text);
}

void Label::fitHeight() {
    if (!autoSize)
        return;
    const QFontMetrics metrics(font());
    const QRect area = textArea(rect(), boxLine);
    const int textHeight =
        text.isEmpty() ? metrics.height()
                       : wrappedBounds(metrics, area.width(), textFlags(alignment), text).height();
    resize(width(), textHeight + height() - area.height());
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (opaque)
        painter.fillRect(rect(), toQColor(back));
    if (boxLine)
        fillOutline(painter, rect(), 1, Qt::black);
    painter.setPen(isEnabled() ? toQColor(fore) : shadowGrey);
    painter.drawText(textArea(rect(), boxLine), textFlags(alignment), text);
    paintFocus(painter, toQColor(fore));
}
