#pragma once

#include "core/mod_ColorConversion.h"

#include <array>
#include <cstdint>

// A palette is a grid of 4 rows by 4 columns; cell (row, col) is slot
// row * 4 + col everywhere (stored colours, snapshots, the palette file).
inline constexpr int kPaletteRows = 4;
inline constexpr int kPaletteCols = 4;
inline constexpr int kPaletteCells = kPaletteRows * kPaletteCols;

// The colours of all cells in slot order; kEmptyCell (-1) marks an empty cell.
using PaletteColors = std::array<ColorValue, kPaletteCells>;

// A grid position, both counted from 0.
struct cCell {
    int16_t row = 0;
    int16_t col = 0;
    friend bool operator==(const cCell &, const cCell &) = default;
};
