#!/usr/bin/env python3
"""Colours derived from the active colour reach the palette: a double-click
on a shade makes it the active colour, which the active palette writes into
its selected cell and the program keeps as "Prefs"/"LastColor"; a harmony
swatch dragged onto a palette cell lands in that cell and becomes the active
colour."""

from app_ui import (FIRST_PALETTE_GRID, SHADES_TAB, TRIAD_SWATCHES, close_program, drag,
                    single_column_cell, status_boxes, wait_cell_rgb, wait_changed,
                    wait_palette_grid, wait_pixel)
from harness import run_scenario
from screen_image import rgb_to_color_value

RED = 0x0000FF
SHADE_ROW = 10  # 50 % brightness
DROP_CELL = (2, 1)


def is_red_shade(rgb):
    """A red of about half brightness, as row 10 of the shades of pure red."""
    return rgb[1:] == (0, 0) and 100 < rgb[0] < 160


def double_click_a_shade(h):
    run = h.start_app()
    main = h.wait_main_window(run)
    grid = wait_palette_grid(h, main, FIRST_PALETTE_GRID)
    h.click(*SHADES_TAB, window=main)
    shade_cell = single_column_cell(SHADE_ROW)
    shade = wait_pixel(h, main, shade_cell, is_red_shade)
    h.require(is_red_shade(shade), f"shade row {SHADE_ROW} of pure red shows {shade}")
    h.screenshot("shades-of-red")

    before = status_boxes(h, main)
    h.double_click(*shade_cell, window=main)
    shown = wait_cell_rgb(h, grid, 0, 0, shade)
    h.check(shown == shade, f"selected palette cell (0, 0) shows {shown}, expected {shade}")
    h.check(wait_changed(lambda: status_boxes(h, main), before),
            "the status boxes did not change")
    h.screenshot("shade-chosen")

    prompts, code = close_program(h, run, main, answer_keys="alt+n")
    h.check_equal(prompts, 1, "save prompts of the changed palette")
    h.check_equal(code, 0, "exit code of the first run")
    h.check_equal(h.settings().get("Prefs", "LastColor"), str(rgb_to_color_value(shade)),
                  '"Prefs"/"LastColor" after a double-click on a shade')
    return shade


def drag_a_triad(h, shade):
    run = h.start_app()
    main = h.wait_main_window(run)
    grid = wait_palette_grid(h, main, FIRST_PALETTE_GRID)

    def is_turned_shade(rgb):
        """The restored dark red turned by +120 degrees: a dark green."""
        return rgb[0] == rgb[2] == 0 and abs(rgb[1] - shade[0]) <= 1

    triad = wait_pixel(h, main, TRIAD_SWATCHES[1], is_turned_shade)
    h.check(is_turned_shade(triad), f"triad swatch 1 shows {triad}, expected (0, {shade[0]}, 0)")
    h.screenshot("harmonies")

    drag(h, main, TRIAD_SWATCHES[1], grid.cell_point(h, main, *DROP_CELL))
    shown = wait_cell_rgb(h, grid, *DROP_CELL, triad)
    h.check(shown == triad, f"palette cell {DROP_CELL} shows {shown} after the drop, "
                            f"expected {triad}")
    h.screenshot("triad-dropped")

    prompts, code = close_program(h, run, main, answer_keys="alt+n")
    h.check_equal(prompts, 1, "save prompts of the changed palette")
    h.check_equal(code, 0, "exit code of the second run")
    h.check_equal(h.settings().get("Prefs", "LastColor"), str(rgb_to_color_value(triad)),
                  '"Prefs"/"LastColor" after dropping a swatch')


def harmonies(h):
    h.seed_settings({("Prefs", "Show Tips at Startup"): "0", ("Prefs", "LastColor"): str(RED)})
    shade = double_click_a_shade(h)
    drag_a_triad(h, shade)


run_scenario(harmonies)
