#!/usr/bin/env python3
"""Writes the initial corpus of every fuzz target under fuzz/corpus/<target>.

zmatch and zline: each file is one session at the window in the harness's input format
(fuzz/Harness.h): the script on the first line, then the edits' texts, one line per edit in
the program's order. parse, format, canvas, complex, batch, utf16 and touchstone: the inputs of
fuzz/ParseCheck.cpp, fuzz/FormatCheck.cpp, fuzz/CanvasCheck.cpp, fuzz/ComplexCheck.cpp,
fuzz/BatchCheck.cpp, fuzz/Utf16Check.cpp, fuzz/TouchstoneCheck.cpp, fuzz/ChainCheck.cpp
(chaintext, chainfile), fuzz/ChainAddressCheck.cpp (chainaddress), fuzz/ChooseCheck.cpp
(choose), fuzz/AnswersCheck.cpp (answers) and fuzz/ChooseWindowCheck.cpp (choosewin), as
their opening comments lay them out.
The folders are rewritten from scratch, so what is in them is exactly what this script says.
"""

import pathlib
import shutil
import struct

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


# The parse target: the edge texts and the ends of the double range, with either separator.
PARSE_TEXTS = {
    **EDGE_TEXTS,
    "double_max": "1.7976931348623157e308",
    "past_double_max": "1.7976931348623159e308",
    "smallest_denormal": "4.9406564584124654e-324",
    "below_smallest_denormal": "2e-324",
    "minus_underflow": "-1e-400",
    "blanks": "  -12.5E+3  ",
    "long_exponent": "1e" + "0" * 300 + "1",
}


def parse_inputs():
    inputs = {}
    for name, text in PARSE_TEXTS.items():
        inputs[name] = b"\x00" + text.encode("utf-8")
        inputs[name + "_comma"] = b"\x01" + text.replace(".", ",").encode("utf-8")
    inputs["invalid_utf8"] = b"\x01" + b"1,5\xff\xfe\xc3"
    # The longest texts the target is run with, once each.
    inputs["digits_100k"] = b"\x00" + b"9" * 102400
    inputs["tiny_100k"] = b"\x00" + b"0." + b"0" * 102397 + b"1"
    inputs["nul_100k"] = b"\x00" + b"1" + b"\0" * 102399
    return inputs


def format_input(value, precision, digits, comma=False):
    return bytes([(0x7F << 1) | comma, precision & 0xFF, digits & 0xFF]) + struct.pack("<d", value)


# The format target: the labels' formats (4, 2 and 2, 2), the ends of the ranges and beyond.
FORMAT_INPUTS = {
    "label": format_input(123456.789, 4, 2, comma=True),
    "two_digits": format_input(-0.005, 2, 2),
    "half_away": format_input(2.675, 18, 2),
    "tiny": format_input(5e-324, 18, 18),
    "huge": format_input(1.7976931348623157e308, 1, 0),
    "beyond_ranges": format_input(-1e17, 100, -5),
    "negative_ranges": format_input(0.5, -100, 100),
}


def canvas_input(width, height, *calls):
    def size(n):
        return bytes([n - 1]) if n <= 128 else b"\xf8" + struct.pack("<H", n - 1)

    return size(width) + size(height) + b"".join(calls)


def xy(*values):
    return b"".join(b"\x00" + struct.pack("<h", v) for v in values)


def edge(index, delta=0):
    return b"\x03" + bytes([index, delta & 0xFF])


def pen(color, width, dashed=False):
    return b"\x00" + struct.pack("<I", color)[:3] + bytes([width, dashed])


def brush(color, clear=False):
    return b"\x01" + bytes([clear]) + struct.pack("<I", color)[:3]


# The canvas target: the chart's own shapes on its canvas and small ones on small bitmaps.
CANVAS_INPUTS = {
    "chart_rim": canvas_input(807, 689, pen(0x000000, 3), brush(0, True), b"\x02" + xy(100, 50, 700, 650)),
    "point_marker": canvas_input(12, 12, pen(0xFF0000, 2), brush(0x00FF00), b"\x02" + xy(2, 2, 10, 10)),
    "dashed_box": canvas_input(40, 30, pen(0x0000FF, 1, True), b"\x03" + xy(2, 3, 32, 23)),
    "wide_line": canvas_input(30, 25, pen(0, 4), b"\x04" + xy(4, 5), b"\x05" + xy(24, 17)),
    "dashed_line": canvas_input(96, 50, pen(0, 0, True), b"\x04" + xy(2, 5), b"\x05" + xy(90, 40)),
    "text": canvas_input(60, 20, b"\x06" + xy(2, 2) + bytes([6]) + "Г=0,5".encode("utf-8")),
    # INT_MIN and INT_MAX are kEdges 0 and 1.
    "int_range": canvas_input(
        20,
        12,
        b"\x04" + edge(0) + xy(5),
        b"\x05" + edge(1) + xy(5),
        b"\x02" + edge(0) + edge(0) + edge(1) + edge(1),
        pen(0, 3),
        b"\x03" + edge(0) + xy(3) + edge(1) + xy(9),
    ),
}


