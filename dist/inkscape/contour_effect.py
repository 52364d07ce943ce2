#!/usr/bin/env python3
"""Contour as an Inkscape effect (contour_effect.inx).

Inkscape runs this with the dialog's values as --NAME=VALUE, one --id=ID per
selected object and the drawing's file last, and reads the new drawing from
standard output. The work is `contour apply`'s; this only translates the
options and turns any failure into one line on standard error, which Inkscape
shows to the user. Options it does not know (Inkscape adds its own from one
version to the next) are passed over.
"""
import re
import argparse
import os
import shutil
import subprocess
import sys
import tempfile

NAME = "contour_effect"


class EffectError(Exception):
    """A failure to report as one line."""


class OneLineParser(argparse.ArgumentParser):
    """argparse, with a bad option reported as one line rather than the usage."""

    def error(self, message):
        raise EffectError(message)


def inkscape_bool(text):
    return str(text).strip().lower() in ("true", "1", "yes")


def arg_parser():
    """The options the .inx gives, plus those Inkscape adds of its own."""
    parser = OneLineParser(prog=NAME)
    parser.add_argument("--id", action="append", default=[], help="a selected object (repeated)")
    parser.add_argument("--selected-nodes", action="append", default=[], help="Inkscape's node selection (unused)")
    parser.add_argument("--output", default="", help="write here rather than to standard output")
    parser.add_argument("--preset", default="none", help="a preset's number, or none")
    parser.add_argument("--use_values", type=inkscape_bool, default=False)
    parser.add_argument("--count", type=int, default=12)
    parser.add_argument("--scale_h", type=float, default=4.0)
    parser.add_argument("--scale_v", type=float, default=4.0)
    parser.add_argument("--rotation", type=float, default=0.0)
    parser.add_argument("--seed", type=int, default=0, help="0: a new seed each run")
    parser.add_argument("--replace", type=inkscape_bool, default=True)
    parser.add_argument("--params_file", default="")
    parser.add_argument("input", help="the drawing (SVG)")
    return parser


def contour_candidates():
    """Where `contour` may be: $CONTOUR; on Windows contour.exe beside this
    script, as the Windows zip has it; the bin/ of the tree this script is
    installed in (share/inkscape/extensions); then the PATH."""
    here = os.path.dirname(os.path.abspath(__file__))
    candidates = []
    if os.environ.get("CONTOUR"):
        candidates.append(os.environ["CONTOUR"])
    if os.name == "nt":
        candidates.append(os.path.join(here, "contour.exe"))
    candidates.append(os.path.normpath(os.path.join(here, "..", "..", "..", "bin", "contour")))
    return candidates


def find_contour():
    candidates = contour_candidates()
    for path in candidates:
        if os.path.isfile(path) and os.access(path, os.X_OK):
            return path
    on_path = shutil.which("contour")
    if on_path:
        return on_path
    # The places looked at, not the whole PATH, which says nothing of why.
    raise EffectError("cannot find the contour program; looked at " + ", ".join(candidates) +
                      " and on the PATH (set CONTOUR to the program to name it)")


def write_ids(ids):
    """The selected ids in a temporary file of their own, one a line, so that
    each is taken as it is: an id "all", or one with a comma, names one object.
    Returns its path; the caller removes it."""
    for i in ids:
        if "\n" in i or "\r" in i:
            raise EffectError(f"the id {i!r} holds a line break; rename the object to contour it")
    fd, path = tempfile.mkstemp(prefix="contour-ids-", suffix=".txt")
    with os.fdopen(fd, "w", encoding="utf-8") as out:
        out.write("".join(i + "\n" for i in ids))
    return path


def apply_command(contour, options, ids_file=None):
    """`contour apply` for the options; the selection is read from `ids_file`
    when given, else the whole drawing is taken."""
    command = [contour, "apply", options.input, "-o", "-"]
    command += ["--select-from", ids_file] if ids_file else ["--select", "all"]
    # Without a seed of its own, contour draws one (and tells it), so random
    # presets vary from run to run; a settings file's seed repeats its run.
    if options.seed:
        command += ["--seed", str(options.seed)]
    # A preset replaces the record, a settings file's values too: none keeps them.
    if options.preset != "none":
        command += ["--preset", options.preset]
    if options.params_file:
        command += ["--params", options.params_file]
    # Running the effect again on a shape edits its contours rather than
    # stacking a second set (and, with nothing selected, does not contour
    # the earlier contours); a drawing without recorded runs simply applies.
    if options.replace:
        command.append("--replace")
    if options.use_values:
        # Unlinked, so that the vertical step is the one given and not a copy of the horizontal.
        command += ["--set", "linkContourScale=0", "--set", f"contourCount={options.count}",
                    "--set", f"scaleH={options.scale_h:g}", "--set", f"scaleV={options.scale_v:g}",
                    "--set", f"rotation={options.rotation:g}"]
    return command


def one_line(text, fallback):
    lines = [line.strip() for line in text.splitlines() if line.strip()]
    return lines[-1] if lines else fallback


def messages(stderr, seed_given):
    """What a run that went well has to tell: its warnings, and the seed it drew."""
    lines = [line for line in stderr.splitlines() if line.startswith("contour: warning: ")]
    drawn = re.search(r"; seed (\d+)$", stderr.strip().splitlines()[-1]) if stderr.strip() else None
    if drawn and not seed_given:
        lines.append(f"Contour used the random seed {drawn.group(1)}: give it as the Random seed to repeat this run.")
    return lines


def main(argv):
    ids_file = None
    try:
        options, _unknown = arg_parser().parse_known_args(argv)
        contour = find_contour()
        ids_file = write_ids(options.id) if options.id else None
        run = subprocess.run(apply_command(contour, options, ids_file), stdout=subprocess.PIPE,
                             stderr=subprocess.PIPE, check=False)
    except (EffectError, OSError) as error:
        print(f"{NAME}: {error}", file=sys.stderr)
        return 1
    finally:
        if ids_file:
            os.unlink(ids_file)
    if run.returncode != 0:
        message = one_line(run.stderr.decode("utf-8", "replace"), f"contour failed with status {run.returncode}")
        print(message, file=sys.stderr)
        return 1
    for line in messages(run.stderr.decode("utf-8", "replace"), bool(options.seed)):
        print(line, file=sys.stderr)
    if options.output:
        with open(options.output, "wb") as out:
            out.write(run.stdout)
    else:
        sys.stdout.buffer.write(run.stdout)
        sys.stdout.buffer.flush()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
