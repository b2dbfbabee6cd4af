#include "forms/pictures/Pictures.h"

#include <QGuiApplication>
#include <QResource>
#include <QtEndian>
#include <algorithm>
#include <cmath>

static const QString smileyPath = QStringLiteral(":/pictures/smiley.ico");
static const QString handPath = QStringLiteral(":/pictures/hand.cur");

// Nearest neighbour, sampled at pixel centres, so no colour appears that the artist did not
// choose. Qt's fast scaling rounds differently at sizes that are not whole multiples.
static QImage blocky(const QImage& image, int size) {
    QImage result(size, size, image.format());
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            result.setPixel(x, y,
                            image.pixel((2 * x + 1) * image.width() / (2 * size),
                                        (2 * y + 1) * image.height() / (2 * size)));
        }
    }
    return result;
}

// Whole multiples only: pixel art drawn at one and a half times its size has uneven blocks.
static QPixmap forDisplay(const QImage& image) {
    const int scale = std::max(1, static_cast<int>(std::lround(qGuiApp->devicePixelRatio())));
    QPixmap pixmap = QPixmap::fromImage(blocky(image, image.width() * scale));
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

// A cursor file keeps its hot spot in the directory entry, where an icon keeps its colour
// planes and depth; the image reader does not report it.
static QPoint cursorHotSpot(const QString& path) {
    const QByteArray file = QResource(path).uncompressedData();
    return {qFromLittleEndian<quint16>(file.constData() + 10),
            qFromLittleEndian<quint16>(file.constData() + 12)};
}

QPixmap Pictures::frame() {
    return QPixmap(QStringLiteral(":/pictures/frame.jpg"));
}

QPixmap Pictures::smiley() {
    return forDisplay(QImage(smileyPath));
}

// Whole multiples only: nearest-neighbour shrinking to 16 pixels would break the outline, so a
// desktop that wants a smaller icon scales one of these itself.
QIcon Pictures::smileyIcon() {
    QIcon icon;
    for (const int size : {32, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(smileyAt(size)));
    return icon;
}

QImage Pictures::smileyAt(int size) {
    return blocky(QImage(smileyPath), size);
}

QCursor Pictures::hand() {
    const QPoint hotSpot = cursorHotSpot(handPath);
    return QCursor(forDisplay(QImage(handPath)), hotSpot.x(), hotSpot.y());
}
