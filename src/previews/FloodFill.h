#pragma once

#include "previews/PictureDelta.h"

#include <QImage>
#include <QPoint>

namespace FloodFill {

// Surface fill: every pixel of the seed's colour that is joined to the seed
// through pixels of that colour sharing an edge takes `color`. Works row
// span by row span, so each pixel is read a few times and written once.
// `image` must be Format_RGB32; colours compare as whole QRgb values. Returns
// what it changed (nothing for a seed outside the image or a seed that
// already has `color`).
PictureDelta fill(QImage &image, QPoint seed, QRgb color);

} // namespace FloodFill
