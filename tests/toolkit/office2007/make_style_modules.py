#!/usr/bin/env python3
"""Writes the resource scripts of the two style modules the toolkit tests
load (StyleModule.rc and AltStyleModule.rc), as exact byte strings:

    python3 make_style_modules.py

StyleModule.rc: the style text under its default name, a nine-part bitmap
strip of two frames, an alpha PNG and two damaged PNGs.
AltStyleModule.rc: two style texts under other names, the first of an odd
byte size, the second with a zero character inside.
"""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

STYLE_TEXT = (
    "; Farben der Tests\r\n"
    "[Images];Bilder\r\n"
    "Frame = nine.bmp\r\n"
    "Missing = nowhere.png\r\n"
    "\r\n"
    "[Ribbon]\r\n"
    "RibbonFace = 1 2 3\r\n"
    "\t  Numbers =  0x10 010 16   ; note\r\n"
    "Partial = 7\r\n"
    "Junk = abc 5\r\n"
    "Wrap = 257 -1 0x1FF\r\n"
    "=9 9 9\r\n"
    "Spaced Key   =   4 5 6  \r\n"
    "Gr\u00fcn = 0 255 0\r\n"
    "Lf = 1 2 3\nHidden = 4 5 6\r\n"
    "RibbonFace = 7 7 7\r\n"
    "[Other]\r\n"
    "X = 1 1 1\r\n"
    "[RIBBON]\r\n"
    "Second = 9 9 9\r\n"
    "[Blank] \r\n"
    "InBlank = 1 2 3\r\n"
    "[Tail]\r\n"
    "Last = 4 5 6"
)

# Odd in size: the last single byte is half a carriage return.
ALT_TEXT = "[A]\r\nK = 10 20 30\r\nN = 4 5 6".encode("utf-16-le") + b"\x0d"
ZERO_TEXT = "[A]\r\nK = 1 1 1\r\n\0\r\nM = 2 2 2\r\n".encode("utf-16-le")


def cell_colour(frame, row, col):
    """The nine 2 x 2 cells of each 6 x 6 frame, each of its own colour."""
    i = row * 3 + col
    if frame == 0:
        return (20 + 25 * i, 240 - 20 * i, 10 * i)
    return (i + 1, 100, 200)


def nine_bmp():
    width, height = 6, 12
    rows = []
    for y in range(height - 1, -1, -1):  # bottom-up
        frame, fy = divmod(y, 6)
        row = b""
        for x in range(width):
            r, g, b = cell_colour(frame, fy // 2, x // 2)
            row += bytes((b, g, r))
        rows.append(row + b"\0" * ((4 - len(row) % 4) % 4))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, 0, 0, 0, 0, 0)
    return header + b"".join(rows)


def png_chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data +
            struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))


def alpha_png():
    """4 x 4: the left half opaque red, the right half fully transparent."""
    raw = b""
    for _ in range(4):
        raw += b"\0" + bytes((255, 0, 0, 255)) * 2 + bytes((0, 0, 0, 0)) * 2
    return (b"\x89PNG\r\n\x1a\n" +
            png_chunk(b"IHDR", struct.pack(">IIBBBBB", 4, 4, 8, 6, 0, 0, 0)) +
            png_chunk(b"IDAT", zlib.compress(raw)) + png_chunk(b"IEND", b""))


def broken_png():
    return b"\x89PNG\r\n\x1a\n" + b"\x13\x37" * 5


def huge_png():
    """Claims 65535 x 65535 pixels and then ends."""
    return (b"\x89PNG\r\n\x1a\n" +
            png_chunk(b"IHDR", struct.pack(">IIBBBBB", 65535, 65535, 8, 6, 0, 0, 0)) +
            png_chunk(b"IDAT", zlib.compress(b"\0" * 64)))


def rc_block(name, kind, data):
    lines = ["%s %s" % (name, kind), "BEGIN"]
    for i in range(0, len(data), 24):
        lines.append('    "' + "".join("\\x%02x" % b for b in data[i:i + 24]) + '"')
    lines.append("END")
    return "\n".join(lines) + "\n\n"


def write(name, comment, blocks):
    with open(os.path.join(HERE, name), "w", newline="\n") as f:
        f.write("#pragma code_page(65001)\n")
        f.write("// Written by make_style_modules.py; change that script, not this file.\n")
        f.write("// %s\n\n" % comment)
        for block in blocks:
            f.write(rc_block(*block))


write("StyleModule.rc", "A style module as the program finds it beside itself.", [
    ("OFFICE2007BLUE_INI", "TEXTFILE", STYLE_TEXT.encode("utf-16-le")),
    ("NINE_BMP", "2", nine_bmp()[0:]),
    ("ALPHA_PNG", "PNG", alpha_png()),
    ("BROKEN_PNG", "PNG", broken_png()),
    ("HUGE_PNG", "PNG", huge_png()),
])
write("AltStyleModule.rc", "Style texts under names of their own.", [
    ("ALTSTYLE", "TEXTFILE", ALT_TEXT),
    ("ZERO_INI", "TEXTFILE", ZERO_TEXT),
])
