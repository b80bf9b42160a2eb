// Undo history cost: one palette takes 1,000 cell writes (each records a
// 16-cell snapshot) and then undoes all of them. Reported time is per
// 1,000 writes + 1,000 undo steps.

#include "palette/PaletteModel.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kSteps = 1000;

void BM_PaletteWritesThenUndo(benchmark::State &state)
{
    PaletteModel model;
    for (auto _ : state) {
        for (int i = 0; i < kSteps; ++i)
            model.SetCellColorRC(i / kPaletteCols % kPaletteRows, i % kPaletteCols, i);
        for (int i = 0; i < kSteps; ++i)
            model.RollBack();
        benchmark::DoNotOptimize(model.colors());
    }
    state.SetItemsProcessed(state.iterations() * kSteps * 2);
}

} // namespace

BENCHMARK(BM_PaletteWritesThenUndo)->Unit(benchmark::kMicrosecond);
