#!/usr/bin/env python3
"""Draws the Inkscape extension's dialog from its .inx, as Inkscape lays it out
(one row per param: its label, then its control; Live preview, Close and Apply
below), into a PNG for the README, with headless Chromium:

    python3 scripts/render-inx-dialog.py dist/inkscape/contour_effect.inx dist/inkscape/dialog.png
"""
import html
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

NS = {"x": "http://www.inkscape.org/namespace/inkscape/extension"}
STYLE = """
body { margin: 0; font: 13px 'DejaVu Sans', sans-serif; background: #e8e8e7; color: #2e3436; }
.window { width: 468px; border: 1px solid #b6b6b3; background: #f6f5f4; }
.title { background: #dfdcd8; padding: 8px; text-align: center; font-weight: bold; border-bottom: 1px solid #c0bdb8; }
.body { padding: 12px 14px 4px; }
.row { display: flex; align-items: center; justify-content: space-between; margin: 0 0 8px; }
.row label { flex: 1; padding-right: 10px; }
.control { border: 1px solid #c0bdb8; border-radius: 4px; background: #fff; padding: 4px 6px; }
.spin { width: 96px; display: flex; justify-content: space-between; }
.spin span { color: #888; }
.combo { width: 236px; display: flex; justify-content: space-between; }
.file { width: 200px; color: #888; }
.check { width: 14px; height: 14px; border: 1px solid #999; border-radius: 3px; background: #fff; display: inline-block;
         vertical-align: middle; margin-right: 6px; }
.check.on { background: #3584e4; border-color: #1c71d8; }
.check.on::after { content: "\\2713"; color: #fff; font-size: 11px; display: block; text-align: center; line-height: 14px; }
.buttons { display: flex; justify-content: space-between; align-items: center; padding: 8px 14px 12px;
           border-top: 1px solid #d8d5d1; }
.button { border: 1px solid #b6b6b3; border-radius: 4px; background: #f0efed; padding: 5px 16px; margin-left: 6px; }
"""


def control(param):
    kind = param.get("type")
    if kind == "optiongroup":
        first = param.find("x:option", NS)
        return f'<div class="control combo">{html.escape(first.text)}<span>&#9662;</span></div>'
    if kind in ("int", "float"):
        return f'<div class="control spin">{html.escape(param.text or "")}<span>&#8722; +</span></div>'
    if kind == "bool":
        ticked = (param.text or "").strip() == "true"
        return f'<span class="check{" on" if ticked else ""}"></span>'
    if kind == "path":
        return '<div class="control file">(None)</div>'
    return f'<div class="control">{html.escape(param.text or "")}</div>'


def page(inx):
    root = ET.parse(inx).getroot()
    rows = "".join(
        f'<div class="row"><label>{html.escape(p.get("gui-text"))}</label>{control(p)}</div>'
        for p in root.findall("x:param", NS))
    name = html.escape(root.find("x:name", NS).text)
    return (f"<!doctype html><meta charset=utf-8><style>{STYLE}</style><div class=window>"
            f"<div class=title>{name}</div><div class=body>{rows}</div><div class=buttons>"
            "<span><span class=check></span>Live preview</span>"
            "<span><span class=button>Close</span><span class=button>Apply</span></span></div></div>")


def main(inx, png):
    # Tall enough for every row: the title, the buttons and 33 pixels a param.
    rows = len(ET.parse(inx).getroot().findall("x:param", NS))
    with tempfile.TemporaryDirectory() as tmp:
        path = os.path.join(tmp, "dialog.html")
        with open(path, "w", encoding="utf-8") as out:
            out.write(page(inx))
        subprocess.run(["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                        f"--user-data-dir={tmp}/profile", f"--screenshot={os.path.abspath(png)}",
                        f"--window-size=470,{86 + 33 * rows}", "file://" + path], check=True, capture_output=True)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
