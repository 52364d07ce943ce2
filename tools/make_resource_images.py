#!/usr/bin/env python3
"""Draws the plug-in's icon and cursor and writes them as .ico and .cur files.

The images are ours: a stack of nested rounded squares (what the filter makes)
for the icon, and a cross-hair with a small contour mark for the cursor.
Run from anywhere; it writes into plugin/resources/ next to contour.rc:

    python3 tools/make_resource_images.py
"""
import os
import struct

SIZE = 32
CURSOR_HOT_SPOT = (20, 24)  # x, y from the top-left corner

# The classic 16-colour palette (index -> R, G, B).
PALETTE16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
# Bands from the outside in: navy, blue, teal, cyan, green, yellow, red.
ICON_BANDS = [4, 12, 6, 14, 10, 11, 9]
TRANSPARENT = None


def superellipse_radius(x, y):
    """Distance of the pixel centre from the image centre, in a metric whose
    circles are squares with rounded corners."""
    c = (SIZE - 1) / 2.0
    dx, dy = abs(x - c), abs(y - c)
    return (dx ** 4 + dy ** 4) ** 0.25


def draw_icon():
    """Rows top-down of palette indexes, or TRANSPARENT."""
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            r = superellipse_radius(x, y)
            if r > 15.0:
                row.append(TRANSPARENT)
                continue
            band = min(int((15.0 - r) / 2.2), len(ICON_BANDS) - 1)
            # A dark line on the outer edge of every band makes the contours read.
            edge = (15.0 - r) - band * 2.2 < 0.6
            row.append(0 if edge else ICON_BANDS[band])
        rows.append(row)
    return rows


def draw_cursor():
    """Rows top-down of 'black', 'white' or TRANSPARENT."""
    grid = [[TRANSPARENT] * SIZE for _ in range(SIZE)]
    hx, hy = CURSOR_HOT_SPOT

    def put(x, y, value):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            grid[y][x] = value

    # White outline first so the black cross-hair shows on any background.
    arm = 7
    for d in range(-arm, arm + 1):
        for o in (-1, 1):
            put(hx + d, hy + o, 'white')
            put(hx + o, hy + d, 'white')
    for o in (-1, 0, 1):
        put(hx - arm - 1, hy + o, 'white')
        put(hx + arm + 1, hy + o, 'white')
        put(hx + o, hy - arm - 1, 'white')
        put(hx + o, hy + arm + 1, 'white')
    for d in range(-arm, arm + 1):
        put(hx + d, hy, 'black')
        put(hx, hy + d, 'black')
    put(hx, hy, 'white')  # the hot spot itself stays visible

    # Contour mark: three nested squares up and to the left of the cross-hair.
    for inset, colour in ((0, 'black'), (1, 'white'), (2, 'black'), (3, 'white'), (4, 'black')):
        lo, hi = 1 + inset, 13 - inset
        if lo > hi:
            break
        for i in range(lo, hi + 1):
            put(i, lo, colour)
            put(i, hi, colour)
            put(lo, i, colour)
            put(hi, i, colour)
    return grid


def pack_rows(rows, bits_per_pixel, pixel_value):
    """A bottom-up DIB pixel array, each row padded to 4 bytes."""
    out = bytearray()
    for row in reversed(rows):
        bits = 0
        nbits = 0
        line = bytearray()
        for p in row:
            bits = (bits << bits_per_pixel) | pixel_value(p)
            nbits += bits_per_pixel
            if nbits == 8:
                line.append(bits)
                bits, nbits = 0, 0
        while len(line) % 4:
            line.append(0)
        out += line
    return bytes(out)


def dib(rows, bits_per_pixel, palette, colour_index):
    """BITMAPINFOHEADER + palette + colour (XOR) bits + AND mask, as icons and
    cursors store them: the height counts both masks."""
    xor_bits = pack_rows(rows, bits_per_pixel, colour_index)
    and_bits = pack_rows(rows, 1, lambda p: 1 if p is TRANSPARENT else 0)
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, 2 * SIZE, 1, bits_per_pixel, 0,
                         len(xor_bits) + len(and_bits), 0, 0, 0, 0)
    colours = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in palette)
    return header + colours + xor_bits + and_bits


def icon_file(rows):
    image = dib(rows, 4, PALETTE16, lambda p: 0 if p is TRANSPARENT else p)
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def cursor_file(rows):
    image = dib(rows, 1, [(0, 0, 0), (255, 255, 255)],
                lambda p: 1 if p == 'white' else 0)
    directory = struct.pack('<HHH', 0, 2, 1)
    hx, hy = CURSOR_HOT_SPOT
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 2, 0, hx, hy, len(image), 6 + 16)
    return directory + entry + image


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = os.path.join(here, '..', 'plugin', 'resources')
    with open(os.path.join(target, 'contour.ico'), 'wb') as f:
        f.write(icon_file(draw_icon()))
    with open(os.path.join(target, 'contour.cur'), 'wb') as f:
        f.write(cursor_file(draw_cursor()))


if __name__ == '__main__':
    main()
