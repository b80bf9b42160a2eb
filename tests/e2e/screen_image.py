"""Pixels of the test display, for scenarios that check what the program
shows. ImageMagick's `import` delivers them as a binary PPM, which needs
nothing beyond the standard library to read."""

import subprocess

from xsession import scaled


def color_value_to_rgb(value):
    """(red, green, blue) of a 0x00BBGGRR colour value."""
    value = int(value)
    return value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF


def rgb_to_color_value(rgb):
    red, green, blue = rgb
    return red | (green << 8) | (blue << 16)


class ScreenImage:
    """A picture of the screen; coordinates are screen pixels, colours
    (red, green, blue) tuples of 0..255."""

    def __init__(self, ppm):
        fields, pos = [], 0
        # Header: "P6", width, height, maximum value, each after white space.
        while len(fields) < 4:
            while ppm[pos:pos + 1].isspace():
                pos += 1
            start = pos
            while not ppm[pos:pos + 1].isspace():
                pos += 1
            fields.append(ppm[start:pos])
        if fields[0] != b"P6" or int(fields[3]) != 255:
            raise ValueError(f"not an 8-bit binary PPM: {fields}")
        self.width = int(fields[1])
        self.height = int(fields[2])
        self._pixels = ppm[pos + 1:]

    @classmethod
    def capture(cls, display):
        """Takes the screen as it is now without saving a file (for polling;
        Harness.screenshot() keeps the pictures worth looking at)."""
        return cls(_run(["import", "-display", display, "-window", "root", "-depth", "8",
                         "ppm:-"]))

    def pixel(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise IndexError(f"pixel ({x}, {y}) outside {self.width}x{self.height}")
        offset = 3 * (y * self.width + x)
        return tuple(self._pixels[offset:offset + 3])

    def area_is(self, x, y, rgb, radius=2):
        """Whether every pixel within radius of (x, y) is exactly rgb, as in
        the middle of a plain cell."""
        rgb = tuple(rgb)
        return all(self.pixel(x + dx, y + dy) == rgb
                   for dx in range(-radius, radius + 1) for dy in range(-radius, radius + 1))

    def count(self, rgb, left, top, right, bottom):
        """How many pixels of the rectangle [left, right) x [top, bottom) are
        exactly rgb."""
        rgb = tuple(rgb)
        return sum(1 for y in range(top, bottom) for x in range(left, right)
                   if self.pixel(x, y) == rgb)


def _run(argv):
    result = subprocess.run(argv, capture_output=True, timeout=scaled(60))
    if result.returncode != 0:
        raise RuntimeError(f"{argv[0]} failed: {result.stderr.decode(errors='replace').strip()}")
    return result.stdout
