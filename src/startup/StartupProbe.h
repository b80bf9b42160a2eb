#pragma once

class QWidget;

// Start-up time probe for the start-up benchmark (bench/startup). Does nothing
// unless the environment variable TW_STARTUP_PROBE is set. When it is, the
// first time mainWindow is exposed, once its first frame has been painted,
// the probe prints one line to standard output
//
//     tw-startup-probe exposed_ms=<ms> shown_ms=<ms> from=<launch|static-init>
//
// exposed_ms is the moment the window system reported the window exposed
// (mapped and visible, contents not drawn yet), shown_ms the moment its first
// frame had been painted and flushed.
//
// and ends the process at once, so that no shut-down work runs and no settings
// are written.
//
// A launcher that sets TW_STARTUP_LAUNCH_NS to the steady-clock time
// (CLOCK_MONOTONIC on Linux, in nanoseconds) at which it started the process
// gets the whole start-up, program loading included (from=launch). Without it
// the time counts from the static initialisation of the program
// (from=static-init), which leaves out the loading of shared libraries.
//
// Call it right after creating the main window, before it is first shown; a
// window that is already exposed is reported at once.
void installStartupProbe(QWidget *mainWindow);
