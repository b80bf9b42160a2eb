#pragma once

#include "core/mod_ColorConversion.h"

#include <QColor>

// A ColorValue (0x00BBGGRR) as Qt's colour, for painting.
inline QColor toQColor(ColorValue color)
{
    const RGBColor rgb = ColorToRGB(color);
    return QColor(rgb.R, rgb.G, rgb.B);
}
