#!/usr/bin/env python3
"""Writes a drawing of RINGS rings, each a closed path of 64 cubic segments,
for the end-to-end figures of scripts/bench.sh: make_rings.py RINGS OUT.svg"""
import math
import sys

SEGMENTS = 64


def ring(cx, cy, r):
    # A circle's arcs as cubics: the direction points at 4/3 tan(a/4) of the radius.
    step = 2 * math.pi / SEGMENTS
    k = 4 / 3 * math.tan(step / 4) * r
    pts = [(cx + r * math.cos(i * step), cy + r * math.sin(i * step), i * step) for i in range(SEGMENTS + 1)]
    d = ["M%.3f,%.3f" % pts[0][:2]]
    for (x0, y0, a0), (x1, y1, a1) in zip(pts, pts[1:]):
        d.append("C%.3f,%.3f %.3f,%.3f %.3f,%.3f" % (x0 - k * math.sin(a0), y0 + k * math.cos(a0),
                                                     x1 + k * math.sin(a1), y1 - k * math.cos(a1), x1, y1))
    return " ".join(d) + " Z"


def main():
    rings, out = int(sys.argv[1]), sys.argv[2]
    columns = max(1, int(math.sqrt(rings)))
    rows = (rings + columns - 1) // columns
    with open(out, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?>\n')
        f.write('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d">\n' % (columns * 30, rows * 30))
        for i in range(rings):
            cx, cy = 15 + (i % columns) * 30, 15 + (i // columns) * 30
            f.write('<path id="r%d" fill="#3a7" stroke="#123" d="%s"/>\n' % (i, ring(cx, cy, 10)))
        f.write("</svg>\n")


if __name__ == "__main__":
    main()