# The complex target: the loads as scripts write them, each form of the imaginary part, the
# splits an exponent's sign must not make, and texts that are no load.
COMPLEX_TEXTS = {
    "real": "100",
    "plus_j_after": "100+50j",
    "minus_j_before": "100-j50",
    "upper_j": "100+50J",
    "imaginary_only": "50j",
    "imaginary_minus": "-j50",
    "imaginary_signed_number": "j-5",
    "comma_and_exponent": "-0,5+1e3j",
    "exponent_signs": "1e-3-2e+3j",
    "exponent_imaginary": "1e+5j",
    "blanks_around": "  100+50j  ",
    "blank_inside": "100 +50j",
    "blank_after_sign": "100+ 50j",
    "beyond_double": "1e400-1e400j",
    "empty": "",
    "blanks_only": "   ",
    "j_alone": "100+j",
    "no_j": "100+50",
    "two_signs": "1++2j",
    "sign_after_j": "100+j-5",
    "letter_real": "a+1j",
    "typographic_minus": "100\u221250j",
    "cyrillic_j": "100+50\u0439",
}


def complex_inputs():
    inputs = {}
    for name, text in COMPLEX_TEXTS.items():
        raw = text.encode("utf-8")
        inputs[name] = b"\x00" + raw
        inputs[name + "_comma"] = b"\x01" + raw.replace(b".", b",")
    inputs["invalid_utf8"] = b"\x01" + b"1\xff+2\xc3j"
    return inputs


# The batch target: the worked loads and refusals in one batch for each program, format and
# option set, and lines that are no text at all.
BATCH_LINES = b"100+50j\n50+50j\n50\n\nzz\r\n-20+10j\n30-40j\n0+50j\n1e400\n100-j50"


def batch_inputs():
    inputs = {}
    for program, name in ((0, "zmatch"), (2, "zline")):
        for json, form in ((0, "text"), (4, "json")):
            for options in range(4):
                settings = program | json | options << 3
                inputs[f"{name}_{form}_{options}"] = bytes([settings]) + BATCH_LINES
                inputs[f"{name}_{form}_{options}_comma"] = bytes([settings | 1]) + BATCH_LINES
        inputs[f"{name}_bytes"] = bytes([program | 4]) + b"\x00\xff\xfe\"\\\t\x1b[0m\n100+50j\n"
        inputs[f"{name}_empty"] = bytes([program])
    return inputs


def utf16_inputs():
    texts = {
        "load": "100+j50",
        "cyrillic": "Zн = 100+j50 Ом, λ = 1",
        "astral": "\U0001D6E4 \U0001F4E1",
        "empty": "",
    }
    inputs = {}
    for name, text in texts.items():
        inputs[f"{name}_utf8"] = b"\x01" + text.encode("utf-8")
        inputs[f"{name}_utf16"] = b"\x00" + text.encode("utf-16-le")
    # A lone surrogate of each kind, a pair reversed, malformed and overlong UTF-8.
    inputs["lone_surrogates_utf16"] = b"\x00" + struct.pack("<4H", 0xD800, 0x41, 0xDC00, 0xDBFF)
    inputs["reversed_pair_utf16"] = b"\x00" + struct.pack("<2H", 0xDC00, 0xD800)
    inputs["malformed_utf8"] = b"\x01\xff\xc0\xaf\xed\xa0\x80\xf4\x90\x80\x80\xe2\x82"
    return inputs


