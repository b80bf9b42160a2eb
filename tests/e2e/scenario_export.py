#!/usr/bin/env python3
"""A palette file with red at (0, 0) and blue at (2, 1) is opened with File >
Open Palette... and exported through every item of File > Export Palette and
the save dialog; each file written matches its golden file in tests/data."""

import os
import shutil
import time

from app_ui import SECOND_PALETTE_GRID, close_program, file_dialog, wait_palette_grid
from harness import run_scenario
from xsession import scaled

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "data")
# Export Palette's items from the top (moves skip the separator), by the
# extension of the file each writes.
ITEMS = ("act", "ai", "html", "xml", "gpl", "ase", "css", "json")
# "o" highlights "&Open Palette..." (its mnemonic clashes, so it only
# selects), whatever the menu highlighted when it opened; "Export Palette" is
# three items below it.
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


def export(h):
    h.seed_settings({("Prefs", "Show Tips at Startup"): "0"})
    source = os.path.join(h.artifacts, "red-and-blue.twp")
    shutil.copy(os.path.join(DATA, "red-and-blue.twp"), source)
    run = h.start_app()
    main = h.wait_main_window(run)
    h.key("alt+f", "o", "Return", window=main)  # "&Open Palette..."
    file_dialog(h, "Select Palette File", source)
    wait_palette_grid(h, main, SECOND_PALETTE_GRID)

    for index, extension in enumerate(ITEMS):
        target = os.path.join(h.artifacts, "exported." + extension)
        h.key("alt+f", *TO_EXPORT_PALETTE, *["Down"] * index, "Return", window=main)
        file_dialog(h, "Select Export File:", target)
        h.check(read(target, 10) == read(os.path.join(DATA, "red-and-blue." + extension)),
                f"exported.{extension} differs from red-and-blue.{extension}")
    h.screenshot("exported")
    prompts, code = close_program(h, run, main)
    h.check_equal((prompts, code), (0, 0), "save prompts and exit code")


run_scenario(export)
