#!/usr/bin/env python3
"""Draws the program's taskbar icons and writes them as .ico files beside this script.

    normal.ico  (153)  a clipboard with a written sheet
    paused.ico  (185)  the same with a blue pause badge
    busy.ico    (188)  the same with a red dot

Standard library only. Each icon holds 16, 24, 32 and 48 pixel images in 32-bit colour with
alpha; the shapes are drawn in unit coordinates and supersampled, so every size stays sharp.
Run it again after changing a shape and commit the .ico files it writes.
"""
import os
import struct

from icon_images import dib, render

SIZES = (16, 24, 32, 48)


def rgb(hex_text):
    v = int(hex_text, 16)
    return ((v >> 16) & 255, (v >> 8) & 255, v & 255, 255)


def rounded_rect(x0, y0, x1, y1, r, colour):
    def hit(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return hit, colour


def circle(cx, cy, r, colour):
    return (lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r), colour


def rect(x0, y0, x1, y1, colour):
    return (lambda x, y: x0 <= x <= x1 and y0 <= y <= y1), colour


def outlined(x0, y0, x1, y1, r, edge, fill, w):
    return [rounded_rect(x0, y0, x1, y1, r, edge),
            rounded_rect(x0 + w, y0 + w, x1 - w, y1 - w, max(r - w, 0), fill)]


def clipboard():
    shapes = []
    shapes += outlined(0.14, 0.10, 0.86, 0.97, 0.08, rgb("6B4218"), rgb("B0753A"), 0.05)
    shapes += outlined(0.24, 0.20, 0.76, 0.89, 0.02, rgb("8C8C8C"), rgb("FFFFFF"), 0.035)
    for y in (0.38, 0.51, 0.64, 0.77):
        shapes.append(rect(0.32, y - 0.025, 0.68 if y < 0.7 else 0.56, y + 0.025, rgb("4A6FA5")))
    shapes += outlined(0.32, 0.03, 0.68, 0.22, 0.05, rgb("4E555C"), rgb("C3CAD1"), 0.045)
    shapes.append(rounded_rect(0.44, 0.07, 0.56, 0.12, 0.02, rgb("4E555C")))
    return shapes


def paused():
    return clipboard() + [
        circle(0.72, 0.72, 0.28, rgb("FFFFFF")),
        circle(0.72, 0.72, 0.235, rgb("2456B0")),
        rect(0.625, 0.60, 0.685, 0.84, rgb("FFFFFF")),
        rect(0.755, 0.60, 0.815, 0.84, rgb("FFFFFF")),
    ]


def busy():
    return clipboard() + [
        circle(0.74, 0.74, 0.25, rgb("FFFFFF")),
        circle(0.74, 0.74, 0.205, rgb("D01C1C")),
    ]


def write_ico(path, shapes):
    # Transparent only where nothing is drawn.
    images = [dib(render(shapes, s, 1), 1) for s in SIZES]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for s, data in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    with open(path, "wb") as f:
        f.write(out)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, shapes in (("normal", clipboard()), ("paused", paused()), ("busy", busy())):
        write_ico(os.path.join(here, name + ".ico"), shapes)


if __name__ == "__main__":
    main()
