#!/usr/bin/env python3
"""Writes the initial corpus of both fuzz targets: fuzz/corpus/zmatch and fuzz/corpus/zline.

Each file is one session at the window in the harness's input format (fuzz/Harness.h): the
script on the first line, then the edits' texts, one line per edit in the program's order.
The folders are rewritten from scratch, so what is in them is exactly what this script says.
"""

import pathlib
import shutil

HERE = pathlib.Path(__file__).resolve().parent

# Texts every field gets to read once, each in an otherwise good session. Separators and
# exponents are at the ends of their ranges: 3.4e38 still fits a float, 3.5e38 does not;
# 1e308 fits a double, 1e309 does not.
EDGE_TEXTS = {
    "zero": "0",
    "minus_zero": "-0",
    "minus_one": "-1",
    "float_max": "3.4e38",
    "beyond_float": "3.5e38",
    "big": "1e38",
    "small": "1e-38",
    "double_max": "1e308",
    "beyond_double": "1e309",
    "huge_exponent": "1e99999999999999999999",
    "huge_negative_exponent": "-1e-99999999999999999999",
    "point_only": ".",
    "point_fraction": "+.5",
    "exponent_only": "e5",
    "exponent_without_digits": "1e",
    "comma_zero": "0,0",
    "comma_fraction": "1,5",
    "point_fraction_plain": "1.5",
    "both_separators": "1.5,5",
    "leading_blank": " 0",
    "trailing_blank": "0 ",
    "tab": "\t1",
    "cyrillic_word": "один",
    "cyrillic_e_exponent": "1е3",  # the е is Cyrillic
    "cyrillic_o_for_zero": "О",
    "empty": "",
    "nan": "NaN",
    "inf": "inf",
    "hex": "0x10",
    "digits_10k": "9" * 10240,
    "tiny_10k": "0." + "0" * 10238 + "1",
}


def session(script, *groups):
    lines = [script]
    for group in groups:
        lines.extend(group)
    return "\n".join(lines) + "\n"


ZMATCH = {
    # Load point (520, 290), z = 2 + j1: A, M and S of the worked geometry, both stubs,
    # wavelengths 1 and 2.
    "worked_2_plus_j1_short": session("12", ["100", "50", "50", "0", "1"]),
    "worked_2_plus_j1_open": session("b12", ["100", "50", "50", "0", "1"]),
    "worked_2_plus_j1_wavelength_2": session("12b2", ["100", "50", "50", "0", "2"]),
    "worked_z2": session("12b2", ["100", "0", "50", "0", "1"]),
    "worked_comma": session(",12", ["100", "50", "50", "0", "1,5"]),
    "worked_1_plus_j1": session("12", ["50", "50", "50", "0", "1"]),
    "worked_1_minus_j1": session("12", ["50", "-50", "50", "0", "1"]),
    "worked_z_0_2": session("12", ["10", "0", "50", "0", "1"]),
    "complex_line": session("12", ["30", "40", "50", "50", "1"]),
    "reactive_line": session("12", ["30", "40", "0", "50", "1"]),
    # Loads without an answer.
    "matched": session("12", ["50", "0", "50", "0", "1"]),
    "on_rim": session("12", ["0", "50", "50", "0", "1"]),
    "negative_resistance": session("12", ["-20", "10", "50", "0", "1"]),
    "minus_one": session("12", ["-50", "0", "50", "0", "1"]),
    "near_axis": session("12", ["50", "1e-30", "50", "0", "1"]),
    "zero_line": session("12", ["50", "50", "0", "0", "1"]),
    "start_up": session("21"),
    # Stops after a good point: the first steps of the matching stay, the load stays.
    "bad_wavelength_after_match": session(
        "12>12", ["100", "50", "50", "0", "1"], ["30", "-20", "50", "0", "один"]
    ),
    "bad_load_after_match": session(
        "12>12", ["100", "50", "50", "0", "1"], ["100", "x", "50", "0", "1"]
    ),
    "repeated_presses": session("1122ab2b2", ["30", "-20", "50", "0", "1"]),
}

