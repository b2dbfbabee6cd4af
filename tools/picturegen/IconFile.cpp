#include "IconFile.h"

#include "VgaPalette.h"

#include <QtEndian>
#include <cstdio>
#include <cstdlib>

static constexpr int side = 32;
static constexpr int colourRowBytes = side / 2;
// Mask rows are padded to whole 32-bit words; 32 pixels fill exactly one.
static constexpr int maskRowBytes = side / 8;
static constexpr int directoryBytes = 6 + 16;
static constexpr int infoHeaderBytes = 40;
static constexpr int bitsBytes = side * (colourRowBytes + maskRowBytes);

static void put8(QByteArray& out, int value) {
    out.append(static_cast<char>(value));
}

static void put16(QByteArray& out, quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof bytes);
}

static void put32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof bytes);
}

static bool transparent(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y)) == 0;
}

// Transparent pixels get index 0 (black): under the mask, black leaves the screen unchanged.
static int paletteIndex(const QImage& image, int x, int y) {
    if (transparent(image, x, y))
        return 0;
    const QRgb pixel = image.pixel(x, y);
    for (int index = 0; index < vgaColourCount; ++index) {
        if (vgaColour(index) == pixel)
            return index;
    }
    std::fprintf(stderr, "picturegen: pixel %d,%d (#%08x) is not a VGA colour\n", x, y, pixel);
    std::exit(1);
}

// A bottom-up bitmap: info header, palette, the colour rows at four bits a pixel, then the mask
// rows at one bit a pixel, set where the screen shows through.
static void putBitmap(QByteArray& out, const QImage& image) {
    put32(out, infoHeaderBytes);
    put32(out, side);
    put32(out, 2 * side); // the colour bits and the mask count as one image of double height
    put16(out, 1);
    put16(out, 4);
    put32(out, 0);
    put32(out, bitsBytes);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (int index = 0; index < vgaColourCount; ++index) {
        const QRgb colour = vgaColour(index);
        put8(out, qBlue(colour));
        put8(out, qGreen(colour));
        put8(out, qRed(colour));
        put8(out, 0);
    }
    for (int y = side - 1; y >= 0; --y) {
        for (int x = 0; x < side; x += 2)
            put8(out, paletteIndex(image, x, y) << 4 | paletteIndex(image, x + 1, y));
    }
    for (int y = side - 1; y >= 0; --y) {
        for (int x = 0; x < side; x += 8) {
            int bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                if (transparent(image, x + bit, y))
                    bits |= 0x80 >> bit;
            }
            put8(out, bits);
        }
    }
}

// The directory entry's two 16-bit fields hold planes and bit count in an icon, the hot spot in
// a cursor.
static QByteArray iconOrCursor(const QImage& image, quint16 type, quint16 field1, quint16 field2) {
    if (image.size() != QSize(side, side)) {
        std::fprintf(stderr, "picturegen: icons are %d x %d pixels\n", side, side);
        std::exit(1);
    }
    QByteArray out;
    put16(out, 0);
    put16(out, type);
    put16(out, 1);
    put8(out, side);
    put8(out, side);
    put8(out, vgaColourCount);
    put8(out, 0);
    put16(out, field1);
    put16(out, field2);
    put32(out, infoHeaderBytes + 4 * vgaColourCount + bitsBytes);
    put32(out, directoryBytes);
    putBitmap(out, image);
    return out;
}

QByteArray iconFile(const QImage& image) {
    return iconOrCursor(image, 1, 1, 4);
}

QByteArray cursorFile(const QImage& image, QPoint hotSpot) {
    return iconOrCursor(image, 2, hotSpot.x(), hotSpot.y());
}
