"""What the comparisons of another build of `contour` with the Linux program
share: running both on the same arguments, and the runs every build must
give byte for byte as the Linux program does (the example drawings, the SVG
fixtures, every preset, the listing commands, files written and read back,
refusals, names in other scripts). tests/windows and tests/wasm use it.
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
    """`other` is the command that starts the other build, `other_name` the
    name its help's usage line gives it, `label` its name in messages."""

    def __init__(self, root, linux, other, other_name, label, other_says=()):
        self.root, self.linux, self.other, self.other_name, self.label = root, linux, other, other_name, label
        # (text, Linux's text) pairs: what the other build rightly says otherwise
        self.other_says = other_says
        self.runs = 0
        self.failures = []

    def run(self, program, args, stdin=None):
        command = [self.linux] if program == "linux" else self.other
        done = subprocess.run(command + args, cwd=self.root, input=stdin if stdin is not None else b"",
                              capture_output=True, timeout=300)
        self.runs += 1
        # The help's usage line names the program as it was started.
        own = (self.linux if program == "linux" else self.other_name).encode()
        out = done.stdout.replace(own, b"contour")
        for text, linux_text in self.other_says if program == "other" else ():
            out = out.replace(text, linux_text)
        return done.returncode, out, TIMES.sub(b"in T s", done.stderr)

    def fail(self, what, detail):
        self.failures.append(f"{what}: {detail}")

    def same(self, args, outputs=(), stdin=None):
        """Runs both programs; compares status, standard output and error,
        and the files named in `outputs` (each run writes its own copy)."""
        results = []
        for program in ("linux", "other"):
            results.append(self.run(program, args, stdin) + tuple(read(path) for path in outputs))
            for path in outputs:
                remove(path)
        if results[0] != results[1]:
            names = ["exit status", "standard output", "standard error"] + [f"file {p}" for p in outputs]
            for name, linux, windows in zip(names, results[0], results[1]):
                if linux != windows:
                    self.fail(" ".join(args), f"{name} differs: Linux {shorten(linux)} / {self.label} {shorten(windows)}")
        return results[0]

    def other_refuses(self, what, args, expected, wanted_status=1):
        status, _, err = self.run("other", args)
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


def compare_runs(r, scratch):
    drawings = sorted(glob.glob("examples/*.svg", root_dir=r.root)) + sorted(
        glob.glob("tests/fixtures/svg/*.svg", root_dir=r.root))
    for drawing in drawings:
        r.same(["apply", drawing, "-o", "-", "--seed", "7"])
    presets = r.run("linux", ["presets"])[1].decode().split("\n")
    for number in [line.split()[0] for line in presets if line.strip()]:
        r.same(["apply", "examples/star.svg", "-o", "-", "--preset", number, "--seed", "11"])
    # (The whole program's --help differs by `edit`, which the other builds have not.)
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


def compare_and_report(r, label, what, checks):
    """Runs compare_runs and then each of checks (functions of the runner and a scratch folder) in a
    scratch folder of their own, prints every difference and one summary line; returns the exit status."""
    scratch = tempfile.mkdtemp(prefix=f"contour-compare-{label}-")
    try:
        for check in [compare_runs, *checks]:
            check(r, scratch)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    for failure in r.failures:
        print(f"{label}: " + failure, file=sys.stderr)
    if r.failures:
        print(f"{label}: {len(r.failures)} of {r.runs} runs differ from the Linux program's", file=sys.stderr)
        return 1
    print(f"{what} byte-identical to the Linux program in {r.runs} runs")
    return 0
