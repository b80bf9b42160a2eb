#!/usr/bin/env python3
"""The eyedropper takes exactly the screen's pixel from a known picture: as
the active colour (status boxes, palette cell) on a left click, and at 1.5
device pixels per logical pixel as the background from the context menu."""

import os
import subprocess
import time

from app_ui import FIRST_PALETTE_GRID, capture, close_program, wait_cell_rgb, wait_palette_grid
from harness import ScenarioFailure, run_scenario
from screen_image import rgb_to_color_value
from xsession import spawn, stop_process

EYEDROPPER_BUTTON = (224, 37)  # in the main window at one pixel per logical pixel
PICTURE_AT = (40, 1060)  # below the main window at both scales


def picture_rgb(x, y):
    return x, 2 * y, 99  # 256 x 128 pixels, each unlike its neighbours


def show_picture(h):
    """An ImageMagick window with the picture; returns it and the screen
    position of the picture's top left pixel."""
    path = os.path.join(h.artifacts, "picture.ppm")
    with open(path, "wb") as f:
        f.write(b"P6 256 128 255\n" + bytes(
            c for y in range(128) for x in range(256) for c in picture_rgb(x, y)))
    viewer = spawn(["display", "-geometry", "+%d+%d" % PICTURE_AT, path],
                   dict(os.environ, DISPLAY=h.display), subprocess.DEVNULL)
    for _ in range(100):
        shot = capture(h)
        for x, y in ((x, y) for x in range(40, 52) for y in range(1060, 1072)):
            if shot.pixel(x, y) == picture_rgb(0, 0) and shot.pixel(x + 1, y) == picture_rgb(1, 0):
                return viewer, (x, y)
        time.sleep(0.2)
    raise ScenarioFailure("the known picture did not appear on the screen")


def pick(h, point, button):
    picker = h.wait_window("Eyedropper Tool")
    h.xdotool("mousemove", "--sync", *point)
    time.sleep(0.3)
    h.screenshot("eyedropper")
    h.xdotool("click", button)
    return picker


def eyedropper(h):
    h.seed_settings({("Prefs", "Show Tips at Startup"): "0"})
    viewer, (left, top) = show_picture(h)
    try:
        run = h.start_app()
        main = h.wait_main_window(run)
        grid = wait_palette_grid(h, main, FIRST_PALETTE_GRID)
        h.focus(main)  # as a window manager does on the click; the palette is active then
        h.click(*EYEDROPPER_BUTTON, window=main)
        rgb = picture_rgb(77, 33)
        h.wait_window_gone(pick(h, (left + 77, top + 33), 1))
        h.check_equal(wait_cell_rgb(h, grid, 0, 0, rgb), rgb, "the palette's selected cell")
        rect = h.window_geometry(main)
        h.click(rect.width - 70, rect.height - 14, window=main)  # status box 2
        h.key("ctrl+a", "ctrl+c")  # selected and copied as a user would
        time.sleep(0.3)
        copied = subprocess.run(["xclip", "-display", h.display, "-o", "-selection", "clipboard"],
                                capture_output=True, text=True, timeout=10).stdout
        h.check_equal(copied, "#%02X%02X%02X" % rgb, "status box 2")
        close_program(h, run, main, answer_keys="alt+n")

        run = h.start_app({"QT_SCALE_FACTOR": "1.5"})
        main = h.wait_main_window(run)
        h.key("alt+u", "e", window=main)  # Utilities > Eyedropper Tool...
        picker = pick(h, (left + 151, top + 51), 3)
        time.sleep(0.5)
        h.key("Up", "Return")  # "Set as Background", the menu's last item
        h.wait_window_gone(picker)
        # The first palette holds the colour remembered at the last close.
        close_program(h, run, main, answer_keys="alt+n")
        h.check_equal(h.settings().get("Prefs", "BackColor"),
                      str(rgb_to_color_value(picture_rgb(151, 51))), "BackColor at 1.5 ×")
    finally:
        stop_process(viewer)


run_scenario(eyedropper)
