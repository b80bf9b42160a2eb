#pragma once

#include "core/mod_ColorConversion.h"

#include <QString>

// The three readouts shown for a selected colour, in the palette window's and
// the main window's status boxes alike.
struct ColorTexts {
    QString decimal; // "255-128-0": red, green, blue
    QString ampersandHex; // "&H" + hexadecimal ColorValue, upper case, no leading zeros: "&H80FF"
    QString web; // "#FF8000"
    friend bool operator==(const ColorTexts &, const ColorTexts &) = default;
};

// The readout texts of `color` (a shown colour, 0..0xFFFFFF).
ColorTexts SelectionChanged(ColorValue color);
