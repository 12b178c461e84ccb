#!/usr/bin/env python3
"""Draws the pictures of the menus and the drag cursors into res/menu/.

    150..187     16 x 16 menu pictures (item kinds with their four variants, popups)
    2800..2812   pictures of the context-menu commands 32800..32812
    189..191     caption pictures of the hot-menu window (free, busy, paused), 20 x 20
    2001, 2002   drag cursors (move, copy), 32 x 32

Standard library only. Shapes are given in pixel units of a 16 x 16 grid (32 x 32 for the
cursors, 20 x 20 for the caption pictures), mostly on whole pixels so that edges stay crisp,
and supersampled for the few round and slanted ones. Each icon is one image of its own size
in 32-bit colour with alpha.
Run it again after changing a shape and commit the files it writes.
"""
import os
import struct

from icon_images import dib, render


def rgb(hex_text, a=255):
    v = int(hex_text, 16)
    return ((v >> 16) & 255, (v >> 8) & 255, v & 255, a)


# ---- colours ----
INK = rgb("303438")
GREY = rgb("7C8288")
LIGHT = rgb("C8CDD2")
WHITE = rgb("FFFFFF")
PAPER = rgb("FDFDFB")
BLUE = rgb("2F62B8")
DARK_BLUE = rgb("1C3F7A")
SKY = rgb("8CC8F0")
GREEN = rgb("2E9A3C")
DARK_GREEN = rgb("1E6E2A")
LEAF = rgb("5DBB4A")
RED = rgb("D42A22")
DARK_RED = rgb("8E1610")
ORANGE = rgb("E2751C")
YELLOW = rgb("F6CB3C")
GOLD = rgb("D9A21C")
BROWN = rgb("8A5424")
WOOD = rgb("BF8546")
CYAN = rgb("16A7C9")
DARK_CYAN = rgb("0A6F87")
SKIN = rgb("F2C29A")
SKIN_DARK = rgb("B87A4E")
SUN = rgb("FFD23A")


# ---- shapes: (hit(x, y), colour) with x, y in pixel units ----
def rect(x0, y0, x1, y1, c):
    return (lambda x, y: x0 <= x < x1 and y0 <= y < y1), c


def frame(x0, y0, x1, y1, edge, fill=None, w=1):
    shapes = [rect(x0, y0, x1, y1, edge)]
    if fill:
        shapes.append(rect(x0 + w, y0 + w, x1 - w, y1 - w, fill))
    return shapes


def disc(cx, cy, r, c):
    return (lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r), c


def ring(cx, cy, r, w, c):
    return (lambda x, y: (r - w) ** 2 <= (x - cx) ** 2 + (y - cy) ** 2 <= r * r), c


def poly(points, c):
    def hit(x, y):
        inside = False
        n = len(points)
        for i in range(n):
            x0, y0 = points[i]
            x1, y1 = points[(i + 1) % n]
            if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                inside = not inside
        return inside
    return hit, c


