#include "tools/HarmonyModel.h"

#include <cassert>

namespace {

// Swatches are written group by group in this order. Only the result is
// observable, but keeping the order lets a view that paints while it stores
// match the main window's refresh sequence.
constexpr std::array<HarmonyGroup, HarmonyGroupCount> RegenerationOrder = {
    HarmonyGroup::Compl,
    HarmonyGroup::Triad,
    HarmonyGroup::Tetrad,
    HarmonyGroup::SplitCompl,
    HarmonyGroup::Analogous,
};

} // namespace

HarmonyModel::HarmonyModel()
{
    reset();
}

bool HarmonyModel::regenerate(ColorValue workingColor)
{
    if (workingColor <= 0)
        return false;

    for (HarmonyGroup group : RegenerationOrder) {
        const HarmonyGroupInfo &info = harmonyGroupInfo(group);
        const int offset = harmonyGroupOffset(group);
        for (int i = 0; i < info.swatchCount; ++i) {
            const HarmonySwatchRule &rule = info.rules[i];
            // The working colour is shown as it is: a turn by 0 degrees would
            // round its hue to whole degrees and could shift it slightly.
            m_swatches[offset + i]
                = rule.isWorkingColor ? workingColor : RotateHue(workingColor, rule.degrees);
        }
    }
    return true;
}

ColorValue HarmonyModel::swatch(HarmonyGroup group, int index) const
{
    assert(index >= 0 && index < harmonySwatchCount(group));
    return m_swatches[harmonyGroupOffset(group) + index];
}

std::span<const ColorValue> HarmonyModel::group(HarmonyGroup group) const
{
    return std::span<const ColorValue>(m_swatches)
        .subspan(harmonyGroupOffset(group), harmonySwatchCount(group));
}

void HarmonyModel::reset()
{
    m_swatches.fill(kWhite);
}
