#include "forms/pictures/Pictures.h"

#include "forms/pictures/IconFile.h"

#include <QGuiApplication>
#include <QPixmapCache>
#include <QResource>
#include <algorithm>
#include <cmath>
#include <functional>
#include <future>

static const QString smileyPath = QStringLiteral(":/pictures/smiley.ico");
static const QString handPath = QStringLiteral(":/pictures/hand.cur");
static const QString framePath = QStringLiteral(":/pictures/frame.jpg");

static std::future<QImage>& frameDecoding() {
    static std::future<QImage> decoding;
    return decoding;
}

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

// Every window and control that shows a picture asks for it: each is made once and then shared
// through Qt's pixmap cache.
static QPixmap cached(const QString& key, const std::function<QPixmap()>& make) {
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = make();
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

static QImage iconPicture(const QString& path) {
    return IconFile::decode(QResource(path).uncompressedData());
}

QPixmap Pictures::frame() {
    return cached(framePath, [] {
        std::future<QImage>& decoding = frameDecoding();
        return QPixmap::fromImage(decoding.valid() ? decoding.get() : QImage(framePath));
    });
}

// Decoding the frame takes about as long as building the menu bar, which needs no frame.
void Pictures::decodeFrameAhead() {
    frameDecoding() = std::async(std::launch::async, [] { return QImage(framePath); });
}

QPixmap Pictures::smiley() {
    return cached(smileyPath, [] { return forDisplay(iconPicture(smileyPath)); });
}

// The window icon: the smiley at its own size and doubled for high-density displays. Window
// systems hold every size they are given, so larger ones are left to the installed icons.
QIcon Pictures::smileyIcon() {
    QIcon icon;
    for (const int size : {32, 64})
        icon.addPixmap(QPixmap::fromImage(smileyAt(size)));
    return icon;
}

QImage Pictures::smileyAt(int size) {
    return blocky(iconPicture(smileyPath), size);
}

QCursor Pictures::hand() {
    static const QPoint hotSpot = IconFile::hotSpot(QResource(handPath).uncompressedData());
    return QCursor(cached(handPath, [] { return forDisplay(iconPicture(handPath)); }), hotSpot.x(),
                   hotSpot.y());
}
