#pragma once

#include <QImage>
#include <QRect>
#include <algorithm>
#include <climits>
#include <vector>

// What changed between two pictures of the same size (Format_RGB32): which
// pixels, as one bit each over the rows and 64-pixel columns they span, and
// their colours before and after. A fill turns pixels of one colour into
// another, so it keeps one colour of each; any other change keeps one per
// changed pixel, in row order. A fill of a whole 4096 x 4096 picture thus
// costs 2 MiB where a copy of the picture costs 64 MiB.
class PictureDelta {
public:
    bool isEmpty() const { return m_changed == 0; }
    qsizetype changedPixels() const { return m_changed; }
    // Bytes held on the heap.
    size_t bytes() const;

    // Writes the colours after (forward) or before the change.
    void apply(QImage &image, bool forward) const;

    // The change that turns `from` into `to`.
    static PictureDelta difference(const QImage &from, const QImage &to);

    // Collects the pixels a change covers, one bit per pixel of the picture
    // while it works. The memory is kept for the next change on the same
    // thread (fresh memory costs a page fault per page), so only one
    // Builder of a thread may exist at a time.
    class Builder {
    public:
        explicit Builder(QSize picture);
        ~Builder();
        Builder(const Builder &) = delete;
        Builder &operator=(const Builder &) = delete;
        // Bit b of word w of a row stands for pixel 64 w + b; row y starts
        // at word y * wordsPerRow() of bits().
        int wordsPerRow() const { return m_wordsPerRow; }
        quint64 *bits() const { return m_bits; }
        // Rows top..bottom hold bits set through bits().
        void includeRows(int top, int bottom)
        {
            m_top = std::min(m_top, top);
            m_bottom = std::max(m_bottom, bottom);
        }
        // Pixels left..right (inclusive) of row y.
        void addSpan(int y, int left, int right);
        PictureDelta finish(QRgb before, QRgb after);

    private:
        int m_wordsPerRow;
        quint64 *m_bits; // all zero between uses
        int m_top = INT_MAX;
        int m_bottom = -1;
    };

private:
    bool uniform() const { return m_before.size() == 1; }

    int m_top = 0; // first row
    int m_rows = 0;
    int m_firstWord = 0; // first 64-pixel column
    int m_words = 0; // 64-pixel columns per row
    std::vector<quint64> m_mask; // m_rows x m_words; bit i of a word is pixel 64 * word + i
    std::vector<QRgb> m_before;
    std::vector<QRgb> m_after;
    qsizetype m_changed = 0;
};
