#pragma once

#include <thread>

// Loads the system font configuration on a worker thread.
//
// On desktops that use fontconfig (Linux and the other Unix systems Qt runs
// on), the first text Qt measures makes fontconfig parse every configuration
// file under /etc/fonts before anything can be drawn: about a quarter of the
// processor work between launch and the main window's first frame. Started
// before the QApplication object is created, that parsing runs on another
// core while the application connects to the display; wait() then returns at
// once or after the rest of it.
//
// fontconfig loads its configuration once per process and is safe to use from
// several threads, so Qt later finds it loaded and uses it as it is. Where no
// fontconfig library is part of the process (Windows, macOS), nothing is done.
class FontWarmup {
public:
    FontWarmup();
    ~FontWarmup();

    FontWarmup(const FontWarmup &) = delete;
    FontWarmup &operator=(const FontWarmup &) = delete;

    // Returns once the configuration is loaded; call before the first text is
    // measured or drawn, so that Qt does not start loading it a second time.
    void wait();

private:
    std::thread m_thread;
};
