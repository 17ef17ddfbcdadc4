#!/usr/bin/env python3
"""Writes the decode vectors of the Japanese decoders: every code of the 94 x 94 JIS table, and
every double-byte code of Shift_JIS, with the text Windows reads from it, as Python's cp932 codec
(made from Microsoft's own table) reads it; an undefined code is one U+FFFD. These are the
characters the web-platform-tests decode in encoding/legacy-mb-japanese, each pointer of the
index; their expectation comes from Windows' code page here, not from the code under test.

Lines: "jis" ROW-CELL-HEX SHIFT_JIS-HEX UTF-8-HEX, or "sjis" SHIFT_JIS-HEX UTF-8-HEX for the codes
that only Shift_JIS reaches (user-defined rows and IBM extensions). usage: make_jis_vectors.py OUT"""
import sys


def windows_reading(code):
    try:
        return code.decode("cp932")
    except UnicodeDecodeError:
        return "\ufffd"


def shift_jis(row, cell):
    """The Shift_JIS bytes of a JIS code (both 0x21 to 0x7E), by the standard arithmetic."""
    lead = (row + 1) // 2 + (0x70 if row <= 0x5E else 0xB0)
    trail = cell + (0x7E if row % 2 == 0 else (0x20 if cell >= 0x60 else 0x1F))
    return bytes([lead, trail])


def main():
    lines = []
    reached = set()
    for row in range(0x21, 0x7F):
        for cell in range(0x21, 0x7F):
            code = shift_jis(row, cell)
            reached.add(code)
            lines.append(f"jis {row:02X}{cell:02X} {code.hex().upper()} "
                         f"{windows_reading(code).encode().hex().upper()}")
    for lead in list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD)):
        for trail in list(range(0x40, 0x7F)) + list(range(0x80, 0xFD)):
            code = bytes([lead, trail])
            if code not in reached:
                lines.append(f"sjis {code.hex().upper()} "
                             f"{windows_reading(code).encode().hex().upper()}")
    with open(sys.argv[1], "w", encoding="ascii") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
