"""Rendering shared by the icon scripts: supersampled shapes to rows of pixels, and those
rows as the 32-bit DIB with its AND mask that icon and cursor files hold.

A shape is a pair (hit, colour): hit(x, y) tells whether a point lies inside it, colour is
(r, g, b, a). Standard library only.
"""
import struct

SAMPLES = 4  # per axis, per pixel


def render(shapes, size, unit):
    """Rows top to bottom of (r, g, b, a) pixels. `unit` is the image's width in the shapes'
    coordinates: 1 for unit coordinates, the size for pixel coordinates."""
    rows = []
    n = SAMPLES * SAMPLES
    scale = size / unit
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) / scale
                    y = (py + (sy + 0.5) / SAMPLES) / scale
                    colour = None
                    for hit, c in shapes:  # painter's order: the last hit wins
                        if hit(x, y):
                            colour = c
                    if colour:
                        for i in range(3):
                            acc[i] += colour[i] * colour[3]
                        acc[3] += colour[3]
            if acc[3]:
                pix = tuple(round(acc[i] / acc[3]) for i in range(3)) + (round(acc[3] / n),)
            else:
                pix = (0, 0, 0, 0)
            row.append(pix)
        rows.append(row)
    return rows


def dib(rows, opaque_from):
    """The image as a DIB of twice its height (colours, then the AND mask); pixels whose
    alpha is below `opaque_from` are transparent in the mask."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(bytes((p[2], p[1], p[0], p[3])) for row in reversed(rows) for p in row)
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, p in enumerate(row):
            if p[3] < opaque_from:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + xor + bytes(mask)
