#!/usr/bin/env python3
"""The three previews take a colour dragged from a palette: a red put into
the first palette goes onto a link cell of the web page preview, the track
box of the scroll-bar designer and the sky of the vector image preview, and
each shows it (the designer in its drawn scroll bar, the vector preview over
the whole sky). The web page saved as HTML matches the golden page, first
as opened and then with the red link cell; the page's colours stay in the
settings."""

import os

from app_ui import (COMMON_COLORS, COMMON_TAB, FIRST_PALETTE_GRID, PREVIEWS_LAYOUT, close_program,
                    context_menu_pick, drag, expect_pixel, single_column_cell, wait_cell_rgb,
                    wait_palette_grid, wait_pixel)
from harness import run_scenario
from screen_image import color_value_to_rgb

RED = COMMON_COLORS[14]
# The main window at (0, 0), 1500 x 1100; the previews placed in its
# document area, whose top left is at DOCUMENT; a window's client area
# starts FRAME inside its frame. Points are pixels (15 twips each).
DOCUMENT = (136, 62)
FRAME = (4, 24)
PLACES = {"web": (0, 260), "scroll bar": (450, 0), "vector": (700, 0)}
GOLDEN = os.path.join(os.path.dirname(__file__), "..", "data", "webpreview-first-run.html")


def point(window, x, y):
    """A point of a preview's client area, in main-window pixels."""
    left, top = PLACES[window]
    return DOCUMENT[0] + left + FRAME[0] + x, DOCUMENT[1] + top + FRAME[1] + y


def save_page(h, main, path):
    h.click(*point("web", 91, 12), window=main)  # the toolbar's "save"
    dialog = h.wait_window("Select file name")
    h.type_text(path, window=dialog)
    h.key("Return", window=dialog)
    h.wait_window_gone(dialog)
    h.require(os.path.exists(path), f"no page saved at {path}")
    with open(path, "rb") as f:
        return f.read()


def previews(h):
    h.seed_settings(PREVIEWS_LAYOUT)
    run = h.start_app()
    main = h.wait_main_window(run)
    grid = wait_palette_grid(h, main, FIRST_PALETTE_GRID)
    h.click(*COMMON_TAB, window=main)
    expect_pixel(h, main, single_column_cell(14), RED, "common colour red")
    context_menu_pick(h, main, single_column_cell(14), "Down")  # "Add this Color to Palette"
    red = color_value_to_rgb(RED)
    h.require(wait_cell_rgb(h, grid, 0, 0, red) == red, "the palette did not take red")
    source = grid.cell_point(h, main, 0, 0)

    with open(GOLDEN, "rb") as f:
        golden = f.read()
    # Each preview by its menu item, then a pixel that shows it is there:
    # the web page's margin, the designer's board, the drawing's sky.
    for letter, window, ready, color in (("w", "web", (1, 30), 0xEFEFEF),
                                         ("s", "scroll bar", (2, 30), 0xC0C0C0),
                                         ("v", "vector", (20, 114), 0xFFFFFF)):
        h.key("alt+u", letter, window=main)
        expect_pixel(h, main, point(window, *ready), color, f"the {window} preview", radius=1)
    h.check_equal(save_page(h, main, os.path.join(h.artifacts, "first.html")), golden,
                  "the first-run page saved as HTML")

    # Drop points and where the colour must then show: the "Features" cell;
    # the track box and a track pixel of the drawn bar; a sky point and
    # another one far off in the same sky.
    for window, target, shows in (("web", (125, 117), [(125, 117), (30, 108)]),
                                  ("scroll bar", (66, 247), [(30, 240), (146, 64)]),
                                  ("vector", (20, 114), [(20, 114), (100, 94)])):
        drag(h, main, source, point(window, *target))
        for place in shows:
            shown = wait_pixel(h, main, point(window, *place), lambda rgb: rgb == red)
            h.check(shown == red, f"{window} preview shows {shown} at {place}, expected red")
    h.screenshot("dropped")

    features = b"<td bgcolor='#FFFFFF'><font face='Tahoma' size=2 color='#000000'>Features"
    h.check_equal(save_page(h, main, os.path.join(h.artifacts, "red.html")),
                  golden.replace(features, features.replace(b"#FFFFFF", b"#FF0000")),
                  "the page with a red link cell saved as HTML")
    prompts, code = close_program(h, run, main, answer_keys="alt+n")
    h.check_equal(code, 0, "exit code")
    h.check_equal(h.settings().get("WebPreview", "4"), str(RED), '"WebPreview"/"4" after closing')


run_scenario(previews)
