#pragma once

#include "core/mod_ColorConversion.h"

#include <QString>
#include <array>

// The three readouts of a selected colour, in the palette window's and the
// main window's status boxes alike.
struct ColorTexts {
    QString decimal; // "255-128-0": red, green, blue
    QString ampersandHex; // "&H80FF"
    QString web; // "#FF8000"
    friend bool operator==(const ColorTexts &, const ColorTexts &) = default;
};

// The texts of the status boxes, the colour information grid and the "Copy
// Color" items. All are built from the colour core, so readouts and
// clipboard agree.
namespace ColorFormats {

// "80FF": the ColorValue in upper-case hexadecimal without leading zeros;
// the bit pattern, so that no sign ever shows.
QString plainHex(ColorValue color);
// "&H80FF": plainHex after "&H".
QString ampersandHex(ColorValue color);

// The readouts of `color` (a shown colour, 0..0xFFFFFF).
ColorTexts readouts(ColorValue color);

// Value column of the colour information grid, rows "R.G.B", "H.S.V",
// "C.M.Y", "C.M.Y.K", "HEX", "WEB" in that order.
inline constexpr int kInfoRows = 6;
std::array<QString, kInfoRows> infoLabels();
std::array<QString, kInfoRows> infoValues(ColorValue color);

// Clipboard texts of the "Copy Color" submenu.
QString copyWeb(ColorValue color); // "#FF8000"
QString copyHex(ColorValue color); // "FF8000"
QString copyRgb(ColorValue color); // "255,128,0"
QString copyHsv(ColorValue color); // "30.11767,1,1": degrees, then fractions
QString copyCmy(ColorValue color); // "0,0.4980392,1": ink fractions

// Shortest decimal text of a 32-bit float with at most 7 significant digits,
// never in exponent form for the magnitudes colours produce (0..360).
QString shortFloatText(float value);

} // namespace ColorFormats
