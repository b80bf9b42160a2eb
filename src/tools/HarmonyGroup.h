#pragma once

#include "widgets/ColorContextMenu.h"

#include <array>
#include <cstdint>

// The five harmony groups of the "&Harmonies" page, in the order in which the
// page stacks them from top to bottom. The numeric values index the tables
// below and must stay 0..HarmonyGroupCount-1.
enum class HarmonyGroup : uint8_t { Compl, SplitCompl, Analogous, Triad, Tetrad };

inline constexpr int HarmonyGroupCount = 5;
inline constexpr std::array<HarmonyGroup, HarmonyGroupCount> AllHarmonyGroups = {
    HarmonyGroup::Compl,
    HarmonyGroup::SplitCompl,
    HarmonyGroup::Analogous,
    HarmonyGroup::Triad,
    HarmonyGroup::Tetrad,
};

// What one swatch of a group shows: the working colour itself, or the
// working colour with its hue turned by a whole number of degrees.
struct HarmonySwatchRule {
    bool isWorkingColor = false;
    int32_t degrees = 0; // only used when !isWorkingColor; may be negative
};

inline constexpr int MaxSwatchesPerGroup = 4;

struct HarmonyGroupInfo {
    const char *arrayName; // object name of the swatch array
    const char *label; // text of the label above the swatches
    ColorContextMenu::AddItem addItem; // the group's add command
    int swatchCount;
    // Swatch i shows rules[i]; entries from swatchCount on are unused.
    std::array<HarmonySwatchRule, MaxSwatchesPerGroup> rules;
};

namespace HarmonyRules {
inline constexpr HarmonySwatchRule Working { true, 0 };
constexpr HarmonySwatchRule turn(int32_t degrees)
{
    return { false, degrees };
}
} // namespace HarmonyRules

// Indexed by HarmonyGroup.
inline constexpr std::array<HarmonyGroupInfo, HarmonyGroupCount> HarmonyGroupTable = { {
    { "pctCompl", "Complements", ColorContextMenu::AddItem::Complements, 2,
        { HarmonyRules::Working, HarmonyRules::turn(180) } },
    { "pctSplitCompl", "Split Complements", ColorContextMenu::AddItem::SplitComplements, 3,
        { HarmonyRules::turn(135), HarmonyRules::turn(225), HarmonyRules::Working } },
    { "pctAnalogous", "Analogous", ColorContextMenu::AddItem::Analogous, 3,
        { HarmonyRules::turn(-45), HarmonyRules::turn(45), HarmonyRules::Working } },
    { "pctTriad", "Triad", ColorContextMenu::AddItem::Triads, 3,
        { HarmonyRules::turn(-120), HarmonyRules::turn(120), HarmonyRules::Working } },
    { "pctTetrad", "Tetrad", ColorContextMenu::AddItem::Tetrads, 4,
        { HarmonyRules::Working, HarmonyRules::turn(90), HarmonyRules::turn(180),
            HarmonyRules::turn(270) } },
} };

constexpr const HarmonyGroupInfo &harmonyGroupInfo(HarmonyGroup group)
{
    return HarmonyGroupTable[static_cast<int>(group)];
}

constexpr int harmonySwatchCount(HarmonyGroup group)
{
    return harmonyGroupInfo(group).swatchCount;
}

// Swatches of all groups laid end to end in group order; a group's swatches
// start at this offset.
constexpr int harmonyGroupOffset(HarmonyGroup group)
{
    int offset = 0;
    for (int g = 0; g < static_cast<int>(group); ++g)
        offset += HarmonyGroupTable[g].swatchCount;
    return offset;
}

inline constexpr int HarmonySwatchTotal
    = harmonyGroupOffset(HarmonyGroup::Tetrad) + harmonySwatchCount(HarmonyGroup::Tetrad);
static_assert(HarmonySwatchTotal == 15);
