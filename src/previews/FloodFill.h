#pragma once

#include "previews/PictureDelta.h"

#include <QImage>
#include <QPoint>

namespace FloodFill {

// Surface fill: every pixel of the seed's colour that is joined to the seed
// through pixels of that colour sharing an edge takes `color`. The region is
// found on bit masks, 64 pixels at a time, and then coloured row by row.
// `image` must be Format_RGB32; colours compare as whole QRgb values. Returns
// what it changed (nothing for a seed outside the image or a seed that
// already has `color`).
PictureDelta fill(QImage &image, QPoint seed, QRgb color);

} // namespace FloodFill
