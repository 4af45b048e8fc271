#!/usr/bin/env python3
"""Writes ImageTestRes.rc: the images the toolkit's image tests load from
resources, as exact byte strings (the resource script holds no image files).

    python3 make_image_resources.py > ImageTestRes.rc
"""
import struct
import zlib


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
    print("// The toolkit's own resources, as every program with bars links them.")
    print('#include "toolkit/res/Toolkit.rc"')


if __name__ == '__main__':
    main()
