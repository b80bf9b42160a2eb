#include "tools/MatchingPaletteModel.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace {

// Every intermediate is a 32-bit float; each step is evaluated in double and
// rounded once when stored, like the colour conversions themselves.
constexpr float f32(double value)
{
    return static_cast<float>(value);
}

// A matching colour before conversion: H in degrees, S and V in percent.
struct Triple {
    float H = 0;
    float S = 0;
    float V = 0;
};

float clamp100(double value)
{
    return MatchingPaletteModel::ClampPercent(f32(value), 100.0f);
}

// Columns 2, 3 and 4 of the palette. Column 2 starts as (H, S, V30); columns
// 3 and 4 as black. Which hue range H falls into decides how they change.
struct AccentTriples {
    Triple B;
    Triple C;
    Triple D;
};

AccentTriples accentTriples(float H, float S, float V, float V15, float V30)
{
    AccentTriples t { { H, S, V30 }, {}, {} };
    if (H < 30) {
        const float h = f32(H + 20.0);
        t.C = { h, S, V15 };
        t.D = { h, S, V30 };
    } else if (H < 60) {
        // Here B's brightness comes from the prime saturation and D is a grey.
        const float h = f32(H + 150.0);
        t.B = { h, clamp100(S - 30.0), clamp100(S - 20.0) };
        t.C = { h, clamp100(S - 70.0), V };
        t.D = { h, 0.0f, clamp100(V + 20.0) };
    } else if (H < 180) {
        const float h = f32(H - 40.0);
        t.B = { h, S, V };
        t.C = { h, S, V15 };
        t.D = { h, S, V30 };
    } else if (H < 220) {
        t.B = { f32(H - 160.0), S, V };
        t.C = { f32(H - 170.0), S, V15 };
        t.D = { f32(H - 170.0), S, V30 };
    } else if (H < 300) {
        const float s = clamp100(S - 60.0);
        t.B = { H, s, V };
        t.C = { H, s, V15 };
        t.D = { H, s, V30 };
    } else {
        // Whole degrees, half to even (the default rounding mode); 359.5 and
        // above wrap to 0.
        const float h = static_cast<float>(static_cast<int>(std::nearbyint(H)) % 360);
        const float s = S <= 50 ? f32(S + 40.0) : f32(S - 40.0);
        t.B = { h, s, V };
        t.C = { h, s, V15 };
        t.D = { h, s, V30 };
    }
    return t;
}

ColorValue toColor(const Triple &t)
{
    return HSVToColor({ t.H, t.S, t.V });
}

} // namespace

MatchingPaletteModel::MatchingPaletteModel() : m_colors(BuildMatchingPalette(0, 0, 0))
{
}

bool MatchingPaletteModel::setPrime(int red, int green, int blue)
{
    red = std::clamp(red, 0, 255);
    green = std::clamp(green, 0, 255);
    blue = std::clamp(blue, 0, 255);
    if (red == m_red && green == m_green && blue == m_blue)
        return false;
    m_red = red;
    m_green = green;
    m_blue = blue;
    m_colors = BuildMatchingPalette(red, green, blue);
    return true;
}

bool MatchingPaletteModel::setPrime(ColorValue color)
{
    const RGBColor rgb = ColorToRGB(color);
    return setPrime(rgb.R, rgb.G, rgb.B);
}

ColorValue MatchingPaletteModel::color(int column) const
{
    assert(column >= 0 && column < ColumnCount);
    return m_colors[column];
}

MatchingPaletteModel::Colors MatchingPaletteModel::BuildMatchingPalette(
    int red, int green, int blue)
{
    const HSVColor hsv
        = RGBToHSV(static_cast<float>(red), static_cast<float>(green), static_cast<float>(blue));
    const float H = f32(hsv.H * 360.0); // degrees, 0 to below 360
    const float S = f32(hsv.S * 100.0); // percent
    const float V = f32(hsv.V * 100.0); // percent

    // Dark and middle colours are stepped brighter, light ones darker.
    const bool up = V <= 70;
    const float V15 = up ? f32(V + 15.0) : f32(V - 15.0);
    const float V30 = up ? f32(V + 30.0) : f32(V - 30.0);

    // A small step the other way; may leave 0..100 (down to -15, up to 115).
    const Triple first { H, S, up ? f32(V - 15.0) : f32(V + 15.0) };
    const Triple second { H, S, V30 };
    const AccentTriples accent = accentTriples(H, S, V, V15, V30);
    const Triple inverseGrey { 0.0f, 0.0f, f32(100.0 - V) };
    const Triple equalGrey { 0.0f, 0.0f, V };
    const Triple last { accent.C.H, accent.C.S, V < 50 ? 100.0f : 0.0f };

    Colors cells {};
    SetMatchCell(cells, 1, toColor(first));
    SetMatchCell(cells, 2, toColor(second));
    SetMatchCell(cells, 3, toColor(accent.B));
    SetMatchCell(cells, 5, toColor(accent.D));
    SetMatchCell(cells, 6, toColor(inverseGrey));
    SetMatchCell(cells, 7, toColor(equalGrey));
    SetMatchCell(cells, 4, toColor(accent.C));
    SetMatchCell(cells, 8, toColor(last));
    return cells;
}

float MatchingPaletteModel::ClampPercent(float value, float max)
{
    if (value > max)
        return max;
    if (value < 0)
        return 0;
    return value;
}

void MatchingPaletteModel::SetMatchCell(Colors &cells, int cellNumber, ColorValue color)
{
    assert(cellNumber >= 1 && cellNumber <= ColumnCount);
    cells[cellNumber - 1] = color == kBlack ? 0x000001 : color;
}
