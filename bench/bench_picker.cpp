// The eyedropper on a 1920 × 1080 screen: opening it (capture, model, cover
// windows shown and painted) and one pointer move (grid and colour box
// repainted), each beside a baseline measured in the same run: Qt's own grab
// of the screen shown in a bare full-screen window, and a repaint of a bare
// widget of the zoom panel's size.
//
// Runs offscreen on a 1920 × 1080 screen unless QT_QPA_PLATFORM says
// otherwise (for instance xcb on an Xvfb display of that size).

#include "picker/PickerHost.h"
#include "picker/PickerZoomPanel.h"
#include "picker/frm_ColorPicker.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTemporaryFile>
#include <QWindow>
#include <benchmark/benchmark.h>

namespace {

struct QuietHost : PickerHost {
    Qt::WindowStates hostWindowState() const override { return Qt::WindowNoState; }
    void setHostWindowState(Qt::WindowStates) override { }
    bool isAlwaysOnTop() const override { return true; }
    void setHostEnabled(bool) override { }
    void setColorInfoSampling(bool) override { }
    void showColorContextMenu(const ColorContextMenu::Request &, const QPoint &) override { }
};

QuietHost g_host;

// Closes the picker and waits until the window system has taken its windows
// down (a one-pixel grab is a round trip), so that the next opening starts
// on a quiet screen.
void closePicker(frm_ColorPicker *picker)
{
    picker->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 1, 1);
}

void BM_OpenPicker(benchmark::State &state)
{
    for (auto _ : state) {
        frm_ColorPicker *picker = frm_ColorPicker::Open(g_host, Qt::WindowNoState);
        if (!picker) {
            state.SkipWithError("the screen cannot be read");
            return;
        }
        QCoreApplication::processEvents(); // exposure and first paint
        state.PauseTiming();
        closePicker(picker);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenPicker)->Unit(benchmark::kMillisecond);

// The least any frozen-screen picker does: Qt's grab of the screen, shown
// in a bare full-screen window.
class FrozenScreen : public QWidget {
public:
    FrozenScreen() : m_image(QGuiApplication::primaryScreen()->grabWindow(0).toImage())
    {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        setAttribute(Qt::WA_OpaquePaintEvent);
        create();
        windowHandle()->setScreen(QGuiApplication::primaryScreen());
        setGeometry(QGuiApplication::primaryScreen()->geometry());
        showFullScreen();
    }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).drawImage(0, 0, m_image); }

private:
    QImage m_image;
};

void BM_BaselineFreezeScreen(benchmark::State &state)
{
    for (auto _ : state) {
        auto *frozen = new FrozenScreen;
        QCoreApplication::processEvents();
        state.PauseTiming();
        delete frozen;
        QCoreApplication::processEvents();
        QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 1, 1);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BaselineFreezeScreen)->Unit(benchmark::kMillisecond);

void BM_PointerMove(benchmark::State &state)
{
    frm_ColorPicker *picker = frm_ColorPicker::Open(g_host, Qt::WindowNoState);
    if (!picker) {
        state.SkipWithError("the screen cannot be read");
        return;
    }
    QCoreApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        // A new pixel every time, away from the panel in the top right corner.
        const QPointF pos(100 + step % 700, 300 + (step / 700) % 500);
        ++step;
        QMouseEvent move(QEvent::MouseMove, pos, picker->mapToGlobal(pos), Qt::NoButton,
            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(picker, &move);
    }
    closePicker(picker);
}
BENCHMARK(BM_PointerMove)->Unit(benchmark::kMicrosecond);

void BM_BaselineRepaintPanelSizedWidget(benchmark::State &state)
{
    const ColorPickerModel model;
    const QSize size = PickerZoomPanel(model).size();
    QWidget window;
    window.resize(1920, 1080);
    auto *plain = new QWidget(&window);
    plain->setGeometry(QRect(QPoint(0, 0), size));
    plain->setAutoFillBackground(true);
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : state)
        plain->repaint();
}
BENCHMARK(BM_BaselineRepaintPanelSizedWidget)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QTemporaryFile config;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && config.open()) {
        config.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0,
            "width": 1920, "height": 1080, "dpr": 1}]})");
        config.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    }
    QApplication app(argc, argv);
    const QSize screen = QGuiApplication::primaryScreen()->size();
    benchmark::AddCustomContext("screen",
        QStringLiteral("%1 x %2 on %3")
            .arg(screen.width())
            .arg(screen.height())
            .arg(QGuiApplication::platformName())
            .toStdString());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
