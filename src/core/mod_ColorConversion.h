#pragma once

// Colour values and the conversions between colour models.
//
// Everything here is plain standard C++: no Qt, no state, no allocation
// (except the two text functions). Results are bit-exact: every numbered step
// is computed in double precision and stored as a 32-bit float, and every
// float-to-integer conversion rounds half to even unless it says floor.

#include <cstdint>
#include <string>

// A colour packed as 0x00BBGGRR: red in bits 0-7, green 8-15, blue 16-23.
// Valid colours are 0..0xFFFFFF; palette cells use -1 for "empty".
using ColorValue = int32_t;

inline constexpr ColorValue kBlack = 0x000000;
inline constexpr ColorValue kWhite = 0xFFFFFF;
inline constexpr ColorValue kEmptyCell = -1;

struct RGBColor {
    int32_t R = 0; // 0..255 for a valid colour
    int32_t G = 0;
    int32_t B = 0;
    friend bool operator==(const RGBColor &, const RGBColor &) = default;
};

// Fractions 0..1 as produced by RGBToHSV. HSVToRGB also accepts degrees and
// percent (see there).
struct HSVColor {
    float H = 0;
    float S = 0;
    float V = 0;
    friend bool operator==(const HSVColor &, const HSVColor &) = default;
};

// Ink fractions 0..1 (1 = full ink).
struct CMYColor {
    float C = 0;
    float M = 0;
    float Y = 0;
    friend bool operator==(const CMYColor &, const CMYColor &) = default;
};

struct CMYKColor {
    float C = 0;
    float M = 0;
    float Y = 0;
    float K = 0;
    friend bool operator==(const CMYKColor &, const CMYKColor &) = default;
};

RGBColor ColorToRGB(ColorValue c);

// r + 256 g + 65536 b. A component above 255 counts as 255 and a negative one
// as 0, so every result is a valid colour.
ColorValue MakeColorValue(int r, int g, int b);

// "255-128-0" for 0x0080FF.
std::string ColorToRGBString(ColorValue c);

// "#FF8000" for 0x0080FF: red first, upper case, always six digits.
std::string ColorToHex(ColorValue c);

// R, G, B are component values 0..255 given as floats. Result in fractions.
HSVColor RGBToHSV(float R, float G, float B);

// RGBToHSV of the colour's components, in fractions.
HSVColor ColorToHSV(ColorValue c);

// Mixed units: S or V above 1 are percent; H below 1 (negative included) is a
// fraction of the circle, otherwise degrees. Exactly 1 is a fraction for S and
// V but one degree for H. The hue is used in whole degrees. S or V outside
// 0..1 can give components outside 0..255. {0, 0, 0} when there is no result:
// a non-finite value, or a component beyond the 32-bit integer range.
RGBColor HSVToRGB(float H, float S, float V);

// MakeColorValue(HSVToRGB(...)), so components outside 0..255 are clamped;
// black when HSVToRGB has no result.
ColorValue HSVToColor(HSVColor hsv);

CMYColor RGBToCMY(int R, int G, int B);
// {0, 0, 0} for non-finite or huge inks, which have no 32-bit result.
RGBColor CMYToRGB(float C, float M, float Y);
CMYKColor CMYToCMYK(float C, float M, float Y);

// Same saturation and value, hue turned by `degrees` (may be negative).
ColorValue RotateHue(ColorValue c, int32_t degrees);

// White for colours close to middle grey, the inverse colour otherwise: a
// colour that stands out when drawn over `c`.
ColorValue GetContrastColor(ColorValue c);
