#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// A second thread for the start-up work that needs no widgets, so that it
// runs on another core while the main thread connects to the display and
// builds the main window.
//
// Its first job starts with the worker: on desktops that use fontconfig (Linux
// and the other Unix systems Qt runs on), the first text Qt measures makes
// fontconfig parse every configuration file under /etc/fonts, about a quarter
// of the processor work up to the main window's first frame. fontconfig loads
// its configuration once per process and is safe to use from several threads,
// so Qt later finds it loaded. Where no fontconfig library is part of the
// process (Windows, macOS), that job is skipped.
//
// Jobs posted later (artwork drawn into images, once the application object
// exists) run in order after it. A job must only use what is safe off the
// main thread: QImage, QPainter on a QImage, fonts; never widgets or pixmaps.
class StartupWorker {
public:
    StartupWorker();
    // Runs the jobs still queued, then ends the thread.
    ~StartupWorker();

    StartupWorker(const StartupWorker &) = delete;
    StartupWorker &operator=(const StartupWorker &) = delete;

    // Returns once the font configuration is loaded; call before the first
    // text is measured or drawn, so that Qt does not load it a second time.
    void waitForFonts();

    void post(std::function<void()> job);

    // Runs the jobs still queued and ends the thread; later posts run at once
    // on the caller's thread.
    void finish();

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::function<void()>> m_jobs;
    bool m_fontsLoaded = false;
    bool m_finishing = false;
    std::thread m_thread;
};
