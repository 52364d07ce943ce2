#!/usr/bin/env python3
"""contour.exe under Wine against the Linux program: the same runs on the
example drawings, the SVG fixtures, every preset and the listing commands
must give the same bytes out, the same messages and the same exit status.
Then what only Windows has: names in other scripts, drive letters and
backslashes, device names, a missing or 32-bit module; and the Inkscape
extension's script run with CONTOUR naming a wrapper that starts contour.exe.

    compare_with_linux.py ROOT LINUX_CONTOUR CONTOUR_EXE WIN32_MODULE
"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from program_comparison import Runner, compare_and_report, read, remove, shorten  # noqa: E402


def windows_name(path):
    """A Linux path as Wine's Z: drive shows it, with backslashes."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def compare_windows_names(r, scratch, win32_module):
    star = os.path.join(r.root, "examples", "star.svg")
    expected = r.run("linux", ["apply", "examples/star.svg", "-o", "-", "--seed", "9"])[1]
    result = os.path.join(scratch, "drive.svg")
    for source in (windows_name(star), "\\\\?\\" + windows_name(star)):
        status, _, err = r.run("other", ["apply", source, "-o", windows_name(result), "--seed", "9"])
        if status != 0 or read(result) != expected:
            r.fail(f"apply {source}", f"status {status}, {err!r}, output {'differs' if read(result) else 'missing'}")
        remove(result)
    for device in ("nul.svg", "CON.svgz", windows_name(os.path.join(scratch, "COM1.svg"))):
        r.other_refuses(f"-o {device}", ["apply", "examples/star.svg", "-o", device],
                        ": is the name of a device on Windows")
    r.other_refuses("-o NUL --format svg", ["apply", "examples/star.svg", "-o", "NUL", "--format", "svg"],
                    "NUL: is the name of a device on Windows")
    r.other_refuses("an input named AUX", ["apply", "aux.svg", "-o", "-"], "aux.svg: is the name of a device")
    for picture in ("star.png", "star.pdf"):
        r.other_refuses(f"-o {picture}", ["apply", "examples/star.svg", "-o", picture],
                        "built without PNG and PDF output", wanted_status=2)
    r.other_refuses("a missing module", ["apply", "examples/star.svg", "-o", "-", "--plugin", "absent.aip"],
                    "absent.aip: cannot open the file")
    r.other_refuses("a 32-bit module", ["apply", "examples/star.svg", "-o", "-", "--plugin", win32_module],
                    "a module for 32-bit Windows (x86); this program needs one for 64-bit Windows (x64)")


def compare_extension(r, scratch):
    wrapper = os.path.join(scratch, "contour-under-wine")
    with open(wrapper, "w") as f:
        f.write("#!/bin/sh\nexec " + " ".join(f"'{part}'" for part in r.other) + ' "$@"\n')
    os.chmod(wrapper, 0o755)
    script = os.path.join(r.root, "dist", "inkscape", "contour_effect.py")
    results = []
    for contour in (r.linux, wrapper):
        env = dict(os.environ, CONTOUR=contour)
        args = ["--preset", "6", "--seed", "4", "examples/star.svg"]
        done = subprocess.run([sys.executable, script] + args, cwd=r.root, env=env, capture_output=True, timeout=300)
        results.append((done.returncode, done.stdout, done.stderr))
        r.runs += 1
    if results[0] != results[1] or results[0][0] != 0:
        r.fail("the Inkscape extension", f"Linux {shorten(results[0])} / Windows {shorten(results[1])}")


def main(root, linux, exe, win32_module):
    wine = os.path.join(root, "cmake", "run-under-wine.sh")
    r = Runner(root, linux, [wine, exe], windows_name(exe), "Windows")
    return compare_and_report(r, "windows", "windows (wine): contour.exe", [lambda r, scratch: compare_windows_names(r, scratch, win32_module), compare_extension])


if __name__ == "__main__":
    if len(sys.argv) != 5:
        raise SystemExit(__doc__)
    sys.exit(main(*[os.path.abspath(a) for a in sys.argv[1:]]))
