#pragma once

#include <QImage>
#include <QPoint>

// The pointer over everything clickable: a white hand whose index finger points straight up.
// The hot spot is the top pixel of the fingertip, where the pupil expects the click to land.
inline constexpr QPoint handHotSpot{13, 5};

QImage drawHand();
