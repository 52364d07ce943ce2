#!/usr/bin/env python3
"""Packs the 64-bit Windows program into a zip: contour.exe with its module
beside it, the Inkscape extension (which finds contour.exe beside itself), a
README and the licences of everything linked into the program. The same
inputs give the same zip, byte for byte (fixed times and order).

    make-windows-zip.py ROOT BIN_DIR SOURCE_PACKAGES OUT.zip
"""
import os
import sys
import zipfile

FOLDER = "contour-windows-x64"
STAMP = (2026, 1, 1, 0, 0, 0)

README = """Contour for 64-bit Windows
==========================

contour.exe applies the Contour filter to SVG drawings; Tesk_Contour.aip, the
plug-in module it loads, must stay beside it. In a command prompt:

    contour.exe apply drawing.svg -o out.svg --preset Twist --seed 42
    contour.exe strip out.svg -o original.svg
    contour.exe presets
    contour.exe modes
    contour.exe params
    contour.exe about
    contour.exe --help

File names may be in any script, with drive letters, backslashes or UNC
names (\\\\server\\share\\drawing.svg). Results are SVG or compressed SVG
(.svgz); this build writes no PNG or PDF and has no `contour edit` (the
editor in the browser), which the Linux build has.

Inkscape: copy this whole folder into Inkscape's extensions folder (Edit >
Preferences > System > User extensions, usually
%APPDATA%\\inkscape\\extensions) and restart Inkscape. The effect is under
Extensions > Generate from Path > Contour...; it runs the contour.exe beside
it, or the one that the CONTOUR environment variable names.

The licences of Contour and of the libraries linked into contour.exe are in
licences\\.
"""

# Everything compiled into contour.exe and the module: the name shown, then
# where Debian keeps its copyright file (SOURCE: the source package's tree).
LICENCES = [
    ("pugixml", "SOURCE:pugixml"),
    ("zlib", "SOURCE:zlib"),
    ("CLI11", "/usr/share/doc/libcli11-dev/copyright"),
    ("nlohmann-json", "/usr/share/doc/nlohmann-json3-dev/copyright"),
    ("dragonbox", "/usr/share/doc/libdragonbox-dev/copyright"),
    ("gcc-runtime", "/usr/share/doc/gcc-mingw-w64-base/copyright"),
    ("mingw-w64-runtime", "/usr/share/doc/mingw-w64-common/copyright"),
]


def source_copyright(sources, package):
    trees = sorted(d for d in os.listdir(sources) if d.startswith(package + "-"))
    if not trees:
        raise SystemExit(f"make-windows-zip.py: no source tree of {package} in {sources}")
    return os.path.join(sources, trees[-1], "debian", "copyright")


def add(archive, name, data, executable=False):
    info = zipfile.ZipInfo(f"{FOLDER}/{name}", STAMP)
    info.compress_type = zipfile.ZIP_DEFLATED
    info.external_attr = (0o755 if executable else 0o644) << 16
    archive.writestr(info, data)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def main(root, bin_dir, sources, out):
    windows = lambda text: text.replace("\n", "\r\n").encode("utf-8")
    temporary = out + ".tmp"
    with zipfile.ZipFile(temporary, "w") as archive:
        add(archive, "contour.exe", read(os.path.join(bin_dir, "contour.exe")), executable=True)
        add(archive, "Tesk_Contour.aip", read(os.path.join(bin_dir, "Tesk_Contour.aip")))
        for name in ("contour_effect.inx", "contour_effect.py"):
            add(archive, name, read(os.path.join(root, "dist", "inkscape", name)), executable=name.endswith(".py"))
        add(archive, "README.txt", windows(README))
        add(archive, "licences/Contour.txt", read(os.path.join(root, "dist", "debian", "copyright")))
        for name, where in LICENCES:
            path = source_copyright(sources, where[len("SOURCE:"):]) if where.startswith("SOURCE:") else where
            add(archive, f"licences/{name}.txt", read(path))
    os.replace(temporary, out)


if __name__ == "__main__":
    if len(sys.argv) != 5:
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
