"""Contours of Inkscape's own shapes, as Inkscape draws them. A star and an
arc in Inkscape's markup (sodipodi:type and the shape's parameters, which
Inkscape draws the shape from, whatever the path data says) are contoured by
`contour apply`, and the result is rendered by Inkscape's command line and by
rsvg-convert, which draws the path data. Where rsvg-convert shows a contour
and not the source, Inkscape must show the same: a contour that kept the
source's parameters would be drawn by Inkscape as a copy of the source.

inkscape_render_test.py BUILD_DIR SOURCE_DIR. Exit status 77 when inkscape
or rsvg-convert is missing (a failure where CONTOUR_REQUIRE_PACKAGE_TOOLS=1)."""
import math
import os
import shutil
import subprocess
import sys
import tempfile

BUILD, SOURCE = sys.argv[1], sys.argv[2]
sys.path.insert(0, os.path.join(SOURCE, "tests", "svg"))
import compare_renders  # noqa: E402

SIZE = 200  # pixels, one to the drawing's unit


def star(cx, cy, r1, r2, arg1, sides=5):
    """Inkscape's star: corners at r1 from arg1 on, inner corners at r2 halfway between."""
    arg2 = arg1 + math.pi / sides
    points = []
    for k in range(sides):
        for r, a in ((r1, arg1), (r2, arg2)):
            t = a + 2 * math.pi * k / sides
            points.append(f"{cx + r * math.cos(t):.6f},{cy + r * math.sin(t):.6f}")
    attributes = (f'sodipodi:type="star" sodipodi:sides="{sides}" sodipodi:cx="{cx}" sodipodi:cy="{cy}" '
                  f'sodipodi:r1="{r1}" sodipodi:r2="{r2}" sodipodi:arg1="{arg1}" sodipodi:arg2="{arg2}" '
                  'inkscape:flatsided="false" inkscape:rounded="0" inkscape:randomized="0"')
    return f'd="M {" L ".join(points)} Z" {attributes}'


def slice_of_arc(cx, cy, rx, ry, start, end):
    """Inkscape's arc as a slice: from the centre out, along the ellipse, and back."""
    x0, y0 = cx + rx * math.cos(start), cy + ry * math.sin(start)
    x1, y1 = cx + rx * math.cos(end), cy + ry * math.sin(end)
    large = 1 if end - start > math.pi else 0
    attributes = (f'sodipodi:type="arc" sodipodi:cx="{cx}" sodipodi:cy="{cy}" sodipodi:rx="{rx}" '
                  f'sodipodi:ry="{ry}" sodipodi:start="{start}" sodipodi:end="{end}" sodipodi:open="true" '
                  'sodipodi:arc-type="slice"')
    return f'd="M {cx},{cy} L {x0:.6f},{y0:.6f} A {rx},{ry} 0 {large} 1 {x1:.6f},{y1:.6f} Z" {attributes}'


DRAWING = f"""<svg xmlns="http://www.w3.org/2000/svg"
   xmlns:sodipodi="http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd"
   xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape"
   width="{SIZE}" height="{SIZE}" viewBox="0 0 {SIZE} {SIZE}">
  <path id="star" fill="#3366cc" {star(55, 100, 45, 20, -math.pi / 2)} />
  <path id="arc" fill="#cc6633" {slice_of_arc(150, 100, 40, 30, 0.3, 4.9)} />
</svg>
"""


def pixels(png):
    width, height, data = compare_renders.decode_png(png)
    assert (width, height) == (SIZE, SIZE), (width, height)
    return data


def inkscape(path, folder):
    out = os.path.join(folder, os.path.basename(path) + ".png")
    subprocess.run(["inkscape", path, "--export-type=png", f"--export-filename={out}", f"--export-width={SIZE}"],
                   check=True, capture_output=True)
    with open(out, "rb") as f:
        return pixels(f.read())


def rsvg(path):
    return pixels(compare_renders.render(path, SIZE))


def alpha(data, i):
    return data[i * 4 + 3]


def main():
    missing = [tool for tool in ("inkscape", "rsvg-convert") if shutil.which(tool) is None]
    if missing:
        print(f"{' and '.join(missing)} missing: Inkscape's rendering not compared")
        return 1 if os.environ.get("CONTOUR_REQUIRE_PACKAGE_TOOLS") == "1" else 77
    folder = tempfile.mkdtemp(prefix="contour-inkscape-render.")
    try:
        source = os.path.join(folder, "shapes.svg")
        with open(source, "w") as f:
            f.write(DRAWING)
        out = os.path.join(folder, "contoured.svg")
        # Three smaller copies, each turned 20 degrees: their corners stand out of the source.
        subprocess.run([os.path.join(BUILD, "bin", "contour"), "apply", source, "-o", out, "--seed",
                        "1", "-q", "--set", "contourCount=3", "--set", "rotation=20", "--set", "scaleH=-15"],
                       check=True)
        before, after = rsvg(source), rsvg(out)
        source_drawn, drawn = inkscape(source, folder), inkscape(out, folder)
        # The shapes themselves are drawn alike by both (else the probes mean nothing).
        alike = sum(1 for i in range(SIZE * SIZE) if abs(alpha(before, i) - alpha(source_drawn, i)) < 64)
        if alike < SIZE * SIZE * 0.99:
            print(f"Inkscape and rsvg-convert draw the source differently ({alike} pixels alike)")
            return 1
        # The probes: pixels that a contour covers and the source leaves clear.
        probes = [i for i in range(SIZE * SIZE) if alpha(after, i) > 200 and alpha(before, i) < 20]
        shown = sum(1 for i in probes if alpha(drawn, i) > 128)
        print(f"{len(probes)} pixels of contours alone; Inkscape shows {shown} of them")
        if len(probes) < 200 or shown < len(probes) * 0.95:
            return 1
        return 0
    finally:
        shutil.rmtree(folder)


if __name__ == "__main__":
    sys.exit(main())