# The touchstone target: a .s1p (first byte 0), .s2p (1) or .ts (2) file of each version,
# format and parameter, the keywords of version 2, noise data, the forms analysers and
# libraries write (a byte-order mark, lines ended by CR, a two-port's point over two lines,
# an open circuit among the points), and the refusals' shapes.
TOUCHSTONE_FILES = {
    "s1p_v1_ma": (0, "! antenna\n# MHz S MA R 50\n100 0.5 -30\n150 0.4 10\n200 0.6 45\n"),
    "s1p_v1_db_crlf": (0, "# GHz S DB R 75\r\n1 -6.02 90\r\n2 -3 -90 ! end\r\n"),
    "s1p_v1_z_ri_defaults": (0, "#  z ri\n1.0e0 1 -0.5\n1.5 +2. .25\n"),
    "option_numbers_after_r": (0, "# Hz Y RI R 50 75\n1 0.02 0\n2 0 0.01\n"),
    "byte_order_mark": (0, "\xef\xbb\xbf! made on Windows\n# MHz S MA R 50\n100 0.5 -30\n"),
    "cr_only": (0, "! old\r# GHz Z RI R 50\r1 1 0.5\r2 0.8 -0.2\r"),
    "s2p_v1_two_lines": (
        1,
        "# GHz S MA R 50\n1 0.2 30 0.9 -10\n  0.9 -10 0.3 45\n2 0.25 40 0.85 -20\n"
        "  0.85 -20 0.35 50\n",
    ),
    "s2p_v1_z": (1, "# MHz Z RI R 50\n100 2 0.4 1 0 1 0 1.5 -0.2\n200 2.1 0.6 1 0 1 0 1.4 -0.3\n"),
    "s2p_v2_y_references": (
        1,
        "[Version] 2.0\n# Hz Y RI\n[Number of Ports] 2\n[Two-Port Data Order] 12_21\n"
        "[Reference] 50 75\n[Network Data]\n1e9 0.03 0.01 -0.01 0 -0.01 0 0.02 -0.005\n[End]\n",
    ),
    "open_point": (0, "! time domain\n# GHz S RI R 50\n0 1 0\n1 0.2 0.1\n2 1 0\n3 0.3 -0.1\n"),
    "ts_v2": (
        2,
        "[Version] 2.1\r\n# MHz S DB\r\n[Number of Ports] 1\r\n[Number of Frequencies] 2\r\n"
        "[Network Data]\r\n100 -6 45\r\n200 -3 -45\r\n[End]\r\n",
    ),
    "v2_noise_missing": (
        1,
        "[Version] 2.0\n# Hz S RI\n[Number of Ports] 2\n[Two-Port Data Order] 21_12\n"
        "[Number of Noise Frequencies] 1\n[Network Data]\n1 0 0 0 0 0 0 0 0\n[End]\n",
    ),
    "v2_z_three_ports": (0, "[Version] 2.0\n# Hz Z RI\n[Number of Ports] 3\n[Network Data]\n"),
    "s2p_v1_with_noise": (
        1,
        "# GHz S RI R 50\n1 .1 .2 .9 0 .9 0 .1 .2\n2 .2 .1 .8 0 .8 0 .2 .1\n"
        "1 1.5 .3 40 .2\n2 1.7 .3 50 .2\n",
    ),
    "s1p_v2": (
        0,
        "[Version] 2.0\n# Hz Z RI R 50\n[Number of Ports] 1\n[Number of Frequencies] 2\n"
        "[Reference] 75\n[Network Data]\n1e6 30 -40\n2e6 25 10\n[End]\n",
    ),
    "s2p_v2_split_lines": (
        1,
        "[Version] 2.0\n# MHz S MA\n[Number of Ports] 2\n[Two-Port Data Order] 21_12\n"
        "[Reference]\n50\n50\n[Network Data]\n100 0.5 10\n0.9 0 0.9 0\n0.5 10\n"
        "200 0.4 20 0.9 0\n0.9 0 0.4 20\n[Noise Data]\n100 1 0.2 30 0.1\n[End]\n",
    ),
    "s2p_v2_lower_information": (
        1,
        "[Version] 2.1\n# GHz Y DB\n[Number of Ports] 2\n[Matrix Format] Lower\n"
        "[Begin Information]\n[Anything] 1\n[End Information]\n[Network Data]\n"
        "1 -34 20 -40 0 -34 20\n[End]\n",
    ),
    "v2_three_ports": (
        0,
        "[Version] 2.0\n# Hz S RI\n[Number of Ports] 3\n[Network Data]\n"
        "1 0.2 0 0 0 0 0\n0 0 0 0 0 0\n0 0 0 0 0 0\n",
    ),
    "short_line": (0, "# GHz S RI R 50\n1 0.5 0\n2 0.5\n"),
    "unknown_option": (0, "# GHz XY\n1 0 0\n"),
    "descending": (0, "# Hz S RI\n2 0 0\n1 0 0\n"),
    "open_circuit": (0, "# Hz S RI\n1 1 0\n"),
    "huge_numbers": (0, "# Hz Z RI\n1e308 1e308 1e308\n" + "9" * 4000 + " 0 0\n"),
    "v2_frequency_count": (0, "[Version] 2.0\n# Hz S RI\n[Number of Ports] 1\n"
                              "[Number of Frequencies] 2\n[Network Data]\n1 0 0\n[End]\n"),
    "v2_mixed_mode": (1, "[Version] 2.0\n# Hz S RI\n[Number of Ports] 2\n"
                         "[Mixed-Mode Order] D2,1 C2,1\n"),
    "bytes": (0, "# Hz S RI\n1 0\xff0 0\n\x00\n"),
    "empty": (0, ""),
}


