#!/usr/bin/env python3
"""Settings written at shut-down and read back at the next start: the main
window rectangle (twips, 15 per pixel at the 96 dpi of the test display), the
active colour and the document-area background."""

from harness import Rect, ScenarioFailure, run_scenario

TWIPS_PER_PIXEL = 15
# First-run rectangle in twips: left, top, width, height.
DEFAULT_TWIPS = (1455, 1050, 12495, 9345)
MOVED = Rect(210, 150, 1000, 700)


def near(actual, expected, tolerance):
    return all(abs(a - e) <= tolerance for a, e in zip(actual, expected))


def stored_rect_twips(h, settings):
    values = []
    for key in ("MainLeft", "MainTop", "MainWidth", "MainHeight"):
        text = settings.get("Settings", key)
        h.require(text is not None, f'"Settings"/"{key}" missing after shut-down')
        try:
            values.append(float(text))
        except ValueError:
            raise ScenarioFailure(f'"Settings"/"{key}" is not a number: {text!r}')
    return tuple(values)


def run_once(h, label):
    run = h.start_app()
    window = h.wait_main_window(run)
    h.screenshot(label)
    return run, window


def settings(h):
    # First run: defaults, then the user moves and resizes the window.
    run, window = run_once(h, "first-run")
    default_px = tuple(t / TWIPS_PER_PIXEL for t in DEFAULT_TWIPS)
    shown = h.window_geometry(window)
    h.check(near(shown, default_px, 1), f"first-run rectangle {shown}, expected {default_px}")
    h.set_window_geometry(window, MOVED)
    h.close_window(window)
    h.check_equal(run.wait_exit(), 0, "exit code of the first run")

    stored = h.settings()
    h.require(stored.exists, f"no settings file at {stored.path}")
    h.check_equal(stored.get("Prefs", "LastColor"), "0", '"Prefs"/"LastColor"')
    h.check_equal(stored.get("Prefs", "BackColor"), "16777215", '"Prefs"/"BackColor"')
    twips = stored_rect_twips(h, stored)
    expected_twips = tuple(v * TWIPS_PER_PIXEL for v in MOVED)
    h.check(near(twips, expected_twips, TWIPS_PER_PIXEL),
            f"stored rectangle {twips} twips, expected {expected_twips}")

    # Second run: the stored rectangle comes back.
    run, window = run_once(h, "second-run")
    shown = h.window_geometry(window)
    h.check(near(shown, MOVED, 1), f"restored rectangle {shown}, expected {MOVED}")
    h.close_window(window)
    h.check_equal(run.wait_exit(), 0, "exit code of the second run")


run_scenario(settings)
