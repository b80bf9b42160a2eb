#pragma once

class QApplication;
class StartupWorker;
class frm_MDIMain;

// The program's start-up and shut-down order. Start-up brings the main window
// up, restores and announces the active colour, keeps the splash up for at
// least a second, opens the first palette and shows a tip; StartupDone turns
// true last. Shut-down is the main window's close (see frm_MDIMain).
namespace mod_Main {

// Minimum time the splash stays up, measured on a monotonic clock.
inline constexpr int kSplashMinimumMs = 1000;

// Runs the start-up sequence and returns the main window, shown unless the
// user closed it during the splash. The caller owns it.
frm_MDIMain *Startup(int splashMinimumMs = kSplashMinimumMs);

// Start-up, then the event loop until the main window has closed. Artwork of
// the first frame is drawn on `worker` when there is one.
int Main(QApplication &app, StartupWorker *worker = nullptr);

} // namespace mod_Main
