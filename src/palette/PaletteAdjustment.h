#pragma once

#include "core/mod_ColorConversion.h"

#include <QStringView>

#include <optional>

// Steps a colour's HSV brightness or saturation by 10 percentage points.
// Working units: hue in degrees, saturation and value in percent, all 32-bit
// floats. A component is raised only while below 90 and lowered only while
// above 10, so a raised one stays below 100 and a lowered one above 0.
class PaletteAdjustment {
public:
    enum class Kind { None, Lighten, Darken, Saturate, Desaturate };

    // Toolbar keys: "S+" lighten, "S-" darken (both change the value),
    // "V+" saturate, "V-" desaturate (both change the saturation).
    static Kind fromToolbarKey(QStringView key);
    // "lighten", "darken", "saturate", "desaturate"; case matters.
    static Kind fromWord(QStringView word);
    // The palette window's keys: 'w' lighten, 'q' darken, 's' saturate,
    // 'd' desaturate; lower case only.
    static Kind fromKey(char16_t character);

    // The stepped colour, or nothing when `kind` is None or the component is
    // already at its limit.
    static std::optional<ColorValue> adjusted(ColorValue color, Kind kind);

    // Always a colour: the stepped one, or `color` sent through the HSV round
    // trip unchanged, which can move its hue to whole degrees.
    static ColorValue rewritten(ColorValue color, Kind kind);
};
