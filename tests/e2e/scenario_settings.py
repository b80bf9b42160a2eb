#!/usr/bin/env python3
"""Settings written at shut-down and read back at the next start: the main
window rectangle (twips, 15 per pixel at the 96 dpi of the test display), the
active colour, the document-area background chosen with "Set as Background"
and the choice to show a tip at start-up; and rectangles that arrive damaged
or from a machine with other monitors."""

import time

from app_ui import (COMMON_COLORS, COMMON_TAB, capture, close_program, context_menu_pick,
                    expect_pixel, single_column_cell, to_screen)
from harness import Rect, ScenarioFailure, run_scenario
from screen_image import color_value_to_rgb
from xsession import scaled

TWIPS_PER_PIXEL = 15
# First-run rectangle in twips: left, top, width, height.
DEFAULT_TWIPS = (1455, 1050, 12495, 9345)
MOVED = Rect(210, 150, 1000, 700)
TIP_TITLE = "Tip of the Day"
DARK_CYAN_ROW = 6
DARK_CYAN = COMMON_COLORS[DARK_CYAN_ROW]


def near(actual, expected, tolerance):
    return all(abs(a - e) <= tolerance for a, e in zip(actual, expected))


def stored_rect_twips(h, settings):
    values = [settings.get("Settings", key) for key in ("MainLeft", "MainTop", "MainWidth", "MainHeight")]
    h.require(None not in values, f'the main window rectangle is incomplete after shut-down: {values}')
    return tuple(float(value) for value in values)


def run_once(h, label):
    run = h.start_app()
    window = h.wait_main_window(run)
    h.screenshot(label)
    return run, window


def tip_shown_within(h, seconds):
    """Whether a tips window comes up within seconds: it is shown right after
    the splash goes, so a short watch after start-up settles it."""
    deadline = time.monotonic() + scaled(seconds)
    while time.monotonic() < deadline:
        if any(h.window_name(w) == TIP_TITLE for w in h.visible_windows(TIP_TITLE)):
            return True
        time.sleep(0.1)
    return False


def check_background(h, window, color_value, what):
    """The document area shows color_value near its right-hand corners (clear
    of the centred logo and the palettes at its top left; it ends about 272
    pixels left of the main window's right edge and 142 above its bottom) and
    over a large part of the window."""
    rgb = color_value_to_rgb(color_value)
    rect = h.window_geometry(window)
    right = rect.width - 290
    deadline = time.monotonic() + scaled(10)
    while True:
        shot = capture(h)
        points = [to_screen(h, window, p) for p in ((right, 80), (right, rect.height - 160))]
        shown = [shot.pixel(x, y) for x, y in points]
        if all(s == rgb for s in shown) or time.monotonic() > deadline:
            break
        time.sleep(0.2)
    h.check(all(s == rgb for s in shown), f"{what}: document area shows {shown}, expected {rgb}")
    covered = shot.count(rgb, rect.x, rect.y, rect.x + rect.width, rect.y + rect.height)
    h.check(covered > rect.width * rect.height // 5,
            f"{what}: only {covered} pixels of the main window show {rgb}")


def first_run(h):
    """Empty store: defaults, the tip, then the user unticks the tip box,
    moves and resizes the window and closes."""
    run, window = run_once(h, "first-run")
    tip = h.wait_window(TIP_TITLE, run=run)
    default_px = tuple(t / TWIPS_PER_PIXEL for t in DEFAULT_TWIPS)
    shown = h.window_geometry(window)
    h.check(near(shown, default_px, 1), f"first-run rectangle {shown}, expected {default_px}")
    check_background(h, window, 0xFFFFFF, "first-run background")

    h.key("alt+s", window=tip)  # "&Show Tips at Startup" off
    h.screenshot("tip-unticked")
    h.close_window(tip)
    h.wait_window_gone(tip)
    h.set_window_geometry(window, MOVED)
    _, code = close_program(h, run, window)
    h.check_equal(code, 0, "exit code of the first run")

    stored = h.settings()
    h.require(stored.exists, f"no settings file at {stored.path}")
    h.check_equal(stored.get("Prefs", "LastColor"), "0", '"Prefs"/"LastColor"')
    h.check_equal(stored.get("Prefs", "BackColor"), "16777215", '"Prefs"/"BackColor"')
    h.check_equal(stored.get("Prefs", "Show Tips at Startup"), "0",
                  '"Prefs"/"Show Tips at Startup" after unticking')
    twips = stored_rect_twips(h, stored)
    expected_twips = tuple(v * TWIPS_PER_PIXEL for v in MOVED)
    h.check(near(twips, expected_twips, TWIPS_PER_PIXEL),
            f"stored rectangle {twips} twips, expected {expected_twips}")


