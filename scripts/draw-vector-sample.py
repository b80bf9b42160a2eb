#!/usr/bin/env python3
"""Draws the vector image preview's built-in picture: a 187 x 277 colouring
page (black outlines on white) of a house, a tree, a hill, a sun, a cloud
and flowers, written as src/previews/resources/vector-sample.png.

The scene is a stack of shapes, each given by whether a pixel's centre lies
inside it; every pixel takes the label of the topmost shape covering it. A
pixel turns black where its label differs from its right or lower
neighbour's, which gives one-pixel outlines and guarantees that no two
differently labelled white pixels touch along an edge: every region is
closed for a four-neighbour fill. Specks of fewer than MIN_REGION white
pixels are blacked out, so every region is large enough to be seen.

Standard library only; run it again after changing the scene:
    python3 -B scripts/draw-vector-sample.py
"""

import math
import pathlib
import struct
import zlib

WIDTH, HEIGHT = 187, 277
MIN_REGION = 12


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def polygon(points):
    def inside(x, y):
        crossings = False
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                crossings = not crossings
        return crossings
    return inside


def union(*shapes):
    return lambda x, y: any(shape(x, y) for shape in shapes)


def below(curve):
    return lambda x, y: y >= curve(x)


def sun_rays(cx, cy, inner, outer, count):
    rays = []
    for k in range(count):
        a = 2 * math.pi * k / count
        half = math.pi / count * 0.6
        rays.append(polygon([(cx + inner * math.cos(a - half), cy + inner * math.sin(a - half)),
                             (cx + outer * math.cos(a), cy + outer * math.sin(a)),
                             (cx + inner * math.cos(a + half), cy + inner * math.sin(a + half))]))
    return rays


def flower(cx, cy, petal):
    petals = [circle(cx + 1.6 * petal * math.cos(a), cy + 1.6 * petal * math.sin(a), petal)
              for a in (2 * math.pi * k / 5 - math.pi / 2 for k in range(5))]
    stem = rect(cx - 1.5, cy + petal, cx + 1.5, HEIGHT)
    leaf = ellipse(cx + 6, cy + 3.2 * petal + 4, 6, 2.6)
    return [stem, leaf] + petals + [circle(cx, cy, petal * 0.9)]


def scene():
    """Shapes from the back to the front."""
    shapes = []
    shapes += sun_rays(148, 40, 19, 31, 10)
    shapes.append(circle(148, 40, 15))
    shapes.append(union(circle(38, 44, 11), circle(52, 36, 14), circle(68, 44, 11),
                        ellipse(53, 49, 27, 7)))
    shapes.append(below(lambda x: 150 - 26 * math.sin(math.pi * (x + 40) / 260)))  # far hill
    shapes.append(below(lambda x: 214 + 8 * math.sin(x / 30)))  # meadow
    # Tree: trunk, then the crown over it, then apples.
    shapes.append(polygon([(140, 234), (145, 150), (153, 150), (160, 234)]))
    shapes.append(union(circle(149, 132, 24), circle(131, 146, 16), circle(167, 146, 16),
                        circle(149, 158, 14)))
    shapes += [circle(139, 126, 5), circle(161, 136, 5), circle(148, 151, 5),
               circle(130, 150, 5), circle(165, 154, 5)]
    # House: chimney behind the roof, walls, roof, door, windows.
    shapes.append(rect(82, 92, 94, 130))
    shapes.append(rect(18, 150, 106, 232))
    shapes.append(polygon([(10, 152), (62, 100), (114, 152)]))
    shapes.append(circle(62, 132, 8))  # attic window
    shapes.append(rect(50, 186, 74, 232))  # door
    shapes.append(rect(58, 186, 66, 200))  # door light
    for left in (25, 81):  # two windows of four panes each
        for dx in (0, 9):
            for dy in (0, 9):
                shapes.append(rect(left + dx, 163 + dy, left + dx + 9, 163 + dy + 9))
    shapes.append(rect(23, 181, 45, 186))  # window boxes
    shapes.append(rect(79, 181, 101, 186))
    # Path from the door down the meadow.
    shapes.append(polygon([(50, 232), (74, 232), (92, 277), (30, 277)]))
    for cx, cy in ((120, 244), (168, 250), (14, 248)):
        shapes += flower(cx, cy, 5)
    return shapes


def render():
    shapes = scene()
    labels = [[0] * WIDTH for _ in range(HEIGHT)]
    for y in range(HEIGHT):
        for x in range(WIDTH):
            for index, shape in enumerate(shapes, start=1):
                if shape(x + 0.5, y + 0.5):
                    labels[y][x] = index
    black = [[False] * WIDTH for _ in range(HEIGHT)]
    for y in range(HEIGHT):
        for x in range(WIDTH):
            here = labels[y][x]
            if (x + 1 < WIDTH and labels[y][x + 1] != here) or (
                    y + 1 < HEIGHT and labels[y + 1][x] != here):
                black[y][x] = True
            if x in (0, WIDTH - 1) or y in (0, HEIGHT - 1):
                black[y][x] = True  # the page's frame
    remove_specks(black)
    return black


def remove_specks(black):
    seen = [[False] * WIDTH for _ in range(HEIGHT)]
    for y in range(HEIGHT):
        for x in range(WIDTH):
            if black[y][x] or seen[y][x]:
                continue
            region, stack = [], [(x, y)]
            seen[y][x] = True
            while stack:
                px, py = stack.pop()
                region.append((px, py))
                for nx, ny in ((px + 1, py), (px - 1, py), (px, py + 1), (px, py - 1)):
                    if 0 <= nx < WIDTH and 0 <= ny < HEIGHT and not black[ny][nx] \
                            and not seen[ny][nx]:
                        seen[ny][nx] = True
                        stack.append((nx, ny))
            if len(region) < MIN_REGION:
                for px, py in region:
                    black[py][px] = True


def write_png(path, black):
    rows = b"".join(b"\x00" + bytes(0 if dark else 255 for dark in row) for row in black)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 0, 0, 0, 0)  # 8-bit grey
    png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
           + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))
    path.write_bytes(png)


def main():
    out = pathlib.Path(__file__).resolve().parent.parent / "src/previews/resources/vector-sample.png"
    write_png(out, render())
    print(out)


if __name__ == "__main__":
    main()
