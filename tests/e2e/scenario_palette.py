#!/usr/bin/env python3
"""A palette made by hand, kept in a file and exported: File > New Palette,
red put in with "Add this Color to Palette", a web-safe blue dragged onto cell
(2, 1), File > Save Palette As...; the file matches tests/data/red-and-blue.twp.
After a restart File > Open Palette... shows the same colours, and every item
of File > Export Palette writes, through the save dialog, a file that matches
its golden file in tests/data."""

import os
import time

from app_ui import (COMMON_COLORS, COMMON_TAB, SECOND_PALETTE_GRID, WEB_SAFE_TAB, capture,
                    close_program, context_menu_pick, drag, expect_pixel, file_dialog,
                    single_column_cell, wait_cell_rgb, wait_palette_grid, web_safe_cell,
                    web_safe_color)
from harness import run_scenario
from screen_image import color_value_to_rgb
from xsession import scaled

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "data")
RED_ROW = 14
RED = COMMON_COLORS[RED_ROW]
BLUE_SOURCE, BLUE_CELL = (0, 5), (2, 1)  # web-safe (row, column) -> palette (row, column)
BLUE = web_safe_color(*BLUE_SOURCE)
# Export Palette's items from the top (moves skip the separator), by the
# extension of the file each writes.
ITEMS = ("act", "ai", "html", "xml", "gpl", "ase", "css", "json")
# "o" highlights "&Open Palette..." (its mnemonic clashes with "&Open my
# Workspace...", so it only selects); "Export Palette" is three items below.
TO_EXPORT_PALETTE = ("o", "Down", "Down", "Down", "Right")


def read(path, timeout=0):
    """The file's bytes once it is there (it appears whole), or None."""
    deadline = time.monotonic() + scaled(timeout)
    while not os.path.exists(path) and time.monotonic() < deadline:
        time.sleep(0.1)
    if not os.path.exists(path):
        return None
    with open(path, "rb") as f:
        return f.read()


def golden(extension):
    return read(os.path.join(DATA, "red-and-blue." + extension))


def check_cells(h, grid, what, timeout=15):
    colors = {(0, 0): color_value_to_rgb(RED), BLUE_CELL: color_value_to_rgb(BLUE)}
    expected = [colors.get(divmod(index, 4), (255, 255, 255)) for index in range(16)]
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
    source = web_safe_cell(*BLUE_SOURCE)
    expect_pixel(h, main, source, BLUE, f"web-safe cell {BLUE_SOURCE}")
    drag(h, main, source, grid.cell_point(h, main, *BLUE_CELL))
    check_cells(h, grid, "made by hand")
    h.screenshot("filled")

    h.key("alt+f", "a", window=main)  # "Save Palette &As..."
    file_dialog(h, "Select File Name", path)
    # Saving cleared the palette's changes: closing asks nothing.
    _, code = close_program(h, run, main)
    h.check_equal(code, 0, "exit code of the first run")
    # The drop made its colour the active colour.
    h.check_equal(h.settings().get("Prefs", "LastColor"), str(BLUE), '"Prefs"/"LastColor"')
    h.check(read(path) == golden("twp"), f"{path} differs from red-and-blue.twp")


def reopen_and_export(h, path):
    run = h.start_app()
    main = h.wait_main_window(run)
    h.key("alt+f", "o", "Return", window=main)
    file_dialog(h, "Select Palette File", path)
    check_cells(h, wait_palette_grid(h, main, SECOND_PALETTE_GRID), "reopened palette")
    h.screenshot("reopened")

    for index, extension in enumerate(ITEMS):
        target = os.path.join(h.artifacts, "exported." + extension)
        h.key("alt+f", *TO_EXPORT_PALETTE, *["Down"] * index, "Return", window=main)
        file_dialog(h, "Select Export File:", target)
        h.check(read(target, 10) == golden(extension),
                f"exported.{extension} differs from red-and-blue.{extension}")
    # The first palette took the colours remembered at the last close, which
    # are not saved in a file: its "Save Changes?" is answered No.
    _, code = close_program(h, run, main, answer_keys="alt+n")
    h.check_equal(code, 0, "exit code of the second run")


def palette(h):
    h.seed_settings({("Prefs", "Show Tips at Startup"): "0"})
    folder = os.path.join(h.artifacts, "hand made")
    os.makedirs(folder)
    path = os.path.join(folder, "red-and-blue.twp")
    make_and_save(h, path)
    reopen_and_export(h, path)


run_scenario(palette)
