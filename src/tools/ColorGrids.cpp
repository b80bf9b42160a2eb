#include "tools/ColorGrids.h"

namespace ColorGrids {

Shades shades(ColorValue workingColor)
{
    const HSVColor hsv = ColorToHSV(workingColor);

    Shades result {};
    for (int i = 0; i < ShadeRows; ++i) {
        // H and S stay fractions; V is a whole percentage, which HSVToColor
        // tells apart because it is above 1 (row 0 is 0 either way).
        result[i] = HSVToColor({ hsv.H, hsv.S, static_cast<float>(5 * i) });
    }
    return result;
}

} // namespace ColorGrids