def line(x0, y0, x1, y1, w, c):
    def hit(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = ((x - x0) * dx + (y - y0) * dy) / float(dx * dx + dy * dy)
        t = max(0.0, min(1.0, t))
        px, py = x0 + t * dx, y0 + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= (w / 2.0) ** 2
    return hit, c


def pixels(x0, y0, rows, c):
    """A small pixel pattern: '#' marks a pixel."""
    shapes = []
    for j, row in enumerate(rows):
        for i, ch in enumerate(row):
            if ch == '#':
                shapes.append(rect(x0 + i, y0 + j, x0 + i + 1, y0 + j + 1, c))
    return shapes


# ---- parts ----
def page(x0=2, y0=1, x1=13, y1=15, fold=3, fill=PAPER, edge=GREY):
    """A sheet with its upper right corner folded."""
    outer = [(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)]
    inner = [(x0 + 1, y0 + 1), (x1 - fold - 0.5, y0 + 1), (x1 - 1, y0 + fold + 0.5),
             (x1 - 1, y1 - 1), (x0 + 1, y1 - 1)]
    corner = [(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)]
    return [poly(outer, edge), poly(inner, fill), poly(corner, LIGHT),
            line(x1 - fold, y0 + 0.5, x1 - fold, y0 + fold, 1, edge),
            line(x1 - fold, y0 + fold - 0.5, x1, y0 + fold - 0.5, 1, edge)]


def text_lines(x0, x1, ys, c=BLUE, short_last=True):
    shapes = []
    for i, y in enumerate(ys):
        end = x1 - 3 if short_last and i == len(ys) - 1 else x1
        shapes.append(rect(x0, y, end, y + 1, c))
    return shapes


def clock_face(cx, cy, r, face, rim, hand=INK, hour=(-0.0, -0.55), minute=(0.6, 0.0)):
    return [disc(cx, cy, r, rim), disc(cx, cy, r - 1.0, face),
            line(cx, cy, cx + hour[0] * r, cy + hour[1] * r, 1.1, hand),
            line(cx, cy, cx + minute[0] * r, cy + minute[1] * r, 1.1, hand)]


def folder(closed=True):
    back = [poly([(1, 3), (6, 3), (7.5, 5), (15, 5), (15, 14), (1, 14)], BROWN),
            poly([(2, 4), (5.6, 4), (7, 6), (14, 6), (14, 13), (2, 13)], GOLD)]
    if closed:
        front = [rect(1, 6, 15, 14, BROWN), rect(2, 7, 14, 13, YELLOW),
                 rect(2, 7, 14, 8, rgb("FBE48A"))]
    else:
        front = [poly([(3, 7), (16, 7), (13, 14), (0.5, 14)], BROWN),
                 poly([(3.8, 8), (14.6, 8), (12.3, 13), (1.9, 13)], YELLOW),
                 rect(3.5, 8, 14.2, 9, rgb("FBE48A"))]
        back.append(rect(4, 4.5, 12, 8, PAPER))
    return back + front


def green_triangle():
    """Small downward triangle at the lower right: a caption between plus signs."""
    return [poly([(8.5, 10), (16, 10), (12.25, 15.5)], WHITE),
            poly([(9.7, 10.8), (14.8, 10.8), (12.25, 14.4)], GREEN)]


def small_clock(face):
    """Clock badge at the upper left: scheduled (grey: no start time, yellow: start time)."""
    rim = ["..####..", ".#....#.", "#......#", "#......#", "#......#", "#......#", ".#....#.",
           "..####.."]
    fill = ["........", "..####..", ".######.", ".######.", ".######.", ".######.", "..####..",
            "........"]
    hands = ["........", "........", "...#....", "...#....", "...###..", "........", "........",
             "........"]
    halo = [rect(1, 0, 7, 8, WHITE), rect(0, 1, 8, 7, WHITE), rect(0.5, 0.5, 7.5, 7.5, WHITE)]
    return halo + pixels(0, 0, rim, INK) + pixels(0, 0, fill, face) + pixels(0, 0, hands, INK)


VARIANTS = (
    lambda: [],
    green_triangle,
    lambda: small_clock(rgb("B9BEC3")),
    lambda: small_clock(YELLOW),
)


# ---- the pictures ----
def text_page():
    return page() + text_lines(4, 11, [5, 7, 9, 11], BLUE)


def rtf_page():
    return page() + text_lines(4, 9, [4], GREY, False) + \
        pixels(4, 7, ["#.....#", "#.....#", "#..#..#", "#.#.#.#", "##...##", "#.....#"], BLUE)


def html_page():
    return page() + text_lines(4, 9, [4], GREY, False) + \
        pixels(4, 7, ["##...##", "##...##", "#######", "##...##", "##...##", "##...##"], ORANGE)


def files_picture():
    # A cyan arrow pointing down onto a small tray.
    return [poly([(5, 1), (11, 1), (11, 7), (14, 7), (8, 13), (2, 7), (5, 7)], DARK_CYAN),
            poly([(6, 2), (10, 2), (10, 8), (11.7, 8), (8, 11.6), (4.3, 8), (6, 8)], CYAN),
            rect(2, 13, 14, 15, GREY), rect(3, 13, 13, 14, LIGHT)]


def bitmap_picture():
    return frame(1, 2, 15, 14, INK, SKY) + [
        disc(11, 5.5, 1.8, SUN),
        poly([(2, 13), (2, 10), (6, 6), (10, 10), (12, 8.5), (14, 10.5), (14, 13)], GREEN),
        poly([(2, 13), (2, 11.5), (6, 8), (9, 13)], LEAF),
    ]


def media_picture():
    # A loudspeaker with two sound arcs.
    return [poly([(1, 6), (4, 6), (8, 2), (8, 14), (4, 10), (1, 10)], INK),
            poly([(2, 7), (4.4, 7), (7, 4.3), (7, 11.7), (4.4, 9), (2, 9)], rgb("6E7B8A")),
            (lambda x, y: x >= 9.5 and 2.2 ** 2 <= (x - 8) ** 2 + (y - 8) ** 2 <= 3.2 ** 2,
             BLUE),
            (lambda x, y: x >= 10.5 and 4.6 ** 2 <= (x - 8) ** 2 + (y - 8) ** 2 <= 5.6 ** 2,
             BLUE)]


def preferences_picture():
    # A form held by a hand from below.
    form = frame(5, 1, 15, 12, GREY, PAPER) + text_lines(7, 13, [3, 5, 7], BLUE, False) + \
        [rect(7, 9, 9, 10, GREEN), rect(10, 9, 13, 10, BLUE)]
    hand = [poly([(0, 15.9), (0, 10), (3, 8), (6, 8), (8, 9.5), (8, 11), (5.5, 11),
                  (7, 12.5), (7, 14), (4, 15.9)], SKIN_DARK),
            poly([(1, 15.9), (1, 10.6), (3.3, 9), (5.8, 9), (7, 10), (4, 10), (3.6, 10.6),
                  (6, 12.6), (6, 13.6), (3.6, 15.9)], SKIN)]
    return form + hand


def time_picture():
    return [disc(8, 8, 7.5, DARK_BLUE), disc(8, 8, 6.4, WHITE)] + \
        [rect(7.5, 2.2, 8.5, 3.6, INK), rect(7.5, 12.4, 8.5, 13.8, INK),
         rect(2.2, 7.5, 3.6, 8.5, INK), rect(12.4, 7.5, 13.8, 8.5, INK),
         line(8, 8, 8, 4, 1.3, INK), line(8, 8, 11, 9.8, 1.3, INK), disc(8, 8, 1, RED)]


def paste_as_picture():
    return frame(2, 2, 14, 16, BROWN, WOOD) + frame(4, 4, 12, 15, GREY, PAPER) + \
        text_lines(5, 11, [7, 9, 11], BLUE) + frame(5, 0, 11, 4, INK, LIGHT) + \
        [rect(7, 1, 9, 2, INK)]


def browser_picture():
    e = ["..####..", ".##..##.", "##....##", "########", "##......", ".##...##", "..#####."]
    return frame(0, 1, 16, 15, DARK_BLUE, WHITE) + [rect(1, 2, 15, 4, BLUE)] + \
        [rect(12, 2.5, 14, 3.5, WHITE)] + pixels(4, 6, e, BLUE)


def play_picture(c=GREEN, edge=DARK_GREEN):
    return [poly([(3, 1), (14, 8), (3, 15)], edge), poly([(4, 3), (12, 8), (4, 13)], c)]


def scheduler_picture():
    # An alarm clock: bells on top, feet below.
    return [disc(3.5, 3.5, 2.6, GOLD), disc(12.5, 3.5, 2.6, GOLD),
            line(4, 15, 5.5, 12.5, 1.4, INK), line(12, 15, 10.5, 12.5, 1.4, INK),
            disc(8, 8.8, 6.3, RED), disc(8, 8.8, 5, WHITE),
            line(8, 8.8, 8, 5.3, 1.3, INK), line(8, 8.8, 10.6, 10, 1.3, INK)]


def documents_picture():
    return frame(1, 1, 15, 15, rgb("5A6068"), rgb("B4BAC0")) + \
        [rect(2, 2, 14, 3, rgb("D9DDE1"))] + \
        pixels(4, 4, ["######..", "##...##.", "##....##", "##....##", "##....##", "##...##.",
                      "######.."], INK)


def three_arrows():
    shapes = []
    for y in (1, 6, 11):
        shapes += [poly([(1, y + 1), (8, y + 1), (8, y), (12, y + 2), (8, y + 4), (8, y + 3),
                         (1, y + 3)], BLUE)]
    return shapes


def pencil(dx=0, dy=0):
    # Slanted pencil from lower left (tip) to upper right.
    def p(x, y):
        return (x + dx, y + dy)
    return [poly([p(2, 14), p(3, 10.5), p(12, 1.5), p(14.5, 4), p(5.5, 13)], INK),
            poly([p(3.2, 12.8), p(3.9, 11), p(11.9, 3), p(13, 4.1), p(5, 12.1)], YELLOW),
            poly([p(10.4, 4.5), p(11.9, 3), p(13, 4.1), p(11.5, 5.6)], rgb("E8909A")),
            poly([p(2, 14), p(2.6, 11.9), p(4.1, 13.4)], INK)]


def red_cross(cx=8, cy=8, s=6, w=3):
    return [line(cx - s, cy - s, cx + s, cy + s, w + 1.2, DARK_RED),
            line(cx - s, cy + s, cx + s, cy - s, w + 1.2, DARK_RED),
            line(cx - s, cy - s, cx + s, cy + s, w, RED),
            line(cx - s, cy + s, cx + s, cy - s, w, RED)]


def printer():
    return frame(4, 1, 12, 7, GREY, PAPER) + frame(1, 6, 15, 12, INK, LIGHT) + \
        [rect(12, 8, 14, 9, GREEN)] + frame(4, 10, 12, 16, GREY, PAPER) + \
        text_lines(5, 11, [12, 14], BLUE, False)


def window_hourglass():
    return frame(0, 1, 16, 15, DARK_BLUE, WHITE) + [rect(1, 2, 15, 4, BLUE)] + \
        [poly([(5, 5.5), (11, 5.5), (11, 6.5), (8.6, 9.5), (11, 12.5), (11, 13.5), (5, 13.5),
               (5, 12.5), (7.4, 9.5), (5, 6.5)], BROWN),
         poly([(6.2, 6.5), (9.8, 6.5), (8, 8.8)], YELLOW),
         poly([(8, 10.6), (10, 12.6), (6, 12.6)], YELLOW)]


def camera():
    return [rect(4, 3, 8, 5, INK), rect(11, 3, 14, 5, RED)] + frame(0, 4, 16, 14, INK, GREY) + \
        [rect(1, 5, 15, 6, rgb("A5ABB1")), disc(8, 9.2, 4.2, INK), disc(8, 9.2, 3, rgb("3C6EA8")),
         disc(7, 8.2, 1, SKY)]


def diskette():
    return frame(1, 1, 15, 15, DARK_BLUE, BLUE) + frame(4, 1, 12, 6, GREY, LIGHT) + \
        [rect(9, 2, 11, 5, DARK_BLUE)] + frame(3, 8, 13, 15, GREY, PAPER) + \
        text_lines(4, 12, [10, 12], LIGHT, False)


def pause_sign():
    return frame(3, 2, 7, 14, DARK_BLUE, BLUE) + frame(9, 2, 13, 14, DARK_BLUE, BLUE)


def close_button():
    return [rect(1, 1, 15, 15, DARK_RED), rect(2, 2, 14, 14, RED),
            rect(2, 2, 14, 3, rgb("E8685F")),
            line(5, 5, 11, 11, 2, WHITE), line(5, 11, 11, 5, 2, WHITE)]


def page_with(extra):
    return page(1, 1, 12, 15) + text_lines(3, 10, [5, 7, 9], BLUE) + extra


ICONS = {
    150: ("preferences", preferences_picture),
    151: ("time", time_picture),
    152: ("paste_as", paste_as_picture),
    178: ("collection", lambda: folder(True)),
    179: ("collection_open", lambda: folder(False)),
    180: ("urls", browser_picture),
    183: ("player", play_picture),
    184: ("scheduler", scheduler_picture),
    187: ("documents", documents_picture),
    2800: ("paste_all", three_arrows),
    2801: ("new", lambda: folder(True) + [disc(12.5, 3.5, 3.2, WHITE), disc(12.5, 3.5, 2.4, GREEN),
                                          rect(12, 1.8, 13, 5.2, WHITE),
                                          rect(10.8, 3, 14.2, 4, WHITE)]),
    2802: ("rename", pencil),
    2803: ("edit", lambda: page_with([]) + pencil(3, 1)),
    2804: ("delete", red_cross),
    2805: ("remove_all", lambda: page_with(red_cross(11, 11, 3.5, 2.2))),
    2806: ("print", printer),
    2807: ("run", window_hourglass),
    2808: ("camera", camera),
    2809: ("save", diskette),
    2810: ("pause", pause_sign),
    2811: ("continue", lambda: play_picture(BLUE, DARK_BLUE)),
    2812: ("close", close_button),
}

ITEM_BASES = (
    (154, "text", text_page),
    (158, "rtf", rtf_page),
    (162, "html", html_page),
    (166, "files", files_picture),
    (170, "bitmap", bitmap_picture),
    (174, "media", media_picture),
)
for base, name, draw in ITEM_BASES:
    for k, variant in enumerate(VARIANTS):
        ICONS[base + k] = ("%s_%d" % (name, k), (lambda d=draw, v=variant: d() + v()))


def paper_clip(x0, y0, c):
    """An upright clip of 1-pixel wire, drawn pixel by pixel so that it stays sharp."""
    return pixels(x0, y0, ["..###..",
                           ".#...#.",
                           "#.....#",
                           "#..#..#",
                           "#.#.#.#",
                           "#.#.#.#",
                           "#.#.#.#",
                           "#.#.#.#",
                           "#...#.#",
                           "#...#.#",
                           "#...#..",
                           ".#.#...",
                           "..#...."], c)


def caption_diamond(edge, fill, shine):
    """The hot-menu window's state picture: a diamond of the state's colour with a clip."""
    return [poly([(10, 0), (20, 10), (10, 20), (0, 10)], edge),
            poly([(10, 1.4), (18.6, 10), (10, 18.6), (1.4, 10)], fill),
            poly([(10, 1.4), (14.3, 5.7), (5.7, 14.3), (1.4, 10)], shine)] + paper_clip(7, 4, WHITE)


CAPTION_ICONS = {
    189: ("caption_free", lambda: caption_diamond(DARK_GREEN, GREEN, rgb("43AE50"))),
    190: ("caption_busy", lambda: caption_diamond(DARK_RED, RED, rgb("E0463E"))),
    191: ("caption_paused", lambda: caption_diamond(rgb("4E555C"), GREY, rgb("8E949A"))),
}


def write_image_file(path, rows, kind, hotspot=(0, 0)):
    """kind 1: icon, 2: cursor (the directory entry carries the hot spot)."""
    size = len(rows)
    data = dib(rows, 128)  # transparent where little is drawn
    out = bytearray(struct.pack("<HHH", 0, kind, 1))
    planes, bits = (1, 32) if kind == 1 else hotspot
    out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, planes, bits, len(data), 22)
    out += data
    with open(path, "wb") as f:
        f.write(out)


