#pragma once

#include "core/mod_ColorConversion.h"
#include "tools/HarmonyGroup.h"

#include <array>
#include <span>

// The fifteen harmony swatches derived from the working colour.
//
// Plain value type without Qt: the harmonies page renders it and the add
// commands read a group from it. Swatches keep their colours until a
// regeneration replaces them; they start white.
class HarmonyModel {
public:
    HarmonyModel();

    // Recomputes every swatch from the working colour. Black (0) and negative
    // values (the empty-cell marker) leave all swatches as they were and
    // return false; otherwise returns true.
    bool regenerate(ColorValue workingColor);

    // index is 0..harmonySwatchCount(group)-1.
    ColorValue swatch(HarmonyGroup group, int index) const;

    // The group's colours in ascending swatch order, which is also the order
    // in which an add command appends them to a palette. Valid until the next
    // regenerate() or reset().
    std::span<const ColorValue> group(HarmonyGroup group) const;

    // Back to all white.
    void reset();

private:
    std::array<ColorValue, HarmonySwatchTotal> m_swatches;
};
