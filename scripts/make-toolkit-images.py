#!/usr/bin/env python3
"""Draws the toolkit's pictures into toolkit/res/ (run: make-toolkit-images.py [OUTDIR]).

- mdibuttons.bmp: the window buttons of a maximized MDI child, four 16 x 16
  cells (restore, minimize, maximize, close) on the mask colour of the
  cell's top-left pixel, 24 bits.
- resize.cur: the cursor of a control resized in customize mode, a 32 x 32
  monochrome double arrow pointing left and right, hot spot in its middle.
- dragcopy.cur, dragmove.cur, dragnone.cur: the cursors of a control dragged
  in customize mode: the arrow with the dragged button below it, with a
  plus sign when it is copied, and with a barred circle over no bar.
- hsplit.cur, vsplit.cur: the cursors over a splitter bar, a double bar
  with arrows pointing left and right (the bar moves sideways) or up and
  down, hot spot in the middle.
- hand.cur: the pointing hand over a link on a system that has none, hot
  spot at the finger's tip.

The files are written byte by byte, so the same script gives the same bytes.
"""
import os
import struct
import sys

MASK = (255, 0, 255)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)


def cell(rows):
    """A 16 x 16 cell from 16 strings: '#' black, '.' white, ' ' mask."""
    assert len(rows) == 16 and all(len(r) == 16 for r in rows)
    colours = {'#': BLACK, '.': WHITE, ' ': MASK}
    return [[colours[c] for c in row] for row in rows]


RESTORE = cell([
    "                ",
    "                ",
    "     ######     ",
    "     ######     ",
    "     #    #     ",
    "   ######.#     ",
    "   ######.#     ",
    "   #    #.#     ",
    "   #    ###     ",
    "   #    #       ",
    "   ######       ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
])
MINIMIZE = cell([
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "    #######     ",
    "    #######     ",
    "                ",
    "                ",
    "                ",
    "                ",
])
MAXIMIZE = cell([
    "                ",
    "                ",
    "   #########    ",
    "   #########    ",
    "   #.......#    ",
    "   #.......#    ",
    "   #.......#    ",
    "   #.......#    ",
    "   #.......#    ",
    "   #.......#    ",
    "   #########    ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
])
CLOSE = cell([
    "                ",
    "                ",
    "                ",
    "    ##    ##    ",
    "     ##  ##     ",
    "      ####      ",
    "       ##       ",
    "      ####      ",
    "     ##  ##     ",
    "    ##    ##    ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
])


def bmp24(pixels):
    """A bottom-up 24-bit BMP of rows of (r, g, b)."""
    height = len(pixels)
    width = len(pixels[0])
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b'\0' * (stride - len(line))
        data += line
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    file_header = struct.pack('<2sIHHI', b'BM', 14 + len(header) + len(data), 0, 0, 14 + len(header))
    return file_header + header + bytes(data)


RESIZE = [
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "      #              #          ",
    "     ##     #  #     ##         ",
    "    #.#     #..#     #.#        ",
    "   #..#######..#######..#       ",
    "  #.....................#.#     ",
    "   #..#######..#######..#       ",
    "    #.#     #..#     #.#        ",
    "     ##     #  #     ##         ",
    "      #              #          ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
]


def cursor(rows, hot_x, hot_y):
    """A one-image .cur file: 32 x 32, 1 bit, '#' black, '.' white, ' ' transparent."""
    size = 32
    assert len(rows) == size and all(len(r) == size for r in rows)
    xor_rows = []
    and_rows = []
    for row in reversed(rows):
        xor_bits = 0
        and_bits = 0
        for x, c in enumerate(row):
            bit = 1 << (31 - x)
            if c == '.':
                xor_bits |= bit
            elif c == ' ':
                and_bits |= bit
        xor_rows.append(struct.pack('>I', xor_bits))
        and_rows.append(struct.pack('>I', and_bits))
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    image = header + palette + b''.join(xor_rows) + b''.join(and_rows)
    directory = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', size, size, 2, 0, hot_x, hot_y, len(image), 6 + 16)
    return directory + entry + image


ARROW = [
    "#           ",
    "##          ",
    "#.#         ",
    "#..#        ",
    "#...#       ",
    "#....#      ",
    "#.....#     ",
    "#......#    ",
    "#.......#   ",
    "#........#  ",
    "#.....##### ",
    "#..#..#     ",
    "#.# #..#    ",
    "##  #..#    ",
    "#    #..#   ",
    "     #..#   ",
    "      ##    ",
]

