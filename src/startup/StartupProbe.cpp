#include "startup/StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using Clock = std::chrono::steady_clock;

// Taken before main() runs: the reference when the launcher gave no time.
const Clock::time_point s_staticInitTime = Clock::now();

// `exposed`: when the window system reported the main window exposed.
[[noreturn]] void reportAndExit(Clock::time_point exposed)
{
    const Clock::time_point now = Clock::now();
    bool fromLaunch = false;
    const qint64 launchNs = qgetenv("TW_STARTUP_LAUNCH_NS").toLongLong(&fromLaunch);
    const Clock::time_point origin = fromLaunch
        ? Clock::time_point(
            std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(launchNs)))
        : s_staticInitTime;
    const auto ms = [origin](Clock::time_point t) {
        return std::chrono::duration<double, std::milli>(t - origin).count();
    };
    std::printf("tw-startup-probe exposed_ms=%.3f shown_ms=%.3f from=%s\n", ms(exposed), ms(now),
        fromLaunch ? "launch" : "static-init");
    std::fflush(stdout);
    // Start-up may still be inside its own event loop, where
    // QCoreApplication::exit() would not end the program.
    std::_Exit(0);
}

// Watches the application's events for the first expose of the main window.
class ExposeWatcher : public QObject {
public:
    explicit ExposeWatcher(QWidget *window) : QObject(window), m_window(window) { }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Expose || m_window.isNull()
            || watched != m_window->windowHandle())
            return false;
        // The window paints and flushes its first frame while handling the
        // expose; handle it here first so that "shown" includes that frame.
        const Clock::time_point exposed = Clock::now();
        watched->event(event);
        if (m_window->windowHandle()->isExposed())
            reportAndExit(exposed);
        return true;
    }

private:
    QPointer<QWidget> m_window;
};

} // namespace

void installStartupProbe(QWidget *mainWindow)
{
    if (mainWindow == nullptr || qEnvironmentVariableIsEmpty("TW_STARTUP_PROBE")
        || QCoreApplication::instance() == nullptr)
        return;
    const QWindow *handle = mainWindow->windowHandle();
    if (handle != nullptr && handle->isExposed())
        reportAndExit(Clock::now());
    QCoreApplication::instance()->installEventFilter(new ExposeWatcher(mainWindow));
}
