#!/usr/bin/env python3
"""Writes the small tree images of the DynamicHTML export into app/res/dhtml/.

Each image is 16 x 16 pixels drawn below as text, one character per pixel,
and written byte by byte as a GIF89a with a transparent background. Run it
again after changing a drawing; the GIFs it writes are committed.
"""
import os
import struct
import sys

PALETTE = {
    '.': (255, 255, 255),  # transparent
    'g': (128, 128, 128),  # tree lines, box frame
    'k': (0, 0, 0),        # plus and minus signs
    'y': (255, 216, 96),   # folder
    'd': (176, 136, 40),   # folder edge
    'w': (255, 255, 255),  # paper, box inside
    'b': (64, 96, 192),    # lines of text on the paper
    'o': (96, 96, 96),     # paper edge
}
ORDER = '.gkydwbo'

def join(rows_a, rows_b):
    """Overlays two drawings: any non-transparent pixel of b wins."""
    out = []
    for a, b in zip(rows_a, rows_b):
        out.append(''.join(cb if cb != '.' else ca for ca, cb in zip(a, b)))
    return out


def vertical(top, bottom):
    return ['.......g........' if top <= y <= bottom and y % 2 == 0 else '.' * 16
            for y in range(16)]


HORIZONTAL = ['........g.g.g.g.' if y == 7 else '.' * 16 for y in range(16)]


def box(sign):
    rows = ['.' * 16 for _ in range(16)]
    rows = [list(r) for r in rows]
    for y in range(3, 12):
        for x in range(3, 12):
            edge = y in (3, 11) or x in (3, 11)
            rows[y][x] = 'g' if edge else 'w'
    for x in range(5, 10):
        rows[7][x] = 'k'
    if sign == '+':
        for y in range(5, 10):
            rows[y][7] = 'k'
    return [''.join(r) for r in rows]


BRANCH = join(vertical(0, 15), HORIZONTAL)
BRANCH_LAST = join(vertical(0, 7), HORIZONTAL)

CATEGORY_COLLAPSED = [
    '................',
    '................',
    '................',
    '..ddddd.........',
    '.dyyyyyd........',
    '.dddddddddddddd.',
    '.dyyyyyyyyyyyyd.',
    '.dyyyyyyyyyyyyd.',
    '.dyyyyyyyyyyyyd.',
    '.dyyyyyyyyyyyyd.',
    '.dyyyyyyyyyyyyd.',
    '.dyyyyyyyyyyyyd.',
    '.dyyyyyyyyyyyyd.',
    '.dddddddddddddd.',
    '................',
    '................',
]

CATEGORY_EXPANDED = [
    '................',
    '................',
    '................',
    '..ddddd.........',
    '.dyyyyyd........',
    '.dyyyyyddddddd..',
    '.dyyyyyyyyyyyd..',
    '.dyydddddddddddd',
    '.dyydyyyyyyyyyd.',
    '.dydyyyyyyyyyyd.',
    '.dydyyyyyyyyyd..',
    '.ddyyyyyyyyyyd..',
    '.ddyyyyyyyyyd...',
    '.ddddddddddd....',
    '................',
    '................',
]

ENTRY = [
    '................',
    '...oooooooo.....',
    '...owwwwwwoo....',
    '...owwwwwwowo...',
    '...owbbbbwoooo..',
    '...owwwwwwwwwo..',
    '...owbbbbbbbwo..',
    '...owwwwwwwwwo..',
    '...owbbbbbbbwo..',
    '...owwwwwwwwwo..',
    '...owbbbbbbbwo..',
    '...owwwwwwwwwo..',
    '...owbbbbbwwwo..',
    '...owwwwwwwwwo..',
    '...ooooooooooo..',
    '................',
]

IMAGES = {
    'branch.gif': BRANCH,
    'branch_last.gif': BRANCH_LAST,
    'line.gif': vertical(0, 15),
    'space.gif': ['.' * 16] * 16,
    'plus.gif': join(BRANCH, box('+')),
    'plus_last.gif': join(BRANCH_LAST, box('+')),
    'minus.gif': join(BRANCH, box('-')),
    'minus_last.gif': join(BRANCH_LAST, box('-')),
    'category_collapsed.gif': CATEGORY_COLLAPSED,
    'category_expanded.gif': CATEGORY_EXPANDED,
    'entry.gif': ENTRY,
}


def lzw(pixels, min_size):
    """GIF's variable-length LZW, codes packed least significant bit first."""
    clear, end = 1 << min_size, (1 << min_size) + 1
    out, acc, nbits = bytearray(), 0, 0

    def emit(code, size):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    def reset():
        return {bytes([i]): i for i in range(clear)}, end + 1, min_size + 1

    table, next_code, size = reset()
    emit(clear, size)
    prefix = b''
    for p in pixels:
        grown = prefix + bytes([p])
        if grown in table:
            prefix = grown
            continue
        emit(table[prefix], size)
        if next_code < 4096:
            table[grown] = next_code
            next_code += 1
            if next_code > (1 << size) and size < 12:
                size += 1
        else:
            emit(clear, size)
            table, next_code, size = reset()
        prefix = bytes([p])
    if prefix:
        emit(table[prefix], size)
    emit(end, size)
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def gif(rows):
    height, width = len(rows), len(rows[0])
    assert all(len(r) == width for r in rows), rows
    pixels = [ORDER.index(ch) for row in rows for ch in row]
    data = bytearray(b'GIF89a')
    data += struct.pack('<HHBBB', width, height, 0x80 | (2 << 4) | 2, 0, 0)
    for ch in ORDER:
        data += bytes(PALETTE[ch])
    data += b'\x21\xF9\x04\x01\x00\x00\x00\x00'   # transparent colour 0
    data += b'\x2C' + struct.pack('<HHHHB', 0, 0, width, height, 0)
    data.append(3)
    body = lzw(pixels, 3)
    for i in range(0, len(body), 255):
        chunk = body[i:i + 255]
        data.append(len(chunk))
        data += chunk
    data += b'\x00\x3B'
    return bytes(data)


def main():
    top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(top, 'app', 'res', 'dhtml')
    os.makedirs(folder, exist_ok=True)
    for name, rows in IMAGES.items():
        with open(os.path.join(folder, name), 'wb') as f:
            f.write(gif(rows))


if __name__ == '__main__':
    main()
