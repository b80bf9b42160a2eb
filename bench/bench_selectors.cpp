// The colour selectors' per-step work. One step of an RGB slider on the
// plane: both pictures drawn for the new value and the pointer placed; at
// 1:1 and at twice the pixels. The baseline fills the same two pictures with
// the same colours through QImage::setPixel, one call per pixel. And one
// SyncDesigner's conversion in each colour model.

#include "tools/ColorDesignerModel.h"
#include "tools/RGBSelectorModel.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// The plane and strip on a 96 dpi screen, in logical pixels.
const QSize PlaneSize(259, 68);
const QSize StripSize(20, 68);

void BM_RGBPlaneSliderStep(benchmark::State &state)
{
    const qreal ratio = qreal(state.range(0));
    RGBSelectorModel model;
    model.setPlaneSize(PlaneSize);
    model.setStripSize(StripSize);
    model.setRGBAxis(1);
    int value = 0;
    for (auto _ : state) {
        value = (value + 37) % 256;
        model.setValue(1, value);
        model.draw(ratio);
        model.PlacePlanePointer(model.pointForColor(MakeColorValue(value, 255 - value, value)));
        benchmark::DoNotOptimize(model.planeImage().constBits());
    }
}
BENCHMARK(BM_RGBPlaneSliderStep)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

int spread(int i, int last)
{
    return int(std::nearbyint(255.0 * i / last));
}

void BM_RGBPlaneSetPixelBaseline(benchmark::State &state)
{
    const qreal ratio = qreal(state.range(0));
    QImage plane(PlaneSize * ratio, QImage::Format_RGB32);
    QImage strip(StripSize * ratio, QImage::Format_RGB32);
    int value = 0;
    for (auto _ : state) {
        value = (value + 37) % 256;
        for (int y = 0; y < plane.height(); ++y) {
            for (int x = 0; x < plane.width(); ++x)
                plane.setPixel(
                    x, y, qRgb(value, spread(x, plane.width() - 1), spread(y, plane.height() - 1)));
        }
        const int line = int(std::nearbyint(value / 255.0 * (strip.height() - 1)));
        for (int y = 0; y < strip.height(); ++y) {
            for (int x = 0; x < strip.width(); ++x)
                strip.setPixel(x, y,
                    y == line ? qRgb(255, 255, 0) : qRgb(spread(y, strip.height() - 1), 0, 0));
        }
        benchmark::DoNotOptimize(plane.constBits());
        benchmark::DoNotOptimize(strip.constBits());
    }
}
BENCHMARK(BM_RGBPlaneSetPixelBaseline)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_SyncDesignerModel(benchmark::State &state)
{
    ColorDesignerModel designer;
    designer.chooseModel(ColorDesignerModel::Model(state.range(0)), kBlack);
    ColorValue color = 0x123456;
    for (auto _ : state) {
        color = (color * 1103515245 + 12345) & 0xFFFFFF;
        designer.setColor(color);
        benchmark::DoNotOptimize(designer.color());
    }
}
BENCHMARK(BM_SyncDesignerModel)->DenseRange(0, 2);

} // namespace
