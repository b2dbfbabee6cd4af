#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRgb>

// Icon pixels must stay exact palette colours, so shapes are filled without antialiasing and
// outlined pixel by pixel rather than stroked.

QImage blankIcon();
void paintSolid(QImage& icon, const QPainterPath& shape, QRgb colour);
// The outline is the one-pixel rim of the shape itself, so it never grows the shape.
void paintOutlined(QImage& icon, const QPainterPath& shape, QRgb fill, QRgb outline);
