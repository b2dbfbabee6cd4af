#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// Outlines and three-dimensional edges are filled, never stroked: a one-pixel pen on a whole
// coordinate straddles two device pixels on a display of twice the density, so half of it would
// fall outside the control and the other half one pixel inwards.

// One ring of pixels just inside bounds, lit from the top left: the top row and the left column
// in one colour, the bottom row and the right column (corners included) in the other.
void fillEdge(QPainter& painter, const QRect& bounds, const QColor& topLeft,
              const QColor& bottomRight);

// A plain outline of the given width just inside bounds.
void fillOutline(QPainter& painter, const QRect& bounds, int width, const QColor& colour);
