#include "IconPainting.h"

#include <QPainter>

static constexpr int side = 32;

QImage blankIcon() {
    QImage icon(side, side, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    return icon;
}

static QImage coverage(const QPainterPath& shape) {
    QImage covered = blankIcon();
    QPainter painter(&covered);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillPath(shape, Qt::white);
    return covered;
}

static bool covers(const QImage& covered, int x, int y) {
    return covered.valid(x, y) && qAlpha(covered.pixel(x, y)) != 0;
}

void paintSolid(QImage& icon, const QPainterPath& shape, QRgb colour) {
    const QImage covered = coverage(shape);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            if (covers(covered, x, y))
                icon.setPixel(x, y, colour);
        }
    }
}

void paintOutlined(QImage& icon, const QPainterPath& shape, QRgb fill, QRgb outline) {
    const QImage covered = coverage(shape);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            if (!covers(covered, x, y))
                continue;
            const bool inner = covers(covered, x - 1, y) && covers(covered, x + 1, y) &&
                               covers(covered, x, y - 1) && covers(covered, x, y + 1);
            icon.setPixel(x, y, inner ? fill : outline);
        }
    }
}
