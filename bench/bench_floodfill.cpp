// The vector preview's flood fill against the textbook four-neighbour stack
// fill (and a tighter variant of it), in the same binary on the same
// pictures: the built-in drawing (its largest region, the sky) and a
// 4096 x 4096 maze of one-pixel corridors and walls whose one corridor winds
// through the whole picture: no run is longer than a corridor, so working a
// row at a time gains little. Each iteration fills the region with the other
// of two colours, so every iteration fills the same pixels. All three keep
// their stacks between fills, so none pays page faults for a fresh one.
// Compare CPU times: wall times on a shared machine wander.
//
// BM_History50Fills_* report the memory the preview's history holds after
// 50 fills of a 4096 x 4096 picture, against the picture itself and against
// 51 whole copies (counters in MiB).

#include "previews/FloodFill.h"
#include "previews/VectorImageModel.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

constexpr QRgb kWall = 0xff000000;
constexpr QRgb kPaper = 0xffffffff;
constexpr QRgb kColors[2] = { 0xffff8000, 0xff0080ff };
constexpr QPoint kSky(20, 90);

// A perfect maze: cells at odd coordinates, walls between them knocked out
// by a depth-first walk with a fixed seed.
const QImage &maze()
{
    static const QImage image = [] {
        constexpr int side = 4096;
        constexpr int cells = (side - 1) / 2; // 2047 x 2047
        QImage picture(side, side, QImage::Format_RGB32);
        picture.fill(kWall);
        std::vector<bool> seen(size_t(cells) * cells);
        std::vector<int> stack { 0 };
        seen[0] = true;
        std::mt19937 random(14);
        auto open = [&](int x, int y) { picture.setPixel(x, y, kPaper); };
        open(1, 1);
        while (!stack.empty()) {
            const int cell = stack.back();
            const int cx = cell % cells;
            const int cy = cell / cells;
            int next[4];
            int count = 0;
            for (const auto &[dx, dy] : { std::pair { 1, 0 }, { -1, 0 }, { 0, 1 }, { 0, -1 } }) {
                const int nx = cx + dx;
                const int ny = cy + dy;
                if (nx >= 0 && ny >= 0 && nx < cells && ny < cells && !seen[size_t(ny) * cells + nx])
                    next[count++] = ny * cells + nx;
            }
            if (count == 0) {
                stack.pop_back();
                continue;
            }
            const int chosen = next[random() % count];
            const int nx = chosen % cells;
            const int ny = chosen / cells;
            seen[size_t(chosen)] = true;
            open(cx + nx + 1, cy + ny + 1); // the wall between the two cells
            open(2 * nx + 1, 2 * ny + 1);
            stack.push_back(chosen);
        }
        return picture;
    }();
    return image;
}

// The textbook fill: pop a pixel; if it lies inside the picture and has the
// target colour, colour it and push its four neighbours.
void textbookFill(QImage &image, QPoint seed, QRgb color)
{
    const int width = image.width();
    const int height = image.height();
    const qsizetype stride = image.bytesPerLine();
    uchar *const bits = image.bits();
    const auto pixel = [&](int x, int y) -> QRgb & {
        return reinterpret_cast<QRgb *>(bits + y * stride)[x];
    };
    const QRgb target = pixel(seed.x(), seed.y());
    if (target == color)
        return;
    thread_local std::vector<QPoint> stack;
    stack.assign(1, seed);
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        if (p.x() < 0 || p.y() < 0 || p.x() >= width || p.y() >= height
            || pixel(p.x(), p.y()) != target)
            continue;
        pixel(p.x(), p.y()) = color;
        stack.push_back({ p.x() + 1, p.y() });
        stack.push_back({ p.x() - 1, p.y() });
        stack.push_back({ p.x(), p.y() + 1 });
        stack.push_back({ p.x(), p.y() - 1 });
    }
}

