#!/usr/bin/env python3
"""Facts about a PNG that rsvg-convert wrote, for the gallery's render check.

usage: png_facts.py IMAGE.png [REFERENCE.png]

Prints one line: width, height, the number of painted pixels (alpha above
0) and, with a reference of the same size, the number of pixels whose
colour or coverage differs from it (else -1).
"""
import os
import sys

# The PNG decoder of the render comparison, not a second copy of it.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "svg"))
from compare_renders import decode_png  # noqa: E402


def pixels(path):
    with open(path, "rb") as f:
        return decode_png(f.read())


def main(argv):
    if len(argv) not in (2, 3):
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    width, height, data = pixels(argv[1])
    painted = sum(1 for i in range(3, len(data), 4) if data[i] > 0)
    differing = -1
    if len(argv) == 3:
        w2, h2, other = pixels(argv[2])
        if (w2, h2) == (width, height):
            differing = sum(1 for i in range(0, len(data), 4) if data[i:i + 4] != other[i:i + 4])
    print(width, height, painted, differing)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
