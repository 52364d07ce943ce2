#!/usr/bin/env python3
"""Shows that check_layers.py catches what it is there for: a copy of the
tree, which passes, gets one violation at a time (an include or a link that
runs up or sideways), and the check must name exactly that one.

  check_layers_test.py ROOT"""
import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))

# (file of the copy, line added to it, what the check must report)
INJECTED = [
    ("plugin/engine/RunContours.cpp", '#include "plugin/dialog/SettingsDialog.h"',
     "plugin/engine/RunContours.cpp: includes plugin/dialog/SettingsDialog.h (plugin/dialog is not below plugin/engine)"),
    ("plugin/engine/RunContours.cpp", '#include "../shell/FilterMessages.h"',
     "plugin/engine/RunContours.cpp: includes ../shell/FilterMessages.h (plugin/shell is not below plugin/engine)"),
    ("plugin/dialog/Presets.cpp", '#include "plugin/shell/ParameterBlock.h"',
     "plugin/dialog/Presets.cpp: includes plugin/shell/ParameterBlock.h (plugin/shell is not below plugin/dialog)"),
    ("plugin/params/ContourParams.h", '#include "plugin/engine/EngineState.h"',
     "plugin/params/ContourParams.h: includes plugin/engine/EngineState.h (plugin/engine is not below plugin/params)"),
    ("plugin/params/ModeLists.cpp", '#include "plugin/globals/SuiteSlots.h"',
     "plugin/params/ModeLists.cpp: includes plugin/globals/SuiteSlots.h (plugin/globals is not below plugin/params)"),
    ("plugin/globals/SuiteSlots.cpp", '#include "plugin/shell/SuiteAcquisition.h"',
     "plugin/globals/SuiteSlots.cpp: includes plugin/shell/SuiteAcquisition.h (plugin/shell is not below plugin/globals)"),
    ("plugin/shell/PluginMain.cpp", '#include "easel/core/Session.h"',
     "plugin/shell/PluginMain.cpp: includes easel/core/Session.h (easel/core is not below plugin/shell)"),
    # The dialog manager is generic: it cannot learn the plug-in's dialog names or items.
    ("easel/adm/ModalRun.cpp", '#include "plugin/params/DialogItems.h"',
     "easel/adm/ModalRun.cpp: includes plugin/params/DialogItems.h (plugin/params is not below easel/adm)"),
    ("easel/host/ParamsJson.cpp", '#include "plugin/engine/RunContours.h"',
     "easel/host/ParamsJson.cpp: includes plugin/engine/RunContours.h (plugin/engine is not below easel/host)"),
    # The editor's host is built into the page as well: it knows no HTTP.
    ("easel/web/EditorHost.cpp", "#include <httplib.h>",
     "easel/web/EditorHost.cpp: includes httplib.h (only easel/http may)"),
    ("plugin/engine/CMakeLists.txt", "target_link_libraries(contour_engine PUBLIC contour_plugin_code)",
     "plugin/engine/CMakeLists.txt: contour_engine links contour_plugin_code (plugin is not below plugin/engine)"),
]


def check(root):
    run = subprocess.run([sys.executable, os.path.join(HERE, "check_layers.py"), root], capture_output=True, text=True)
    return run.returncode, run.stdout.splitlines()[:-1]


def main():
    root = os.path.abspath(sys.argv[1])
    failures = 0
    with tempfile.TemporaryDirectory(prefix="contour-layers-") as copy:
        for top in ("plugin", "easel"):
            shutil.copytree(os.path.join(root, top), os.path.join(copy, top))
        status, found = check(copy)
        if status != 0:
            print("the copy of the tree does not pass as it is:", *found, sep="\n  ")
            return 1
        for path, line, expected in INJECTED:
            target = os.path.join(copy, path)
            with open(target, encoding="utf-8") as f:
                original = f.read()
            with open(target, "w", encoding="utf-8") as f:
                f.write(line + "\n" + original)
            status, found = check(copy)
            with open(target, "w", encoding="utf-8") as f:
                f.write(original)
            if status != 1 or found != [expected]:
                failures += 1
                print(f"{path} with {line!r}: expected\n  {expected}\ngot (status {status})", *found, sep="\n  ")
    print(f"{len(INJECTED) - failures} of {len(INJECTED)} injected violations caught")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
