#!/usr/bin/env python3
"""The editor's figures on big drawings, through its HTTP API (no browser):

  editor_figures.py CONTOUR answers FILE.svg
      the time to open FILE (start to the first whole state), then with
      everything selected: GET /api/state and a change (Select None, then
      Select All) answered, median of 9 in milliseconds; each also as the
      editor's processor time (its threads' time on a processor, which a
      busy machine does not stretch as it stretches the wall time)
  editor_figures.py CONTOUR memory FILE.svg CYCLES CONTOURS
      Contour... with CONTOURS contours, OK, then Undo, CYCLES times: the
      editor's resident memory after the first 5 cycles and after the last

Prints one JSON object. CONTOUR is the `contour` program to run.
"""
import glob
import json
import os
import re
import statistics
import subprocess
import sys
import time
import urllib.request


class Editor:
    def __init__(self, contour, drawing):
        self.started = time.monotonic()
        self.process = subprocess.Popen([contour, "edit", drawing, "--no-open", "--seed", "7"],
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        for line in self.process.stdout:
            found = re.search(r"at (http://[^/]+)/\?token=(\w+)", line)
            if found:
                self.base, self.token = found.group(1), found.group(2)
                break
        else:
            raise SystemExit("the editor did not start")
        self.revision = 0
        self.last_cpu_ms = 0.0

    def call(self, method, path, body=None):
        """The answer's JSON and the milliseconds it took."""
        data = None if body is None else json.dumps(body).encode()
        request = urllib.request.Request(self.base + path, data=data, method=method, headers={
            "X-Contour-Token": self.token, "Content-Type": "application/json",
            "X-Contour-Revision": str(self.revision), "X-Contour-Draws": "geometry"})
        start, start_cpu = time.monotonic(), self.threads_cpu_ns()
        with urllib.request.urlopen(request, timeout=600) as answer:
            raw = answer.read()
        ms = (time.monotonic() - start) * 1e3
        self.last_cpu_ms = (self.threads_cpu_ns() - start_cpu) / 1e6
        if raw[:1] != b"{":  # geometry: the JSON's length, the JSON, then the words
            raw = raw[4:4 + int.from_bytes(raw[:4], "little")]
        state = json.loads(raw)
        self.revision = state.get("revision", self.revision)
        return state, ms

    def threads_cpu_ns(self):
        """The time the editor's live threads have spent on a processor, in nanoseconds."""
        total = 0
        for stat in glob.glob("/proc/%d/task/*/schedstat" % self.process.pid):
            try:
                with open(stat, encoding="utf-8") as f:
                    total += int(f.read().split()[0])
            except (FileNotFoundError, ProcessLookupError):
                pass  # a thread that ended meanwhile
        return total

    def process_cpu_ms(self):
        """The processor time of the whole process so far (ended threads too), in milliseconds."""
        with open("/proc/%d/stat" % self.process.pid, encoding="utf-8") as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) * 1e3 / os.sysconf("SC_CLK_TCK")

    def resident_kib(self):
        with open("/proc/%d/status" % self.process.pid, encoding="utf-8") as status:
            return int(re.search(r"VmRSS:\s+(\d+)", status.read()).group(1))

    def close(self):
        self.process.terminate()
        self.process.wait(timeout=60)


def answers(contour, drawing):
    editor = Editor(contour, drawing)
    try:
        editor.call("GET", "/api/state")
        opened, opened_cpu = (time.monotonic() - editor.started) * 1e3, editor.process_cpu_ms()
        editor.call("POST", "/api/select", {"all": True})
        state, state_cpu, change, change_cpu = [], [], [], []
        for _ in range(9):
            state.append(editor.call("GET", "/api/state")[1])
            state_cpu.append(editor.last_cpu_ms)
        for _ in range(9):
            editor.call("POST", "/api/select", {"none": True})
            change.append(editor.call("POST", "/api/select", {"all": True})[1])
            change_cpu.append(editor.last_cpu_ms)
        median = lambda values: round(statistics.median(values), 1)
        return {"open_ms": round(opened, 1), "open_cpu_ms": round(opened_cpu, 1),
                "state_ms": median(state), "state_cpu_ms": median(state_cpu),
                "change_ms": median(change), "change_cpu_ms": median(change_cpu)}
    finally:
        editor.close()


def memory(contour, drawing, cycles, contours):
    editor = Editor(contour, drawing)
    try:
        editor.call("GET", "/api/state")
        editor.call("POST", "/api/select", {"all": True})
        after = {}
        for cycle in range(1, cycles + 1):
            editor.call("POST", "/api/filter", {})
            editor.call("POST", "/api/dialog", [{"item": 4, "value": contours}, {"end": 1}])
            editor.call("POST", "/api/undo", {})
            if cycle in (5, cycles):
                after[cycle] = editor.resident_kib()
        return {"resident_after_5_mb": round(after[5] / 1024, 1),
                "resident_after_%d_mb" % cycles: round(after[cycles] / 1024, 1),
                "ratio": round(after[cycles] / after[5], 3)}
    finally:
        editor.close()


def main():
    contour, kind, drawing = sys.argv[1:4]
    if kind == "answers":
        print(json.dumps(answers(contour, drawing)))
    else:
        print(json.dumps(memory(contour, drawing, int(sys.argv[4]), int(sys.argv[5]))))


if __name__ == "__main__":
    main()
