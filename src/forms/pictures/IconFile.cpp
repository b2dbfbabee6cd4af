#include "forms/pictures/IconFile.h"

#include <QtEndian>

namespace {
constexpr qsizetype directorySize = 6;
constexpr qsizetype entrySize = 16;
constexpr qsizetype bitmapHeaderSize = 40;

quint16 word(const QByteArray& file, qsizetype at) {
    return qFromLittleEndian<quint16>(file.constData() + at);
}

quint32 dword(const QByteArray& file, qsizetype at) {
    return qFromLittleEndian<quint32>(file.constData() + at);
}

// Rows of a bitmap are stored bottom up, each padded to a multiple of four bytes.
qsizetype rowBytes(qsizetype width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

int bitsAt(const uchar* row, qsizetype x, int bitsPerPixel) {
    const qsizetype bit = x * bitsPerPixel;
    return (row[bit / 8] >> (8 - bitsPerPixel - bit % 8)) & ((1 << bitsPerPixel) - 1);
}
} // namespace

QImage IconFile::decode(const QByteArray& file) {
    if (file.size() < directorySize + entrySize)
        return {};
    const qsizetype header = dword(file, directorySize + 12);
    if (header > file.size() - bitmapHeaderSize)
        return {};
    const quint32 headerSize = dword(file, header);
    const qint32 width = qint32(dword(file, header + 4));
    const qint32 heightOfBoth = qint32(dword(file, header + 8)); // the colours, then the mask
    const int bitsPerPixel = word(file, header + 14);
    const quint32 compression = dword(file, header + 16);
    const quint32 paletteSize = dword(file, header + 32);
    if (headerSize < bitmapHeaderSize || width <= 0 || width > 256 || heightOfBoth <= 0 ||
        heightOfBoth > 512 || heightOfBoth % 2 != 0 ||
        (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8) || compression != 0 ||
        paletteSize > (1u << bitsPerPixel))
        return {};
    const qint32 height = heightOfBoth / 2;
    const qsizetype colours = paletteSize ? paletteSize : 1 << bitsPerPixel;
    const qsizetype colourRowBytes = rowBytes(width, bitsPerPixel);
    const qsizetype maskRowBytes = rowBytes(width, 1);
    const qsizetype palette = header + headerSize;
    const qsizetype pixels = palette + 4 * colours;
    const qsizetype mask = pixels + height * colourRowBytes;
    if (mask + height * maskRowBytes > file.size())
        return {};

    const auto* bytes = reinterpret_cast<const uchar*>(file.constData());
    QImage image(width, height, QImage::Format_ARGB32);
    for (qint32 y = 0; y < height; ++y) {
        const uchar* colourRow = bytes + pixels + (height - 1 - y) * colourRowBytes;
        const uchar* maskRow = bytes + mask + (height - 1 - y) * maskRowBytes;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (qint32 x = 0; x < width; ++x) {
            const int index = bitsAt(colourRow, x, bitsPerPixel);
            if (bitsAt(maskRow, x, 1) != 0 || index >= colours) {
                line[x] = qRgba(0, 0, 0, 0);
                continue;
            }
            const uchar* bgr = bytes + palette + 4 * index;
            line[x] = qRgb(bgr[2], bgr[1], bgr[0]);
        }
    }
    return image;
}

QPoint IconFile::hotSpot(const QByteArray& file) {
    if (file.size() < directorySize + entrySize)
        return {};
    return {word(file, directorySize + 4), word(file, directorySize + 6)};
}
