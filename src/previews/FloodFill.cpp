#include "previews/FloodFill.h"

#include <algorithm>
#include <vector>

namespace FloodFill {

namespace {

// Bit b of word w of a row stands for pixel 64 w + b. Spreads `from`
// through the runs of set bits of `through` towards higher bits (to the
// right), 64 pixels at a time: a Kogge-Stone fill, six steps whatever the
// length of the runs.
quint64 spreadRight(quint64 from, quint64 through)
{
    from |= through & (from << 1);
    through &= through << 1;
    from |= through & (from << 2);
    through &= through << 2;
    from |= through & (from << 4);
    through &= through << 4;
    from |= through & (from << 8);
    through &= through << 8;
    from |= through & (from << 16);
    through &= through << 16;
    return from | (through & (from << 32));
}

quint64 spreadLeft(quint64 from, quint64 through)
{
    from |= through & (from >> 1);
    through &= through >> 1;
    from |= through & (from >> 2);
    through &= through >> 2;
    from |= through & (from >> 4);
    through &= through >> 4;
    from |= through & (from >> 8);
    through &= through >> 8;
    from |= through & (from >> 16);
    through &= through >> 16;
    return from | (through & (from >> 32));
}

// Which pixels of each row have the target colour, as bits, worked out for
// a row the first time the fill reaches it. The memory is kept between
// fills (fresh memory costs a page fault per page); a row is written whole
// before it is read, so it needs no clearing.
class TargetRows {
public:
    TargetRows(const QImage &image, QRgb target, int wordsPerRow)
        : m_image(image), m_target(target), m_width(image.width()), m_wordsPerRow(wordsPerRow)
    {
        thread_local std::vector<quint64> bits;
        thread_local std::vector<uchar> known;
        bits.resize(std::max(bits.size(), size_t(wordsPerRow) * image.height()));
        known.assign(size_t(image.height()), 0);
        m_bits = bits.data();
        m_known = known.data();
    }

    const quint64 *row(int y)
    {
        quint64 *bits = m_bits + size_t(y) * m_wordsPerRow;
        if (!m_known[y]) {
            m_known[y] = 1;
            const auto *pixels = reinterpret_cast<const QRgb *>(m_image.constScanLine(y));
            for (int w = 0; w < m_wordsPerRow; ++w, pixels += 64) {
                const int count = std::min(64, m_width - 64 * w);
                quint64 word = 0;
                for (int i = 0; i < count; ++i)
                    word |= quint64(pixels[i] == m_target) << i;
                bits[w] = word;
            }
        }
        return bits;
    }

private:
    const QImage &m_image;
    QRgb m_target;
    int m_width;
    int m_wordsPerRow;
    quint64 *m_bits;
    uchar *m_known;
};

// A word to visit and the pixels in it that filled neighbours reach.
struct Visit {
    int y;
    int w;
    quint64 seeds;
};

} // namespace

PictureDelta fill(QImage &image, QPoint seed, QRgb color)
{
    if (!image.rect().contains(seed))
        return {};
    Q_ASSERT(image.format() == QImage::Format_RGB32);
    const QRgb target = image.pixel(seed);
    if (target == color)
        return {};

    // The region is found on bit masks, 64 pixels a word, before a pixel
    // is written: a visit spreads its seeds along their runs in the word
    // and passes what it added to the words above and below, and to the
    // next word of the row where a run reaches the word's edge. The masks
    // take a sixteenth of the picture's memory, so the search stays in the
    // cache where a pixel-by-pixel fill roams the whole picture; the
    // colour is then written row by row.
    PictureDelta::Builder filled(image.size());
    const int words = filled.wordsPerRow();
    const int height = image.height();
    quint64 *const done = filled.row(0);
    int top = seed.y();
    int bottom = seed.y();
    TargetRows targets(image, target, words);
    // Kept between fills: a winding region needs a deep stack, and fresh
    // memory costs a page fault per page.
    thread_local std::vector<Visit> stack(256);
    size_t size = 0;
    const auto push = [&](const Visit &visit) {
        if (size == stack.size())
            stack.resize(2 * size);
        stack[size++] = visit;
    };
    push({ seed.y(), seed.x() / 64, quint64(1) << (seed.x() % 64) });
    while (size > 0) {
        const Visit visit = stack[--size];
        const quint64 open = targets.row(visit.y)[visit.w];
        quint64 &word = done[size_t(visit.y) * words + visit.w];
        const quint64 seeds = visit.seeds & open & ~word;
        if (!seeds)
            continue;
        const quint64 added = (spreadRight(seeds, open) | spreadLeft(seeds, open)) & ~word;
        word |= added;
        top = std::min(top, visit.y);
        bottom = std::max(bottom, visit.y);
        if ((added >> 63) && visit.w + 1 < words)
            push({ visit.y, visit.w + 1, 1 });
        if ((added & 1) && visit.w > 0)
            push({ visit.y, visit.w - 1, quint64(1) << 63 });
        for (const int y : { visit.y - 1, visit.y + 1 }) {
            if (y < 0 || y >= height)
                continue;
            const quint64 reached
                = added & targets.row(y)[visit.w] & ~done[size_t(y) * words + visit.w];
            if (reached)
                push({ y, visit.w, reached });
        }
    }
    filled.row(top);
    filled.row(bottom);
    PictureDelta change = filled.finish(target, color);
    change.apply(image, true);
    return change;
}

} // namespace FloodFill
