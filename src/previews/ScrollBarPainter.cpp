#include "previews/ScrollBarPainter.h"

namespace ScrollBarPainter {

namespace {

// Bar geometry in board pixels.
constexpr int kLeft = kBarLeft;
constexpr int kTop = 18;
constexpr int kWidth = 18;
constexpr int kHeight = 220;
constexpr int kButton = kWidth; // square arrow buttons
constexpr int kThumbOffset = 50;
constexpr int kThumbLength = 80;

QRgb rgbOf(ColorValue color)
{
    const RGBColor rgb = ColorToRGB(color);
    return qRgb(rgb.R, rgb.G, rgb.B);
}

// Drawing on the board with the platform's line rule: a line covers its
// start point and stops one pixel short of its end point.
class Pen {
public:
    Pen(QImage &board, const ScrollBarModel::Colors &colors) : m_board(board), m_colors(colors) { }

    void pixel(int x, int y, int index)
    {
        if (m_board.rect().contains(x, y))
            reinterpret_cast<QRgb *>(m_board.scanLine(y))[x] = rgbOf(m_colors[index]);
    }
    // Horizontal (y1 == y2) or vertical (x1 == x2) lines only.
    void line(int x1, int y1, int x2, int y2, int index)
    {
        if (y1 == y2) {
            for (int x = x1; x < x2; ++x)
                pixel(x, y1, index);
        } else {
            for (int y = y1; y < y2; ++y)
                pixel(x1, y, index);
        }
    }
    // Filled rectangle, both corners included.
    void fill(int x1, int y1, int x2, int y2, int index)
    {
        for (int y = y1; y <= y2; ++y) {
            for (int x = x1; x <= x2; ++x)
                pixel(x, y, index);
        }
    }

private:
    QImage &m_board;
    const ScrollBarModel::Colors &m_colors;
};

// A raised box: light outer top and left, dark outer right and bottom, then
// highlight and shadow one pixel inside, then the face.
void box3D(Pen &pen, int x1, int y1, int x2, int y2)
{
    using M = ScrollBarModel;
    pen.line(x1, y1, x2, y1, M::Light3D);
    pen.line(x1, y1, x1, y2, M::Light3D);
    pen.line(x2, y1, x2, y2 + 1, M::DarkShadow);
    pen.line(x1, y2, x2, y2, M::DarkShadow);
    ++x1, ++y1, --x2, --y2;
    pen.line(x1, y1, x2, y1, M::Highlight);
    pen.line(x1, y1, x1, y2, M::Highlight);
    pen.line(x2, y1, x2, y2 + 1, M::Shadow);
    pen.line(x1, y2, x2, y2, M::Shadow);
    ++x1, ++y1, --x2, --y2;
    pen.fill(x1, y1, x2, y2, M::Face);
}

// Five rows widening away from the tip (cx, cy): upwards when `up`.
void arrow(Pen &pen, int cx, int cy, bool up)
{
    for (int i = 0; i <= 4; ++i) {
        const int y = up ? cy + i : cy - i;
        pen.line(cx - i, y, cx + i, y, ScrollBarModel::Arrow);
    }
}

} // namespace

QImage render(const ScrollBarModel::Colors &colors, QSize boardSize)
{
    QImage board(boardSize, QImage::Format_RGB32);
    board.fill(kBoardColor);
    draw(board, colors);
    return board;
}

void draw(QImage &board, const ScrollBarModel::Colors &colors)
{
    Pen pen(board, colors);
    const int x = kLeft;
    const int y = kTop;
    const int right = x + kWidth - 1;
    for (int r = y + 1; r <= y + kHeight - 1; ++r) {
        for (int c = x + 1 + r % 2; c <= right - r % 2; c += 2)
            pen.pixel(c, r, ScrollBarModel::Track);
    }
    const int thumbTop = y + kButton + kThumbOffset + 1;
    box3D(pen, x + 1, thumbTop, right, thumbTop + kThumbLength);
    box3D(pen, x + 1, y + 1, right, y + kButton);
    const int bottomButton = y + kHeight - 1 - (kButton - 1);
    box3D(pen, x + 1, bottomButton, right, y + kHeight - 1);
    const int cx = (x + 1 + right) / 2;
    arrow(pen, cx, y + 6, true);
    arrow(pen, cx, bottomButton + 11, false);
}

} // namespace ScrollBarPainter
