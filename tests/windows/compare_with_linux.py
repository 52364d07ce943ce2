#!/usr/bin/env python3
"""contour.exe under Wine against the Linux program: the same runs on the
example drawings, the SVG fixtures, every preset and the listing commands
must give the same bytes out, the same messages and the same exit status.
Then what only Windows has: names in other scripts, drive letters and
backslashes, device names, a missing or 32-bit module; and the Inkscape
extension's script run with CONTOUR naming a wrapper that starts contour.exe.

    compare_with_linux.py ROOT LINUX_CONTOUR CONTOUR_EXE WIN32_MODULE
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile

TIMES = re.compile(rb"in [0-9]+\.[0-9]+ s")  # how long a run took is the one thing that may differ


class Runner:
    def __init__(self, root, linux, exe):
        self.root, self.linux, self.exe = root, linux, exe
        self.wine = os.path.join(root, "cmake", "run-under-wine.sh")
        self.runs = 0
        self.failures = []

    def run(self, program, args, stdin=None):
        command = [self.linux] if program == "linux" else [self.wine, self.exe]
        done = subprocess.run(command + args, cwd=self.root, input=stdin if stdin is not None else b"",
                              capture_output=True, timeout=300)
        self.runs += 1
        # The help's usage line names the program as it was started.
        own = (self.linux if program == "linux" else windows_name(self.exe)).encode()
        return done.returncode, done.stdout.replace(own, b"contour"), TIMES.sub(b"in T s", done.stderr)

    def fail(self, what, detail):
        self.failures.append(f"{what}: {detail}")

    def same(self, args, outputs=(), stdin=None):
        """Runs both programs; compares status, standard output and error,
        and the files named in `outputs` (each run writes its own copy)."""
        results = []
        for program in ("linux", "windows"):
            results.append(self.run(program, args, stdin) + tuple(read(path) for path in outputs))
            for path in outputs:
                remove(path)
        if results[0] != results[1]:
            names = ["exit status", "standard output", "standard error"] + [f"file {p}" for p in outputs]
            for name, linux, windows in zip(names, results[0], results[1]):
                if linux != windows:
                    self.fail(" ".join(args), f"{name} differs: Linux {shorten(linux)} / Windows {shorten(windows)}")
        return results[0]

    def windows_refuses(self, what, args, expected, wanted_status=1):
        status, _, err = self.run("windows", args)
        lines = err.decode("utf-8", "replace").splitlines()
        if status != wanted_status or len(lines) != 1 or expected not in lines[0]:
            self.fail(what, f"status {status}, messages {lines!r} (expected one line with {expected!r})")


def read(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except FileNotFoundError:
        return None


def remove(path):
    if os.path.exists(path):
        os.remove(path)


def shorten(value):
    text = repr(value)
    return text if len(text) < 300 else text[:300] + "..."


def windows_name(path):
    """A Linux path as Wine's Z: drive shows it, with backslashes."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def compare_runs(r, scratch):
    drawings = sorted(glob.glob("examples/*.svg", root_dir=r.root)) + sorted(
        glob.glob("tests/fixtures/svg/*.svg", root_dir=r.root))
    for drawing in drawings:
        r.same(["apply", drawing, "-o", "-", "--seed", "7"])
    presets = r.run("linux", ["presets"])[1].decode().split("\n")
    for number in [line.split()[0] for line in presets if line.strip()]:
        r.same(["apply", "examples/star.svg", "-o", "-", "--preset", number, "--seed", "11"])
    # (The whole program's --help differs by `edit`, which the Windows build has not.)
    for args in (["about"], ["presets"], ["modes"], ["params", "--defaults"], ["apply", "--help"], ["--version"]):
        r.same(args)
    # Written to files: compressed, with a record read back by --again and strip.
    out, again = os.path.join(scratch, "out.svgz"), os.path.join(scratch, "again.svg")
    r.same(["apply", "examples/star.svg", "-o", out, "--preset", "Twist", "--seed", "3"], outputs=[out])
    r.run("linux", ["apply", "examples/star.svg", "-o", out, "--preset", "Twist", "--seed", "3"])
    r.same(["apply", out, "-o", again, "--again"], outputs=[again])
    r.same(["strip", out, "-o", "-"])
    r.same(["apply", "-", "-o", "-", "--seed", "5"], stdin=read(os.path.join(r.root, "examples/star.svg")))
    # What is refused, alike on both.
    broken = os.path.join(scratch, "broken.svg")
    with open(broken, "w") as f:
        f.write("<svg xmlns='http://www.w3.org/2000/svg'><path d='M0 0L1 1'/>")
    locked = os.path.join(scratch, "locked.svg")
    shutil.copy(os.path.join(r.root, "examples/star.svg"), locked)
    os.chmod(locked, 0o444)
    for args in (["apply", broken, "-o", "-"], ["apply", "missing.svg", "-o", "-"], ["aply", "x.svg"],
                 ["apply", "examples/star.svg", "-o", "-", "--preset", "Twst"],
                 ["apply", "examples/star.svg", "-o", locked]):
        r.same(args)
    os.chmod(locked, 0o644)
    # Names in other scripts, as arguments and in messages.
    for name in ("Ελληνικά ★.svg", "日本語の図.svg", "עברית.svg"):
        source = os.path.join(scratch, name)
        shutil.copy(os.path.join(r.root, "examples/star.svg"), source)
        result = os.path.join(scratch, "out " + name)
        r.same(["apply", source, "-o", result, "--seed", "9"], outputs=[result])


