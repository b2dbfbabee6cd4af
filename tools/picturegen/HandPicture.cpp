#include "HandPicture.h"

#include "IconPainting.h"
#include "VgaPalette.h"

#include <QTransform>

static QPainterPath roundedRect(qreal x, qreal y, qreal width, qreal height, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, width, height), radius, radius);
    return path;
}

static QPainterPath rect(qreal x, qreal y, qreal width, qreal height) {
    QPainterPath path;
    path.addRect(QRectF(x, y, width, height));
    return path;
}

static QPainterPath polygon(const QPolygonF& corners) {
    QPainterPath path;
    path.addPolygon(corners);
    path.closeSubpath();
    return path;
}

QImage drawHand() {
    const QPainterPath finger = roundedRect(11, 5, 5, 14, 2);
    const QPainterPath middle = roundedRect(15, 11, 5, 9, 2);
    const QPainterPath ring = roundedRect(19, 12, 5, 9, 2);
    const QPainterPath little = roundedRect(23, 14, 5, 8, 2);
    const QPainterPath palm =
        polygon({{11, 17}, {28, 17}, {28, 24}, {25, 29}, {25, 32}, {12, 32}, {12, 29}, {11, 27}});
    const QPainterPath thumb =
        polygon({{5, 17}, {7, 17}, {8, 18}, {12, 22}, {12, 28}, {10, 28}, {3, 21}, {3, 19}});

    QImage icon = blankIcon();
    const QRgb black = vgaColour(Vga::Black);
    const QPainterPath hand =
        finger.united(middle).united(ring).united(little).united(palm).united(thumb);
    paintOutlined(icon, hand, vgaColour(Vga::White), black);
    // The curled fingers lie side by side; only short creases tell them apart.
    paintSolid(icon, rect(15, 11, 1, 6), black);
    paintSolid(icon, rect(19, 12, 1, 5), black);
    paintSolid(icon, rect(23, 14, 1, 4), black);
    // The thumb folds in along a crease running on from the notch beside the index finger.
    paintSolid(icon, rect(11, 21, 1, 1), black);
    paintSolid(icon, rect(12, 22, 1, 1), black);
    return icon;
}