def second_run(h):
    """The stored rectangle comes back, no tip; the user makes a common
    colour the background."""
    run, window = run_once(h, "second-run")
    h.check(not tip_shown_within(h, 3), 'a tip came up although "Show Tips at Startup" is 0')
    shown = h.window_geometry(window)
    h.check(near(shown, MOVED, 1), f"restored rectangle {shown}, expected {MOVED}")

    h.click(*COMMON_TAB, window=window)
    cell = single_column_cell(DARK_CYAN_ROW)
    expect_pixel(h, window, cell, DARK_CYAN, "common colour dark cyan")
    context_menu_pick(h, window, cell, "Up")  # "Set as Background"
    check_background(h, window, DARK_CYAN, "background after Set as Background")
    h.screenshot("dark-cyan-background")
    _, code = close_program(h, run, window)
    h.check_equal(code, 0, "exit code of the second run")
    h.check_equal(h.settings().get("Prefs", "BackColor"), str(DARK_CYAN),
                  '"Prefs"/"BackColor" after Set as Background')
    h.check_equal(h.settings().get("Prefs", "LastColor"), "0",
                  '"Prefs"/"LastColor" (a right-click picks no colour)')


# Stored rectangles in twips a start must survive: it comes up as quickly and
# as small in memory as any other, with its window on the display, and
# stores a rectangle that lies on it. The first start finds what the second
# run stored: its rectangle and background come back.
DAMAGED = (
    ("as-stored", {}),
    ("huge-left", {"MainLeft": "99999999999"}),
    ("negative", {"MainLeft": "-30000", "MainTop": "-15000"}),
    ("monitor-gone", {"MainLeft": "45000", "MainTop": "30000"}),
    ("int-limits", {"MainWidth": "2147483647", "MainHeight": "2147483647"}),
    ("not-numbers", {"MainLeft": "nan", "MainTop": "inf", "MainWidth": "x", "MainHeight": "-inf"}),
)
DISPLAY = (1600, 1200)
MAX_START_SECONDS = 15
MAX_PEAK_KB = 1024 * 1024


def on_display(rect):
    x, y, width, height = rect
    return x >= 0 and y >= 0 and width > 0 and height > 0 and \
        x + width <= DISPLAY[0] and y + height <= DISPLAY[1]


def peak_memory_kb(pid):
    with open(f"/proc/{pid}/status") as f:
        return next(int(line.split()[1]) for line in f if line.startswith("VmHWM:"))


def damaged_rectangles(h):
    for label, values in DAMAGED:
        h.seed_settings({("Settings", key): value for key, value in values.items()})
        started = time.monotonic()
        run, window = run_once(h, label)
        seconds = time.monotonic() - started
        h.check(seconds < scaled(MAX_START_SECONDS), f"{label}: start took {seconds:.1f} s")
        peak = peak_memory_kb(run.pid)
        h.check(peak < MAX_PEAK_KB, f"{label}: {peak} kB of memory at start-up")
        shown = h.window_geometry(window)
        h.check(on_display(shown), f"{label}: window at {shown}, off the display")
        if not values:
            h.check(near(shown, MOVED, 1), f"rectangle at the third start {shown}, expected {MOVED}")
            check_background(h, window, DARK_CYAN, "restored background")
        _, code = close_program(h, run, window)
        h.check_equal(code, 0, f"exit code with the {label} rectangle")
        stored = tuple(t / TWIPS_PER_PIXEL for t in stored_rect_twips(h, h.settings()))
        h.check(on_display(stored), f"{label}: stored rectangle {stored} pixels, off the display")


def settings(h):
    first_run(h)
    second_run(h)
    damaged_rectangles(h)


run_scenario(settings)
