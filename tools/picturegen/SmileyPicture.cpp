#include "SmileyPicture.h"

#include "IconPainting.h"
#include "VgaPalette.h"

static QPainterPath ellipse(qreal x, qreal y, qreal width, qreal height) {
    QPainterPath path;
    path.addEllipse(QRectF(x, y, width, height));
    return path;
}

QImage drawSmiley() {
    QImage icon = blankIcon();
    const QRgb black = vgaColour(Vga::Black);
    paintOutlined(icon, ellipse(0, 0, 32, 32), vgaColour(Vga::Yellow), black);
    paintSolid(icon, ellipse(9, 7.5, 4, 7), black);
    paintSolid(icon, ellipse(19, 7.5, 4, 7), black);
    paintSolid(icon, ellipse(14.5, 14, 3, 4), black);
    // A smile is the lower rim of one circle left over when a higher circle is cut away.
    const QPainterPath mouth = ellipse(6, 7, 20, 19).subtracted(ellipse(4, 2, 24, 18));
    paintOutlined(icon, mouth, vgaColour(Vga::Red), black);
    return icon;
}
