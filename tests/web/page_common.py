"""What the pages' tests in every browser share: where the build is (the first argument,
taken off sys.argv), the picture's hash as the page's script reads it back, the pinned
hashes, the Linux programs' answers, and the steps of the pinned pictures and the button
sessions. A step is (what, control's name[, text]): "type" text into a field, "press" a
button, "choose" a radio button or check box; each browser's test does them its own way.
"""
import json
import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BUILD = os.path.abspath(sys.argv.pop(1) if len(sys.argv) > 1 else os.path.join(ROOT, "build-web"))
DIST = os.path.join(BUILD, "dist")
LINUX = os.path.join(BUILD, "host", "programs", "linux")
SHOTS = os.path.join(BUILD, "shots")

# The picture's FNV-1a over its pixels' bytes as the toolkit holds them (0x00RRGGBB, lowest
# byte first), from the canvas's RGBA: a canvas of blocks k device pixels wide (arguments[1])
# read a block's corner to a pixel.
HASH_JS = """
const c = document.querySelector('[data-name="' + arguments[0] + '"]'), k = arguments[1];
const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
const P = 0x100000001b3n, M = (1n << 64n) - 1n;
let h = 0xcbf29ce484222325n;
for (let y = 0; y < c.height; y += k) {
  for (let i = y * c.width * 4; i < (y + 1) * c.width * 4; i += 4 * k) {
    h = ((h ^ BigInt(d[i + 2])) * P) & M;
    h = ((h ^ BigInt(d[i + 1])) * P) & M;
    h = ((h ^ BigInt(d[i])) * P) & M;
    h = (h * P) & M;
  }
}
return '0x' + h.toString(16).padStart(16, '0');
"""


def pinned(test_source):
    """The hashes a picture test pins, in its table's order."""
    with open(os.path.join(ROOT, test_source), encoding="utf-8") as f:
        return ["0x" + h for h in re.findall(r"0x([0-9a-f]{16})u\}", f.read())]


def linux_labels(program, *arguments):
    out = subprocess.run([os.path.join(LINUX, program), *arguments, "--json"], check=True,
                         capture_output=True, text=True, env={"LC_ALL": "C", "LANG": "C"}).stdout
    # The separator between digits only: «Y'вх.» keeps its point.
    return [re.sub(r"(?<=\d)\.(?=\d)", ",", label) for label in json.loads(out)["labels"]]


def typed(names, texts):
    return [("type", name, text) for name, text in zip(names, texts)]


def zmatch_pictures():
    """The pinned zmatch pictures as ([(case, steps)], hashes), in the picture test's order."""
    # load, line, stub (None: show the point alone), as the picture test's table
    cases = [None, ("50", "50", "50", "0", None), ("50", "50", "50", "0", 1),
             ("50", "50", "50", "0", 2), ("20", "-35", "50", "0", 1),
             ("20", "-35", "50", "0", 2), ("150", "0", "50", "0", 1),
             ("0", "0", "50", "0", None), ("1e6", "1", "50", "0", None)]
    drawn = []
    for case in cases:
        steps = []
        if case:
            steps = typed(["Edit1", "Edit2", "Edit3", "Edit4"], case) + [("press", "Button1")]
            if case[4]:
                steps += [("choose", "RadioButton%d" % case[4]), ("type", "Edit6", "1"),
                          ("press", "Button2")]
        drawn.append((case, steps))
    return drawn, pinned("tests/zmatch/picture_checksum_test.cpp")


def zline_pictures():
    """The pinned zline pictures as ([(case, steps)], hashes), in the picture test's order."""
    # load, mirrors, attenuation (None: no move), toward the generator
    cases = [None, ("50", "50", False, None, True), ("50", "50", True, None, True),
             ("20", "-35", True, None, True), ("50", "50", False, "2", True),
             ("50", "50", True, "2", False), ("20", "-35", False, "0", True),
             ("150", "0", False, "6", True)]
    drawn = []
    for case in cases:
        steps = []
        if case:
            rn, xn, mirrors, attenuation, generator = case
            steps = typed(["Edit1", "Edit2", "Edit3", "Edit4"], [rn, xn, "50", "0"])
            steps += [("choose", "CheckBox1")] if mirrors else []
            steps += [("press", "Button1")]
            if attenuation:
                steps += [("choose", "RadioButton1" if generator else "RadioButton2")]
                steps += typed(["Edit5", "Edit6", "Edit7"], ["0,3", "1", attenuation])
                steps += [("press", "Button2")]
        drawn.append((case, steps))
    return drawn, pinned("tests/zline/picture_checksum_test.cpp")


def complex_load(rn, xn):
    return rn + ("+" if xn[0] != "-" else "") + xn + "j"


def zmatch_sessions():
    """zmatch's button sessions as [(steps, the Linux program's arguments)]."""
    sessions = []
    for rn, xn, rv, xv, wavelength, stub in [
            ("100", "50", "50", "0", "1", 1), ("100", "50", "75", "0", "2,5", 2),
            ("20", "-35", "50", "0", "0,3", 1)]:
        steps = typed(["Edit1", "Edit2", "Edit3", "Edit4", "Edit6"], [rn, xn, rv, xv, wavelength])
        steps += [("press", "Button1"), ("choose", "RadioButton%d" % stub), ("press", "Button2")]
        sessions.append((steps, ["--load", complex_load(rn, xn), "--line", rv,
                                 "--wavelength", wavelength.replace(",", "."),
                                 "--stub", "short" if stub == 1 else "open"]))
    return sessions


def zline_sessions():
    """zline's button sessions as [(steps, the Linux program's arguments)]."""
    sessions = []
    for rn, xn, l, wavelength, attenuation, generator in [
            ("50", "50", "0,3", "1", "2", True), ("20", "-35", "0,123", "1", "0", False),
            ("150", "0", "1,7", "3", "6", True)]:
        steps = typed(["Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7"],
                      [rn, xn, "50", "0", l, wavelength, attenuation])
        steps += [("press", "Button1"),
                  ("choose", "RadioButton1" if generator else "RadioButton2"),
                  ("press", "Button2")]
        sessions.append((steps, ["--load", complex_load(rn, xn), "--distance",
                                 l.replace(",", "."), "--wavelength", wavelength,
                                 "--attenuation", attenuation,
                                 "--toward", "generator" if generator else "load"]))
    return sessions