// A tighter four-neighbour fill, as a second yardstick: pixel indices on
// the stack, each pixel coloured as it is pushed, so it is pushed once.
void tightStackFill(QImage &image, QPoint seed, QRgb color)
{
    auto *pixels = reinterpret_cast<QRgb *>(image.bits());
    const int width = image.width();
    const int height = image.height();
    const QRgb target = pixels[seed.y() * width + seed.x()];
    if (target == color)
        return;
    thread_local std::vector<int> stack;
    stack.assign(1, seed.y() * width + seed.x());
    pixels[stack.back()] = color;
    while (!stack.empty()) {
        const int at = stack.back();
        stack.pop_back();
        const int x = at % width;
        const int y = at / width;
        const auto visit = [&](bool inside, int next) {
            if (inside && pixels[next] == target) {
                pixels[next] = color;
                stack.push_back(next);
            }
        };
        visit(x > 0, at - 1);
        visit(x + 1 < width, at + 1);
        visit(y > 0, at - width);
        visit(y + 1 < height, at + width);
    }
}

template<typename Fill> void fillBench(benchmark::State &state, QImage picture, QPoint seed, Fill fill)
{
    int turn = 0;
    for (auto _ : state) {
        fill(picture, seed, kColors[turn]);
        turn ^= 1;
        benchmark::ClobberMemory();
    }
}

void maskFill(QImage &picture, QPoint seed, QRgb color)
{
    benchmark::DoNotOptimize(FloodFill::fill(picture, seed, color));
}

void BM_MaskFill_Sample(benchmark::State &state)
{
    fillBench(state, VectorImageModel::sample(), kSky, maskFill);
}

void BM_TextbookFill_Sample(benchmark::State &state)
{
    fillBench(state, VectorImageModel::sample(), kSky, textbookFill);
}

void BM_TightStackFill_Sample(benchmark::State &state)
{
    fillBench(state, VectorImageModel::sample(), kSky, tightStackFill);
}

void BM_MaskFill_Maze4096(benchmark::State &state)
{
    fillBench(state, maze(), QPoint(1, 1), maskFill);
}

void BM_TextbookFill_Maze4096(benchmark::State &state)
{
    fillBench(state, maze(), QPoint(1, 1), textbookFill);
}

void BM_TightStackFill_Maze4096(benchmark::State &state)
{
    fillBench(state, maze(), QPoint(1, 1), tightStackFill);
}

// A 4096 x 4096 drawing of 16 x 16 rooms, 255 pixels square.
QImage rooms()
{
    QImage picture(4096, 4096, QImage::Format_RGB32);
    picture.fill(kPaper);
    for (int line = 0; line < 4096; line += 256) {
        for (int i = 0; i < 4096; ++i) {
            picture.setPixel(line, i, kWall);
            picture.setPixel(i, line, kWall);
        }
    }
    return picture;
}

void historyBench(benchmark::State &state, const QImage &picture, bool wholeMaze)
{
    constexpr double MiB = 1024.0 * 1024.0;
    for (auto _ : state) {
        VectorImageModel model;
        model.setOpeningPicture(picture);
        for (int fill = 0; fill < 50; ++fill) {
            const QPoint point = wholeMaze ? QPoint(1, 1) : QPoint(128 + 256 * (fill % 16), 128 + 256 * (fill / 16));
            model.fillAt(point, fill % 2 ? 0x0080FF : 0xFF8000);
        }
        state.counters["history_MiB"] = double(model.historyBytes()) / MiB;
        state.counters["picture_MiB"] = double(model.picture().sizeInBytes()) / MiB;
        state.counters["copies_MiB"] = 51 * double(model.picture().sizeInBytes()) / MiB;
    }
}

void BM_History50Fills_Rooms4096(benchmark::State &state)
{
    historyBench(state, rooms(), false);
}

void BM_History50Fills_Maze4096(benchmark::State &state)
{
    historyBench(state, maze(), true);
}

} // namespace

BENCHMARK(BM_MaskFill_Sample)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TextbookFill_Sample)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TightStackFill_Sample)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MaskFill_Maze4096)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextbookFill_Maze4096)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TightStackFill_Maze4096)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_History50Fills_Rooms4096)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_History50Fills_Maze4096)->Unit(benchmark::kMillisecond)->Iterations(1);
