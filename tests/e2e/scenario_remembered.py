#!/usr/bin/env python3
"""Colours kept between runs: two common colours picked into the palette go
into the colour history; a history colour is dragged onto a favourite slot and
another put into a slot through the context menu's "&Add to Favorites"; an
orange typed in Utilities > Modify HEX Value... goes into the palette and the
history. After quitting and starting again the favourites, the history and
the palette's colours are back on screen, and the settings file holds them."""

from app_ui import (COMMON_COLORS, COMMON_TAB, FAVORITES_TAB, FIRST_PALETTE_GRID, capture,
                    close_program, context_menu_pick, drag, expect_pixel, favorite_slot, history_swatch,
                    single_column_cell, wait_cell_rgb, wait_palette_grid)
from harness import run_scenario
from screen_image import color_value_to_rgb

RED_ROW, GREEN_ROW = 14, 12
RED, GREEN = COMMON_COLORS[RED_ROW], COMMON_COLORS[GREEN_ROW]
ORANGE = 0x0080FF
HISTORY = (0xFFFFFF, RED, GREEN, ORANGE)
# Slot index -> colour: red dragged from the history, green from its menu.
FAVORITES = {0: RED, 2: GREEN}


def check_on_screen(h, main, grid, what):
    shown = wait_cell_rgb(h, grid, 0, 0, color_value_to_rgb(ORANGE))
    h.check(shown == color_value_to_rgb(ORANGE), f"{what}: palette cell (0, 0) shows {shown}")
    rect = h.window_geometry(main)
    for index, color in enumerate(HISTORY):
        expect_pixel(h, main, history_swatch(index, rect.width), color, f"{what}: history {index}")
    h.click(*FAVORITES_TAB, window=main)
    for slot, color in FAVORITES.items():
        expect_pixel(h, main, favorite_slot(slot), color, f"{what}: favourite slot {slot}")
    h.screenshot(what)


def first_run(h):
    run = h.start_app()
    main = h.wait_main_window(run)
    grid = wait_palette_grid(h, main, FIRST_PALETTE_GRID)
    h.click(*COMMON_TAB, window=main)
    for row in (RED_ROW, GREEN_ROW):
        expect_pixel(h, main, single_column_cell(row), COMMON_COLORS[row], f"common row {row}")
        h.click(*single_column_cell(row), window=main)

    width = h.window_geometry(main).width
    h.click(*FAVORITES_TAB, window=main)
    expect_pixel(h, main, history_swatch(1, width), RED, "red in the history")
    drag(h, main, history_swatch(1, width), favorite_slot(0))
    # "&Add to Favorites" (the other A, "&Adjust Color", is disabled), "Slot 3".
    context_menu_pick(h, main, history_swatch(2, width), "a", "Down", "Down")
    h.screenshot("favorites")

    h.key("alt+u", "h", window=main)  # "Modify &HEX Value..."
    dialog = h.wait_window("Hex Color", run=run)
    h.type_text("FF8000", window=dialog)  # replaces the selected text
    h.key("Return", window=dialog)  # "&Apply"
    h.wait_window_gone(dialog)
    check_on_screen(h, main, grid, "before-quitting")
    _, code = close_program(h, run, main, answer_keys="alt+n")
    h.check_equal(code, 0, "exit code of the first run")


def check_settings(h):
    stored = h.settings()
    expected = {("System", "RememberState"): "Yes", ("Recent", "Count"): str(len(HISTORY)),
                ("Palette", "Slot_0x0"): str(ORANGE), ("Palette", "Slot_3x3"): "-1"}
    for index, color in enumerate(HISTORY):
        expected[("Recent", str(index))] = str(color)
        expected[("Recent", f"caption_{index}")] = "#%02X%02X%02X" % color_value_to_rgb(color)
    for slot, color in FAVORITES.items():
        expected[("Favorites", f"Slot_{slot}")] = str(color)
    for (section, key), value in expected.items():
        h.check_equal(stored.get(section, key), value, f'"{section}"/"{key}"')


def second_run(h):
    run = h.start_app()
    main = h.wait_main_window(run)
    check_on_screen(h, main, wait_palette_grid(h, main, FIRST_PALETTE_GRID), "restarted")
    _, code = close_program(h, run, main, answer_keys="alt+n")
    h.check_equal(code, 0, "exit code of the second run")


def remembered(h):
    h.seed_settings({("Prefs", "Show Tips at Startup"): "0"})
    first_run(h)
    check_settings(h)
    second_run(h)


run_scenario(remembered)
