#!/usr/bin/env python3
"""Draws the pictures of the hot-icon into res/hot/ as 24-bit .bmp files.

    138  Simple Bitmap     87 x 30: three 29 x 30 frames, a paper clip on a square tile
    139  Windows Classic   114 x 38: three raised buttons with a diamond and a clip
    140  Digital Clock     the same with a clock panel at the bottom
    141  XP Style          114 x 38: three rounded glossy tiles with a clip
    142  XP Style Clock    the same with a clock panel at the bottom
    143  digit strip       50 x 7: the digits 0 to 9 in cells 5 pixels apart, 4 drawn

The three frames of a picture show the states free (green), busy (red) and paused (grey).
RGB(255, 0, 255) is transparent: the window is shaped to the other pixels, so edges are
never blended with it. The clock panel and the digit strip share one background colour,
because the digits are copied onto the panel cell by cell; the program draws the digits at
y 26 and x 12, 17, 24, 29 and the colon at (22, 27) and (22, 31).
Standard library only. Run it again after changing a shape and commit the files it writes.
"""
import os
import struct

from make_menu_icons import line, pixels, poly, rect, rgb
from make_menu_icons import paper_clip as pixel_clip

MAGENTA = (255, 0, 255)
SAMPLES = 4
PANEL = rgb("102018")
DIGIT = rgb("7CF08C")
WHITE = rgb("FFFFFF")
SHADOW = rgb("1A1E22")

STATES = (  # edge, fill, light
    (rgb("1E6E2A"), rgb("2E9A3C"), rgb("6CC878")),
    (rgb("8E1610"), rgb("D42A22"), rgb("EE7A72")),
    (rgb("4E555C"), rgb("7C8288"), rgb("B4B9BE")),
)

DIGITS = (
    [".##.", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."],
    ["..#.", ".##.", "..#.", "..#.", "..#.", "..#.", ".###"],
    [".##.", "#..#", "...#", "..#.", ".#..", "#...", "####"],
    ["###.", "...#", "...#", ".##.", "...#", "...#", "###."],
    ["#..#", "#..#", "#..#", "####", "...#", "...#", "...#"],
    ["####", "#...", "###.", "...#", "...#", "#..#", ".##."],
    [".##.", "#...", "#...", "###.", "#..#", "#..#", ".##."],
    ["####", "...#", "...#", "..#.", "..#.", ".#..", ".#.."],
    [".##.", "#..#", "#..#", ".##.", "#..#", "#..#", ".##."],
    [".##.", "#..#", "#..#", ".###", "...#", "...#", ".##."],
)


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3)) + (255,)


def render(shapes, width, height):
    """Rows of (r, g, b): the colour of the covered samples, or magenta where less than half
    of the pixel is covered (no edge is blended with the transparent colour)."""
    rows = []
    n = SAMPLES * SAMPLES
    for py in range(height):
        row = []
        for px in range(width):
            acc = [0, 0, 0]
            covered = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = px + (sx + 0.5) / SAMPLES
                    y = py + (sy + 0.5) / SAMPLES
                    colour = None
                    for hit, c in shapes:  # painter's order: the last hit wins
                        if hit(x, y):
                            colour = c
                    if colour:
                        covered += 1
                        for i in range(3):
                            acc[i] += colour[i]
            if covered * 2 >= n:
                pix = tuple(round(acc[i] / covered) for i in range(3))
                if pix == MAGENTA:
                    pix = (254, 0, 254)
            else:
                pix = MAGENTA
            row.append(pix)
        rows.append(row)
    return rows


def rounded(x0, y0, x1, y1, r, c):
    def hit(x, y):
        if x < x0 or x >= x1 or y < y0 or y >= y1:
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return hit, c


def gradient(x0, y0, x1, y1, r, top, bottom):
    """A rounded rectangle whose colour runs from `top` to `bottom`, in bands of one pixel."""
    shapes = []
    inside = rounded(x0, y0, x1, y1, r, None)[0]
    for y in range(int(y0), int(y1)):
        c = mix(top, bottom, (y - y0) / max(y1 - y0 - 1, 1))
        shapes.append(((lambda yy: lambda x, y: int(y) == yy and inside(x, y))(y), c))
    return shapes


def arc(cx, cy, r, a0, a1, steps=10):
    import math
    return [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / steps)),
             cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / steps))) for i in range(steps + 1)]


def stroke(points, w, c):
    return [line(points[i][0], points[i][1], points[i + 1][0], points[i + 1][1], w, c)
            for i in range(len(points) - 1)]


def paper_clip(x0, y0, s, w, c):
    """An upright clip of wire in a box of 10 x 24 units, `s` pixels a unit, from (x0, y0)."""
    def p(x, y):
        return (x0 + x * s, y0 + y * s)
    path = [(1.5, 6), (1.5, 19.5)] + arc(5, 19.5, 3.5, 180, 0)[1:] + [(8.5, 4)]
    path += arc(6, 4, 2.5, 0, -180)[1:] + [(3.5, 17)] + arc(5, 17, 1.5, 180, 0)[1:] + [(6.5, 8)]
    return stroke([p(x, y) for x, y in path], w, c)


