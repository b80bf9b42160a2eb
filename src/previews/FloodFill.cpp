#include "previews/FloodFill.h"

namespace FloodFill {

namespace {

// Rows of a Format_RGB32 image as plain 32-bit pixels.
struct Pixels {
    explicit Pixels(QImage &image)
        : bits(image.bits()), stride(image.bytesPerLine()), width(image.width()),
          height(image.height())
    {
    }
    QRgb *row(int y) const { return reinterpret_cast<QRgb *>(bits + qsizetype(y) * stride); }

    uchar *bits;
    qsizetype stride;
    int width;
    int height;
};

// Seeds whose row still has to be scanned: a row and the x range of the
// span that was filled next to it.
struct Seed {
    int y;
    int left;
    int right; // inclusive
};

} // namespace

PictureDelta fill(QImage &image, QPoint seed, QRgb color)
{
    PictureDelta changed;
    if (!image.rect().contains(seed))
        return changed;
    Q_ASSERT(image.format() == QImage::Format_RGB32);
    const Pixels px(image);
    const QRgb target = px.row(seed.y())[seed.x()];
    if (target == color)
        return changed;

    // Fill the seed's span, then look for target pixels in the rows above
    // and below each filled span; every run of them found there is filled
    // as a span in turn. A span is filled as soon as it is found, so no
    // pixel is queued twice.
    auto fillSpan = [&](int y, int x) -> Seed {
        QRgb *row = px.row(y);
        int left = x;
        int right = x;
        while (left > 0 && row[left - 1] == target)
            --left;
        while (right + 1 < px.width && row[right + 1] == target)
            ++right;
        std::fill(row + left, row + right + 1, color);
        changed.push_back({ y, left, right - left + 1, target, color });
        return { y, left, right };
    };

    std::vector<Seed> stack;
    stack.push_back(fillSpan(seed.y(), seed.x()));
    while (!stack.empty()) {
        const Seed span = stack.back();
        stack.pop_back();
        for (const int y : { span.y - 1, span.y + 1 }) {
            if (y < 0 || y >= px.height)
                continue;
            const QRgb *row = px.row(y);
            for (int x = span.left; x <= span.right; ++x) {
                if (row[x] != target)
                    continue;
                const Seed found = fillSpan(y, x);
                stack.push_back(found);
                x = found.right; // the pixel after it is no target
            }
        }
    }
    return changed;
}

void apply(QImage &image, const PictureDelta &delta, bool forward)
{
    const Pixels px(image);
    for (const PixelRun &run : delta) {
        QRgb *start = px.row(run.y) + run.x;
        std::fill(start, start + run.length, forward ? run.after : run.before);
    }
}

PictureDelta difference(const QImage &from, const QImage &to)
{
    PictureDelta delta;
    for (int y = 0; y < from.height(); ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(from.constScanLine(y));
        const auto *b = reinterpret_cast<const QRgb *>(to.constScanLine(y));
        for (int x = 0; x < from.width(); ++x) {
            if (a[x] == b[x])
                continue;
            if (!delta.empty()) {
                PixelRun &last = delta.back();
                if (last.y == y && last.x + last.length == x && last.before == a[x]
                    && last.after == b[x]) {
                    ++last.length;
                    continue;
                }
            }
            delta.push_back({ y, x, 1, a[x], b[x] });
        }
    }
    return delta;
}

size_t bytes(const PictureDelta &delta)
{
    return delta.capacity() * sizeof(PixelRun);
}

} // namespace FloodFill
