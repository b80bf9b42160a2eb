"""Where things are in Tintwright's windows on the test display, and the
gestures scenarios need beyond the harness: picking from the colour context
menu, dragging a colour, finding a palette grid on the screen and closing the
program while answering the palettes' save prompts.

Points are pixels from the main window's top left corner at its first-run
size (833 x 623 on the 1600 x 1200, 96 dpi test display); the options tabs
down the left and the tool pages behind them are anchored at the top left, so
their points also hold for a larger window.
"""

import time

from harness import ScenarioFailure
from screen_image import ScreenImage, color_value_to_rgb
from xsession import scaled

# Tabs of the options strip down the left.
HARMONIES_TAB = (16, 107)
FAVORITES_TAB = (16, 190)
SHADES_TAB = (16, 272)
COMMON_TAB = (16, 337)
# Tabs of the selector strip along the bottom (first-run size only).
WEB_SAFE_TAB = (419, 502)

# The common colours, top to bottom, as 0x00BBGGRR values.
COMMON_COLORS = (0xFFFFFF, 0x000000, 0x808080, 0x000080, 0x008000, 0x800000, 0x808000,
                 0x800080, 0x008080, 0xC0C0C0, 0x00FFFF, 0xFF0000, 0x00FF00, 0xFFFF00,
                 0x0000FF, 0xFF00FF)

# Triad swatches 0 (hue -120) and 1 (hue +120) on the harmonies page.
TRIAD_SWATCHES = ((69, 272), (90, 272))

# Interior top left pixel of cell (0, 0) of the grid of the palette window
# opened at start-up and of the next palette window, which cascades one title
# bar (24 pixels) down and right of it (File > New Palette or File > Open
# Palette... after start-up).
FIRST_PALETTE_GRID = (145, 124)
SECOND_PALETTE_GRID = (169, 148)
# Palette cells: 36 pixels high, and at least 36 x 1600 / 1200 = 48 pixels
# wide on the test display (wider when the window is wider than its grid),
# each pitch including the one-pixel grid line. The width is measured.
PALETTE_CELL_HEIGHT = 36
PALETTE_CELL_WIDTHS = range(48, 73)
PALETTE_SIZE = 4

WEB_SAFE_LEVELS = (0, 51, 102, 153, 204, 255)

# Settings that lay out a main window of 1500 x 1100 pixels at the top left,
# the web page preview below its tool bar, the scroll-bar designer and the
# vector image preview side by side to the right (twips, 15 per pixel), and
# no tip at start-up.
PREVIEWS_LAYOUT = {
    ("Prefs", "Show Tips at Startup"): "0",
    ("Settings", "MainLeft"): "0", ("Settings", "MainTop"): "0",
    ("Settings", "MainWidth"): "22500", ("Settings", "MainHeight"): "16500",
    ("WindowPlacements", "Name_frm_WebPreview"): "frm_WebPreview",
    ("WindowPlacements", "frm_WebPreview_Left"): "0", ("WindowPlacements", "frm_WebPreview_Top"): "3900",
    ("WindowPlacements", "Name_frm_ScrollBar"): "frm_ScrollBar",
    ("WindowPlacements", "frm_ScrollBar_Left"): "6750", ("WindowPlacements", "frm_ScrollBar_Top"): "0",
    ("WindowPlacements", "ImageLeft"): "10500", ("WindowPlacements", "ImageTop"): "0"}


def single_column_cell(row):
    """Centre of a row of the common-colours or shades grid (32 x 32 pixel
    cells), while the grid is scrolled to its top."""
    return 72, 78 + 32 * row


def favorite_slot(index):
    """Centre of a favourite slot (49 x 33 pixels, one every 36)."""
    return 79, 84 + 36 * index


def history_swatch(index, window_width):
    """Centre of a colour history swatch (20 x 20 pixels, one every 40),
    while the list is scrolled to its top; the strip is anchored at the
    window's right edge."""
    return window_width - 233, 222 + 40 * index


def web_safe_cell(row, column):
    """Centre of a web-safe cell: the 6 x 36 grid fills 139..825 x 515..590 at
    the first-run size, cells about 19 x 12.7 pixels."""
    return 139 + int((column + 0.5) * 687 / 36), 515 + int((row + 0.5) * 76 / 6)