def compare_windows_names(r, scratch, win32_module):
    star = os.path.join(r.root, "examples", "star.svg")
    expected = r.run("linux", ["apply", "examples/star.svg", "-o", "-", "--seed", "9"])[1]
    result = os.path.join(scratch, "drive.svg")
    for source in (windows_name(star), "\\\\?\\" + windows_name(star)):
        status, _, err = r.run("windows", ["apply", source, "-o", windows_name(result), "--seed", "9"])
        if status != 0 or read(result) != expected:
            r.fail(f"apply {source}", f"status {status}, {err!r}, output {'differs' if read(result) else 'missing'}")
        remove(result)
    for device in ("nul.svg", "CON.svgz", windows_name(os.path.join(scratch, "COM1.svg"))):
        r.windows_refuses(f"-o {device}", ["apply", "examples/star.svg", "-o", device],
                          ": is the name of a device on Windows")
    r.windows_refuses("-o NUL --format svg", ["apply", "examples/star.svg", "-o", "NUL", "--format", "svg"],
                      "NUL: is the name of a device on Windows")
    r.windows_refuses("an input named AUX", ["apply", "aux.svg", "-o", "-"], "aux.svg: is the name of a device")
    for picture in ("star.png", "star.pdf"):
        r.windows_refuses(f"-o {picture}", ["apply", "examples/star.svg", "-o", picture],
                          "built without PNG and PDF output", wanted_status=2)
    r.windows_refuses("a missing module", ["apply", "examples/star.svg", "-o", "-", "--plugin", "absent.aip"],
                      "absent.aip: cannot open the file")
    r.windows_refuses("a 32-bit module", ["apply", "examples/star.svg", "-o", "-", "--plugin", win32_module],
                      "a module for 32-bit Windows (x86); this program needs one for 64-bit Windows (x64)")


def compare_extension(r, scratch):
    wrapper = os.path.join(scratch, "contour-under-wine")
    with open(wrapper, "w") as f:
        f.write(f"#!/bin/sh\nexec '{r.wine}' '{r.exe}' \"$@\"\n")
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
    r = Runner(root, linux, exe)
    scratch = tempfile.mkdtemp(prefix="contour-compare-")
    try:
        compare_runs(r, scratch)
        compare_windows_names(r, scratch, win32_module)
        compare_extension(r, scratch)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    for failure in r.failures:
        print("windows: " + failure, file=sys.stderr)
    if r.failures:
        print(f"windows: {len(r.failures)} of {r.runs} runs differ from the Linux program's", file=sys.stderr)
        return 1
    print(f"windows (wine): contour.exe byte-identical to the Linux program in {r.runs} runs")
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 5:
        raise SystemExit(__doc__)
    sys.exit(main(*[os.path.abspath(a) for a in sys.argv[1:]]))