def touchstone_inputs():
    files = TOUCHSTONE_FILES.items()
    return {name: bytes([ports]) + text.encode("latin-1") for name, (ports, text) in files}


# The methods window: the main window's Zн and Zв, then the first stub, the spacing and the
# frequency; each method solved, with both stubs, a refusal between.
def methods_group(rn, xn, rv="50", xv="0", first="0", spacing="0.125", hz=""):
    return [rn, xn, rv, xv, first, spacing, hz]


METHODS = {
    "each_method": session("1S2S3S4S", methods_group("100", "50")),
    "open_stubs": session("b1S2S", methods_group("20", "-35")),
    "double_stub_spacings": session("2S>S>S", methods_group("100", "50", spacing="0.25"),
                                    methods_group("100", "50", spacing="0.375"),
                                    methods_group("100", "50", spacing="0.5")),
    "forbidden_region": session("2S", methods_group("10", "0")),
    "lsection_frequency": session(",4S", methods_group("200", "-100", "100", "0", hz="500 МГц")),
    "refused_then_solved": session("3S>S", methods_group("50", "0"), methods_group("1e9", "0")),
    "complex_line": session("3S4S", methods_group("100", "50", xv="20")),
}


# The chaintext and chainfile targets: the first byte odd where f0 is known, then the text.
CHAIN_TEXTS = {
    "issue_example": "series L 12nH; shunt C 2.2pF; series R 5; shunt L 10nH Q 50; line 0.1; "
    "line 0.1 Z 75 loss 0.5; line 25mm vf 0.66; stub shunt short 0.125; "
    "stub series open 0.2 Z 75; transformer 2",
    "comma_and_blanks": " series C 1,5 pF Q 300 ;; shunt R 1,5kΩ ; line 25 mm vf 0,66",
    "reactances": "series L X 30; shunt C X 12.5; stub series short 0.3",
    "unknown_kind": "coil 5",
    "negative": "series R -5",
    "q_zero": "shunt L 10nH Q 0",
    "mm_without_vf": "line 25mm",
    "huge": "series R 1e99999999999999999999; transformer 1e-400",
}
CHAIN_FILES = {
    "header_and_comments": "# match\nimpedance 75 Ohm\nfrequency 2.4 GHz\r\n"
    "series L 1.2nH  # near the load\nline 0.1; stub shunt open 0.2\n",
    "bad_frequency": "frequency soon\nline 0.1\n",
    "twice": "impedance 50\nimpedance 75\n",
    "elements_only": "line 0.25 Z 70.7\ntransformer 2\n",
}


# The chainaddress target: a page's address after «#».
CHAIN_ADDRESSES = {
    "link": "chain=series%20C%20X%2050%3B%20line%200.125&f0=100000000&load=100,50&line=50",
    "link_mm": "chain=shunt%20C%202.2pF%20Q%20300%3B%20line%2025mm%20vf%200.66"
    "&f0=433920000&load=20,-35",
    "no_chain": "load=100,50&line=50",
    "bad_kind": "chain=coil%205",
    "bad_numbers": "chain=line%200.1&load=1e400,%zz&f0=-1",
    "empty_fields": "chain=&&=&load=,",
}


# The choose target: the settings byte (bit 0 ',', bit 1 --json, bit 2 a load and f0 given),
# then zmatch --choose's arguments one a line.
def choose_inputs():
    asks = {
        "span_e24": (6, ["--span", "10%", "--parts", "E24", "--q-inductor", "50",
                         "--q-capacitor", "500"]),
        "from_to": (4, ["--from", "0.95GHz", "--to", "1.1GHz", "--max-vswr", "1.5"]),
        "comma": (5, ["--span", "0,2", "--zt", "ideal", "--stub-max", "0,25"]),
        "own_load": (2, ["--load", "100+50j", "--line", "75", "--frequency", "433.92MHz",
                         "--parts", "E96"]),
        "batch": (0, ["--load", "-", "--frequency", "1GHz"]),
        "bad_series": (4, ["--parts", "E48"]),
        "bad_span": (4, ["--span", "-5%"]),
        "bad_q": (6, ["--q-inductor", "0"]),
        "no_f0": (0, ["--load", "50"]),
        "other_task": (4, ["--chain", "line 0.1"]),
        "empty": (4, [""]),
    }
    return {name: bytes([settings]) + "\n".join(args).encode("utf-8")
            for name, (settings, args) in asks.items()}


