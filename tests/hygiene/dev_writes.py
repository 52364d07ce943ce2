#!/usr/bin/env python3
"""Fails when a test or script names a path under /dev other than in a shell
redirection: the program replaces an output file by renaming over it, so a
test that hands it a device (as root, on a real machine) destroys the device.
Reading from /dev/zero, /dev/urandom, /dev/random or /dev/stdin is allowed,
unless it is given to an output option.

Usage: dev_writes.py FOLDER...   (prints each offending line)"""
import os
import re
import sys

REDIRECTION = re.compile(r"(?:[0-9&]*>>?|<)\s*/dev/[A-Za-z0-9_/]+")
READ_ONLY = re.compile(r"/dev/(?:zero|u?random|stdin)\b")
GIVEN_TO_OUTPUT = re.compile(r"(?:-o|--output|--trace|--save-params|--dialog-state)[\s\"',=]+/dev/")
DEV_PATH = re.compile(r"/dev/[A-Za-z0-9_]")
SKIPPED_FOLDERS = {"node_modules", "fixtures", ".git"}


def offends(line):
    rest = REDIRECTION.sub("", line)
    if GIVEN_TO_OUTPUT.search(rest):
        return True
    return DEV_PATH.search(READ_ONLY.sub("", rest)) is not None


# The rule, held against a few lines it must tell apart.
CASES = [
    ("command -v rsvg-convert >/dev/null 2>&1", False),
    ('"$wineserver" -k 2>/dev/null || true', False),
    ("run &> /dev/null < /dev/tty", False),
    ('contour apply /dev/zero -o "$tmp/out.svg"', False),
    ("contour apply in.svg -o " + "/dev/null", True),  # split, so that a search for such lines passes the table by
    ('{"apply", "in.svg", "--trace", "/dev/zero"}', True),
    ('std::ofstream out("/dev/sda");', True),
    ("cp result /dev/shm/x", True),
]


def main(folders):
    for line, expected in CASES:
        if offends(line) != expected:
            print(f"dev_writes.py misjudges: {line}")
            return 2
    me = os.path.abspath(__file__)
    found = 0
    for folder in folders:
        for root, dirs, files in os.walk(folder):
            dirs[:] = sorted(d for d in dirs if d not in SKIPPED_FOLDERS)
            for name in sorted(files):
                path = os.path.join(root, name)
                if os.path.abspath(path) == me:
                    continue
                try:
                    with open(path, encoding="utf-8") as f:
                        lines = f.readlines()
                except (UnicodeDecodeError, OSError):
                    continue  # not text
                for number, line in enumerate(lines, 1):
                    if offends(line):
                        print(f"{path}:{number}: names a path under /dev outside a shell redirection: {line.strip()}")
                        found += 1
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
