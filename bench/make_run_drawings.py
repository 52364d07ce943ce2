#!/usr/bin/env python3
"""Writes the drawings of the recorded-run figures (bench/run_figures.sh):

  make_run_drawings.py rects N OUT.svg    N rectangles in a grid
  make_run_drawings.py tiny N OUT.svg     N tiny closed paths (three segments each)
  make_run_drawings.py stars N OUT.svg    N ten-point stars (the editor tests' grid)
  make_run_drawings.py chain RUNS OUT.svg CONTOUR
      one square, then RUNS runs of `CONTOUR apply --include-contours` with
      the least contour count on everything in the drawing (contours of
      contours, which make two contours each): 3^RUNS objects
  make_run_drawings.py missing N OUT.svg CONTOUR
      one recorded run whose record names N sources that are not there, and
      contours that name them
"""
import math
import os
import re
import subprocess
import sys

HEAD = '<?xml version="1.0" encoding="UTF-8"?>\n'


def svg(width, height, body):
    return (HEAD + '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
            % (width, height, width, height) + body + "</svg>\n")


def grid(count, pitch):
    columns = max(1, int(math.ceil(math.sqrt(count))))
    rows = (count + columns - 1) // columns
    return columns, rows, [(10 + (i % columns) * pitch, 10 + (i // columns) * pitch) for i in range(count)]


def rects(count):
    columns, rows, at = grid(count, 30)
    body = "".join('<rect id="r%d" x="%d" y="%d" width="20" height="14" fill="#3a7" stroke="#123"/>\n' % (i, x, y)
                   for i, (x, y) in enumerate(at))
    return svg(columns * 30 + 20, rows * 30 + 20, body)


def tiny(count):
    columns, rows, at = grid(count, 4)
    body = "".join('<path d="M%d %dh3l-2 2z" fill="#c33"/>\n' % (x, y) for x, y in at)
    return svg(columns * 4 + 20, rows * 4 + 20, body)


def stars(count):
    # As tests/e2e/support/editor.js draws them: ten to a row.
    out = []
    for i in range(count):
        cx, cy = 40 + (i % 10) * 52, 40 + (i // 10) * 70
        points = []
        for k in range(10):
            r, a = (20 if k % 2 == 0 else 9), math.pi / 2 + k * math.pi / 5
            points.append("%.2f,%.2f" % (cx + r * math.cos(a), cy - r * math.sin(a)))
        out.append('<path id="s%d" d="M %s Z" fill="#6090c0" stroke="#203040"/>\n' % (i, " L ".join(points)))
    return svg(560, max(740, 40 + (count // 10 + 1) * 70), "".join(out))


def apply_one_contour(contour, source, out, *more):
    """`CONTOUR apply` with contourCount 1, the least there is."""
    params = out + ".params.json"
    with open(params, "w", encoding="utf-8") as f:
        f.write('{"contourCount": 1}\n')
    try:
        subprocess.run([contour, "apply", source, "-o", out, "--no-dialog", "--seed", "1", "-q", "--params", params, *more],
                       check=True)
    finally:
        os.remove(params)


def chain(runs, out, contour):
    with open(out, "w", encoding="utf-8") as f:
        f.write(svg(400, 400, '<path id="sq" d="M 20 20 L 380 20 L 380 380 L 20 380 Z" fill="#36c" stroke="#123"/>\n'))
    # Every run triples the drawing: without --include-contours a run would
    # leave the contours of the last one out, and the chain would stay short.
    for _ in range(runs):
        apply_one_contour(contour, out, out + ".next.svg", "--include-contours")
        os.replace(out + ".next.svg", out)


def missing(count, out, contour):
    """A run made on one rectangle, whose record is then made to name `count`
    sources that no element has, each with a contour that names it."""
    first = out + ".first"
    with open(first, "w", encoding="utf-8") as f:
        f.write(rects(1))
    apply_one_contour(contour, first, out)
    os.remove(first)
    text = open(out, encoding="utf-8").read()
    contour_element = re.search(r'<\w+ [^>]*contour:run="contour-run-1"[^>]*/>', text).group(0)
    names = ["gone%d" % i for i in range(count)]
    copies = "".join(contour_element.replace('contour:source="r0"', 'contour:source="%s"' % n)
                     .replace('id="r0-1"', 'id="%s-1"' % n) + "\n" for n in names)
    text = text.replace(contour_element, copies, 1).replace('sources="r0"', 'sources="r0 %s"' % " ".join(names), 1)
    with open(out, "w", encoding="utf-8") as f:
        f.write(text)


def main():
    kind, count, out = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    if kind in ("chain", "missing"):
        (chain if kind == "chain" else missing)(count, out, sys.argv[4])
        return
    text = {"rects": rects, "tiny": tiny, "stars": stars}[kind](count)
    with open(out, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
