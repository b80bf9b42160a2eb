#!/usr/bin/env python3
"""The colour selectors pick what is under the pointer: a double-click on the
RGB plane, and then one on the colour spectrum, each makes the colour there
the active colour, which the status boxes show and the active palette writes
into its selected cell; the program keeps the last one as "Prefs"/"LastColor"."""

import time

from app_ui import (FIRST_PALETTE_GRID, capture, close_program, status_boxes, to_screen,
                    wait_cell_rgb, wait_changed, wait_palette_grid)
from harness import run_scenario
from screen_image import rgb_to_color_value

# Points of the main window at its first-run size: the selector pages start
# at (139, 515), under their tabs.
PLANE_POINT = (241, 557)  # the plane spans 141..399 x 517..584
SPECTRUM_TAB = (297, 502)
SPECTRUM_POINT = (339, 545)  # the spectrum spans 139..698 x 515..585


def pick(h, main, grid, point, what):
    """Rests the pointer on point long enough for the colour under it to be
    sampled, double-clicks there and checks where the colour went."""
    h.xdotool("mousemove", "--sync", *to_screen(h, main, point))
    time.sleep(0.5)
    color = capture(h).pixel(*to_screen(h, main, point))
    before = status_boxes(h, main)
    # Where the pointer already is: a move to the same place would wait for
    # motion that never comes.
    h.xdotool("click", "--repeat", 2, "--delay", 80, 1)
    h.check(wait_changed(lambda: status_boxes(h, main), before),
            f"the status boxes did not change after a double-click on the {what}")
    shown = wait_cell_rgb(h, grid, 0, 0, color)
    h.check(shown == color, f"selected palette cell (0, 0) shows {shown} after a double-click "
                            f"on the {what}, expected {color}")
    h.screenshot(f"{what}-picked")
    return color


def selectors(h):
    h.seed_settings({("Prefs", "Show Tips at Startup"): "0"})
    run = h.start_app()
    main = h.wait_main_window(run)
    grid = wait_palette_grid(h, main, FIRST_PALETTE_GRID)
    h.screenshot("rgb-selector")
    pick(h, main, grid, PLANE_POINT, "plane")
    h.click(*SPECTRUM_TAB, window=main)
    time.sleep(0.5)
    h.screenshot("spectrum")
    color = pick(h, main, grid, SPECTRUM_POINT, "spectrum")

    prompts, code = close_program(h, run, main, answer_keys="alt+n")
    h.check_equal(prompts, 1, "save prompts of the changed palette")
    h.check_equal(code, 0, "exit code")
    h.check_equal(h.settings().get("Prefs", "LastColor"), str(rgb_to_color_value(color)),
                  '"Prefs"/"LastColor" after a double-click on the spectrum')


run_scenario(selectors)
