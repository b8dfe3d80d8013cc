"""zmatch and zline --exercises / --check as a teacher runs them.

Usage: check_exercises.py ZMATCH ZLINE WORKDIR. Checks that each kind's exact answers are
the programs' own --json answers for the same problem, that the same group writes the same
bytes, that the Moodle XML reads back with every answer and tolerance, that the printed
chart's radius is the one asked, that the windows' own readings fall within the paper's
tolerance, and that bad input gets status 2 and a Russian message.
"""
import json
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET
import zlib

ZMATCH, ZLINE, WORK = sys.argv[1], sys.argv[2], sys.argv[3]
os.makedirs(WORK, exist_ok=True)
failures = []


def run(*args):
    return subprocess.run(list(args), capture_output=True, text=True)


def answers_json(program, *args):
    r = run(program, *args, "--json")
    if r.returncode != 0:
        raise RuntimeError(f"{program} {args}: {r.returncode} {r.stderr}")
    return json.loads(r.stdout)


def expect(cond, what):
    if not cond:
        failures.append(what)


def load_text(v):
    return "%g%+gj" % (v["load"]["re"], v["load"]["im"])


def program_answers(kind, v):
    """The same problem put to the program: its exact answers by the exercise's names."""
    load, line = load_text(v), "%g" % v["line"]["re"]
    if kind in ("stub-short", "stub-open"):
        e = answers_json(ZMATCH, "--load", load, "--line", line, "--stub", kind[5:])["exact"]
        return {"d": e["first"]["distance"], "l": e["first"]["stub"]}
    if kind == "reading":
        e = answers_json(ZLINE, "--load", load, "--line", line)["exact"]
        return {"G": e["gamma_load"], "S": e["vswr"], "K": 1 / e["vswr"]}
    if kind == "line-move":
        e = answers_json(ZLINE, "--load", load, "--line", line, "--distance",
                         "%g" % v["distance"], "--wavelength", "%g" % v["wavelength"],
                         "--attenuation", "%g" % v["attenuation"])["exact"]
        return {"R": e["ohms"]["re"], "X": e["ohms"]["im"], "S": e["vswr"]}
    extra = {"double-stub": ["--spacing", repr(v.get("spacing")), "--stub", "short"],
             "series-stub": ["--stub", "short"], "quarter-wave": [],
             "l-section": ["--frequency", repr(v.get("frequency"))]}[kind]
    a = answers_json(ZMATCH, "--load", load, "--line", line, "--method", kind, *extra)
    if kind == "l-section":
        for s in a["solutions"]:
            e = s["exact"]
            if e["near_load"] == "shunt" and e["x"] > 0:
                shunt = e["shunt_element"]
                scale = 1e12 if shunt["kind"] == "C" else 1e9
                return {shunt["kind"] + "1": shunt["value"] * scale,
                        "L2": e["series_element"]["value"] * 1e9}
    e = a["solutions"][0]["exact"]
    return {k: e[k] for k in ("d", "l", "l1", "l2", "zt") if k in e}


# Each kind's exact answers are the programs' own, to the bit.
for program, kinds in ((ZMATCH, ["stub-short", "stub-open", "series-stub", "double-stub",
                                 "quarter-wave", "l-section", "reading"]),
                       (ZLINE, ["line-move", "reading"])):
    for kind in kinds:
        got = answers_json(program, "--exercises", "4", "--seed", "ИВТ-21", "--kind", kind)
        expect(got["kind"] == kind and len(got["variants"]) == 4, f"{kind}: the set")
        for v in got["variants"]:
            own = program_answers(kind, v)
            mine = {a["name"]: a["exact"] for a in v["answers"]}
            expect(mine == own, f"{kind} variant {v['number']}: {mine} != {own}")

# The windows' own readings of the same problem lie within the paper's tolerance of the
# exercise's exact answer: a reading beyond it would mark the window's user wrong.
def window_readings(kind, v):
    load, line = load_text(v), "%g" % v["line"]["re"]
    if kind in ("stub-short", "stub-open"):
        c = answers_json(ZMATCH, "--load", load, "--line", line, "--stub", kind[5:])["chart"]
        return {"d": c["distance"], "l": c["stub"]}
    c = answers_json(ZLINE, "--load", load, "--line", line, "--distance", "%g" % v["distance"],
                     "--wavelength", "%g" % v["wavelength"], "--attenuation",
                     "%g" % v["attenuation"])["chart"]
    return {"R": c["ohms"]["re"], "X": c["ohms"]["im"]}

