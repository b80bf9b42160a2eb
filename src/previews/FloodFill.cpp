#include "previews/FloodFill.h"

#include <algorithm>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

// Which pixels of each row have the target colour, as bits, with an empty
// row above the first and below the last, so that the search needs no
// bounds checks. The memory is kept between fills (fresh memory costs a
// page fault per page).
class TargetRows {
public:
    TargetRows(const QImage &image, QRgb target, int wordsPerRow) : m_wordsPerRow(wordsPerRow)
    {
        thread_local std::vector<quint64> bits;
        bits.resize(size_t(wordsPerRow) * (image.height() + 2));
        std::fill_n(bits.begin(), wordsPerRow, 0);
        std::fill_n(bits.end() - wordsPerRow, wordsPerRow, 0);
        m_rows = bits.data() + wordsPerRow;
        for (int y = 0; y < image.height(); ++y) {
            const auto *pixels = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            quint64 *row = m_rows + size_t(y) * wordsPerRow;
            for (int w = 0; w < wordsPerRow; ++w, pixels += 64)
                row[w] = matches(pixels, std::min(64, image.width() - 64 * w), target);
        }
    }

    // Row -1 and row height() are empty.
    quint64 at(int y, int w) const { return m_rows[qsizetype(y) * m_wordsPerRow + w]; }

private:
    // Bit i set where pixels[i] is `target`, for i < count.
    static quint64 matches(const QRgb *pixels, int count, QRgb target)
    {
        quint64 word = 0;
        int i = 0;
#ifdef __SSE2__
        // Four pixels a step: compare, then one bit per pixel.
        const __m128i wanted = _mm_set1_epi32(int(target));
        for (; i + 4 <= count; i += 4) {
            const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i *>(pixels + i));
            const int equal = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(four, wanted)));
            word |= quint64(unsigned(equal)) << i;
        }
#endif
        for (; i < count; ++i)
            word |= quint64(pixels[i] == target) << i;
        return word;
    }

    int m_wordsPerRow;
    quint64 *m_rows;
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
    quint64 *const done = filled.bits();
    const auto doneAt = [&](int y, int w) -> quint64 & { return done[size_t(y) * words + w]; };
    const TargetRows targets(image, target, words);
    int top = seed.y();
    int bottom = seed.y();
    // Kept between fills: a winding region needs a deep stack, and fresh
    // memory costs a page fault per page.
    thread_local std::vector<Visit> stack(256);
    Visit *base = stack.data();
    size_t size = 0;
    const auto push = [&](int y, int w, quint64 seeds) {
        if (size == stack.size()) {
            stack.resize(2 * size);
            base = stack.data();
        }
        base[size++] = { y, w, seeds };
    };
    push(seed.y(), seed.x() / 64, quint64(1) << (seed.x() % 64));
    while (size > 0) {
        const Visit visit = base[--size];
        const quint64 open = targets.at(visit.y, visit.w);
        quint64 &word = doneAt(visit.y, visit.w);
        quint64 added = visit.seeds & open & ~word;
        if (!added)
            continue;
        // Most visits in narrow places add the seeds alone.
        if (((added << 1) | (added >> 1)) & open & ~(added | word))
            added = (spreadRight(added, open) | spreadLeft(added, open)) & ~word;
        word |= added;
        top = std::min(top, visit.y);
        bottom = std::max(bottom, visit.y);
        if ((added >> 63) && visit.w + 1 < words)
            push(visit.y, visit.w + 1, 1);
        if ((added & 1) && visit.w > 0)
            push(visit.y, visit.w - 1, quint64(1) << 63);
        // The empty rows around the picture stop the search at its edges
        // before `done` is read.
        if (const quint64 up = added & targets.at(visit.y - 1, visit.w);
            up && (up & ~doneAt(visit.y - 1, visit.w)))
            push(visit.y - 1, visit.w, up);
        if (const quint64 down = added & targets.at(visit.y + 1, visit.w);
            down && (down & ~doneAt(visit.y + 1, visit.w)))
            push(visit.y + 1, visit.w, down);
    }
    filled.includeRows(top, bottom);
    PictureDelta change = filled.finish(target, color);
    change.apply(image, true);
    return change;
}

} // namespace FloodFill
