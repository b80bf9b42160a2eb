#pragma once

#include "core/mod_ColorConversion.h"

#include <QString>
#include <array>

// The texts of the colour information grid and of the "Copy Color" items.
// All are built from the colour core, so readouts and clipboard agree.
namespace ColorFormats {

// "80FF": the ColorValue in upper-case hexadecimal without leading zeros.
QString plainHex(ColorValue color);

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
