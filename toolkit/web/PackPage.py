"""Carries a linked page's program deflated: Emscripten writes the WebAssembly into the page
as base64 of the bytes as they are (SINGLE_FILE); deflated first, the base64 is a third of
that, and a page a little over 2 MB comes to about 1 MB. The code moves from the runtime's
string into the page's element #zcode, which page/Unpack.js inflates with the browser's own
DecompressionStream before WebAssembly compiles it. Refuses, leaving the page as it was,
unless it finds exactly one of each.

    python3 PackPage.py PAGE.html        (the page's build, after the link)
"""
import base64
import os
import sys
import zlib

CODE = 'wasmBinaryFile="data:application/octet-stream;base64,'
SLOT = '<script id="zcode" type="application/octet-stream"></script>'


def pack(text):
    if text.count(CODE) != 1 or text.count(SLOT) != 1:
        raise ValueError("not a page as linked: one program's code and one #zcode expected")
    start = text.index(CODE) + len(CODE)
    end = text.index('"', start)
    code = base64.b64decode(text[start:end], validate=True)
    if not code.startswith(b"\0asm"):
        raise ValueError("the page's code is not WebAssembly")
    packed = base64.b64encode(zlib.compress(code, 9)).decode("ascii")
    text = text[:start] + text[end:]
    return text.replace(SLOT, SLOT.replace("></", ">" + packed + "</"))


def main(page):
    with open(page, encoding="utf-8") as f:
        text = pack(f.read())
    with open(page + ".packing", "w", encoding="utf-8") as f:
        f.write(text)
    os.replace(page + ".packing", page)


if __name__ == "__main__":
    try:
        main(sys.argv[1])
    except (OSError, ValueError) as e:
        sys.exit("PackPage.py: %s: %s" % (sys.argv[1], e))
