#!/usr/bin/env python3
"""Checks the toolkit's PNG loader against a decoder of its own.

usage: pngsuite_check.py SUITE_DIR DUMP_DIR

For every PNG of SUITE_DIR (and its subfolder "interlaced") the toolkit tests
wrote DUMP_DIR/<name>.dump: a line "width height alpha" and then the DIB's
pixels, top row first, as bytes blue, green, red, alpha. This script decodes
the same file with the pure-Python decoder below, applies the transformations
the loader asks libpng for (16-bit samples cut to 8, palette and grey
expanded, transparency as alpha, grey to RGB, composition over the background
chunk, gamma 2.2 for the screen), and compares: exactly, or within one step
where gamma correction ran."""
import glob
import math
import os
import struct
import sys
import zlib

SCREEN_GAMMA = 2.2
ADAM7 = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2),
         (0, 1, 1, 2)]


class Png:
    def __init__(self, data):
        if data[:8] != b'\x89PNG\r\n\x1a\n':
            raise ValueError('no PNG signature')
        self.palette = None
        self.trns = None
        self.bkgd = None
        self.gamma = None
        idat = b''
        pos = 8
        while pos < len(data):
            length, kind = struct.unpack('>I4s', data[pos:pos + 8])
            body = data[pos + 8:pos + 8 + length]
            if zlib.crc32(kind + body) != struct.unpack('>I', data[pos + 8 + length:pos + 12 + length])[0]:
                raise ValueError('bad CRC in ' + kind.decode())
            if kind == b'IHDR':
                (self.width, self.height, self.depth, self.color_type, _, _,
                 self.interlace) = struct.unpack('>IIBBBBB', body)
            elif kind == b'PLTE':
                self.palette = [tuple(body[i:i + 3]) for i in range(0, len(body), 3)]
            elif kind == b'tRNS':
                self.trns = body
            elif kind == b'bKGD':
                self.bkgd = body
            elif kind == b'gAMA':
                self.gamma = struct.unpack('>I', body)[0] / 100000.0
            elif kind == b'IDAT':
                idat += body
            elif kind == b'IEND':
                break
            pos += 12 + length
        self.channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[self.color_type]
        self.samples = self.decode(zlib.decompress(idat))

    def bits_per_pixel(self):
        return self.channels * self.depth

    def decode(self, raw):
        """Rows of samples (ints at the file's bit depth), Adam7 passes merged."""
        image = [[None] * self.width for _ in range(self.height)]
        pos = 0
        passes = ADAM7 if self.interlace else [(0, 0, 1, 1)]
        for x0, y0, dx, dy in passes:
            w = (self.width - x0 + dx - 1) // dx
            h = (self.height - y0 + dy - 1) // dy
            if w <= 0 or h <= 0:
                continue
            stride = (w * self.bits_per_pixel() + 7) // 8
            bpp = max(1, self.bits_per_pixel() // 8)
            prev = bytearray(stride)
            for row in range(h):
                ftype = raw[pos]
                line = bytearray(raw[pos + 1:pos + 1 + stride])
                pos += 1 + stride
                unfilter(ftype, line, prev, bpp)
                prev = line
                pixels = self.unpack(line, w)
                for i, px in enumerate(pixels):
                    image[y0 + row * dy][x0 + i * dx] = px
        return image

    def unpack(self, line, w):
        n = self.channels
        if self.depth == 8:
            return [tuple(line[i * n:(i + 1) * n]) for i in range(w)]
        if self.depth == 16:
            return [tuple(struct.unpack('>H', line[(i * n + c) * 2:(i * n + c) * 2 + 2])[0]
                          for c in range(n)) for i in range(w)]
        per_byte = 8 // self.depth
        mask = (1 << self.depth) - 1
        out = []
        for i in range(w):
            byte = line[i // per_byte]
            shift = 8 - self.depth * (i % per_byte + 1)
            out.append(((byte >> shift) & mask,))
        return out


def unfilter(ftype, line, prev, bpp):
    for i in range(len(line)):
        a = line[i - bpp] if i >= bpp else 0
        b = prev[i]
        c = prev[i - bpp] if i >= bpp else 0
        if ftype == 1:
            line[i] = (line[i] + a) & 0xFF
        elif ftype == 2:
            line[i] = (line[i] + b) & 0xFF
        elif ftype == 3:
            line[i] = (line[i] + (a + b) // 2) & 0xFF
        elif ftype == 4:
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
            line[i] = (line[i] + pred) & 0xFF
        elif ftype != 0:
            raise ValueError('bad filter %d' % ftype)


def gamma_16_to_8(gamma_product):
    """Gamma correction of 16-bit samples the way libpng does it when the
    output is cut to 8 bits: the input keeps its 11 high bits, and each 8-bit
    output covers the inputs up to where the next one begins. Returns a
    function of the 16-bit sample."""
    shift = 5
    top = (1 << (16 - shift)) - 1
    table = [255] * (1 << (16 - shift))
    last = 0
    for i in range(255):
        bound = math.floor(65535 * ((i * 257 + 128) / 65535.0) ** gamma_product + 0.5)
        bound = (bound * top + 32768) // 65535 + 1
        while last < bound and last < len(table):
            table[last] = i
            last += 1
    return lambda v: table[v >> shift]


def expected_pixels(png):
    """(channels, rows of 8-bit RGB or RGBA tuples, gamma corrected?)"""
    maxv = (1 << png.depth) - 1
    gamma_on = png.gamma is not None and abs(png.gamma * SCREEN_GAMMA - 1.0) >= 0.05

    def to_unit(v):            # a sample of the file as 0..1
        return v / maxv

    # Linear light of a file sample, and the screen value of linear light.
    def linear(u):
        return u ** (1.0 / png.gamma) if gamma_on else u

    def screen(lin):
        if gamma_on:
            lin = lin ** (1.0 / SCREEN_GAMMA)
        return lin

    def out8(u):
        if png.depth == 16 and not gamma_on:
            return int(round(u * 65535)) >> 8       # the high byte
        return int(math.floor(255 * u + 0.5))

    if png.depth == 16 and gamma_on:
        gamma16 = gamma_16_to_8(png.gamma * SCREEN_GAMMA)
    else:
        gamma16 = None

    # Alpha (0..1) and colour (0..1 per channel) of every pixel.
    rows = []
    has_alpha = png.color_type in (4, 6) or png.trns is not None
    for src in png.samples:
        row = []
        for px in src:
            if png.color_type == 3:
                rgb = [c / 255.0 for c in png.palette[px[0]]]
                a = png.trns[px[0]] / 255.0 if png.trns and px[0] < len(png.trns) else 1.0
            elif png.color_type in (0, 4):
                rgb = [to_unit(px[0])] * 3
                if png.color_type == 4:
                    a = to_unit(px[1])
                else:
                    a = 0.0 if png.trns and px[0] == struct.unpack('>H', png.trns)[0] else 1.0
            else:
                rgb = [to_unit(v) for v in px[:3]]
                if png.color_type == 6:
                    a = to_unit(px[3])
                else:
                    a = 0.0 if png.trns and tuple(px) == struct.unpack('>HHH', png.trns) else 1.0
            row.append((rgb, a))
        rows.append(row)

    if png.bkgd is not None:
        if png.color_type == 3:
            bg = [c / 255.0 for c in png.palette[png.bkgd[0]]]
        elif png.color_type in (0, 4):
            bg = [to_unit(struct.unpack('>H', png.bkgd)[0])] * 3
        else:
            bg = [to_unit(v) for v in struct.unpack('>HHH', png.bkgd)]
        out = []
        for row in rows:
            line = []
            for rgb, a in row:
                if gamma16 and a in (0.0, 1.0):
                    # Opaque samples through the table, the background cut
                    # from its own 16-bit correction.
                    line.append(tuple(gamma16(round(c * 65535)) if a else
                                      math.floor(65535 * screen(linear(b)) + 0.5) >> 8
                                      for c, b in zip(rgb, bg)))
                else:
                    line.append(tuple(out8(screen(a * linear(c) + (1 - a) * linear(b)))
                                      for c, b in zip(rgb, bg)))
            out.append(line)
        return 3, out, gamma_on

    channels = 4 if has_alpha else 3
    out = []
    for row in rows:
        line = []
        for rgb, a in row:
            if gamma16:
                colour = tuple(gamma16(round(c * 65535)) for c in rgb)
            else:
                colour = tuple(out8(screen(linear(c))) for c in rgb)
            alpha = out8(a) if png.depth != 16 else int(round(a * 65535)) >> 8
            line.append(colour + ((alpha,) if has_alpha else ()))
        out.append(line)
    return channels, out, gamma_on


def check(path, dump_path):
    png = Png(open(path, 'rb').read())
    channels, expected, gamma_on = expected_pixels(png)
    with open(dump_path, 'rb') as f:
        header = f.readline().split()
        width, height, alpha = (int(v) for v in header)
        data = f.read()
    if (width, height) != (png.width, png.height):
        return 'size %dx%d, expected %dx%d' % (width, height, png.width, png.height)
    if alpha != (channels == 4):
        return 'alpha flag %d, expected %d' % (alpha, channels == 4)
    if len(data) != width * height * 4:
        return 'dump holds %d bytes' % len(data)
    tolerance = 1 if gamma_on else 0
    worst = 0
    for y in range(height):
        for x in range(width):
            b, g, r, a = data[(y * width + x) * 4:(y * width + x) * 4 + 4]
            want = expected[y][x]
            got = (r, g, b, a)
            want = tuple(want) + ((0,) if channels == 3 else ())
            diff = max(abs(p - q) for p, q in zip(got, want))
            worst = max(worst, diff)
            if diff > tolerance:
                return 'pixel %d,%d is %s, expected %s' % (x, y, got, want)
    return None


def main():
    suite, dumps = sys.argv[1], sys.argv[2]
    files = sorted(glob.glob(os.path.join(suite, '*.png'))
                   + glob.glob(os.path.join(suite, 'interlaced', '*.png')))
    if len(files) < 50:
        print('only %d suite images found in %s' % (len(files), suite))
        return 1
    failures = 0
    for path in files:
        name = os.path.relpath(path, suite).replace(os.sep, '_').replace('/', '_')
        dump = os.path.join(dumps, name + '.dump')
        if not os.path.exists(dump):
            print('%s: no dump written' % name)
            failures += 1
            continue
        problem = check(path, dump)
        if problem:
            print('%s: %s' % (name, problem))
            failures += 1
    print('%d images compared, %d differ' % (len(files), failures))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
