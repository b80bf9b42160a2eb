#!/usr/bin/env python3
"""Two palettes opened from files and one preview of each kind, moved by
their title bars, the scroll bar given a red track, are saved as a
workspace; after a restart (with the previews' remembered places put back)
"Open my Workspace..." shows every window where it was, with its colours."""

import os
import struct

from app_ui import (PREVIEWS_LAYOUT, close_program, drag, expect_pixel, file_dialog, prompts,
                    wait_cell_rgb, wait_changed, wait_palette_grid)
from harness import run_scenario
from screen_image import color_value_to_rgb

COLORS = {"red": 0x0000FF, "green": 0x00FF00}
# The main window at (0, 0), 1500 x 1100; its document area starts at
# DOCUMENT, a window's client area FRAME inside its frame. Frames are placed
# in document-area pixels (15 twips each): where each opens, where it is
# moved to, in moving order.
DOCUMENT, FRAME, TITLE = (136, 62), (4, 24), (60, 10)
MOVES = (("vector", (700, 0), (860, 420)), ("scroll bar", (450, 0), (600, 500)),
         ("web", (0, 260), (120, 600)), ("green", (48, 48), (560, 60)),
         ("red", (24, 24), (250, 280)))
PLACES = {name: place for name, _, place in MOVES}
GRID = (9, 62)  # a palette's cell (0, 0) in its frame
TRACK_BOX, TRACK = (66, 247), (22, 247)  # the designer's track colour box
TOOLBARS = {"web": (300, 8), "scroll bar": (150, 8), "vector": (190, 8)}


def at(place, point, client=True):
    """A point of a frame placed in the document area, in main-window pixels."""
    x, y = (point[0] + FRAME[0], point[1] + FRAME[1]) if client else point
    return DOCUMENT[0] + place[0] + x, DOCUMENT[1] + place[1] + y


def check_arrangement(h, main, when):
    for name, color in COLORS.items():
        grid = wait_palette_grid(h, main, at(PLACES[name], GRID, client=False))
        rgb = color_value_to_rgb(color)
        h.check_equal(wait_cell_rgb(h, grid, 3, 3, rgb), rgb, f"{when}: {name} palette cell")
    for window, point in TOOLBARS.items():
        expect_pixel(h, main, at(PLACES[window], point), 0xEFEFEF, f"{when}: {window} toolbar")
    expect_pixel(h, main, at(PLACES["scroll bar"], TRACK), COLORS["red"], f"{when}: red track")


def arrange_and_save(h, palettes, path):
    run = h.start_app()
    main = h.wait_main_window(run)
    for palette in palettes:
        h.key("alt+f", "o", "Return", window=main)
        file_dialog(h, "Select Palette File", palette)
    for letter in "wsv":
        h.key("alt+u", letter, window=main)
    for _, opened, place in MOVES:
        drag(h, main, at(opened, TITLE, client=False), at(place, TITLE, client=False))
    red = wait_palette_grid(h, main, at(PLACES["red"], GRID, client=False))
    drag(h, main, red.cell_point(h, main, 0, 0), at(PLACES["scroll bar"], TRACK_BOX))
    check_arrangement(h, main, "arranged")
    h.key("alt+f", "w", window=main)  # "Save my &Workspace..."
    file_dialog(h, "Save Workspace As", path)
    saved = h.wait_window("Workspace Saved")
    h.key("Return", window=saved)
    h.wait_window_gone(saved)
    h.check_equal(close_program(h, run, main)[1], 0, "exit code of the first run")


def workspace(h):
    h.seed_settings(PREVIEWS_LAYOUT)
    palettes = [os.path.join(h.artifacts, f"{name}.twp") for name in COLORS]
    for palette, color in zip(palettes, COLORS.values()):
        with open(palette, "wb") as f:
            f.write(struct.pack("<16i", *[color] * 16))
    path = os.path.join(h.artifacts, "desk.tww")
    arrange_and_save(h, palettes, path)
    with open(path, "rb") as f:
        headers = [line for line in f.read().split(b"\r\n") if line.startswith(b"[")]
    h.check_equal(headers, [b"[palette]"] * 3 + [b"[webpreview]", b"[scrollbar]", b"[vectorimg]"],
                  "sections")

    h.seed_settings(PREVIEWS_LAYOUT)  # else the previews would open where they were moved
    run = h.start_app()
    main = h.wait_main_window(run)
    h.key("alt+f", "o", "o", "Return", window=main)  # "&Open my Workspace..."
    file_dialog(h, "Open Workspace", path)
    # The first palette took the colours remembered at the last close, kept
    # in no file: closing it for the workspace asks, and is answered No.
    h.require(wait_changed(lambda: prompts(h, main), []), "no save prompt")
    h.key("alt+n", window=prompts(h, main)[0])
    check_arrangement(h, main, "reopened")
    h.screenshot("reopened")
    h.check_equal(close_program(h, run, main)[1], 0, "exit code of the second run")


run_scenario(workspace)
