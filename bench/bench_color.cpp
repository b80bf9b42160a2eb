// Per-pixel colour conversions against the equivalent QColor code, over the
// same fixed set of pseudo-random colours.

#include "core/mod_ColorConversion.h"

#include <QColor>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int kCount = 4096;

struct Inputs {
    std::vector<RGBColor> rgb;
    std::vector<ColorValue> colors;
    std::vector<HSVColor> hsv; // fractions, as RGBToHSV gives them
    std::vector<int32_t> degrees; // -180..179
};

const Inputs &inputs()
{
    static const Inputs in = [] {
        Inputs v;
        uint32_t state = 0x2545F491u; // fixed seed: every run sees the same colours
        for (int k = 0; k < kCount; ++k) {
            state = state * 1664525u + 1013904223u;
            const ColorValue c = static_cast<ColorValue>(state >> 8);
            const RGBColor rgb = ColorToRGB(c);
            v.colors.push_back(c);
            v.rgb.push_back(rgb);
            v.hsv.push_back(RGBToHSV(float(rgb.R), float(rgb.G), float(rgb.B)));
            v.degrees.push_back(static_cast<int32_t>(state % 360) - 180);
        }
        return v;
    }();
    return in;
}

// items/s, and "per item" as seconds per conversion (shown as e.g. 8.5n).
void setCounters(benchmark::State &state)
{
    const auto items = static_cast<int64_t>(state.iterations()) * kCount;
    state.SetItemsProcessed(items);
    state.counters["per item"] = benchmark::Counter(
        static_cast<double>(items), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_RGBToHSV(benchmark::State &state)
{
    const Inputs &in = inputs();
    for (auto _ : state) {
        for (const RGBColor &c : in.rgb) {
            HSVColor hsv = RGBToHSV(float(c.R), float(c.G), float(c.B));
            benchmark::DoNotOptimize(hsv);
        }
    }
    setCounters(state);
}
BENCHMARK(BM_RGBToHSV);

void BM_QColor_getHsvF(benchmark::State &state)
{
    const Inputs &in = inputs();
    for (auto _ : state) {
        for (const RGBColor &c : in.rgb) {
            float h, s, v;
            QColor::fromRgb(c.R, c.G, c.B).getHsvF(&h, &s, &v);
            benchmark::DoNotOptimize(h);
            benchmark::DoNotOptimize(s);
            benchmark::DoNotOptimize(v);
        }
    }
    setCounters(state);
}
BENCHMARK(BM_QColor_getHsvF);

void BM_HSVToRGB(benchmark::State &state)
{
    const Inputs &in = inputs();
    for (auto _ : state) {
        for (const HSVColor &c : in.hsv) {
            RGBColor rgb = HSVToRGB(c.H, c.S, c.V);
            benchmark::DoNotOptimize(rgb);
        }
    }
    setCounters(state);
}
BENCHMARK(BM_HSVToRGB);

void BM_QColor_fromHsvF(benchmark::State &state)
{
    const Inputs &in = inputs();
    for (auto _ : state) {
        for (const HSVColor &c : in.hsv) {
            QRgb rgb = QColor::fromHsvF(c.H, c.S, c.V).rgb();
            benchmark::DoNotOptimize(rgb);
        }
    }
    setCounters(state);
}
BENCHMARK(BM_QColor_fromHsvF);

void BM_RotateHue(benchmark::State &state)
{
    const Inputs &in = inputs();
    for (auto _ : state) {
        for (int k = 0; k < kCount; ++k) {
            ColorValue c = RotateHue(in.colors[k], in.degrees[k]);
            benchmark::DoNotOptimize(c);
        }
    }
    setCounters(state);
}
BENCHMARK(BM_RotateHue);

void BM_QColor_RotateHue(benchmark::State &state)
{
    const Inputs &in = inputs();
    for (auto _ : state) {
        for (int k = 0; k < kCount; ++k) {
            const RGBColor &c = in.rgb[k];
            int h, s, v;
            QColor::fromRgb(c.R, c.G, c.B).getHsv(&h, &s, &v);
            h = h < 0 ? 0 : (h + in.degrees[k] + 360) % 360; // Qt gives -1 for greys
            QRgb rgb = QColor::fromHsv(h, s, v).rgb();
            benchmark::DoNotOptimize(rgb);
        }
    }
    setCounters(state);
}
BENCHMARK(BM_QColor_RotateHue);

void BM_GetContrastColor(benchmark::State &state)
{
    const Inputs &in = inputs();
    for (auto _ : state) {
        for (ColorValue c : in.colors) {
            ColorValue contrast = GetContrastColor(c);
            benchmark::DoNotOptimize(contrast);
        }
    }
    setCounters(state);
}
BENCHMARK(BM_GetContrastColor);

// The same rule written over QColor: the inverse colour unless it lies within
// a rounded distance of 64 of the colour, then white.
void BM_QColor_ContrastColor(benchmark::State &state)
{
    const Inputs &in = inputs();
    for (auto _ : state) {
        for (const RGBColor &c : in.rgb) {
            const QColor color = QColor::fromRgb(c.R, c.G, c.B);
            const QColor inverse = QColor::fromRgb(color.rgb() ^ 0xFFFFFFu);
            const int dr = color.red() - inverse.red();
            const int dg = color.green() - inverse.green();
            const int db = color.blue() - inverse.blue();
            const double dist = std::sqrt(double(dr * dr + dg * dg + db * db));
            QRgb rgb = std::nearbyint(dist) < 64 ? 0xFFFFFFFFu : inverse.rgb();
            benchmark::DoNotOptimize(rgb);
        }
    }
    setCounters(state);
}
BENCHMARK(BM_QColor_ContrastColor);

} // namespace
