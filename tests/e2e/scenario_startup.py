#!/usr/bin/env python3
"""First start on empty settings: the main window comes up with its caption,
and closing it from its close box ends the program cleanly."""

from harness import run_scenario


def startup(h):
    run = h.start_app()
    window = h.wait_main_window(run)
    h.info(f"main window {window} at {h.window_geometry(window)}")
    h.screenshot("main-window")
    h.close_window(window)
    h.check_equal(run.wait_exit(), 0, "exit code after closing the main window")


run_scenario(startup)
