#!/usr/bin/env python3
"""Every way of taking a colour from what the program shows: a double-click
on the RGB plane, the colour spectrum, a web-safe cell and a shade each makes
the colour under the pointer the active colour, which the status boxes show
and the active palette writes into its selected cell; a triad swatch (the
shade turned by +120 degrees) dragged onto another cell lands there. The
program keeps the last colour as "Prefs"/"LastColor"."""

import time

from app_ui import (FIRST_PALETTE_GRID, HARMONIES_TAB, SHADES_TAB, TRIAD_SWATCHES, WEB_SAFE_TAB,
                    capture, close_program, drag, single_column_cell, status_boxes, to_screen,
                    wait_cell_rgb, wait_changed, wait_palette_grid, wait_pixel, web_safe_cell)
from harness import run_scenario
from screen_image import rgb_to_color_value

# Points of the main window at its first-run size: the selector pages start
# at (139, 515), under their tabs.
PLANE_POINT = (241, 557)  # the plane spans 141..399 x 517..584
SPECTRUM_TAB = (297, 502)
SPECTRUM_POINT = (339, 545)  # the spectrum spans 139..698 x 515..585
SHADE_ROW = 10  # 50 % brightness
DROP_CELL = (2, 1)


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
    pick(h, main, grid, PLANE_POINT, "plane")
    for tab, point, what in ((SPECTRUM_TAB, SPECTRUM_POINT, "spectrum"),
                             (WEB_SAFE_TAB, web_safe_cell(0, 5), "web-safe grid"),
                             (SHADES_TAB, single_column_cell(SHADE_ROW), "shades")):
        h.click(*tab, window=main)
        time.sleep(0.5)
        shade = pick(h, main, grid, point, what)

    h.click(*HARMONIES_TAB, window=main)
    turned = (shade[2], shade[0], shade[1])
    triad = wait_pixel(h, main, TRIAD_SWATCHES[1],
                       lambda rgb: all(abs(a - b) <= 1 for a, b in zip(rgb, turned)))
    h.check(all(abs(a - b) <= 1 for a, b in zip(triad, turned)),
            f"triad swatch 1 shows {triad}, expected about {turned}")
    drag(h, main, TRIAD_SWATCHES[1], grid.cell_point(h, main, *DROP_CELL))
    shown = wait_cell_rgb(h, grid, *DROP_CELL, triad)
    h.check(shown == triad, f"palette cell {DROP_CELL} shows {shown} after the drop, "
                            f"expected {triad}")
    h.screenshot("triad-dropped")

    prompts, code = close_program(h, run, main, answer_keys="alt+n")
    h.check_equal(prompts, 1, "save prompts of the changed palette")
    h.check_equal(code, 0, "exit code")
    h.check_equal(h.settings().get("Prefs", "LastColor"), str(rgb_to_color_value(triad)),
                  '"Prefs"/"LastColor" after dropping a swatch')


run_scenario(selectors)
