#!/usr/bin/env python3
"""A palette made by hand and kept in a file: File > New Palette, a common
colour put in with "Add this Color to Palette", two web-safe colours dragged
onto cells, File > Save Palette As...; after a restart File > Open Palette...
shows the same colours, and the file holds them as 16 little-endian values."""

import os
import struct
import time

from app_ui import (COMMON_COLORS, COMMON_TAB, SECOND_PALETTE_GRID, WEB_SAFE_TAB, capture,
                    close_program, context_menu_pick, drag, expect_pixel, file_dialog,
                    single_column_cell, wait_cell_rgb, wait_palette_grid, web_safe_cell,
                    web_safe_color)
from harness import run_scenario
from screen_image import color_value_to_rgb
from xsession import scaled

EMPTY = -1
WHITE_RGB = (255, 255, 255)
RED_ROW = 14
RED = COMMON_COLORS[RED_ROW]
# (web-safe row, column) -> palette (row, column)
DRAGS = (((0, 5), (1, 2)), ((2, 33), (3, 3)))


def expected_cells():
    """The 16 stored values the palette should end with, row-major."""
    cells = [EMPTY] * 16
    cells[0] = RED  # the new palette's selected cell is (0, 0)
    for (ws_row, ws_col), (row, col) in DRAGS:
        cells[row * 4 + col] = web_safe_color(ws_row, ws_col)
    return cells


def check_cells(h, grid, cells, what, timeout=15):
    expected = [WHITE_RGB if value == EMPTY else color_value_to_rgb(value) for value in cells]
    deadline = time.monotonic() + scaled(timeout)
    while True:
        shot = capture(h)
        shown = [grid.cell_rgb(shot, *divmod(index, 4)) for index in range(16)]
        if shown == expected or time.monotonic() > deadline:
            break
        time.sleep(0.2)
    for index, (got, rgb) in enumerate(zip(shown, expected)):
        h.check(got == rgb, f"{what}: cell {divmod(index, 4)} shows {got}, expected {rgb}")


def make_and_save(h, path):
    run = h.start_app()
    main = h.wait_main_window(run)
    h.key("alt+f", "n", window=main)  # "&New Palette": Tintwright Palette 2
    grid = wait_palette_grid(h, main, SECOND_PALETTE_GRID)

    h.click(*COMMON_TAB, window=main)
    red_cell = single_column_cell(RED_ROW)
    expect_pixel(h, main, red_cell, RED, "common colour red")
    context_menu_pick(h, main, red_cell, "Down")  # "Add this Color to Palette"
    shown = wait_cell_rgb(h, grid, 0, 0, color_value_to_rgb(RED))
    h.check(shown == color_value_to_rgb(RED), f"added colour: cell (0, 0) shows {shown}")

    h.click(*WEB_SAFE_TAB, window=main)
    for (ws_row, ws_col), (row, col) in DRAGS:
        color = web_safe_color(ws_row, ws_col)
        source = web_safe_cell(ws_row, ws_col)
        expect_pixel(h, main, source, color, f"web-safe cell ({ws_row}, {ws_col})")
        drag(h, main, source, grid.cell_point(h, main, row, col))
        shown = wait_cell_rgb(h, grid, row, col, color_value_to_rgb(color))
        h.check(shown == color_value_to_rgb(color),
                f"dropped colour: cell ({row}, {col}) shows {shown}")
    h.screenshot("filled")

    h.key("alt+f", "a", window=main)  # "Save Palette &As..."
    file_dialog(h, "Select File Name", path)
    h.screenshot("saved")
    # Saving cleared the palette's changes: closing asks nothing.
    _, code = close_program(h, run, main)
    h.check_equal(code, 0, "exit code of the first run")
    # The last drop made its colour the active colour.
    last = web_safe_color(*DRAGS[-1][0])
    h.check_equal(h.settings().get("Prefs", "LastColor"), str(last), '"Prefs"/"LastColor"')


def check_file(h, path, cells):
    h.require(os.path.exists(path), f"no palette file at {path}")
    with open(path, "rb") as f:
        data = f.read()
    h.require(len(data) == 64, f"the palette file holds {len(data)} bytes, expected 64")
    # 16 signed 32-bit little-endian values, row-major; -1 is an empty cell.
    h.check_equal(list(struct.unpack("<16i", data)), cells, "values in the palette file")


def reopen(h, path, cells):
    run = h.start_app()
    main = h.wait_main_window(run)
    # "&Open Palette..." shares its mnemonic with "&Open my Workspace...", so
    # O only selects it.
    h.key("alt+f", "o", "Return", window=main)
    file_dialog(h, "Select Palette File", path)
    grid = wait_palette_grid(h, main, SECOND_PALETTE_GRID)
    check_cells(h, grid, cells, "reopened palette")
    h.screenshot("reopened")
    # The first palette took the colours remembered at the last close, which
    # are not saved in a file: its "Save Changes?" is answered No.
    _, code = close_program(h, run, main, answer_keys="alt+n")
    h.check_equal(code, 0, "exit code of the second run")


def palette(h):
    h.seed_settings({("Prefs", "Show Tips at Startup"): "0"})
    path = os.path.join(h.artifacts, "hand made.twp")
    cells = expected_cells()
    make_and_save(h, path)
    check_file(h, path, cells)
    reopen(h, path, cells)


run_scenario(palette)