# The answers target: a student's answers to an exercise.
ANSWERS = {
    "two": "d=0.198 l=0.126",
    "comma": "d=0,198; l=0,126\n",
    "upper": "D=0.2 L=1e-1",
    "not_a_number": "d=abc",
    "no_equals": "d 0.198",
    "twice": "d=1 d=2",
    "unknown": "zt=50",
    "empty": "",
}


# The exwin target: the exercises window's count, group, spacing, frequency, radius, the
# variant to check and the answers; each kind made, checked, refused between.
def exwin_group(count="3", group="ИВТ-21", spacing="0,125", mhz="500", radius="80",
                variant="1", answers="d=0,198 l=0,126"):
    return [count, group, spacing, mhz, radius, variant, answers]


EXWIN = {
    "each_kind": session("1M2M3M4M5M6M", exwin_group()),
    "checked": session("MKrK", exwin_group(variant="2")),
    "zline_kinds": session("Z1M2MK", exwin_group(answers="S=2")),
    "refused_then_made": session("M>M>K", exwin_group(count="0"), exwin_group(radius="200"),
                                 exwin_group(answers="d=abc")),
    "double_stub_spacing": session("4M>M", exwin_group(spacing="0,25"), exwin_group()),
    "group_bytes": session("M", exwin_group(group="<a&b> «\"'\x01\xff»")),
}


def chain_inputs(texts):
    inputs = {}
    for name, text in texts.items():
        inputs[name + "_f0"] = b"\x01" + text.encode("utf-8")
        inputs[name] = b"\x00" + text.encode("utf-8")
    return inputs


# «Подбор согласования…»: the main window's Zн and Zв, then f0, ±, f1, f2, КСВ, the Q of L and
# C, the stubs' Zв, the longest stub, Zт, the loaded Q and the velocity factor; each series of
# parts searched, a band given by its ends, a search stopped, and refusals between.
def choose_group(rn="100", xn="50", rv="50", xv="0", f0="100", span="5", f1="", f2="",
                 vswr="2", ql="50", qc="500", stub_z="", stub_max="0.5", zt="50; 75",
                 loaded_q="5", vf="1"):
    return [rn, xn, rv, xv, f0, span, f1, f2, vswr, ql, qc, stub_z, stub_max, zt, loaded_q, vf]


CHOOSE_WINDOW = {
    "defaults": session("S", choose_group()),
    "each_series": session("aSbScS", choose_group("20", "-35")),
    "band_by_ends": session(",dS", choose_group(f0="", f1="90", f2="110,5", zt="37,5, 50")),
    "stopped": session("s", choose_group(zt="любое", ql="", qc="")),
    "refused_then_searched": session("S>S", choose_group(span="100", vf="2"), choose_group()),
    "reloaded": session("R>RS", choose_group(), choose_group("abc")),
    "refused_load": session("S", choose_group(rn="-1")),
}


def write(target, inputs):
    folder = HERE / "corpus" / target
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    for name, data in sorted(inputs.items()):
        (folder / name).write_bytes(data if isinstance(data, bytes) else data.encode("utf-8"))
    print(f"{folder.relative_to(HERE.parent)}: {len(inputs)} files")


def main():
    write("zmatch", {**ZMATCH, **edge_sessions("zmatch")})
    write("zline", {**ZLINE, **edge_sessions("zline")})
    write("parse", parse_inputs())
    write("format", FORMAT_INPUTS)
    write("canvas", CANVAS_INPUTS)
    write("complex", complex_inputs())
    write("batch", batch_inputs())
    write("utf16", utf16_inputs())
    write("touchstone", touchstone_inputs())
    write("methods", METHODS)
    write("chaintext", chain_inputs(CHAIN_TEXTS))
    write("chainfile", chain_inputs({**CHAIN_FILES, **CHAIN_TEXTS}))
    write("chainaddress", CHAIN_ADDRESSES)
    write("choose", choose_inputs())
    write("answers", ANSWERS)
    write("choosewin", CHOOSE_WINDOW)
    write("exwin", EXWIN)


if __name__ == "__main__":
    main()
