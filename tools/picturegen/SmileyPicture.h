#pragma once

#include <QImage>

// The award and program icon: a yellow face with black outline, oval eyes, nose and a red smile.
QImage drawSmiley();
