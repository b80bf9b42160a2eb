// The whole "ActiveColorChanged" refresh as the user gets it: status boxes,
// harmony swatches, shades, matching sliders, the colour designer and the
// active palette's cell, on the real main window (offscreen); and the
// selector pages' own steps there.

#include "core/ProcessState.h"
#include "core/cls_MsgServer.h"
#include "mainwindow/frm_MDIMain.h"
#include "startup/mod_Main.h"
#include "tools/ColorDesignerPage.h"
#include "tools/RGBSelectorPage.h"
#include "tools/ToolPages.h"

#include <QApplication>
#include <QSlider>
#include <benchmark/benchmark.h>
#include <memory>
#include <unistd.h>

namespace {

std::unique_ptr<frm_MDIMain> g_main;

// Alternating colours, so every refresh really changes every view.
ColorValue colorFor(int64_t i)
{
    return ColorValue((i * 2654435761u) & 0xFFFFFF) | 1;
}

void BM_ActiveColorChanged(benchmark::State &state)
{
    int64_t i = 0;
    for (auto _ : state) {
        ProcessState::ActiveColor = colorFor(i++);
        g_main->cMsgs->Notify(kActiveColorChanged);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ActiveColorChanged)->Unit(benchmark::kMicrosecond);

void BM_DoSyncDesktopOnly(benchmark::State &state)
{
    int64_t i = 0;
    for (auto _ : state) {
        ProcessState::ActiveColor = colorFor(i++);
        g_main->DoSyncDesktop(kActiveColorChanged);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DoSyncDesktopOnly)->Unit(benchmark::kMicrosecond);

// One step of the fixed axis's slider as the page takes it: the change step
// (value box, drawing request), the posted drawing of plane and strip, and
// the pointer placed for the sliders' colour.
void BM_RGBSliderStepOnPage(benchmark::State &state)
{
    RGBSelectorPage *page = g_main->findChild<ToolPages *>()->rgbSelectorPage();
    int value = 0;
    for (auto _ : state) {
        value = (value + 37) % 256;
        page->slider(1)->setValue(value);
        QCoreApplication::sendPostedEvents(page, QEvent::MetaCall);
        page->PlacePointerForColor(page->model().sliderColor());
    }
}
BENCHMARK(BM_RGBSliderStepOnPage)->Unit(benchmark::kMicrosecond);

void BM_SyncDesigner(benchmark::State &state)
{
    ColorDesignerPage *page = g_main->findChild<ToolPages *>()->colorDesignerPage();
    int64_t i = 0;
    for (auto _ : state) {
        ProcessState::ActiveColor = colorFor(i++);
        page->SyncDesigner();
    }
}
BENCHMARK(BM_SyncDesigner)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never the user's own settings.
    const QByteArray config = QByteArray("/tmp/tw-bench-config-") + QByteArray::number(getpid());
    qputenv("XDG_CONFIG_HOME", config);
    QApplication app(argc, argv);
    g_main.reset(mod_Main::Startup(0));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_main.reset();
    return 0;
}
