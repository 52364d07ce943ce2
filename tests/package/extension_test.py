"""The Inkscape extension, installed with `cmake --install` into a scratch
prefix and run exactly as Inkscape runs an effect: the .inx's interpreter and
script, its params as --NAME=VALUE, one --id= per selected object, the drawing
last, the new drawing read from standard output.

extension_test.py BUILD_DIR SOURCE_DIR. A missing tool (inkscape, xmllint)
skips its test, or fails it where CONTOUR_REQUIRE_PACKAGE_TOOLS=1; the exit
status is 77 when something was skipped and nothing failed."""
import importlib.util
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

BUILD, SOURCE = sys.argv[1], sys.argv[2]
INX_NS = {"x": "http://www.inkscape.org/namespace/inkscape/extension"}
INKSCAPE_OWN = {"id", "selected-nodes", "output", "input"}  # options Inkscape passes, not the dialog
DRAWING = """<svg xmlns="http://www.w3.org/2000/svg" width="200" height="100" viewBox="0 0 200 100">
  <path id="wide" d="M 10 20 H 110 V 70 H 10 Z" fill="#3366cc"/>
  <path id="tall" d="M 150 10 H 190 V 90 H 150 Z" fill="#cc3333"/>
</svg>
"""


def need(tool):
    if shutil.which(tool):
        return
    if os.environ.get("CONTOUR_REQUIRE_PACKAGE_TOOLS") == "1":
        raise AssertionError(f"{tool} is missing")
    raise unittest.SkipTest(f"{tool} is missing")


def inx_default(param):
    """A param's value when the user changes nothing: an option group's first option."""
    if param.get("type") == "optiongroup":
        return param.find("x:option", INX_NS).get("value")
    return param.text or ""


class Installed(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp(prefix="contour-extension.")
        prefix = os.path.join(cls.tmp, "prefix")
        subprocess.run(["cmake", "--install", BUILD, "--prefix", prefix], check=True, stdout=subprocess.DEVNULL)
        cls.contour = os.path.join(prefix, "bin", "contour")
        cls.extensions = os.path.join(prefix, "share", "inkscape", "extensions")
        cls.inx = ET.parse(os.path.join(cls.extensions, "contour_effect.inx")).getroot()
        command = cls.inx.find("x:script/x:command", INX_NS)
        cls.interpreter = {"python": sys.executable}[command.get("interpreter")]
        cls.script = os.path.join(cls.extensions, command.text)
        cls.drawing = cls.write("drawing.svg", DRAWING)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp)

    @classmethod
    def write(cls, name, text):
        path = os.path.join(cls.tmp, name)
        with open(path, "w", encoding="utf-8") as out:
            out.write(text)
        return path

    def params(self):
        return self.inx.findall("x:param", INX_NS)

    def run_effect(self, ids=(), script=None, drawing=None, env=None, **values):
        """Runs the effect with every param of the .inx at its default but those in `values`."""
        args = [self.interpreter, script or self.script]
        for param in self.params():
            args.append(f"--{param.get('name')}={values.pop(param.get('name'), inx_default(param))}")
        self.assertEqual(values, {}, "options the .inx does not have")
        args += [f"--id={i}" for i in ids] + [drawing or self.drawing]
        return subprocess.run(args, capture_output=True, text=True, env=env, timeout=120)

    def copies(self, svg, source):
        return re.findall(rf'<path id="{source}-\d+"', svg)


