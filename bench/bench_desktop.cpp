// The whole "ActiveColorChanged" refresh as the user gets it: status boxes,
// harmony swatches, shades, matching sliders and the active palette's cell,
// on the real main window (offscreen).

#include "core/ProcessState.h"
#include "core/cls_MsgServer.h"
#include "mainwindow/frm_MDIMain.h"
#include "startup/mod_Main.h"

#include <QApplication>
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