def drag_cursor(copy):
    arrow = [(1, 1), (1, 22), (6, 17), (10, 26), (13, 25), (9, 16), (16, 16)]
    inner = [(2, 3.5), (2, 19.6), (6.3, 15.4), (10.5, 24.6), (11.7, 24.1), (7.6, 15), (13.6, 15)]
    shapes = [poly(arrow, rgb("000000")), poly(inner, WHITE)]
    shapes += frame(14, 18, 27, 28, rgb("000000"), PAPER) + text_lines(16, 25, [20, 22, 24],
                                                                       BLUE, False)
    if copy:
        shapes += [rect(20, 22, 31, 31, rgb("000000")), rect(21, 23, 30, 30, WHITE),
                   rect(25, 24, 26, 29, rgb("000000")), rect(22, 26, 29, 27, rgb("000000"))]
    return render(shapes, 32, 32)


def main():
    here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "menu")
    os.makedirs(here, exist_ok=True)
    for rid, (name, draw) in sorted(ICONS.items()):
        write_image_file(os.path.join(here, "%d_%s.ico" % (rid, name)), render(draw(), 16, 16), 1)
    for rid, (name, draw) in sorted(CAPTION_ICONS.items()):
        write_image_file(os.path.join(here, "%d_%s.ico" % (rid, name)), render(draw(), 20, 20), 1)
    write_image_file(os.path.join(here, "2001_drag_move.cur"), drag_cursor(False), 2, (1, 1))
    write_image_file(os.path.join(here, "2002_drag_copy.cur"), drag_cursor(True), 2, (1, 1))


if __name__ == "__main__":
    main()
