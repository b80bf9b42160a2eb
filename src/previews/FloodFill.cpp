#include "previews/FloodFill.h"

#include <vector>

namespace FloodFill {

namespace {

// A filled span whose neighbouring rows still have to be searched.
struct Span {
    int y;
    int left;
    int right; // inclusive
};

} // namespace

PictureDelta fill(QImage &image, QPoint seed, QRgb color)
{
    if (!image.rect().contains(seed))
        return {};
    Q_ASSERT(image.format() == QImage::Format_RGB32);
    uchar *const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const int width = image.width();
    const int height = image.height();
    const auto row = [&](int y) { return reinterpret_cast<QRgb *>(bits + qsizetype(y) * stride); };
    const QRgb target = row(seed.y())[seed.x()];
    if (target == color)
        return {};

    // Fill the seed's span, then search the rows above and below each
    // filled span for pixels of the target colour; each run of them found
    // there is widened to its whole span and filled in turn. A span is
    // filled as soon as it is found, so no pixel is queued twice.
    PictureDelta::Builder changed(image.size());
    const auto fillSpan = [&](int y, int x) -> Span {
        QRgb *pixels = row(y);
        int left = x;
        int right = x;
        while (left > 0 && pixels[left - 1] == target)
            --left;
        while (right + 1 < width && pixels[right + 1] == target)
            ++right;
        std::fill(pixels + left, pixels + right + 1, color);
        changed.addSpan(y, left, right);
        return { y, left, right };
    };

    std::vector<Span> stack { fillSpan(seed.y(), seed.x()) };
    while (!stack.empty()) {
        const Span span = stack.back();
        stack.pop_back();
        for (const int y : { span.y - 1, span.y + 1 }) {
            if (y < 0 || y >= height)
                continue;
            const QRgb *pixels = row(y);
            for (int x = span.left; x <= span.right; ++x) {
                if (pixels[x] != target)
                    continue;
                stack.push_back(fillSpan(y, x));
                x = stack.back().right; // the pixel after it is no target
            }
        }
    }
    return changed.finish(target, color);
}

} // namespace FloodFill
