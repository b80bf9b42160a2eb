#pragma once

#include "core/mod_ColorConversion.h"

#include <QImage>
#include <QPoint>

// The colour spectrum picture: 560 x 71 logical pixels. Column x has the hue
// 360 * x / 560 degrees. Row 0 is white; the rows down to the middle (35 and
// 36, half a row either side of 35.5) lose white in equal steps towards the
// pure hue, and the rows below darken it in equal steps to almost black at
// row 70.
namespace HueChart {

inline constexpr int Width = 560;
inline constexpr int Height = 71;

// The colour at a logical point, which may lie between pixels.
ColorValue colorAt(double x, double y);

// The picture's pixel at a logical pixel; -1 outside the picture.
ColorValue pixel(QPoint point);

// The whole picture, Width x Height logical pixels at `devicePixelRatio`.
QImage generate(qreal devicePixelRatio = 1.0);

} // namespace HueChart
