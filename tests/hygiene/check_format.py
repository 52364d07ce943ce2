#!/usr/bin/env python3
"""Fails when a C++ source or header of the tree is off the house style
(.clang-format at the root). Prints each file that is off with its number of
lines to change; `clang-format-14 -i FILE` mends one.

  check_format.py CLANG_FORMAT ROOT

Before looking at the tree it makes sure that the formatter it was given
finds a line off the style at all, so that a formatter that says nothing
cannot pass the tree."""
import os
import subprocess
import sys

FOLDERS = ("plugin", "easel", "tests", "bench")
SUFFIXES = (".h", ".hpp", ".cpp")
SKIPPED_FOLDERS = {"node_modules", "fixtures", ".git"}
CHUNK = 100  # files per run of the formatter


def sources(root):
    for top in FOLDERS:
        for folder, subfolders, names in os.walk(os.path.join(root, top)):
            subfolders[:] = sorted(d for d in subfolders if d not in SKIPPED_FOLDERS)
            for name in sorted(names):
                if name.endswith(SUFFIXES):
                    yield os.path.join(folder, name)


def lines_off(clang_format, root, files):
    """{file: number of places the formatter would change}."""
    off = {}
    for start in range(0, len(files), CHUNK):
        run = subprocess.run([clang_format, "--dry-run", "--style=file", *files[start:start + CHUNK]],
                             cwd=root, capture_output=True, text=True)
        for line in run.stderr.splitlines():
            if ": warning: code should be clang-formatted" in line:
                path = line.split(":", 1)[0]
                off[path] = off.get(path, 0) + 1
    return off


def finds_a_line_off(clang_format, root):
    run = subprocess.run([clang_format, "--dry-run", "--style=file", "--assume-filename=probe.cpp"],
                         cwd=root, input="int  probe ;\n", capture_output=True, text=True)
    return "code should be clang-formatted" in run.stderr


def main():
    clang_format, root = sys.argv[1], os.path.abspath(sys.argv[2])
    if not finds_a_line_off(clang_format, root):
        print(f"{clang_format} does not report a line that is off the style: cannot check the tree")
        return 1
    files = [os.path.relpath(p, root) for p in sources(root)]
    off = lines_off(clang_format, root, files)
    for path, count in sorted(off.items()):
        places = "1 place" if count == 1 else f"{count} places"
        print(f"{path}: {places} off the style (clang-format-14 -i {path})")
    print(f"{len(off)} of {len(files)} C++ files off the style")
    return 1 if off else 0


if __name__ == "__main__":
    sys.exit(main())