def shadowed_clip(x0, y0, s, w):
    return paper_clip(x0 + 1, y0 + 1, s, w, SHADOW) + paper_clip(x0, y0, s, w, WHITE)


def small_clip(x0, y0):
    """The 7 x 13 clip of one-pixel wire, for the clock styles' smaller room."""
    return pixel_clip(x0, y0, WHITE)


def simple_frame(state):
    edge, fill, light = STATES[state]
    return [rounded(0, 0, 29, 30, 3, edge), rounded(1, 1, 28, 29, 2, fill),
            rect(2, 2, 27, 9, mix(fill, light, 0.5))] + shadowed_clip(9, 3.5, 1.0, 1.6)


def bevel(x0, y0, x1, y1, light, dark, inner_light, inner_dark):
    return [rect(x0, y0, x1, y1, dark), rect(x0, y0, x1 - 1, y1 - 1, light),
            rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, inner_dark),
            rect(x0 + 1, y0 + 1, x1 - 2, y1 - 2, inner_light)]


def diamond(cx, cy, r, state):
    edge, fill, light = STATES[state]
    return [poly([(cx, cy - r), (cx + r, cy), (cx, cy + r), (cx - r, cy)], edge),
            poly([(cx, cy - r + 1.5), (cx + r - 1.5, cy), (cx, cy + r - 1.5), (cx - r + 1.5, cy)],
                 fill),
            poly([(cx, cy - r + 1.5), (cx + (r - 1.5) / 2, cy - (r - 1.5) / 2),
                  (cx - (r - 1.5) / 2, cy + (r - 1.5) / 2), (cx - r + 1.5, cy)], light)]


FACE = rgb("D4D0C8")


def clock_panel(sunken_light, sunken_dark):
    """The clock's panel under the digits (x 12..32, y 26..32), in the digit strip's colour."""
    return [rect(10, 24, 35, 35, sunken_dark), rect(11, 25, 35, 35, sunken_light),
            rect(11, 25, 34, 34, PANEL)]


def classic_frame(state, clock):
    shapes = bevel(0, 0, 38, 38, WHITE, rgb("404040"), FACE, rgb("808080"))
    shapes.append(rect(2, 2, 36, 36, FACE))
    if clock:
        shapes += diamond(19, 12, 10, state) + small_clip(16, 5)
        shapes += clock_panel(WHITE, rgb("808080"))
    else:
        shapes += diamond(19, 19, 15, state) + shadowed_clip(15, 8, 0.85, 1.5)
    return shapes


def xp_frame(state, clock):
    edge, fill, light = STATES[state]
    shapes = [rounded(0, 0, 38, 38, 7, edge)]
    shapes += gradient(1, 1, 37, 37, 6, light, fill)
    shapes.append(rounded(3, 2, 35, 14, 5, mix(light, WHITE, 0.35)))
    if clock:
        shapes += small_clip(16, 6)
        shapes += [rounded(10, 24, 35, 35, 2, edge), rect(11, 25, 34, 34, PANEL)]
    else:
        shapes += shadowed_clip(13.5, 6, 1.05, 1.8)
    return shapes


def strip(frame, width, height):
    rows = [[] for _ in range(height)]
    for state in range(3):
        for y, row in enumerate(render(frame(state), width, height)):
            rows[y] += row
    return rows


def digit_strip():
    shapes = [rect(0, 0, 50, 7, PANEL)]
    for d, pattern in enumerate(DIGITS):
        shapes += pixels(d * 5, 0, pattern, DIGIT)
    return render(shapes, 50, 7)


def write_bmp(path, rows):
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) // 4 * 4
    pixels_ = bytearray()
    for row in reversed(rows):
        line_ = bytearray()
        for r, g, b in row:
            line_ += bytes((b, g, r))
        pixels_ += line_ + bytes(stride - len(line_))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels_), 2835, 2835,
                         0, 0)
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels_), 0, 0,
                            14 + len(header)))
        f.write(header + pixels_)


PICTURES = {
    138: ("simple", lambda: strip(simple_frame, 29, 30)),
    139: ("classic", lambda: strip(lambda s: classic_frame(s, False), 38, 38)),
    140: ("classic_clock", lambda: strip(lambda s: classic_frame(s, True), 38, 38)),
    141: ("xp", lambda: strip(lambda s: xp_frame(s, False), 38, 38)),
    142: ("xp_clock", lambda: strip(lambda s: xp_frame(s, True), 38, 38)),
    143: ("digits", digit_strip),
}


def main():
    here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "hot")
    os.makedirs(here, exist_ok=True)
    for rid, (name, draw) in sorted(PICTURES.items()):
        write_bmp(os.path.join(here, "%d_%s.bmp" % (rid, name)), draw())


if __name__ == "__main__":
    main()
