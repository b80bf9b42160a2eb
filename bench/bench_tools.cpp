#include "tools/ColorGrids.h"
#include "tools/HarmonyModel.h"
#include "tools/MatchingPaletteModel.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

namespace {

// A fixed spread of colours, so that no run hits only the cheap grey paths
// and consecutive colours always differ.
std::array<ColorValue, 256> sampleColors()
{
    std::array<ColorValue, 256> colors {};
    uint32_t state = 12345;
    for (ColorValue &c : colors) {
        state = state * 1664525u + 1013904223u;
        c = static_cast<ColorValue>((state >> 8) & 0xFFFFFF);
    }
    return colors;
}

const std::array<ColorValue, 256> Samples = sampleColors();

// What the tool pages recompute after one "ActiveColorChanged": the harmony
// swatches, the shades column and the matching palette.
void BM_ToolsRefreshAfterColorChange(benchmark::State &state)
{
    HarmonyModel harmonies;
    MatchingPaletteModel matching;
    size_t i = 0;
    for (auto _ : state) {
        const ColorValue c = Samples[i++ % Samples.size()];
        benchmark::DoNotOptimize(harmonies.regenerate(c));
        ColorGrids::Shades shades = ColorGrids::shades(c);
        benchmark::DoNotOptimize(shades);
        benchmark::DoNotOptimize(matching.setPrime(c));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ToolsRefreshAfterColorChange);

void BM_Harmonies(benchmark::State &state)
{
    HarmonyModel harmonies;
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(harmonies.regenerate(Samples[i++ % Samples.size()]));
}
BENCHMARK(BM_Harmonies);

void BM_Shades(benchmark::State &state)
{
    size_t i = 0;
    for (auto _ : state) {
        ColorGrids::Shades shades = ColorGrids::shades(Samples[i++ % Samples.size()]);
        benchmark::DoNotOptimize(shades);
    }
}
BENCHMARK(BM_Shades);

void BM_MatchingPalette(benchmark::State &state)
{
    size_t i = 0;
    for (auto _ : state) {
        const RGBColor rgb = ColorToRGB(Samples[i++ % Samples.size()]);
        MatchingPaletteModel::Colors colors
            = MatchingPaletteModel::BuildMatchingPalette(rgb.R, rgb.G, rgb.B);
        benchmark::DoNotOptimize(colors);
    }
}
BENCHMARK(BM_MatchingPalette);

} // namespace
