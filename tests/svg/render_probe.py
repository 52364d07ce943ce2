#!/usr/bin/env python3
"""Renders an SVG file with rsvg-convert and prints what some pixels hold.

usage: render_probe.py FILE.svg SIZE X,Y [X,Y ...]

Prints the picture's width and height, then "R G B A" for each pixel asked
for (0-based, from the top-left corner). Exit status 77 when rsvg-convert is
missing. Rendering and decoding are compare_renders.py's.
"""
import os
import shutil
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import compare_renders  # noqa: E402


def main():
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    if shutil.which("rsvg-convert") is None:
        print("rsvg-convert is missing (package librsvg2-bin)")
        return 77
    width, height, pixels = compare_renders.decode_png(compare_renders.render(sys.argv[1], int(sys.argv[2])))
    print(width, height)
    for point in sys.argv[3:]:
        x, y = (int(v) for v in point.split(","))
        i = (y * width + x) * 4
        print(*pixels[i:i + 4])
    return 0


if __name__ == "__main__":
    sys.exit(main())
