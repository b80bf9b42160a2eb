#!/usr/bin/env python3
"""The eyedropper takes exactly the screen's pixel. A known picture is shown
on the screen beside the program; the eyedropper, opened from the tool bar,
covers the screen with it frozen, and a click on one of its pixels makes that
pixel's colour the active colour: the status boxes and the active palette's
selected cell show it. Again at 1.5 device pixels per logical pixel, opened
from the Utilities menu: Alt leaves the picker open, Escape closes it without
a change, and a right click on a pixel offers the colour context menu, whose
"Set as Background" is kept when the program closes."""

import os
import shutil
import subprocess
import sys
import time

from app_ui import FIRST_PALETTE_GRID, capture, close_program, wait_cell_rgb, wait_palette_grid
from harness import SKIP_EXIT_CODE, ScenarioFailure, run_scenario
from screen_image import rgb_to_color_value
from xsession import spawn, stop_process

EYEDROPPER_BUTTON = (224, 37)  # in the main window, at one pixel per logical pixel
STATUS_BOX_FROM_RIGHT = (259, 165, 70)  # status box centres, 14 pixels above the bottom
PICTURE_AT = (40, 1060)  # below the main window at both scales
PICTURE_SIZE = (256, 128)


def picture_rgb(x, y):
    """Every pixel of the known picture differs from its neighbours."""
    return x, 2 * y, 99


def show_picture(h):
    """Shows the picture in an ImageMagick window and returns the process and
    the screen position of the picture's top left pixel."""
    width, height = PICTURE_SIZE
    path = os.path.join(h.artifacts, "picture.ppm")
    with open(path, "wb") as f:
        f.write(b"P6 %d %d 255\n" % (width, height))
        f.write(bytes(c for y in range(height) for x in range(width) for c in picture_rgb(x, y)))
    env = dict(os.environ, DISPLAY=h.display)
    viewer = spawn(["display", "-geometry", "+%d+%d" % PICTURE_AT, path], env, subprocess.DEVNULL)
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        shot = capture(h)
        for y in range(PICTURE_AT[1], PICTURE_AT[1] + 12):
            for x in range(PICTURE_AT[0], PICTURE_AT[0] + 12):
                if (shot.pixel(x, y) == picture_rgb(0, 0)
                        and shot.pixel(x + 1, y + 1) == picture_rgb(1, 1)):
                    return viewer, (x, y)
        time.sleep(0.2)
    raise ScenarioFailure("the known picture did not appear on the screen")


def status_text(h, main, box):
    """What a status box says: selected and copied like a user would."""
    rect = h.window_geometry(main)
    h.click(rect.width - STATUS_BOX_FROM_RIGHT[box], rect.height - 14, window=main)
    h.key("ctrl+a", "ctrl+c")
    time.sleep(0.3)
    return subprocess.run(["xclip", "-display", h.display, "-o", "-selection", "clipboard"],
                          capture_output=True, text=True, timeout=10).stdout


def pick(h, point, button=1):
    picker = h.wait_window("Eyedropper Tool")
    h.xdotool("mousemove", "--sync", *point)
    time.sleep(0.3)
    h.screenshot("eyedropper-over-the-picture")
    h.xdotool("click", button)
    return picker


def eyedropper(h):
    if shutil.which("xclip") is None:
        print("SKIPPED: missing xclip (scripts/install-deps.sh installs it)")
        sys.exit(SKIP_EXIT_CODE)
    h.seed_settings({("Prefs", "Show Tips at Startup"): "0"})
    viewer, origin = show_picture(h)
    try:
        # One device pixel per logical pixel, from the tool bar.
        run = h.start_app()
        main = h.wait_main_window(run)
        grid = wait_palette_grid(h, main, FIRST_PALETTE_GRID)
        h.focus(main)  # as a window manager does on the click; the palette is active then
        h.click(*EYEDROPPER_BUTTON, window=main)
        rgb = picture_rgb(77, 33)
        h.wait_window_gone(pick(h, (origin[0] + 77, origin[1] + 33)))
        h.check_equal(wait_cell_rgb(h, grid, 0, 0, rgb), rgb, "the palette's selected cell")
        h.check_equal(status_text(h, main, 0), "%d-%d-%d" % rgb, "status box 0")
        h.check_equal(status_text(h, main, 2), "#%02X%02X%02X" % rgb, "status box 2")
        close_program(h, run, main, answer_keys="alt+n")
        h.check_equal(h.settings().get("Prefs", "LastColor"), str(rgb_to_color_value(rgb)),
                      "LastColor after the pick")

        # 1.5 device pixels per logical pixel, from the menu.
        run = h.start_app({"QT_SCALE_FACTOR": "1.5"})
        main = h.wait_main_window(run)
        h.key("alt+u", "e", window=main)
        picker = h.wait_window("Eyedropper Tool")
        h.key("alt")
        time.sleep(0.5)
        h.require(picker in h.visible_windows(), "Alt closed the eyedropper")
        h.key("Escape")
        h.wait_window_gone(picker)
        h.key("alt+u", "e", window=main)
        rgb = picture_rgb(151, 51)
        before = set(h.visible_windows())
        picker = pick(h, (origin[0] + 151, origin[1] + 51), button=3)
        time.sleep(0.5)
        h.require(set(h.visible_windows()) - before, "no colour context menu appeared")
        h.screenshot("context-menu")
        h.key("Up", "Return")  # "Set as Background", the last item
        h.wait_window_gone(picker)
        close_program(h, run, main)
        settings = h.settings()
        h.check_equal(settings.get("Prefs", "BackColor"), str(rgb_to_color_value(rgb)),
                      "BackColor after a right click at 1.5 ×")
        h.check_equal(settings.get("Prefs", "LastColor"),
                      str(rgb_to_color_value(picture_rgb(77, 33))), "LastColor after Escape")
    finally:
        stop_process(viewer)


run_scenario(eyedropper)