BUTTON = [
    "#.#.#.#.#.#.",
    ".          #",
    "#          .",
    ".          #",
    "#          .",
    ".          #",
    "#.#.#.#.#.#.",
]

PLUS = [
    "#########",
    "#.......#",
    "#...#...#",
    "#...#...#",
    "#.#####.#",
    "#...#...#",
    "#...#...#",
    "#.......#",
    "#########",
]

BARRED = [
    "    ####    ",
    "  ##....##  ",
    " #...##...# ",
    " #..#  #..# ",
    "#..#   ##..#",
    "#..#  #.#..#",
    "#..# #.# #.#",
    "#..##.#  #.#",
    " #..#.#  #. ",
    " #...##.#.# ",
    "  ##....##  ",
    "    ####    ",
]


HAND = [
    "     ##     ",
    "    #..#    ",
    "    #..#    ",
    "    #..#    ",
    "    #..###  ",
    "    #..#..##  ",
    "    #..#..#..##  ",
    "    #..#..#..#.#",
    " ## #..#..#..#..#",
    "#..##..........#",
    "#...#..........#",
    " #.............#",
    "  #............#",
    "  #...........# ",
    "   #..........# ",
    "   #.........#  ",
    "    #........#  ",
    "    #........#  ",
    "    ##########  ",
]


def split_bar(sideways):
    """32 x 32: a double bar across the middle with an arrow out to each side;
    sideways: the bar stands upright and the arrows point left and right."""
    grid = [[' '] * 32 for _ in range(32)]

    def put(x, y, c):
        if not sideways:
            x, y = y, x
        grid[y][x] = c
        grid[y if sideways else 31 - y][31 - x if sideways else x] = c

    for y in range(5, 27):
        put(14, y, '#')
        put(15, y, '.')
    for x in (14, 15):
        put(x, 4, '#')
        put(x, 27, '#')
    # The shafts from the bar to the heads.
    for x in range(7, 14):
        put(x, 13, '#')
        for y in range(14, 18):
            put(x, y, '.')
        put(x, 18, '#')
    # The heads: the tip's column holds rows 15 and 16, each next column
    # one row more on either side.
    for k in range(1, 8):
        top, bottom = 15 - (k - 1), 16 + (k - 1)
        for y in range(top, bottom + 1):
            put(k, y, '.')
        put(k, top - 1, '#')
        put(k, bottom + 1, '#')
    for y in range(8, 24):
        if y < 14 or y > 17:
            put(7, y, '#')
    put(0, 15, '#')
    put(0, 16, '#')
    return [''.join(r) for r in grid]


def compose(parts):
    """A 32 x 32 picture of the parts, each (rows, left, top), later over earlier."""
    grid = [[' '] * 32 for _ in range(32)]
    for rows, left, top in parts:
        for y, row in enumerate(rows):
            for x, c in enumerate(row):
                if c != ' ':
                    grid[top + y][left + x] = c
    return [''.join(r) for r in grid]


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), '..', 'toolkit', 'res')
    strip = [RESTORE[y] + MINIMIZE[y] + MAXIMIZE[y] + CLOSE[y] for y in range(16)]
    with open(os.path.join(out, 'mdibuttons.bmp'), 'wb') as f:
        f.write(bmp24(strip))
    with open(os.path.join(out, 'resize.cur'), 'wb') as f:
        f.write(cursor(RESIZE, 13, 14))
    drag = {
        'dragmove.cur': compose([(ARROW, 0, 0), (BUTTON, 9, 18)]),
        'dragcopy.cur': compose([(ARROW, 0, 0), (BUTTON, 9, 18), (PLUS, 19, 22)]),
        'dragnone.cur': compose([(ARROW, 0, 0), (BARRED, 9, 18)]),
    }
    for name, rows in drag.items():
        with open(os.path.join(out, name), 'wb') as f:
            f.write(cursor(rows, 0, 0))
    with open(os.path.join(out, 'hsplit.cur'), 'wb') as f:
        f.write(cursor(split_bar(True), 15, 15))
    with open(os.path.join(out, 'vsplit.cur'), 'wb') as f:
        f.write(cursor(split_bar(False), 15, 15))
    with open(os.path.join(out, 'hand.cur'), 'wb') as f:
        f.write(cursor(compose([(HAND, 0, 0)]), 5, 0))


if __name__ == '__main__':
    main()
