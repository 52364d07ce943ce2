#!/usr/bin/env python3
"""The WebAssembly build of `contour` under Node against the Linux program:
the same runs as every build (tests/support/program_comparison.py) give the
same bytes, messages and exit status. Then what only this build has: a
drawing too big for its memory is refused with a line while it is read.

    compare_with_linux.py ROOT LINUX_CONTOUR CONTOUR_JS
"""
import os
import sys
import zlib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from program_comparison import Runner, compare_and_report  # noqa: E402


def node_command(script):
    return ["node", "--no-experimental-fetch", "--stack-size=4000", script]


def compare_memory_budget(r, scratch):
    """A drawing beyond the memory budget is refused while it is read, alike
    on both; and on this build alone a compressed drawing that inflates past
    its default budget (a quarter of its largest memory, 1 GB) gets the
    one-line refusal, not the runtime's out of memory."""
    big = os.path.join(scratch, "big.svg")
    path = "M0 0" + " L1 1 L2 0" * 20000
    with open(big, "w") as f:
        f.write("<svg xmlns='http://www.w3.org/2000/svg'>")
        for _ in range(100):
            f.write(f"<path d='{path}'/>")
        f.write("</svg>")
    r.same(["apply", big, "-o", "-", "--memory-budget", "20"])
    bomb = os.path.join(scratch, "bomb.svgz")
    pack = zlib.compressobj(1, zlib.DEFLATED, 31)
    chunk = b"<g>" * (1 << 20)
    with open(bomb, "wb") as f:
        f.write(pack.compress(b"<svg xmlns='http://www.w3.org/2000/svg'>"))
        for _ in range(700 // 3):
            f.write(pack.compress(chunk))
        f.write(pack.flush())
    r.other_refuses("a drawing that inflates to 700 MB", ["apply", bomb, "-o", "-"], "memory budget of 256 MB")


def main(root, linux, script):
    # Its default memory budget, in `apply --help`.
    r = Runner(root, linux, node_command(script), script, "WebAssembly",
               other_says=[(b"(default 256)", b"(default 2048)")])
    return compare_and_report(r, "web", "web (node): contour.js", [compare_memory_budget])


if __name__ == "__main__":
    if len(sys.argv) != 4:
        raise SystemExit(__doc__)
    sys.exit(main(*[os.path.abspath(a) for a in sys.argv[1:]]))
