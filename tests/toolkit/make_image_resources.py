#!/usr/bin/env python3
"""Writes ImageTestRes.rc: the images the toolkit's image tests load from
resources, as exact byte strings (the resource script holds no image files).

    python3 make_image_resources.py > ImageTestRes.rc

It also writes res/square.cur, the cursor the script refers to.
"""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

MASK = (255, 0, 255)
SQUARES = [(255, 0, 0), (0, 160, 0), (0, 0, 255), (255, 255, 0)]


def toolbar_pixel(x, y):
    """A strip of four 16 x 15 images: a coloured 10 x 9 square at (3, 3) on
    the mask colour, and a black pixel at (1, 1) of each image."""
    i, cx = divmod(x, 16)
    if (cx, y) == (1, 1):
        return (0, 0, 0)
    if 3 <= cx < 13 and 3 <= y < 12:
        return SQUARES[i]
    return MASK


def alpha_pixel(x, y):
    """A strip of two 16 x 16 images with straight alpha: the first a brown
    whose alpha grows by 16 per column, the second opaque blue inside a
    transparent two-pixel border."""
    i, cx = divmod(x, 16)
    if i == 0:
        return (200, 100, 50, cx * 16)
    inside = 2 <= cx < 14 and 2 <= y < 14
    return (0, 0, 255, 255 if inside else 0)


def bitmap_24(width, height, pixel):
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in reversed(range(height)):
        row = b''.join(bytes((b, g, r)) for r, g, b in (pixel(x, y) for x in range(width)))
        rows.append(row + b'\0' * (-len(row) % 4))
    return header + b''.join(rows)


def bitmap_32(width, height, pixel):
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 32, 0, width * height * 4, 0, 0,
                         0, 0)
    rows = []
    for y in reversed(range(height)):
        rows.append(b''.join(bytes((b, g, r, a)) for r, g, b, a in
                             (pixel(x, y) for x in range(width))))
    return header + b''.join(rows)


def chunk(kind, body):
    return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))


def png_rgba(width, height, pixel):
    raw = b''.join(b'\0' + b''.join(bytes(pixel(x, y)) for x in range(width))
                   for y in range(height))
    return (b'\x89PNG\r\n\x1a\n'
            + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9))
            + chunk(b'IEND', b''))


def rc_bytes(data):
    lines = []
    for i in range(0, len(data), 24):
        lines.append('    "' + ''.join('\\x%02x' % b for b in data[i:i + 24]) + '"')
    return '\n'.join(lines)


def resource(name, kind, comment, data):
    print('// ' + comment)
    print('%s %s' % (name, kind))
    print('BEGIN')
    print(rc_bytes(data))
    print('END')
    print()


def cursor_file(hotspot, size, pixel):
    """A .cur file of one monochrome image: XOR and AND masks."""
    w = h = size
    header = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    stride = ((w + 31) // 32) * 4

    def plane(bit):
        rows = []
        for y in reversed(range(h)):
            row = bytearray(stride)
            for x in range(w):
                if bit(x, y):
                    row[x // 8] |= 0x80 >> (x % 8)
            rows.append(bytes(row))
        return b''.join(rows)

    image = header + palette + plane(lambda x, y: pixel(x, y) == 'w') \
        + plane(lambda x, y: pixel(x, y) == ' ')
    return (struct.pack('<HHH', 0, 2, 1)
            + struct.pack('<BBBBHHII', w, h, 0, 0, hotspot[0], hotspot[1], len(image), 22)
            + image)


def main():
    good_png = png_rgba(32, 16, alpha_pixel)
    print('#pragma code_page(65001)')
    print('// Written by make_image_resources.py; change that script, not this file.')
    print('#include "ImageTestRes.h"')
    print()
    resource('IDB_TEST_TOOLBAR', '2', 'Four 16 x 15 toolbar images, 24 bits, magenta background.',
             bitmap_24(64, 15, toolbar_pixel))
    print('// The toolbar layout for it: version 1, 16 x 15, six items, two of them separators.')
    print('IDR_TEST_TOOLBAR 241')
    print('BEGIN')
    print('    1, 16, 15, 6, 100, 101, 0, 102, 0, 103')
    print('END')
    print()
    resource('IDB_TEST_ALPHA', '2', 'Two 16 x 16 images, 32 bits with straight alpha.',
             bitmap_32(32, 16, alpha_pixel))
    resource('IDB_TEST_PNG', 'PNG', 'The same two images as a PNG with alpha.', good_png)
    resource('IDB_TEST_PNG_TRUNCATED', 'PNG', 'That PNG cut off in the middle of its data.',
             good_png[:len(good_png) // 2])
    resource('IDB_TEST_PNG_NINE', 'PNG', 'Its first nine bytes.', good_png[:9])
    resource('IDB_TEST_PNG_BADSIG', 'PNG', 'Right first four bytes, wrong rest of the signature.',
             good_png[:4] + b'\0\0\0\0' + good_png[8:])
    # The cursors the toolkit loads from the program's resources: a black
    # square with a white centre, hotspot in the middle. Resource scripts take
    # cursors only from files, so this one is written beside the script.
    square = cursor_file((16, 16), 32, lambda x, y: 'w' if 12 <= x < 20 and 12 <= y < 20 else
                         ('b' if 4 <= x < 28 and 4 <= y < 28 else ' '))
    os.makedirs(os.path.join(HERE, 'res'), exist_ok=True)
    with open(os.path.join(HERE, 'res', 'square.cur'), 'wb') as f:
        f.write(square)
    print('// The program cursors the toolkit loads.')
    for cursor_id in (9008, 9009, 9011, 9970, 9971, 9973):
        print('%d CURSOR "toolkit/res/square.cur"' % cursor_id)
    print()
    print("// The toolkit's own resources, as every program with bars links them (in")
    print('// this script, so that its cursor images are numbered with these).')
    print('#include "toolkit/res/Toolkit.rc"')


if __name__ == '__main__':
    main()
