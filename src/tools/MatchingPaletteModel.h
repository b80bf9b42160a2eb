#pragma once

#include "core/mod_ColorConversion.h"

#include <array>

// The eight-colour matching palette built from a prime colour.
//
// The prime colour comes from three sliders (red, green, blue, 0..255). Each
// matching colour is an HSV triple with the hue in degrees and saturation and
// brightness in percent, handed to HSVToColor exactly as computed: a
// brightness below 0 or above 100, a saturation or brightness of at most 1,
// or a hue below 1 degree is interpreted by HSVToColor's own unit rules,
// not corrected here. No cell ever holds 0: black is stored as 0x000001.
class MatchingPaletteModel {
public:
    static constexpr int ColumnCount = 8;
    using Colors = std::array<ColorValue, ColumnCount>;

    // Starts with prime colour black and its palette.
    MatchingPaletteModel();

    // Components are clamped to 0..255, the sliders' range. Rebuilds the
    // palette; returns false when the prime colour did not change.
    bool setPrime(int red, int green, int blue);
    // The working colour split into components, as the sliders take it.
    bool setPrime(ColorValue color);

    int red() const { return m_red; }
    int green() const { return m_green; }
    int blue() const { return m_blue; }
    ColorValue primeColor() const { return MakeColorValue(m_red, m_green, m_blue); }

    // column is 0..ColumnCount-1; the palette is appended in column order.
    ColorValue color(int column) const;
    const Colors &colors() const { return m_colors; }

    // The eight matching colours in column order for a prime colour with
    // components 0..255.
    static Colors BuildMatchingPalette(int red, int green, int blue);

    // max if value is above it, else 0 if value is below 0, else value.
    static float ClampPercent(float value, float max);

    // Stores color in column cellNumber - 1 (cellNumber is 1..8), black as
    // 0x000001 so that a matching cell never reads as 0.
    static void SetMatchCell(Colors &cells, int cellNumber, ColorValue color);

private:
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    Colors m_colors;
};
