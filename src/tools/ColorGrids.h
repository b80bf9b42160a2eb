#pragma once

#include "core/mod_ColorConversion.h"

#include <array>

// Contents of the three fixed-shape colour grids of the main window: the
// shades column, the web-safe block and the common colours column. Plain
// computations; the grids themselves only display these values.
namespace ColorGrids {

inline constexpr int ShadeRows = 20;
inline constexpr int WebSafeRows = 6;
inline constexpr int WebSafeColumns = 36;
inline constexpr int CommonRows = 16;

using Shades = std::array<ColorValue, ShadeRows>;

// Row i shows the working colour's hue and saturation at brightness 5 * i
// percent: row 0 is black, row 19 is 95 %; full brightness never appears.
Shades shades(ColorValue workingColor);

// The web-safe levels 0, 51, ..., 255. Red grows down the rows, green steps
// every six columns and blue cycles within each group of six.
// row is 0..5, column 0..35.
constexpr ColorValue webSafeColor(int row, int column)
{
    constexpr int Step = 51;
    const int red = Step * row;
    const int green = Step * (column / 6);
    const int blue = Step * (column % 6);
    return red + 256 * green + 65536 * blue;
}

// Top to bottom.
inline constexpr std::array<ColorValue, CommonRows> CommonColors = {
    0xFFFFFF, // white
    0x000000, // black
    0x808080, // grey
    0x000080, // dark red
    0x008000, // dark green
    0x800000, // dark blue
    0x808000, // dark cyan
    0x800080, // dark magenta
    0x008080, // dark yellow
    0xC0C0C0, // light grey
    0x00FFFF, // yellow
    0xFF0000, // blue
    0x00FF00, // green
    0xFFFF00, // cyan
    0x0000FF, // red
    0xFF00FF, // magenta
};

} // namespace ColorGrids