for program, kind in ((ZMATCH, "stub-short"), (ZMATCH, "stub-open"), (ZLINE, "line-move")):
    got = answers_json(program, "--exercises", "10", "--seed", "группа 7", "--kind", kind)
    for v in got["variants"]:
        read = window_readings(kind, v)
        for a in v["answers"]:
            if a["name"] not in read:
                continue
            off = read[a["name"]] - a["exact"]
            if a["unit"] == "λ":
                off -= 0.5 * round(off / 0.5)
            expect(abs(off) <= a["tolerance"],
                   f"{kind} variant {v['number']}: the window reads {a['name']} = "
                   f"{read[a['name']]}, exact {a['exact']} ± {a['tolerance']}")

# The same group writes the same bytes; another group other ones.
group = "ИВТ-21 <b>&\"'"
def files(tag, group, radius="80"):
    names = [os.path.join(WORK, f"{tag}.{ext}") for ext in ("w.pdf", "k.pdf", "xml")]
    r = run(ZMATCH, "--exercises", "6", "--seed", group, "--kind", "double-stub",
            "--radius-mm", radius, "--worksheets", names[0], "--key", names[1],
            "--moodle", names[2], "--json")
    expect(r.returncode == 0, f"files: {r.stderr}")
    return [open(n, "rb").read() for n in names], json.loads(r.stdout)

first, set_json = files("a", group)
again, _ = files("b", group)
other, _ = files("c", group + "!")
expect(first == again, "the same group gave other bytes")
expect(all(x != y for x, y in zip(first, other)), "another group gave the same file")

# The Moodle XML, read back: a question an answer, each with its value and tolerance.
quiz = ET.fromstring(first[2])
questions = [q for q in quiz.findall("question") if q.get("type") == "numerical"]
wanted = [(v["number"], a) for v in set_json["variants"] for a in v["answers"]]
expect(len(questions) == len(wanted), "Moodle: a question an answer")
for q, (number, a) in zip(questions, wanted):
    ans = q.find("answer")
    expect(abs(float(ans.find("text").text) - a["exact"]) <= 1e-6, f"Moodle {number} value")
    expect(abs(float(ans.find("tolerance").text) - a["tolerance"]) <= 1e-6,
           f"Moodle {number} tolerance")
    expect(group in q.find("questiontext/text").text, "Moodle: the group's text")


def chart_radius_mm(pdf):
    """The rim's radius on each page: the chart's placement (its cm) times its 300 pixels
    to the rim, times the page's 0,75 point to the pixel."""
    radii = []
    for m in re.finditer(rb"stream\r?\n(.*?)\r?\nendstream", pdf, re.S):
        try:
            text = zlib.decompress(m.group(1)).decode("latin-1")
        except zlib.error:
            continue
        for s in re.findall(r"q ([\d.]+) 0 0 \1 [-\d.]+ [-\d.]+ cm\n0 0 807 689 re W n", text):
            radii.append(300 * float(s) * 0.75 * 25.4 / 72)
    return radii

for radius in ("80", "45"):
    (sheets, _, _), _ = files("r" + radius, group, radius)
    radii = chart_radius_mm(sheets)
    expect(len(radii) == 6 and all(abs(r - float(radius)) < 0.01 for r in radii),
           f"radius {radius}: {radii}")
    expect(sheets.count(b"/Type /Page ") == 6, "a page a variant")

# The check: verdicts, and with --json right and off.
v = set_json["variants"][1]
exact = " ".join(f"{a['name']}={a['exact']}" for a in v["answers"])
r = run(ZMATCH, "--check", "--seed", group, "--kind", "double-stub", "--variant", "2",
        "--answers", exact, "--json")
verdicts = json.loads(r.stdout)["verdicts"] if r.returncode == 0 else []
expect([d["right"] for d in verdicts] == [True] * len(v["answers"]), f"check: {r.stdout}")
off = v["answers"][0]
r = run(ZMATCH, "--check", "--seed", group, "--kind", "double-stub", "--variant", "2",
        "--answers", f"{off['name']}={off['exact'] + 0.1}")
expect(r.returncode == 0 and "неверно" in r.stdout and "нет ответа" in r.stdout,
       f"check text: {r.stdout}")

# Bad input: status 2 and a Russian message.
for args, says in ((["--exercises", "0"], "от 1 до 200"), (["--exercises", "201"], "от 1 до 200"),
                   (["--exercises", "3", "--kind", "line-move"], "не подходит"),
                   (["--exercises", "3", "--radius-mm", "200"], "A4"),
                   (["--exercises", "x"], "не является числом"),
                   (["--check", "--variant", "1", "--answers", "d=abc"], "не является числом"),
                   (["--check", "--variant", "1", "--answers", "q=1"], "нет ответа «q»")):
    full = args + (["--seed", "g"] if "--seed" not in args else [])
    if "--kind" not in full:
        full += ["--kind", "stub-short"]
    r = run(ZMATCH, *full)
    expect(r.returncode == 2 and says in r.stderr, f"{args}: {r.returncode} {r.stderr}")

for f in failures:
    print("FAIL:", f)
print(f"{len(failures)} failures")
sys.exit(1 if failures else 0)
