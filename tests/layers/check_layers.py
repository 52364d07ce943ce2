#!/usr/bin/env python3
"""Checks the layering of the source tree (ARCHITECTURE.md): every include in
easel/ and plugin/ (of the tree, and of the outside libraries some layers
alone may use), every library a CMake file links and every source file it
compiles from another folder must come from the folder's own layer or one it
may use. Prints each violation and exits 1 when there is any.

  check_layers.py ROOT
"""
import os
import re
import sys

# Each layer and the layers right below it, as ARCHITECTURE.md draws them; a
# layer may use every layer it reaches by going down (MAY_USE). plugin/host is
# the interface, plugin/params the plug-in's data (the record, its fields and
# defaults, the dialog's items and mode lists), which easel/host and the
# shells compile in; "plugin" is plugin/CMakeLists.txt, which builds the
# module from every part. A folder belongs to the longest layer name that
# prefixes its path.
USES = {
    "plugin/host": set(),
    "plugin/resources": set(),
    "plugin/globals": {"plugin/host"},
    "plugin/params": {"plugin/host"},
    "plugin/engine": {"plugin/globals", "plugin/params"},
    "plugin/dialog": {"plugin/engine"},
    "plugin/shell": {"plugin/dialog", "plugin/resources"},
    "plugin": {"plugin/shell"},
    "easel/core": {"plugin/host"},
    "easel/adm": {"easel/core"},
    "easel/suites": {"easel/adm"},
    "easel/host": {"easel/suites", "plugin/params"},
    "easel/svg": {"easel/core"},
    "easel/render": set(),
    "easel/web": {"easel/host", "easel/svg", "easel/render"},
    "easel/http": {"easel/web"},
    "easel/cli": {"easel/http"},
    "easel/wasm": {"easel/cli", "plugin"},
}


# Outside libraries only some layers may include: the editor's host
# (easel/web) is built into the page too, where no HTTP server runs.
OUTSIDE_HEADERS = {"httplib.h": {"easel/http"}}


def reached(layer):
    below = set()
    for used in USES[layer]:
        below |= {used} | reached(used)
    return below


MAY_USE = {layer: reached(layer) for layer in USES}
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".inc")
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^">]+)[">]', re.M)
LIBRARY = re.compile(r"add_(?:library|executable)\(\s*([\w-]+)")
LINKS = re.compile(r"target_link_libraries\(\s*([\w-]+)([^)]*)\)", re.S)
PROJECT_PATH = re.compile(r"\$\{PROJECT_SOURCE_DIR\}/([\w./-]+)")


def layer_of(path):
    best = None
    for layer in MAY_USE:
        if (path == layer or path.startswith(layer + "/")) and (best is None or len(layer) > len(best)):
            best = layer
    return best


def allowed(user, used):
    return user is None or used is None or used == user or used in MAY_USE[user]


def tree_files(root):
    for top in ("plugin", "easel"):
        for folder, _, names in os.walk(os.path.join(root, top)):
            for name in sorted(names):
                yield os.path.relpath(os.path.join(folder, name), root).replace(os.sep, "/")


def include_target(root, source, included):
    """The included file's path from the root, or None when it lies outside the tree."""
    if included.startswith(("easel/", "plugin/")):
        return included
    beside = os.path.normpath(os.path.join(os.path.dirname(source), included)).replace(os.sep, "/")
    return beside if os.path.exists(os.path.join(root, beside)) else None


def read(root, path):
    with open(os.path.join(root, path), encoding="utf-8") as f:
        return f.read()


def check_includes(root, files):
    for path in files:
        if not path.endswith(SOURCE_SUFFIXES):
            continue
        user = layer_of(path)
        for included in INCLUDE.findall(read(root, path)):
            target = include_target(root, path, included)
            if target is not None and not allowed(user, layer_of(target)):
                yield f"{path}: includes {included} ({layer_of(target)} is not below {user})"
            elif target is None and user not in OUTSIDE_HEADERS.get(included, {user}):
                yield f"{path}: includes {included} (only {', '.join(sorted(OUTSIDE_HEADERS[included]))} may)"


def check_cmake(root, files):
    cmake_files = [p for p in files if os.path.basename(p) == "CMakeLists.txt"]
    target_layer = {}
    for path in cmake_files:
        for name in LIBRARY.findall(read(root, path)):
            target_layer[name] = layer_of(path)
    for path in cmake_files:
        text = read(root, path)
        user = layer_of(path)
        for name, links in LINKS.findall(text):
            linker = target_layer.get(name, user)
            for used in re.findall(r"[\w-]+", links):
                if used in target_layer and not allowed(linker, target_layer[used]):
                    yield f"{path}: {name} links {used} ({target_layer[used]} is not below {linker})"
        for compiled in PROJECT_PATH.findall(text):
            if not allowed(user, layer_of(compiled)):
                yield f"{path}: uses {compiled} ({layer_of(compiled)} is not below {user})"


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else "."
    files = list(tree_files(root))
    problems = list(check_includes(root, files)) + list(check_cmake(root, files))
    for problem in problems:
        print(problem)
    print(f"{len(problems)} layering violations in {len(files)} files")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