class EffectRuns(Installed):
    def test_contours_of_the_selection_or_of_the_whole_drawing(self):
        settings = self.write("settings.json", json.dumps({"contourCount": 3}))
        cases = [  # ids, options, contours expected of wide and of tall
            (["wide"], {"use_values": "true", "count": "2"}, 3, 0),
            (["tall", "wide"], {"use_values": "true", "count": "4"}, 5, 5),
            ([], {}, 13, 13),  # no selection: the whole drawing, with the record's 12 contours
            (["tall"], {"params_file": settings}, 0, 4),
            (["wide"], {"params_file": settings, "preset": "0"}, 13, 0),  # Reset: the defaults again
        ]
        for ids, options, wide, tall in cases:
            with self.subTest(ids=ids, options=options):
                run = self.run_effect(ids, **options)
                self.assertEqual(run.returncode, 0, run.stderr)
                self.assertEqual((len(self.copies(run.stdout, "wide")), len(self.copies(run.stdout, "tall"))),
                                 (wide, tall))

    def test_ids_are_taken_as_they_are(self):
        drawing = self.write("names.svg", """<svg xmlns="http://www.w3.org/2000/svg" width="100" height="100">
  <path id="all" d="M 10 10 H 30 V 30 Z"/><path id="a,b" d="M 40 10 H 60 V 30 Z"/>
  <path id="a" d="M 10 50 H 30 V 70 Z"/><path id="b" d="M 40 50 H 60 V 70 Z"/>
</svg>
""")
        scratch = tempfile.mkdtemp(dir=self.tmp)
        env = dict(os.environ, TMPDIR=scratch)
        for ids in (["all"], ["a,b"], ["a,b", "all"]):
            with self.subTest(ids=ids):
                run = self.run_effect(ids, drawing=drawing, env=env, use_values="true", count="2")
                self.assertEqual(run.returncode, 0, run.stderr)
                made = {i: len(self.copies(run.stdout, re.escape(i))) for i in ("all", "a,b", "a", "b")}
                self.assertEqual(made, {i: 3 if i in ids else 0 for i in made})
                self.assertEqual(os.listdir(scratch), [], "the ids' file is left behind")

    def test_running_again_replaces_the_earlier_contours_unless_told_not_to(self):
        first = self.run_effect(["wide"], use_values="true", count="2")
        self.assertEqual(first.returncode, 0, first.stderr)
        once = self.write("once.svg", first.stdout)
        for replace, contours in [("true", 3), ("false", 6)]:  # a count of 2 makes 3 copies (above), once or twice
            with self.subTest(replace=replace):
                run = self.run_effect(["wide"], drawing=once, use_values="true", count="2", replace=replace)
                self.assertEqual(run.returncode, 0, run.stderr)
                self.assertEqual(len(self.copies(run.stdout, "wide")), contours)

    def test_failures_are_one_line(self):
        lonely = os.path.join(self.tmp, "alone", "share", "inkscape", "extensions")
        os.makedirs(lonely, exist_ok=True)
        shutil.copy(self.script, lonely)
        bare_path = {k: v for k, v in os.environ.items() if k != "CONTOUR"}
        bare_path["PATH"] = lonely
        not_svg = self.write("notes.svg", "these are notes, not a drawing\n")
        cases = [  # what, run, words the line must have
            ("unreadable drawing", lambda: self.run_effect(drawing=not_svg), ["contour:", not_svg]),
            ("no contour anywhere", lambda: self.run_effect(script=os.path.join(lonely, "contour_effect.py"), env=bare_path),
             ["cannot find the contour program", os.path.join(self.tmp, "alone", "bin", "contour"), "on the PATH"]),
            ("unknown id", lambda: self.run_effect(["nothing"]), ["contour:", "nothing"]),
        ]
        for what, run_it, words in cases:
            with self.subTest(what):
                run = run_it()
                self.assertNotEqual(run.returncode, 0)
                self.assertEqual(run.stdout, "")
                self.assertEqual(len(run.stderr.strip().splitlines()), 1, run.stderr)
                for word in words:
                    self.assertIn(word, run.stderr)
                # The places looked at, not the whole PATH.
                self.assertNotIn(lonely, run.stderr)

    def test_a_new_seed_each_run_unless_one_is_given(self):
        told = []
        for _ in range(2):
            run = self.run_effect(["wide"], preset="25")  # Random pulse
            self.assertEqual(run.returncode, 0, run.stderr)
            seed = re.search(r"Contour used the random seed (\d+): give it as the Random seed", run.stderr)
            self.assertIsNotNone(seed, run.stderr)
            told.append((seed.group(1), run.stdout))
        self.assertNotEqual(told[0], told[1])
        given = self.run_effect(["wide"], preset="25", seed=told[0][0])
        self.assertEqual((given.returncode, given.stderr), (0, ""))
        self.assertEqual(given.stdout, told[0][1])

    def test_options_inkscape_adds_are_passed_over(self):
        args = [self.interpreter, self.script, "--tab=settings", "--some-new-option=1", "--id=wide", self.drawing]
        run = subprocess.run(args, capture_output=True, text=True, timeout=120)
        self.assertEqual(run.returncode, 0, run.stderr)
        self.assertEqual(len(self.copies(run.stdout, "wide")), 13)


