#pragma once

#include <QString>

// The question number, the score and the mistake count live only as control texts: every use
// reads the text as a number, every update writes back the plain decimal text.
inline double toNumber(const QString& text) {
    return text.toDouble();
}
inline QString toText(double value) {
    return QString::number(value, 'g', 17);
}
