#include "shell/Edges.h"

#include <QPainter>

void fillEdge(QPainter& painter, const QRect& bounds, const QColor& topLeft,
              const QColor& bottomRight) {
    painter.fillRect(QRect(bounds.left(), bounds.top(), bounds.width(), 1), topLeft);
    painter.fillRect(QRect(bounds.left(), bounds.top(), 1, bounds.height()), topLeft);
    painter.fillRect(QRect(bounds.left(), bounds.bottom(), bounds.width(), 1), bottomRight);
    painter.fillRect(QRect(bounds.right(), bounds.top(), 1, bounds.height()), bottomRight);
}

void fillOutline(QPainter& painter, const QRect& bounds, int width, const QColor& colour) {
    painter.fillRect(QRect(bounds.left(), bounds.top(), bounds.width(), width), colour);
    painter.fillRect(QRect(bounds.left(), bounds.top(), width, bounds.height()), colour);
    painter.fillRect(QRect(bounds.left(), bounds.bottom() - width + 1, bounds.width(), width),
                     colour);
    painter.fillRect(QRect(bounds.right() - width + 1, bounds.top(), width, bounds.height()),
                     colour);
}
