#include "core/mod_ColorConversion.h"

#include <array>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>

// Numeric discipline: every named intermediate below is a 32-bit float. The
// arithmetic that produces one is written in double (note the explicit
// double() casts: float * float would round too early) and stored with
// store(), which is where the single rounding to float happens. These
// functions run per pixel, so the hot paths replace divisions, modulo and
// library calls by tables and shortcuts; each one says why it changes no bit.

// Both rely on float and double arithmetic happening in their own precision
// (no x87 extended intermediates) with IEEE rounding.
static_assert(FLT_EVAL_METHOD == 0);
static_assert(std::numeric_limits<float>::is_iec559 && std::numeric_limits<double>::is_iec559);

namespace {

constexpr float store(double x)
{
    return static_cast<float>(x);
}

constexpr double kTwoTo31 = 2147483648.0;

// Rounds half to even into *out. False (and 0) when the value is NaN or the
// rounded value does not fit a 32-bit integer, where a plain cast would be
// undefined behaviour.
bool roundToInt32(double x, int32_t *out)
{
    const double r = std::rint(x); // default rounding mode: half to even
    const bool ok = r >= -kTwoTo31 && r < kTwoTo31;
    *out = ok ? static_cast<int32_t>(r) : 0;
    return ok;
}

constexpr int clampByte(int v)
{
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

// Which of the four levels {V, p, q, t} feeds red, green and blue in each
// hue sector i = floor(h / 60). Row 6 serves every other sector value: 5 and
// the negative sectors of a negative hue.
enum Level : uint8_t { kV, kP, kQ, kT };
constexpr uint8_t kSectorLevels[7][3] = {
    { kV, kT, kP },
    { kQ, kV, kP },
    { kP, kV, kT },
    { kP, kQ, kV },
    { kT, kP, kV },
    { kV, kP, kQ },
    { kV, kP, kQ },
};

// For each whole degree from -720 to 720, the entry of h = degree mod 360
// (sign of the dividend): the position f within its sector, with h / 60
// first stored as a float, and the sector's levels. Computed at compile time
// so that the per-pixel path has no division or floor(), and for hues within
// two turns either way no modulo.
struct HueSector {
    float f;
    uint8_t levels[3];
};

constexpr std::array<HueSector, 1441> makeHueSectors()
{
    std::array<HueSector, 1441> table {};
    for (int raw = -720; raw <= 720; ++raw) {
        const int h = raw % 360;
        const float hs = store(h / 60.0);
        int32_t i = static_cast<int32_t>(hs); // truncates toward zero...
        if (static_cast<float>(i) > hs)
            --i; // ...so step down for negative non-integers: floor
        const uint8_t *levels = kSectorLevels[(i >= 0 && i < 6) ? i : 6];
        table[static_cast<size_t>(raw + 720)]
            = { store(double(hs) - i), { levels[0], levels[1], levels[2] } };
    }
    return table;
}

constexpr std::array<HueSector, 1441> kHueSectors = makeHueSectors();

// Below this magnitude roundSmall() is exact.
constexpr float kRoundLimit = 4194304.0f; // 2^22

// Round half to even for |x| < 2^22, without a branch or a library call:
// adding 1.5 * 2^23 gives a float whose unit in the last place is 1, so the
// addition itself rounds x (ties to even, the default rounding mode) and the
// low mantissa bits then hold the integer.
inline int32_t roundSmall(float x)
{
    constexpr float kMagic = 12582912.0f; // 1.5 * 2^23
    return static_cast<int32_t>(
        std::bit_cast<uint32_t>(x + kMagic) - std::bit_cast<uint32_t>(kMagic));
}

// The sector entry for round(H) mod 360. H must be finite.
const HueSector &hueSector(float H)
{
    if (std::fabs(H) < kRoundLimit) {
        int32_t h = roundSmall(H);
        if (h < -720 || h > 720)
            h %= 360; // C++ % also takes the sign of the dividend
        return kHueSectors[static_cast<size_t>(h + 720)];
    }
    // Rare: rint() is exact, and so is fmod() of the whole number it gives.
    const auto h = static_cast<int32_t>(std::fmod(std::rint(double(H)), 360.0));
    return kHueSectors[static_cast<size_t>(h + 720)];
}

// The whole hexcone conversion. False when there is no colour to return: a
// non-finite value after the unit step, or a component that does not fit a
// 32-bit integer. rgb is black then.
bool hsvToRgb(float H, float S, float V, RGBColor *rgb)
{
    // Units: above 1 is percent for S and V; below 1 is a fraction of the
    // circle for H (negative hues included), anything else is degrees.
    if (S > 1)
        S = store(S * 0.01);
    if (V > 1)
        V = store(V * 0.01);
    if (H < 1)
        H = store(H * 360.0);
    *rgb = {};
    if (!(std::isfinite(H) && std::isfinite(S) && std::isfinite(V)))
        return false;

    // No special case for S = 0: p, q and t are then exactly V, so every
    // sector gives the grey round(V * 255).
    const HueSector &sector = hueSector(H);
    const float f = sector.f;
    const float levels[4] = {
        V,
        store((1.0 - S) * V),
        store((1.0 - double(f) * S) * V),
        store((1.0 - (1.0 - f) * double(S)) * V),
    };
    const float r = store(levels[sector.levels[0]] * 255.0);
    const float g = store(levels[sector.levels[1]] * 255.0);
    const float b = store(levels[sector.levels[2]] * 255.0);
    if (std::fabs(r) < kRoundLimit && std::fabs(g) < kRoundLimit && std::fabs(b) < kRoundLimit) {
        *rgb = { roundSmall(r), roundSmall(g), roundSmall(b) };
        return true;
    }
    RGBColor out;
    bool ok = roundToInt32(r, &out.R);
    ok &= roundToInt32(g, &out.G);
    ok &= roundToInt32(b, &out.B);
    if (ok)
        *rgb = out;
    return ok;
}

// ((max - x) / 6 + d / 2) / d: how far x sits from the maximum, as a hue
// offset within the sector.
inline float hueDelta(float max, float x, float d)
{
    return store(((double(max) - x) / 6.0 + double(d) / 2.0) / d);
}

// The hexcone conversion from the component fractions r = R / 255, g, b,
// each already stored as a float.
HSVColor hsvFromFractions(float r, float g, float b)
{
    float min = r < g ? r : g;
    min = b < min ? b : min;
    float max = r > g ? r : g;
    max = b > max ? b : max;
    const float d = store(double(max) - min);
    if (d == 0)
        return { 0, 0, max }; // greys, black and white: no hue, no saturation

    // max is above 0 whenever d is, unless a caller passed negative components:
    // those get saturation 0 rather than a division by zero.
    const float S = max != 0 ? store(double(d) / max) : 0.0f;
    // Exact comparisons in this order: red wins a tie, then green. NaN input
    // matches none and keeps hue 0.
    float H = 0;
    if (r == max)
        H = store(double(hueDelta(max, b, d)) - hueDelta(max, g, d));
    else if (g == max)
        H = store(1.0 / 3.0 + hueDelta(max, r, d) - hueDelta(max, b, d));
    else if (b == max)
        H = store(2.0 / 3.0 + hueDelta(max, g, d) - hueDelta(max, r, d));
    if (H < 0)
        H = store(H + 1.0);
    if (H > 1)
        H = store(H - 1.0);
    return { H, S, max };
}

// store(i / 255.0) for every component value i.
constexpr std::array<float, 256> makeUnitFractions()
{
    std::array<float, 256> table {};
    for (int i = 0; i < 256; ++i)
        table[static_cast<size_t>(i)] = store(i / 255.0);
    return table;
}

constexpr std::array<float, 256> kUnitFractions = makeUnitFractions();

} // namespace

RGBColor ColorToRGB(ColorValue c)
{
    return { c & 0xFF, (c & 0xFF00) / 256, (c & 0xFF0000) / 65536 };
}

ColorValue MakeColorValue(int r, int g, int b)
{
    return clampByte(r) + 256 * clampByte(g) + 65536 * clampByte(b);
}

std::string ColorToRGBString(ColorValue c)
{
    const RGBColor rgb = ColorToRGB(c);
    char buf[12]; // "255-255-255"
    char *p = buf;
    const int parts[3] = { rgb.R, rgb.G, rgb.B };
    for (int k = 0; k < 3; ++k) {
        if (k > 0)
            *p++ = '-';
        p = std::to_chars(p, buf + sizeof buf, parts[k]).ptr;
    }
    return std::string(buf, p);
}

std::string ColorToHex(ColorValue c)
{
    // Integer division truncates toward zero, which matters only for
    // negative values such as the empty cell -1 ("#FF0000").
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const int parts[3] = { c & 255, (c / 256) & 255, (c / 65536) & 255 };
    char buf[7] = { '#' };
    for (int k = 0; k < 3; ++k) {
        buf[1 + 2 * k] = kDigits[parts[k] >> 4];
        buf[2 + 2 * k] = kDigits[parts[k] & 15];
    }
    return std::string(buf, sizeof buf);
}

HSVColor RGBToHSV(float R, float G, float B)
{
    // x * (1 / 255.0) stored as a float equals x / 255.0 stored as a float for
    // every float x (checked exhaustively over all 2^32 bit patterns): the
    // quotient is never close enough to a float rounding boundary for the
    // reciprocal's error to matter. It saves three divisions per pixel.
    constexpr double kInv255 = 1.0 / 255.0;
    return hsvFromFractions(store(R * kInv255), store(G * kInv255), store(B * kInv255));
}

HSVColor ColorToHSV(ColorValue c)
{
    const RGBColor rgb = ColorToRGB(c);
    // Whole components: their fractions come from a table.
    return hsvFromFractions(kUnitFractions[static_cast<size_t>(rgb.R)],
        kUnitFractions[static_cast<size_t>(rgb.G)], kUnitFractions[static_cast<size_t>(rgb.B)]);
}

RGBColor HSVToRGB(float H, float S, float V)
{
    RGBColor rgb;
    hsvToRgb(H, S, V, &rgb);
    return rgb;
}

ColorValue HSVToColor(HSVColor hsv)
{
    RGBColor rgb;
    if (!hsvToRgb(hsv.H, hsv.S, hsv.V, &rgb))
        return kBlack;
    return MakeColorValue(rgb.R, rgb.G, rgb.B);
}

CMYColor RGBToCMY(int R, int G, int B)
{
    return { store(1.0 - R / 255.0), store(1.0 - G / 255.0), store(1.0 - B / 255.0) };
}

RGBColor CMYToRGB(float C, float M, float Y)
{
    RGBColor rgb;
    bool ok = roundToInt32((1.0 - C) * 255.0, &rgb.R);
    ok &= roundToInt32((1.0 - M) * 255.0, &rgb.G);
    ok &= roundToInt32((1.0 - Y) * 255.0, &rgb.B);
    return ok ? rgb : RGBColor {};
}

CMYKColor CMYToCMYK(float C, float M, float Y)
{
    float k = 1;
    if (C < k)
        k = C;
    if (M < k)
        k = M;
    if (Y < k)
        k = Y;
    if (k == 1)
        return { C, M, Y, k }; // black: nothing to remove, avoids 0 / 0
    const double rest = 1.0 - k;
    return { store((C - double(k)) / rest), store((M - double(k)) / rest),
        store((Y - double(k)) / rest), k };
}

ColorValue RotateHue(ColorValue c, int32_t degrees)
{
    const HSVColor hsv = ColorToHSV(c);
    float h = store(hsv.H * 360.0 + degrees);
    if (h > 359)
        h = store(h - 360.0);
    if (h < 0)
        h = store(h + 360.0);
    // A hue that ends up strictly between 0 and 1 degree is read as a
    // fraction of the circle by HSVToColor; that is intended.
    return HSVToColor({ h, hsv.S, hsv.V });
}

ColorValue GetContrastColor(ColorValue c)
{
    // Each component of the inverse is 255 - x, so the squared distance is the
    // sum of (2x - 255)^2. A distance rounding (half to even) below 64 means a
    // distance below 63.5, i.e. a squared distance of at most 4032: sqrt(4032)
    // is 63.498 and sqrt(4033) is 63.506, so the integer test decides exactly
    // as the rounded square root would.
    const ColorValue inverse = c ^ 0xFFFFFF;
    const RGBColor rgb = ColorToRGB(c);
    const int dr = 2 * rgb.R - 255;
    const int dg = 2 * rgb.G - 255;
    const int db = 2 * rgb.B - 255;
    return dr * dr + dg * dg + db * db <= 4032 ? kWhite : inverse;
}
