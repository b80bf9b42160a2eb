#!/usr/bin/env python3
"""The colour tool pages: a press on a common colour and a double-click on a
web-safe colour each make that colour the working colour, which the program
stores as "Prefs"/"LastColor" when it closes. Screenshots show the harmonies,
shades, web-safe and matching-palette pages around the chosen colours."""

import time

from harness import run_scenario

# Points inside the main window, in pixels, at its first-run size on the
# 96 dpi test display (tabs of the options strip down the left, selector tabs
# along the bottom).
HARMONIES_TAB = (16, 107)
SHADES_TAB = (16, 272)
COMMON_TAB = (16, 337)
COMMON_RED = (72, 526)  # row 14 of the 32-pixel common-colour column
WEB_SAFE_TAB = (419, 502)
WEB_SAFE_BLUE = (245, 520)  # row 0, column 5: 0xFF0000
MATCHING_TAB = (571, 502)

RED = "255"
BLUE = "16711680"


def click(h, window, point, double=False):
    if double:
        h.double_click(*point, window=window)
    else:
        h.click(*point, window=window)


def close_without_saving(h, run, main):
    """Closes the main window and answers "&No" to each palette's save
    prompt (the working colour went into the open palette)."""
    h.close_window(main)
    deadline = time.monotonic() + 30
    while run.running() and time.monotonic() < deadline:
        prompts = [w for w in h.visible_windows("^Tintwright$") if w != main]
        if prompts:
            h.key("alt+n", window=prompts[0])
        time.sleep(0.3)


def tools(h):
    h.seed_settings({("Prefs", "Show Tips at Startup"): "0"})

    # First run: a common colour, taken on the press.
    run = h.start_app()
    main = h.wait_main_window(run)
    click(h, main, COMMON_TAB)
    click(h, main, COMMON_RED)
    h.screenshot("common-red")
    click(h, main, HARMONIES_TAB)
    h.screenshot("harmonies-red")
    click(h, main, SHADES_TAB)
    h.screenshot("shades-red")
    close_without_saving(h, run, main)
    h.check_equal(run.wait_exit(), 0, "exit code of the first run")
    h.check_equal(h.settings().get("Prefs", "LastColor"), RED, "LastColor after a common colour")

    # Second run: a web-safe colour, taken on the double-click.
    run = h.start_app()
    main = h.wait_main_window(run)
    click(h, main, WEB_SAFE_TAB)
    click(h, main, WEB_SAFE_BLUE, double=True)
    h.screenshot("web-safe-blue")
    click(h, main, MATCHING_TAB)
    h.screenshot("matching-blue")
    close_without_saving(h, run, main)
    h.check_equal(run.wait_exit(), 0, "exit code of the second run")
    h.check_equal(h.settings().get("Prefs", "LastColor"), BLUE, "LastColor after a web-safe colour")


run_scenario(tools)