class InxRules(Installed):
    def test_inx_is_valid_for_inkscape(self):
        need("xmllint")
        need("inkscape")
        schema = "/usr/share/inkscape/extensions/inkscape.extension.rng"
        run = subprocess.run(["xmllint", "--noout", "--relaxng", schema, os.path.join(self.extensions, "contour_effect.inx")],
                             capture_output=True, text=True)
        self.assertEqual(run.returncode, 0, run.stderr)

    def test_inkscape_loads_the_extension(self):
        need("inkscape")
        home = os.path.join(self.tmp, "home")
        os.makedirs(os.path.join(home, ".config", "inkscape"), exist_ok=True)
        os.symlink(self.extensions, os.path.join(home, ".config", "inkscape", "extensions"))
        subprocess.run(["inkscape", "--action-list"], capture_output=True, timeout=120, env=dict(os.environ, HOME=home))
        # Inkscape lists here every extension it could not load, and why (no file: none).
        errors = os.path.join(home, ".config", "inkscape", "extension-errors.log")
        if os.path.exists(errors):
            with open(errors, encoding="utf-8") as log:
                self.assertNotIn('"Contour"', log.read())

    def test_inx_and_script_agree(self):
        self.assertTrue(os.access(self.script, os.X_OK))
        spec = importlib.util.spec_from_file_location("contour_effect", self.script)
        module = importlib.util.module_from_spec(spec)
        spec.loader.exec_module(module)
        parser = module.arg_parser()
        options = {a.option_strings[0][2:]: a for a in parser._actions if a.option_strings and a.dest != "help"}
        params = {p.get("name"): p for p in self.params()}
        self.assertEqual(set(params), set(options) - INKSCAPE_OWN)
        for name, param in params.items():
            with self.subTest(param=name):
                default = inx_default(param)
                action = options[name]
                self.assertEqual(action.type(default) if action.type else default, action.default)

    def test_presets_are_the_programs(self):
        listed = subprocess.run([self.contour, "presets"], capture_output=True, text=True, check=True).stdout
        presets = [tuple(line.strip().split("  ", 1)) for line in listed.splitlines() if line.strip()]
        preset = next(p for p in self.params() if p.get("name") == "preset")
        options = [(o.get("value"), o.text) for o in preset.findall("x:option", INX_NS)]
        self.assertEqual(options[0][0], "none")  # the default, which keeps a settings file's values
        self.assertEqual(len(options[1:]), 26)
        self.assertEqual(options[1:], presets)


class InkscapeReadsTheResult(Installed):
    def test_inkscape_finds_the_contours_boxes(self):
        need("inkscape")
        run = self.run_effect(["wide"], use_values="true", count="2", scale_h="10", scale_v="20")
        self.assertEqual(run.returncode, 0, run.stderr)
        result = self.write("result.svg", run.stdout)
        query = subprocess.run(["inkscape", "--query-all", result], capture_output=True, text=True, timeout=120,
                               env=dict(os.environ, HOME=self.tmp))
        boxes = {}
        for line in query.stdout.splitlines():
            name, *numbers = line.split(",")
            boxes[name] = tuple(round(float(n), 3) for n in numbers)
        # Contour k of the 100 x 50 rectangle centred on (60, 45) is scaled to
        # 1 - 0.1 (k + 1) of its width and 1 - 0.2 (k + 1) of its height.
        expected = {(60 - w / 2, 45 - h / 2, w, h) for w, h in [(90, 40), (80, 30), (70, 20)]}
        contours = {box for name, box in boxes.items() if name.startswith("wide-")}
        self.assertEqual(contours, expected, query.stdout + query.stderr)
        self.assertEqual(boxes["tall"], (150, 10, 40, 80))


if __name__ == "__main__":
    result = unittest.main(argv=sys.argv[:1], exit=False).result
    if not result.wasSuccessful():
        sys.exit(1)
    sys.exit(77 if result.skipped else 0)