def web_safe_color(row, column):
    """The 0x00BBGGRR value of a web-safe cell: red grows downwards, green
    steps every six columns, blue cycles within each six."""
    red = WEB_SAFE_LEVELS[row]
    green = WEB_SAFE_LEVELS[column // 6]
    blue = WEB_SAFE_LEVELS[column % 6]
    return red | (green << 8) | (blue << 16)


def to_screen(h, window, point):
    rect = h.window_geometry(window)
    return rect.x + point[0], rect.y + point[1]


def capture(h):
    return ScreenImage.capture(h.display)


def wait_pixel(h, window, point, accept, timeout=10):
    """Polls the pixel at point of window until accept(rgb) holds or the
    time is up (a page may still be painting); returns the last rgb."""
    deadline = time.monotonic() + scaled(timeout)
    while True:
        x, y = to_screen(h, window, point)
        rgb = capture(h).pixel(x, y)
        if accept(rgb) or time.monotonic() > deadline:
            return rgb
        time.sleep(0.2)


def expect_pixel(h, window, point, color_value, what, radius=2, timeout=10):
    """Waits until the pixels around a point of window show the colour a step
    relies on; ends the scenario with a clear message when they do not (the
    layout moved)."""
    rgb = color_value_to_rgb(color_value)
    deadline = time.monotonic() + scaled(timeout)
    while True:
        x, y = to_screen(h, window, point)
        shot = capture(h)
        if shot.area_is(x, y, rgb, radius):
            return
        if time.monotonic() > deadline:
            h.screenshot("unexpected-layout")
            raise ScenarioFailure(f"{what} at {point} in the main window shows "
                                  f"{shot.pixel(x, y)}, expected {rgb}")
        time.sleep(0.2)


def status_boxes(h, main):
    """The pixels of the three status boxes at the right end of the status
    strip: what they show, not what it says."""
    rect = h.window_geometry(main)
    shot = capture(h)
    return [shot.pixel(rect.x + x, rect.y + y)
            for x in range(rect.width - 265, rect.width - 20)
            for y in range(rect.height - 24, rect.height - 6)]


def wait_changed(read, before, timeout=10):
    deadline = time.monotonic() + scaled(timeout)
    while read() == before:
        if time.monotonic() > deadline:
            return False
        time.sleep(0.2)
    return True


class PaletteGrid:
    """The 4 x 4 grid of a palette window as it appears on the screen."""

    def __init__(self, left, top, width):
        self.left = left  # screen pixels, interior of cell (0, 0)
        self.top = top
        self.width = width  # column pitch in pixels

    def cell_centre(self, row, column):
        width, height = self.width, PALETTE_CELL_HEIGHT
        return (self.left + width * column + (width - 1) // 2,
                self.top + height * row + (height - 1) // 2)

    def cell_point(self, h, window, row, column):
        """The cell's centre as a point of window, for click() and drag()."""
        x, y = self.cell_centre(row, column)
        rect = h.window_geometry(window)
        return x - rect.x, y - rect.y

    def cell_rgb(self, shot, row, column):
        """The cell's colour, or None when its middle is not one plain
        colour."""
        x, y = self.cell_centre(row, column)
        rgb = shot.pixel(x, y)
        return rgb if shot.area_is(x, y, rgb, radius=4) else None


def _grid_at(shot, left, top, width):
    """Whether the inner grid lines of a palette grid whose cell (0, 0)
    starts at (left, top) with columns `width` apart are where they should
    be: one colour along every line, and a different one on both sides of
    each line."""
    height = PALETTE_CELL_HEIGHT
    try:
        line = shot.pixel(left + width - 1, top + height // 2)
        for k in range(1, PALETTE_SIZE):
            x = left + width * k - 1
            y = top + height * k - 1
            for m in range(PALETTE_SIZE):
                cx = left + width * m + width // 2
                cy = top + height * m + height // 2
                if shot.pixel(x, cy) != line or shot.pixel(cx, y) != line:
                    return False
                if shot.pixel(x - 1, cy) == line or shot.pixel(x + 1, cy) == line:
                    return False
                if shot.pixel(cx, y - 1) == line or shot.pixel(cx, y + 1) == line:
                    return False
    except IndexError:
        return False
    return True


def find_palette_grid(h, window, expected, search=12):
    """The palette grid whose cell (0, 0) starts near expected (a point of
    window), or None; the nearest match within search pixels wins."""
    ex, ey = to_screen(h, window, expected)
    shot = capture(h)
    offsets = sorted(((dx, dy) for dx in range(-search, search + 1)
                      for dy in range(-search, search + 1)), key=lambda d: abs(d[0]) + abs(d[1]))
    for dx, dy in offsets:
        for width in PALETTE_CELL_WIDTHS:
            if _grid_at(shot, ex + dx, ey + dy, width):
                return PaletteGrid(ex + dx, ey + dy, width)
    return None


def wait_palette_grid(h, window, expected, timeout=30):
    deadline = time.monotonic() + scaled(timeout)
    while time.monotonic() < deadline:
        grid = find_palette_grid(h, window, expected)
        if grid:
            return grid
        time.sleep(0.2)
    h.screenshot("no-palette-grid")
    raise ScenarioFailure(f"no palette grid near {expected} in the main window")


def wait_cell_rgb(h, grid, row, column, rgb, timeout=15):
    """Waits until a palette cell shows rgb; returns what it shows last."""
    deadline = time.monotonic() + scaled(timeout)
    while True:
        shown = grid.cell_rgb(capture(h), row, column)
        if shown == tuple(rgb) or time.monotonic() > deadline:
            return shown
        time.sleep(0.2)


def _new_window(h, before, timeout=15):
    deadline = time.monotonic() + scaled(timeout)
    while time.monotonic() < deadline:
        fresh = [w for w in h.visible_windows() if w not in before]
        if fresh:
            return fresh[0]
        time.sleep(0.05)
    h.screenshot("no-popup")
    raise ScenarioFailure("no pop-up menu appeared")


def context_menu_pick(h, window, point, *keys):
    """Right-clicks point of window and, once the colour context menu is up,
    picks an item by keyboard: "Down" for its first item ("Add this Color to
    Palette"), "Up" for its last ("Set as Background"), or any keys that
    lead to an item."""
    before = set(h.visible_windows())
    h.click(*point, window=window, button=3)
    menu = _new_window(h, before)
    h.xdotool("key", "--clearmodifiers", "--delay", 100, *keys, "Return")
    h.wait_window_gone(menu)


def drag(h, window, source, target, steps=16):
    """Drags with the left button from source to target (points of window).
    Without a window manager Qt only sees a drag when the pointer moves in
    small steps with time for each motion event; the pause over the target
    lets the drop target accept before the button goes up."""
    sx, sy = to_screen(h, window, source)
    tx, ty = to_screen(h, window, target)
    h.xdotool("mousemove", "--sync", sx, sy)
    h.xdotool("mousedown", 1)
    time.sleep(0.2)
    for i in range(1, steps + 1):
        h.xdotool("mousemove", sx + (tx - sx) * i // steps, sy + (ty - sy) * i // steps)
        time.sleep(0.05)
    time.sleep(0.3)
    # One more motion over the target: the drop goes where the last move was.
    h.xdotool("mousemove", tx + 1, ty)
    time.sleep(0.3)
    h.xdotool("mouseup", 1)


def file_dialog(h, title, path):
    """Types a full path into the file-name box of the Qt file dialog, which
    has the focus when the dialog opens, and accepts it."""
    dialog = h.wait_window(title)
    h.type_text(path, window=dialog)
    h.key("Return", window=dialog)
    h.wait_window_gone(dialog)


def prompts(h, main):
    """The program's message boxes that are up: dialogs captioned with the
    application's title."""
    return [w for w in h.visible_windows("^Tintwright$")
            if w != main and h.window_type(w) == "DIALOG"]


def close_program(h, run, main, answer_keys=None, timeout=30):
    """Closes the main window and waits for the program to end. Each save
    prompt of a palette is answered with answer_keys ("alt+n" for "&No");
    without answer_keys a prompt is a failure (and is answered No so that the
    run still ends). Returns the number of prompts seen and the exit code."""
    h.close_window(main)
    seen = 0
    deadline = time.monotonic() + scaled(timeout)
    while run.running() and time.monotonic() < deadline:
        boxes = prompts(h, main)
        if boxes:
            seen += 1
            if answer_keys is None:
                h.screenshot("unexpected-prompt")
                h.check(False, "a save prompt came up while closing")
            h.key(answer_keys or "alt+n", window=boxes[0])
            h.wait_window_gone(boxes[0])
        time.sleep(0.1)
    return seen, run.wait_exit()
