#include "tools/ColorGrids.h"

namespace ColorGrids {

Shades shades(ColorValue workingColor)
{
    const RGBColor rgb = ColorToRGB(workingColor);
    const HSVColor hsv
        = RGBToHSV(static_cast<float>(rgb.R), static_cast<float>(rgb.G), static_cast<float>(rgb.B));

    Shades result {};
    for (int i = 0; i < ShadeRows; ++i) {
        // H and S stay fractions; V is a whole percentage, which HSVToColor
        // tells apart because it is above 1 (row 0 is 0 either way).
        result[i] = HSVToColor({ hsv.H, hsv.S, static_cast<float>(5 * i) });
    }
    return result;
}

} // namespace ColorGrids
