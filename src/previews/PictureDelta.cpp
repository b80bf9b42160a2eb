#include "previews/PictureDelta.h"

#include <algorithm>
#include <bit>

namespace {

QRgb *row(QImage &image, int y)
{
    return reinterpret_cast<QRgb *>(image.scanLine(y));
}

} // namespace

size_t PictureDelta::bytes() const
{
    return m_mask.capacity() * sizeof(quint64)
        + (m_before.capacity() + m_after.capacity()) * sizeof(QRgb);
}

void PictureDelta::apply(QImage &image, bool forward) const
{
    if (isEmpty())
        return;
    const std::vector<QRgb> &colors = forward ? m_after : m_before;
    size_t next = 0;
    for (int r = 0; r < m_rows; ++r) {
        QRgb *pixels = row(image, m_top + r);
        for (int w = 0; w < m_words; ++w) {
            quint64 bits = m_mask[size_t(r) * m_words + w];
            const int x0 = (m_firstWord + w) * 64;
            if (bits == ~quint64(0) && uniform()) {
                std::fill(pixels + x0, pixels + x0 + 64, colors[0]);
                continue;
            }
            while (bits) {
                pixels[x0 + std::countr_zero(bits)] = uniform() ? colors[0] : colors[next++];
                bits &= bits - 1;
            }
        }
    }
}

PictureDelta PictureDelta::difference(const QImage &from, const QImage &to)
{
    Builder builder(from.size());
    std::vector<QRgb> before;
    std::vector<QRgb> after;
    for (int y = 0; y < from.height(); ++y) {
        const auto *pa = reinterpret_cast<const QRgb *>(from.constScanLine(y));
        const auto *pb = reinterpret_cast<const QRgb *>(to.constScanLine(y));
        for (int x = 0; x < from.width(); ++x) {
            if (pa[x] != pb[x]) {
                builder.addSpan(y, x, x);
                before.push_back(pa[x]);
                after.push_back(pb[x]);
            }
        }
    }
    PictureDelta delta = builder.finish(0, 0);
    const auto same = [](const std::vector<QRgb> &colors) {
        return std::all_of(colors.begin(), colors.end(), [&](QRgb c) { return c == colors[0]; });
    };
    if (!same(before) || !same(after)) {
        delta.m_before = std::move(before);
        delta.m_after = std::move(after);
    } else if (!before.empty()) {
        delta.m_before = { before[0] };
        delta.m_after = { after[0] };
    }
    return delta;
}

namespace {

thread_local std::vector<quint64> t_builderBits;
thread_local bool t_builderInUse = false;

} // namespace

PictureDelta::Builder::Builder(QSize picture) : m_wordsPerRow((picture.width() + 63) / 64)
{
    Q_ASSERT(!t_builderInUse);
    t_builderInUse = true;
    const size_t words = size_t(m_wordsPerRow) * std::max(picture.height(), 0);
    if (t_builderBits.size() < words)
        t_builderBits.resize(words);
    m_bits = t_builderBits.data();
}

PictureDelta::Builder::~Builder()
{
    if (m_bottom >= m_top)
        std::fill(m_bits + size_t(m_top) * m_wordsPerRow,
            m_bits + size_t(m_bottom + 1) * m_wordsPerRow, quint64(0));
    t_builderInUse = false;
}

void PictureDelta::Builder::addSpan(int y, int left, int right)
{
    includeRows(y, y);
    quint64 *words = m_bits + size_t(y) * m_wordsPerRow;
    const auto ones = [](int from, int to) { // bits from..to of one word
        return (~quint64(0) >> (63 - to)) & (~quint64(0) << from);
    };
    const int first = left / 64;
    const int last = right / 64;
    if (first == last) {
        words[first] |= ones(left % 64, right % 64);
        return;
    }
    words[first] |= ones(left % 64, 63);
    std::fill(words + first + 1, words + last, ~quint64(0));
    words[last] |= ones(0, right % 64);
}

PictureDelta PictureDelta::Builder::finish(QRgb before, QRgb after)
{
    PictureDelta delta;
    int firstWord = m_wordsPerRow;
    int lastWord = -1;
    for (int y = m_top; y <= m_bottom; ++y) {
        const quint64 *words = m_bits + size_t(y) * m_wordsPerRow;
        for (int w = 0; w < m_wordsPerRow; ++w) {
            if (words[w]) {
                delta.m_changed += std::popcount(words[w]);
                firstWord = std::min(firstWord, w);
                lastWord = std::max(lastWord, w);
            }
        }
    }
    if (delta.m_changed == 0)
        return delta;
    delta.m_top = m_top;
    delta.m_rows = m_bottom - m_top + 1;
    delta.m_firstWord = firstWord;
    delta.m_words = lastWord - firstWord + 1;
    delta.m_mask.resize(size_t(delta.m_rows) * delta.m_words);
    for (int r = 0; r < delta.m_rows; ++r)
        std::copy_n(m_bits + size_t(m_top + r) * m_wordsPerRow + firstWord, delta.m_words,
            delta.m_mask.begin() + size_t(r) * delta.m_words);
    delta.m_before = { before };
    delta.m_after = { after };
    return delta;
}
