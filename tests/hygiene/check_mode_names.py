#!/usr/bin/env python3
"""Fails when the engine names a mode by its number: every mode has one name,
its enumerator in plugin/params/ModeIds.h, and a `case 3:` in plugin/engine
is a second one that nothing ties to the list. Prints each such line.

  check_mode_names.py ROOT"""
import os
import re
import sys

NUMBERED_CASE = re.compile(r"\bcase\s+[-+(]*\d")

# The rule, held against lines it must tell apart.
CASES = [
    ("    case 3: return center;", True),
    ("    case 10: {", True),
    ("    case (2):", True),
    ("    case Center3: return center;", False),
    ("    case kGrayColor: return 1;", False),
    ("  // the last case 2 of the list", True),
]


def numbered_cases(root):
    folder = os.path.join(root, "plugin", "engine")
    for name in sorted(os.listdir(folder)):
        if not name.endswith((".h", ".cpp")):
            continue
        with open(os.path.join(folder, name), encoding="utf-8") as f:
            for number, line in enumerate(f, 1):
                if NUMBERED_CASE.search(line):
                    yield f"plugin/engine/{name}:{number}: {line.strip()}"


def main():
    wrong = [line for line, numbered in CASES if bool(NUMBERED_CASE.search(line)) != numbered]
    for line in wrong:
        print(f"the rule misreads: {line!r}")
    found = list(numbered_cases(sys.argv[1]))
    for line in found:
        print(line)
    print(f"{len(found)} modes named by a number in plugin/engine (name them by plugin/params/ModeIds.h)")
    return 1 if found or wrong else 0


if __name__ == "__main__":
    sys.exit(main())