ZLINE = {
    # Load 50 + j50: reflection figures, mirror points, moves toward the generator and the
    # load, the attenuation "0" as text against other zeros.
    "worked_1_plus_j1_mirrors": session("C12", ["50", "50", "50", "0", "1", "1", "3"]),
    "worked_toward_load": session("b12", ["50", "50", "50", "0", "0.3", "1", "0"]),
    "worked_half_wavelength": session("12", ["100", "0", "50", "0", "0.25", "1", "0"]),
    "worked_whole_half_wavelengths": session("12", ["30", "40", "50", "0", "1", "1", "0"]),
    "worked_comma": session(",C12b2", ["50", "50", "50", "0", "0,3", "1", "0,0"]),
    "zero_as_other_texts": session(
        "12>2>2",
        ["50", "50", "50", "0", "1", "1", "0.0"],
        ["50", "50", "50", "0", "1", "1", "00"],
        ["50", "50", "50", "0", "1", "1", " 0"],
    ),
    "negative_distance": session("12b2", ["50", "50", "50", "0", "-0.7", "1", "1"]),
    "complex_line": session("12", ["30", "40", "50", "50", "1", "2", "3"]),
    "on_rim": session("C12", ["0", "50", "50", "0", "1", "1", "0"]),
    "on_rim_lossy": session("12", ["0", "25", "50", "0", "1", "1", "1"]),
    "matched": session("C12", ["50", "0", "50", "0", "1", "1", "3"]),
    "negative_resistance": session("C12", ["-20", "10", "50", "0", "1", "1", "3"]),
    "open_circuit": session("12", ["1e30", "0", "50", "0", "0", "1", "0"]),
    "start_up": session("2", ["0", "0", "0", "0", "1", "1", "3"]),
    # Moves without a drawable answer.
    "zero_wavelength": session("12", ["50", "50", "50", "0", "1", "0", "0"]),
    "ratio_too_big": session("12", ["50", "50", "50", "0", "1e300", "1e-300", "0"]),
    "far_point": session("b12", ["50", "50", "50", "0", "100", "1", "50"]),
    "far_point_huge_loss": session("b12", ["50", "50", "50", "0", "1", "1", "1e300"]),
    "bad_attenuation_after_move": session(
        "12>2", ["50", "50", "50", "0", "1", "1", "3"], ["50", "50", "50", "0", "1", "1", "три"]
    ),
    "bad_load_after_point": session(
        "12>1", ["50", "50", "50", "0", "1", "1", "3"], ["50", "50", "x"]
    ),
    "minus_one": session("12", ["-50", "0", "50", "0", "1", "1", "1"]),
    "zero_line": session("12", ["50", "50", "0", "0", "1", "1", "1"]),
}

# The good session each edge text is put into, one field at a time.
BASES = {
    "zmatch": ("12", ["100", "50", "50", "0", "1"], ["Edit1", "Edit2", "Edit3", "Edit4", "Edit6"]),
    "zline": (
        "12b2",
        ["50", "50", "50", "0", "1", "1", "3"],
        ["Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7"],
    ),
}


def edge_sessions(program):
    script, good, edits = BASES[program]
    sessions = {}
    for name, text in EDGE_TEXTS.items():
        for i, edit in enumerate(edits):
            fields = list(good)
            fields[i] = text
            sessions[f"edge_{edit}_{name}"] = session(script, fields)
            # The separators read the other way round with the comma of a Russian setting.
            if "," in text or "." in text:
                sessions[f"edge_{edit}_{name}_comma"] = session("," + script, fields)
    return sessions


def write(program, sessions):
    folder = HERE / "corpus" / program
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    for name, text in sorted(sessions.items()):
        (folder / name).write_bytes(text.encode("utf-8"))
    print(f"{folder.relative_to(HERE.parent)}: {len(sessions)} files")


def main():
    write("zmatch", {**ZMATCH, **edge_sessions("zmatch")})
    write("zline", {**ZLINE, **edge_sessions("zline")})


if __name__ == "__main__":
    main()
