#include "palette/PaletteAdjustment.h"

namespace {

constexpr float kStep = 10.0f;
constexpr float kUpperLimit = 90.0f; // percent; raise only below it
constexpr float kLowerLimit = 10.0f; // percent; lower only above it

// h in degrees, s and v in percent: the units HSVToColor reads back.
HSVColor workingHsv(ColorValue color)
{
    const HSVColor hsv = ColorToHSV(color);
    return HSVColor { hsv.H * 360.0f, hsv.S * 100.0f, hsv.V * 100.0f };
}

bool raise(float &component)
{
    if (!(component < kUpperLimit))
        return false;
    component += kStep;
    return true;
}

bool lower(float &component)
{
    if (!(component > kLowerLimit))
        return false;
    component -= kStep;
    return true;
}

// Steps one component of `hsv`; false when the kind or the limit forbids it.
bool step(HSVColor &hsv, PaletteAdjustment::Kind kind)
{
    using Kind = PaletteAdjustment::Kind;
    switch (kind) {
    case Kind::Lighten:
        return raise(hsv.V);
    case Kind::Darken:
        return lower(hsv.V);
    case Kind::Saturate:
        return raise(hsv.S);
    case Kind::Desaturate:
        return lower(hsv.S);
    case Kind::None:
        break;
    }
    return false;
}

} // namespace

PaletteAdjustment::Kind PaletteAdjustment::fromToolbarKey(QStringView key)
{
    if (key == u"S+")
        return Kind::Lighten;
    if (key == u"S-")
        return Kind::Darken;
    if (key == u"V+")
        return Kind::Saturate;
    if (key == u"V-")
        return Kind::Desaturate;
    return Kind::None;
}

PaletteAdjustment::Kind PaletteAdjustment::fromWord(QStringView word)
{
    if (word == u"lighten")
        return Kind::Lighten;
    if (word == u"darken")
        return Kind::Darken;
    if (word == u"saturate")
        return Kind::Saturate;
    if (word == u"desaturate")
        return Kind::Desaturate;
    return Kind::None;
}

PaletteAdjustment::Kind PaletteAdjustment::fromKey(char16_t character)
{
    switch (character) {
    case u'w':
        return Kind::Lighten;
    case u'q':
        return Kind::Darken;
    case u's':
        return Kind::Saturate;
    case u'd':
        return Kind::Desaturate;
    default:
        return Kind::None;
    }
}

std::optional<ColorValue> PaletteAdjustment::adjusted(ColorValue color, Kind kind)
{
    HSVColor hsv = workingHsv(color);
    if (!step(hsv, kind))
        return std::nullopt;
    return HSVToColor(hsv);
}

ColorValue PaletteAdjustment::rewritten(ColorValue color, Kind kind)
{
    HSVColor hsv = workingHsv(color);
    step(hsv, kind);
    return HSVToColor(hsv);
}
