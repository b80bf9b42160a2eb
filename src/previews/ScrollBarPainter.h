#pragma once

#include "previews/ScrollBarModel.h"

#include <QImage>

// The scroll-bar designer's drawing: a vertical scroll bar in the seven
// colours on the grey board, pixel by pixel. A pure function of the colours,
// so the picture can be compared with saved images.
namespace ScrollBarPainter {

// The board at 15 twips a pixel (2820 x 3855 twips) and its colour.
inline constexpr QSize kBoardSize(188, 257);
inline constexpr QRgb kBoardColor = 0xffc0c0c0;
// The bar's left edge in board pixels.
inline constexpr int kBarLeft = 145;

// The board with the scroll bar drawn on it (Format_RGB32).
QImage render(const ScrollBarModel::Colors &colors, QSize boardSize = kBoardSize);

// Draws the scroll bar on `board`: the bar's left edge at x = 145, its top
// at y = 18, 18 pixels wide and 220 high; a checkered track, the thumb 50
// pixels below the top button and 80 long, the two square buttons and their
// arrows. Pixels outside the board are skipped.
void draw(QImage &board, const ScrollBarModel::Colors &colors);

} // namespace ScrollBarPainter
