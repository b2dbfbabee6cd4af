#pragma once

#include <QImage>

// The background of the test screens and the introduction: an orange bevelled frame around a
// white page.
QImage drawFrame();
