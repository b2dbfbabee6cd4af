#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>

// The icon and cursor files the program carries: one picture each, in up to 256 palette colours
// with a transparency mask. Qt's own reader for them is a plug-in that builds a colour table on
// first use, which cost more than a millisecond of every start; these are read here instead.
namespace IconFile {

// The first picture of the file, transparent where its mask says so; a null image when the
// file is not an uncompressed palette icon or cursor, or is cut short.
QImage decode(const QByteArray& file);

// A cursor keeps its hot spot in the directory entry, where an icon keeps planes and depth.
QPoint hotSpot(const QByteArray& file);

} // namespace IconFile
