#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>

// One 32 x 32 image in 16 colours with a transparency mask, laid out as a .ico or .cur file.
// Every pixel of the image must be either fully transparent or an opaque VGA palette colour.
QByteArray iconFile(const QImage& image);
QByteArray cursorFile(const QImage& image, QPoint hotSpot);
