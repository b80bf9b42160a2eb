#!/usr/bin/env python3
"""A palette file with red at (0, 0) and blue at (2, 1) is opened with File >
Open Palette... and exported through every item of File > Export Palette and
the save dialog; each file matches its golden file in tests/data. After a
restart the exported swatch exchange file opens as a palette with the same
two colours."""

import os
import shutil
import time

from app_ui import SECOND_PALETTE_GRID, close_program, wait_cell_rgb, wait_palette_grid
from harness import run_scenario
from xsession import scaled

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "data")
RED, BLUE = (255, 0, 0), (0, 0, 255)
# Export Palette's items from the top (keyboard moves skip the separator),
# by the extension of the file each writes.
ITEMS = ("act", "ai", "html", "xml", "gpl", "ase", "css", "json")
# "o" highlights "&Open Palette..." (its mnemonic clashes, so it only
# selects); three items further down is "Export Palette", whatever item the
# menu highlighted when it opened.
TO_EXPORT_PALETTE = ("o", "Down", "Down", "Down", "Right")


def file_dialog(h, title, path):
    """Types a full path into the Qt file dialog's file-name box, which has
    the focus when the dialog opens, and accepts it."""
    dialog = h.wait_window(title)
    h.type_text(path, window=dialog)
    h.key("Return", window=dialog)
    h.wait_window_gone(dialog)


def open_palette(h, main, path):
    # "&Open Palette..." shares its mnemonic with "&Open my Workspace...".
    h.key("alt+f", "o", "Return", window=main)
    file_dialog(h, "Select Palette File", path)
    return wait_palette_grid(h, main, SECOND_PALETTE_GRID)


def check_colors(h, grid, cells, what):
    for (row, col), rgb in cells.items():
        shown = wait_cell_rgb(h, grid, row, col, rgb)
        h.check(shown == rgb, f"{what}: cell ({row}, {col}) shows {shown}, expected {rgb}")


def wait_file(path, timeout=10):
    deadline = time.monotonic() + scaled(timeout)
    while not os.path.exists(path) and time.monotonic() < deadline:
        time.sleep(0.1)
    with open(path, "rb") as f:
        return f.read()


def export(h):
    h.seed_settings({("Prefs", "Show Tips at Startup"): "0"})
    source = os.path.join(h.artifacts, "red-and-blue.twp")
    shutil.copy(os.path.join(DATA, "red-and-blue.twp"), source)
    run = h.start_app()
    main = h.wait_main_window(run)
    grid = open_palette(h, main, source)
    check_colors(h, grid, {(0, 0): RED, (2, 1): BLUE, (0, 1): (255, 255, 255)}, "opened palette")

    for index, extension in enumerate(ITEMS):
        target = os.path.join(h.artifacts, "exported." + extension)
        h.key("alt+f", *TO_EXPORT_PALETTE, *["Down"] * index, "Return", window=main)
        file_dialog(h, "Select Export File:", target)
        with open(os.path.join(DATA, "red-and-blue." + extension), "rb") as f:
            golden = f.read()
        h.check(os.path.exists(target) and wait_file(target) == golden,
                f"exported.{extension} differs from red-and-blue.{extension}")
    h.screenshot("exported")
    prompts, code = close_program(h, run, main)
    h.check_equal((prompts, code), (0, 0), "save prompts and exit code of the first run")

    run = h.start_app()
    main = h.wait_main_window(run)
    grid = open_palette(h, main, os.path.join(h.artifacts, "exported.ase"))
    check_colors(h, grid, {(0, 0): RED, (0, 1): BLUE, (2, 1): (255, 255, 255)}, "swatch file")
    h.screenshot("swatch-file-opened")
    prompts, code = close_program(h, run, main)
    h.check_equal((prompts, code), (0, 0), "save prompts and exit code of the second run")


run_scenario(export)
