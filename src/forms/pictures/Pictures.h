#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>

// The three pictures the screens show, all carried inside the program. The icon and the cursor
// are pixel art: whenever they are enlarged, every pixel becomes a sharp block.
namespace Pictures {

// The framed background of the test screens and the introduction, 600 x 502.
QPixmap frame();
// Starts decoding the framed background on a second thread, for the first frame() to take.
void decodeFrameAhead();
// The 32 x 32 smiley of the award buttons, transparent outside the face.
QPixmap smiley();
// The smiley for window icons, sharp at its own size and at twice it.
QIcon smileyIcon();
// The smiley scaled to size x size pixels, for the installed desktop icons.
QImage smileyAt(int size);
// The pointing hand over everything clickable, its hot spot on the fingertip.
QCursor hand();

} // namespace Pictures
