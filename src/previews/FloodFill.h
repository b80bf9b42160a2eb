#pragma once

#include <QImage>
#include <QPoint>
#include <vector>

// A stretch of pixels of one row that changed from one colour to another:
// what a fill did, and what the vector preview's history keeps of it.
struct PixelRun {
    int y = 0;
    int x = 0; // first pixel of the run
    int length = 0; // pixels, >= 1
    QRgb before = 0;
    QRgb after = 0;
    friend bool operator==(const PixelRun &, const PixelRun &) = default;
};

using PictureDelta = std::vector<PixelRun>;

namespace FloodFill {

// Surface fill: every pixel of the seed's colour that is joined to the seed
// through pixels of that colour sharing an edge takes `color`. Works row
// span by row span, so each pixel is read a few times and written once.
// `image` must be Format_RGB32; colours compare as whole QRgb values. Returns
// the runs it changed (nothing for a seed outside the image or a seed that
// already has `color`).
PictureDelta fill(QImage &image, QPoint seed, QRgb color);

// Writes each run's `after` colour (forward) or `before` colour (back).
void apply(QImage &image, const PictureDelta &delta, bool forward);

// The runs that turn `from` into `to` (same size and format, Format_RGB32).
PictureDelta difference(const QImage &from, const QImage &to);

// Bytes a delta holds on the heap.
size_t bytes(const PictureDelta &delta);

} // namespace FloodFill
