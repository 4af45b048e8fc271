#!/usr/bin/env python3
"""Draws every picture of qivnotes.exe into app/res/ (run: make-app-images.py [OUTDIR]).

Pictures are made of shapes (rectangles, polygons, ellipses, strokes and
letters of a small pixel font) on a 16-unit grid, rasterised with 4 x 4
samples a pixel. Bitmaps for toolbars and buttons keep hard edges on a mask
colour; icons keep the coverage as alpha. Files are written byte by byte
(BMP, ICO, baseline JPEG), so the same script always gives the same bytes;
the outputs are committed and a test runs the script again and compares.
"""
import math
import os
import struct
import sys

# ---------------------------------------------------------------- colours
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
LIGHT = (192, 192, 192)
DARK = (64, 64, 64)
NAVY = (0, 0, 128)
BLUE = (40, 90, 200)
SKY = (120, 170, 240)
RED = (200, 30, 30)
GREEN = (30, 150, 50)
YELLOW = (250, 220, 80)
GOLD = (200, 150, 30)
PAPER = (255, 255, 250)
NOTE = (255, 240, 140)
BROWN = (150, 100, 40)
MAGENTA = (255, 0, 255)
MASK_GREEN = (0, 255, 0)
MASK_RED = (255, 0, 0)

# ---------------------------------------------------------------- pixel font
# 5 x 7 letters, one string a row, '#' set.
FONT = {
    'A': ['.###.', '#...#', '#...#', '#####', '#...#', '#...#', '#...#'],
    'B': ['####.', '#...#', '#...#', '####.', '#...#', '#...#', '####.'],
    'C': ['.###.', '#...#', '#....', '#....', '#....', '#...#', '.###.'],
    'D': ['####.', '#...#', '#...#', '#...#', '#...#', '#...#', '####.'],
    'E': ['#####', '#....', '#....', '####.', '#....', '#....', '#####'],
    'F': ['#####', '#....', '#....', '####.', '#....', '#....', '#....'],
    'H': ['#...#', '#...#', '#...#', '#####', '#...#', '#...#', '#...#'],
    'I': ['.###.', '..#..', '..#..', '..#..', '..#..', '..#..', '.###.'],
    'K': ['#...#', '#..#.', '#.#..', '##...', '#.#..', '#..#.', '#...#'],
    'L': ['#....', '#....', '#....', '#....', '#....', '#....', '#####'],
    'N': ['#...#', '##..#', '#.#.#', '#..##', '#...#', '#...#', '#...#'],
    'O': ['.###.', '#...#', '#...#', '#...#', '#...#', '#...#', '.###.'],
    'Q': ['.###.', '#...#', '#...#', '#...#', '#.#.#', '#..#.', '.##.#'],
    'R': ['####.', '#...#', '#...#', '####.', '#.#..', '#..#.', '#...#'],
    'S': ['.####', '#....', '#....', '.###.', '....#', '....#', '####.'],
    'T': ['#####', '..#..', '..#..', '..#..', '..#..', '..#..', '..#..'],
    'U': ['#...#', '#...#', '#...#', '#...#', '#...#', '#...#', '.###.'],
    'V': ['#...#', '#...#', '#...#', '#...#', '#...#', '.#.#.', '..#..'],
    'W': ['#...#', '#...#', '#...#', '#.#.#', '#.#.#', '##.##', '#...#'],
    'Z': ['#####', '....#', '...#.', '..#..', '.#...', '#....', '#####'],
    '0': ['.###.', '#...#', '#..##', '#.#.#', '##..#', '#...#', '.###.'],
    '1': ['..#..', '.##..', '..#..', '..#..', '..#..', '..#..', '.###.'],
    '2': ['.###.', '#...#', '....#', '...#.', '..#..', '.#...', '#####'],
    '9': ['.###.', '#...#', '#...#', '.####', '....#', '...#.', '.##..'],
    '?': ['.###.', '#...#', '....#', '...#.', '..#..', '.....', '..#..'],
    '!': ['..#..', '..#..', '..#..', '..#..', '..#..', '.....', '..#..'],
    '+': ['.....', '..#..', '..#..', '#####', '..#..', '..#..', '.....'],
    '-': ['.....', '.....', '.....', '#####', '.....', '.....', '.....'],
    ' ': ['.....'] * 7,
}


# ---------------------------------------------------------------- shapes
class Rect:
    def __init__(self, x0, y0, x1, y1, colour):
        self.box = (x0, y0, x1, y1)
        self.colour = colour

    def hit(self, x, y):
        x0, y0, x1, y1 = self.box
        return x0 <= x < x1 and y0 <= y < y1


class Ellipse:
    def __init__(self, cx, cy, rx, ry, colour):
        self.c = (cx, cy, rx, ry)
        self.box = (cx - rx, cy - ry, cx + rx, cy + ry)
        self.colour = colour

    def hit(self, x, y):
        cx, cy, rx, ry = self.c
        return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


class Poly:
    def __init__(self, points, colour):
        self.points = points
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        self.box = (min(xs), min(ys), max(xs), max(ys))
        self.colour = colour

    def hit(self, x, y):
        inside = False
        pts = self.points
        j = len(pts) - 1
        for i in range(len(pts)):
            xi, yi = pts[i]
            xj, yj = pts[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                inside = not inside
            j = i
        return inside


def stroke(x0, y0, x1, y1, width, colour):
    """A straight stroke of the width as a four-sided polygon."""
    dx, dy = x1 - x0, y1 - y0
    length = math.hypot(dx, dy) or 1.0
    nx, ny = -dy / length * width / 2, dx / length * width / 2
    return Poly([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)],
                colour)


def frame(x0, y0, x1, y1, colour, inner, width=1):
    """A filled rectangle with an outline."""
    return [Rect(x0, y0, x1, y1, colour), Rect(x0 + width, y0 + width, x1 - width, y1 - width, inner)]


def text(s, x, y, colour, scale=1.0):
    """Letters of the pixel font, each 5 x 7 cells of the scale, 1 cell apart."""
    shapes = []
    for n, ch in enumerate(s):
        rows = FONT[ch]
        for r, row in enumerate(rows):
            for c, cell in enumerate(row):
                if cell == '#':
                    cx = x + (n * 6 + c) * scale
                    cy = y + r * scale
                    shapes.append(Rect(cx, cy, cx + scale, cy + scale, colour))
    return shapes


def vertical_text(s, x, y_bottom, colour, scale=1.0):
    """Letters that run upwards from y_bottom, turned a quarter left."""
    shapes = []
    for n, ch in enumerate(s):
        rows = FONT[ch]
        for r, row in enumerate(rows):
            for c, cell in enumerate(row):
                if cell == '#':
                    cx = x + r * scale
                    cy = y_bottom - (n * 6 + c + 1) * scale
                    shapes.append(Rect(cx, cy, cx + scale, cy + scale, colour))
    return shapes


def moved(shapes, dx, dy):
    out = []
    for s in shapes:
        if isinstance(s, Rect):
            x0, y0, x1, y1 = s.box
            out.append(Rect(x0 + dx, y0 + dy, x1 + dx, y1 + dy, s.colour))
        elif isinstance(s, Ellipse):
            cx, cy, rx, ry = s.c
            out.append(Ellipse(cx + dx, cy + dy, rx, ry, s.colour))
        else:
            out.append(Poly([(px + dx, py + dy) for px, py in s.points], s.colour))
    return out


# ---------------------------------------------------------------- rasteriser
def rasterise(shapes, width, height, unit, samples=4):
    """RGBA rows (top row first) of the shapes drawn on a grid of `unit`
    pixels a grid unit; later shapes lie over earlier ones."""
    n = samples
    grid = [None] * (width * n * height * n)
    stride = width * n
    for shape in shapes:
        x0, y0, x1, y1 = shape.box
        sx0 = max(0, int(math.floor(x0 * unit * n)))
        sy0 = max(0, int(math.floor(y0 * unit * n)))
        sx1 = min(width * n, int(math.ceil(x1 * unit * n)))
        sy1 = min(height * n, int(math.ceil(y1 * unit * n)))
        for sy in range(sy0, sy1):
            y = (sy + 0.5) / n / unit
            base = sy * stride
            for sx in range(sx0, sx1):
                if shape.hit((sx + 0.5) / n / unit, y):
                    grid[base + sx] = shape.colour
    rows = []
    for py in range(height):
        row = []
        for px in range(width):
            r = g = b = k = 0
            for sy in range(py * n, py * n + n):
                base = sy * stride
                for sx in range(px * n, px * n + n):
                    c = grid[base + sx]
                    if c is not None:
                        r += c[0]
                        g += c[1]
                        b += c[2]
                        k += 1
            if k:
                row.append((round(r / k), round(g / k), round(b / k), round(255 * k / (n * n))))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def on_mask(rows, mask):
    """Hard edges on the mask colour: a pixel at least half covered keeps its
    colour, any other pixel becomes the mask colour."""
    return [[(p[0], p[1], p[2]) if p[3] >= 128 else mask for p in row] for row in rows]


def on_background(rows, background):
    """Coverage blended over a background colour."""
    out = []
    for row in rows:
        line = []
        for r, g, b, a in row:
            line.append(tuple(round((c * a + bg * (255 - a)) / 255) for c, bg in zip((r, g, b), background)))
        out.append(line)
    return out


def side_by_side(images):
    rows = []
    for y in range(len(images[0])):
        line = []
        for img in images:
            line.extend(img[y])
        rows.append(line)
    return rows


# ---------------------------------------------------------------- writers
def bmp24(rows):
    height = len(rows)
    width = len(rows[0])
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b'\0' * (stride - len(line))
        data += line
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return b'BM' + struct.pack('<IHHI', 14 + len(header) + len(data), 0, 0, 14 + len(header)) + header + data


def bmp4(rows, palette):
    """A 16-colour bitmap; every pixel colour must be in the palette."""
    height = len(rows)
    width = len(rows[0])
    stride = ((width + 1) // 2 + 3) & ~3
    index = {c: i for i, c in enumerate(palette)}
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for x in range(0, width, 2):
            hi = index[row[x]]
            lo = index[row[x + 1]] if x + 1 < width else 0
            line.append(hi << 4 | lo)
        line += b'\0' * (stride - len(line))
        data += line
    pal = b''.join(bytes((b, g, r, 0)) for r, g, b in palette) + b'\0' * 4 * (16 - len(palette))
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 4, 0, len(data), 2835, 2835, 16, 16)
    offset = 14 + len(header) + len(pal)
    return b'BM' + struct.pack('<IHHI', offset + len(data), 0, 0, offset) + header + pal + data


def ico(images):
    """An icon file of 32-bit images with alpha and an AND mask, one per size."""
    entries = []
    blobs = []
    for rows in images:
        size = len(rows)
        xor = bytearray()
        for row in reversed(rows):
            for r, g, b, a in row:
                xor += bytes((b, g, r, a))
        mask_stride = ((size + 31) // 32) * 4
        andmask = bytearray()
        for row in reversed(rows):
            bits = bytearray(mask_stride)
            for x, p in enumerate(row):
                if p[3] == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            andmask += bits
        header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, len(xor) + len(andmask), 0, 0, 0, 0)
        blob = header + xor + andmask
        blobs.append(blob)
        entries.append((size, blob))
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, blob in entries:
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return out + b''.join(blobs)


# Baseline JPEG: 4:4:4 YCbCr, the standard tables scaled to quality 90,
# the standard Huffman tables.
ZIGZAG = [0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5, 12, 19, 26, 33, 40, 48,
          41, 34, 27, 20, 13, 6, 7, 14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22,
          15, 23, 30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55,
          62, 63]
LUMA_Q = [16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55, 14, 13, 16, 24,
          40, 57, 69, 56, 14, 17, 22, 29, 51, 87, 80, 62, 18, 22, 37, 56, 68, 109, 103, 77,
          24, 35, 55, 64, 81, 104, 113, 92, 49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95,
          98, 112, 100, 103, 99]
CHROMA_Q = [17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, 24, 26, 56, 99,
            99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99] + [99] * 32
DC_LUMA = ([0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0], list(range(12)))
DC_CHROMA = ([0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0], list(range(12)))
AC_LUMA = ([0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7d], bytes.fromhex(
    '01020300041105122131410613516107227114328191a1082342b1c11552d1f02433627282090a16'
    '1718191a25262728292a3435363738393a434445464748494a535455565758595a63646566676869'
    '6a737475767778797a838485868788898a92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6'
    'b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae1e2e3e4e5e6e7e8e9eaf1f2f3f4f5f6f7f8'
    'f9fa'))
AC_CHROMA = ([0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77], bytes.fromhex(
    '000102031104052131061241510761711322328108144291a1b1c109233352f0156272d10a162434'
    'e125f11718191a262728292a35363738393a434445464748494a535455565758595a636465666768'
    '696a737475767778797a82838485868788898a92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4'
    'b5b6b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae2e3e4e5e6e7e8e9eaf2f3f4f5f6f7f8'
    'f9fa'))


def scaled_table(table, quality=90):
    scale = 200 - quality * 2
    return [min(255, max(1, (q * scale + 50) // 100)) for q in table]


def huffman_codes(table):
    counts, symbols = table
    codes = {}
    code = 0
    k = 0
    for length in range(1, 17):
        for _ in range(counts[length - 1]):
            codes[symbols[k]] = (code, length)
            code += 1
            k += 1
        code <<= 1
    return codes


class BitWriter:
    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.n = 0

    def put(self, code, length):
        for i in range(length - 1, -1, -1):
            self.acc = (self.acc << 1) | ((code >> i) & 1)
            self.n += 1
            if self.n == 8:
                self.out.append(self.acc)
                if self.acc == 0xFF:
                    self.out.append(0)
                self.acc = 0
                self.n = 0

    def flush(self):
        if self.n:
            self.put((1 << (8 - self.n)) - 1, 8 - self.n)


COS = [[math.cos((2 * x + 1) * u * math.pi / 16) for x in range(8)] for u in range(8)]


def fdct(block):
    out = [0.0] * 64
    for v in range(8):
        for u in range(8):
            s = 0.0
            for y in range(8):
                cy = COS[v][y]
                row = block[y * 8:y * 8 + 8]
                cu = COS[u]
                s += cy * (row[0] * cu[0] + row[1] * cu[1] + row[2] * cu[2] + row[3] * cu[3] +
                           row[4] * cu[4] + row[5] * cu[5] + row[6] * cu[6] + row[7] * cu[7])
            cu_ = math.sqrt(0.5) if u == 0 else 1.0
            cv_ = math.sqrt(0.5) if v == 0 else 1.0
            out[v * 8 + u] = 0.25 * cu_ * cv_ * s
    return out


def magnitude(value):
    n = abs(value).bit_length()
    bits = value if value >= 0 else value + (1 << n) - 1
    return n, bits


def jpeg(rows):
    height = len(rows)
    width = len(rows[0])
    lq = scaled_table(LUMA_Q)
    cq = scaled_table(CHROMA_Q)
    dc_codes = [huffman_codes(DC_LUMA), huffman_codes(DC_CHROMA)]
    ac_codes = [huffman_codes(AC_LUMA), huffman_codes(AC_CHROMA)]
    planes = [[], [], []]
    for y in range(height):
        for x in range(width):
            r, g, b = rows[y][x]
            planes[0].append(0.299 * r + 0.587 * g + 0.114 * b - 128)
            planes[1].append(-0.168736 * r - 0.331264 * g + 0.5 * b)
            planes[2].append(0.5 * r - 0.418688 * g - 0.081312 * b)
    writer = BitWriter()
    previous = [0, 0, 0]
    for by in range(0, height, 8):
        for bx in range(0, width, 8):
            for comp in range(3):
                block = []
                for y in range(8):
                    yy = min(by + y, height - 1)
                    for x in range(8):
                        xx = min(bx + x, width - 1)
                        block.append(planes[comp][yy * width + xx])
                coeffs = fdct(block)
                q = lq if comp == 0 else cq
                table = 0 if comp == 0 else 1
                zz = [int(round(coeffs[ZIGZAG[i]] / q[ZIGZAG[i]])) for i in range(64)]
                diff = zz[0] - previous[comp]
                previous[comp] = zz[0]
                n, bits = magnitude(diff)
                writer.put(*dc_codes[table][n])
                if n:
                    writer.put(bits, n)
                run = 0
                for i in range(1, 64):
                    if zz[i] == 0:
                        run += 1
                        continue
                    while run > 15:
                        writer.put(*ac_codes[table][0xF0])
                        run -= 16
                    n, bits = magnitude(zz[i])
                    writer.put(*ac_codes[table][(run << 4) | n])
                    writer.put(bits, n)
                    run = 0
                if run:
                    writer.put(*ac_codes[table][0x00])
    writer.flush()

    def segment(marker, payload):
        return struct.pack('>HH', marker, len(payload) + 2) + payload

    out = bytearray(b'\xff\xd8')
    out += segment(0xFFE0, b'JFIF\0\x01\x01\x00\x00\x01\x00\x01\x00\x00')
    out += segment(0xFFDB, bytes([0]) + bytes(lq[ZIGZAG[i]] for i in range(64)) +
                   bytes([1]) + bytes(cq[ZIGZAG[i]] for i in range(64)))
    out += segment(0xFFC0, struct.pack('>BHHB', 8, height, width, 3) +
                   bytes([1, 0x11, 0, 2, 0x11, 1, 3, 0x11, 1]))
    for cls_id, table in ((0x00, DC_LUMA), (0x10, AC_LUMA), (0x01, DC_CHROMA), (0x11, AC_CHROMA)):
        out += segment(0xFFC4, bytes([cls_id]) + bytes(table[0]) + bytes(table[1]))
    out += segment(0xFFDA, bytes([3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0]))
    out += writer.out
    out += b'\xff\xd9'
    return bytes(out)


# ---------------------------------------------------------------- glyphs
# Each glyph is a list of shapes on a 16 x 16 grid.
def page(x=3, y=1, w=10, h=14, lines=True):
    shapes = frame(x, y, x + w, y + h, DARK, PAPER)
    if lines:
        ly = y + 3
        while ly < y + h - 2:
            shapes.append(Rect(x + 2, ly, x + w - 2, ly + 1, BLUE))
            ly += 2
    return shapes


def folder(open_=False, x=1, y=3, colour=YELLOW):
    shapes = [Rect(x, y, x + 6, y + 2, GOLD), Rect(x, y + 1, x + 14, y + 11, GOLD),
              Rect(x + 1, y + 2, x + 13, y + 10, colour)]
    if open_:
        shapes.append(Poly([(x + 3, y + 5), (x + 15, y + 5), (x + 13, y + 11), (x, y + 11)], GOLD))
        shapes.append(Poly([(x + 3.8, y + 6), (x + 13.8, y + 6), (x + 12.2, y + 10), (x + 1.3, y + 10)], NOTE))
    return shapes


def badge_plus(colour=GREEN):
    return [Rect(9, 11, 16, 14, colour), Rect(11, 9, 14, 16, colour)]


def arrow(direction, colour=BLUE, x=2, y=2, size=12):
    """A thick arrow filling the box (x, y, size)."""
    c = size / 2
    pts = [(0, c - 2), (c, c - 2), (c, 0), (size, c), (c, size), (c, c + 2), (0, c + 2)]
    if direction == 'left':
        pts = [(size - px, py) for px, py in pts]
    elif direction == 'up':
        pts = [(py, size - px) for px, py in pts]
    elif direction == 'down':
        pts = [(py, px) for px, py in pts]
    return [Poly([(x + px, y + py) for px, py in pts], colour)]


def bar_to(direction, colour=DARK):
    """The stop bar of a first/last arrow."""
    return {'left': [Rect(1, 2, 3, 14, colour)], 'right': [Rect(13, 2, 15, 14, colour)],
            'up': [Rect(2, 1, 14, 3, colour)], 'down': [Rect(2, 13, 14, 15, colour)]}[direction]


def letter(ch, colour=BLACK, x=4, y=3, scale=1.5):
    return text(ch, x, y, colour, scale)


def floppy():
    return (frame(1, 1, 15, 15, NAVY, BLUE) + [Rect(4, 1, 12, 6, WHITE), Rect(9, 2, 11, 5, NAVY),
                                                 Rect(3, 9, 13, 15, LIGHT)])


def scissors():
    return [stroke(4, 2, 10, 11, 1.5, GREY), stroke(12, 2, 6, 11, 1.5, GREY),
            Ellipse(4.5, 12.5, 2.5, 2.5, RED), Ellipse(4.5, 12.5, 1.2, 1.2, WHITE),
            Ellipse(11.5, 12.5, 2.5, 2.5, RED), Ellipse(11.5, 12.5, 1.2, 1.2, WHITE)]


def copies():
    return page(1, 1, 9, 11, False) + page(6, 4, 9, 11)


def clipboard():
    return frame(2, 2, 14, 15, BROWN, (210, 170, 100)) + page(5, 5, 8, 9) + [Rect(5, 1, 11, 4, GREY)]


def printer():
    return (page(4, 1, 8, 7, False) + frame(1, 7, 15, 13, DARK, LIGHT) +
            [Rect(12, 8, 14, 9, GREEN)] + page(4, 11, 8, 4, False))


def magnifier():
    return [stroke(9.5, 9.5, 14, 14, 3, BROWN), Ellipse(6.5, 6.5, 5, 5, DARK),
            Ellipse(6.5, 6.5, 3.8, 3.8, SKY), Ellipse(5.3, 5.3, 1.2, 1.2, WHITE)]


def clock():
    return [Ellipse(8, 8, 7, 7, DARK), Ellipse(8, 8, 6, 6, WHITE),
            stroke(8, 8, 8, 3.5, 1.3, BLACK), stroke(8, 8, 11.5, 8, 1.3, BLACK)]


def calendar_clock():
    return frame(1, 2, 11, 12, DARK, WHITE) + [Rect(1, 2, 11, 5, RED)] + moved(
        [Ellipse(10, 11, 5, 5, DARK), Ellipse(10, 11, 4, 4, WHITE),
         stroke(10, 11, 10, 8, 1.2, BLACK), stroke(10, 11, 12.5, 11, 1.2, BLACK)], 0, 0)


def note():
    return frame(2, 2, 14, 14, GOLD, NOTE) + [Poly([(10, 14), (14, 10), (14, 14)], GOLD)] + [
        Rect(4, 5, 12, 6, BROWN), Rect(4, 8, 11, 9, BROWN)]


def pen():
    return [stroke(3, 13, 12, 4, 2.5, GOLD), Poly([(1.8, 14.2), (2.3, 11.8), (4.2, 13.7)], BLACK),
            stroke(11.3, 4.7, 13, 3, 2.5, RED)]


def paperclip():
    return [stroke(9, 2, 9, 12, 1.2, DARK), stroke(12, 4, 12, 13, 1.2, DARK),
            stroke(6, 4, 6, 11, 1.2, DARK), Ellipse(10.5, 13, 1.9, 1.9, DARK),
            Ellipse(7.5, 3.5, 1.9, 1.9, DARK)]


def globe(colour=BLUE):
    return [Ellipse(8, 8, 7, 7, colour), Ellipse(8, 8, 6, 6, SKY),
            Poly([(4, 4), (8, 3), (9, 6), (6, 8), (5, 11), (3, 8)], GREEN),
            Poly([(10, 9), (13, 8), (12, 12), (10, 13)], GREEN)]


def cart():
    return [stroke(1, 3, 4, 3, 1.2, DARK), stroke(4, 3, 6, 11, 1.2, DARK),
            Poly([(5, 5), (15, 5), (13, 10), (6, 10)], BLUE), Rect(6, 11, 14, 12, DARK),
            Ellipse(7, 13.5, 1.5, 1.5, DARK), Ellipse(13, 13.5, 1.5, 1.5, DARK)]


def door():
    return frame(3, 1, 12, 15, BROWN, (180, 130, 60)) + [Ellipse(10, 8, 0.8, 0.8, GOLD)] + arrow(
        'right', RED, 8, 5, 7)


def gear():
    shapes = []
    for k in range(8):
        a = k * math.pi / 4
        shapes.append(stroke(8 + 4 * math.cos(a), 8 + 4 * math.sin(a), 8 + 7 * math.cos(a),
                             8 + 7 * math.sin(a), 2.5, DARK))
    return shapes + [Ellipse(8, 8, 5, 5, GREY), Ellipse(8, 8, 2, 2, WHITE)]


def bulb(lit=True):
    glass = YELLOW if lit else LIGHT
    return [Ellipse(8, 6, 5, 5, DARK), Ellipse(8, 6, 4.2, 4.2, glass), Rect(6, 10, 10, 14, GREY),
            Rect(6, 11, 10, 12, DARK), Rect(7, 14, 9, 15, DARK)]


def question(colour=BLUE):
    return [Ellipse(8, 8, 7, 7, colour)] + text('?', 5.5, 4.5, WHITE, 1.0)


def tick(colour=GREEN):
    return [stroke(2.5, 8.5, 6.5, 12.5, 2.4, colour), stroke(6, 12.5, 13.5, 3.5, 2.4, colour)]


def cross(colour=RED):
    return [stroke(3, 3, 13, 13, 2.4, colour), stroke(13, 3, 3, 13, 2.4, colour)]


def lines_glyph(align):
    shapes = []
    for n, width in enumerate((12, 8, 12, 6, 10)):
        y = 2 + n * 2.6
        if align == 'left':
            x = 2
        elif align == 'right':
            x = 14 - width
        else:
            x = 8 - width / 2
        shapes.append(Rect(x, y, x + width, y + 1.4, BLACK))
    return shapes


def bullets():
    shapes = []
    for n in range(3):
        y = 3 + n * 4.5
        shapes += [Ellipse(3, y + 0.7, 1.3, 1.3, BLUE), Rect(6, y, 14, y + 1.4, BLACK)]
    return shapes


def panes(kind):
    shapes = frame(1, 2, 15, 14, DARK, WHITE)
    if kind in ('normal', 'tree'):
        shapes.append(Rect(2, 3, 6, 13, SKY))
    if kind in ('normal', 'text'):
        x0 = 7 if kind == 'normal' else 3
        for y in range(4, 12, 2):
            shapes.append(Rect(x0, y, 14, y + 1, BLUE))
    if kind == 'normal':
        shapes.append(Rect(6, 3, 7, 13, DARK))
    return shapes


def attachments_pane():
    return frame(1, 2, 15, 14, DARK, WHITE) + [Rect(2, 9, 14, 10, DARK), Rect(3, 11, 5, 13, GOLD),
                                               Rect(6, 11, 13, 12, BLUE)]


def banner_glyph():
    return frame(1, 1, 15, 15, DARK, WHITE) + [Rect(2, 2, 6, 14, NAVY)] + vertical_text('Q', 2.5, 12.5, WHITE, 0.55)


def colour_a(colour):
    return letter('A', BLACK, 4, 1, 1.4) + [Rect(2, 12, 14, 15, colour)]


def size_glyph():
    return text('A', 1, 6, BLACK, 1.0) + text('A', 7, 2, BLACK, 1.4)


def bigger():
    return text('A', 1, 3, BLACK, 1.4) + [Poly([(12, 2), (15, 6), (9, 6)], GREEN)]


def smaller():
    return text('A', 1, 5, BLACK, 1.0) + [Poly([(9, 9), (15, 9), (12, 13)], RED)]


def superscript():
    return text('A', 1, 6, BLACK, 1.2) + text('2', 10, 1, RED, 0.8)


def wrap():
    return [Rect(2, 3, 14, 4.4, BLACK), Rect(2, 7, 11, 8.4, BLACK), stroke(11, 7.7, 13, 7.7, 1.4, BLUE),
            stroke(13, 7.7, 13, 11.7, 1.4, BLUE), Poly([(13.6, 12.7), (10, 9.7), (10, 13.7)], BLUE),
            Rect(2, 11, 8, 12.4, BLACK)]


def character_map():
    shapes = frame(1, 1, 15, 15, DARK, WHITE)
    for k in range(1, 4):
        shapes += [Rect(1, 1 + k * 3.5, 15, 1.7 + k * 3.5, LIGHT), Rect(1 + k * 3.5, 1, 1.7 + k * 3.5, 15, LIGHT)]
    return shapes + text('A', 5.5, 5, BLUE, 0.9)


def select_all():
    shapes = []
    for x in range(1, 15, 2):
        shapes += [Rect(x, 1, x + 1, 2, BLACK), Rect(x, 14, x + 1, 15, BLACK)]
    for y in range(1, 15, 2):
        shapes += [Rect(1, y, 2, y + 1, BLACK), Rect(14, y, 15, y + 1, BLACK)]
    return shapes + [Rect(4, 5, 12, 6.4, BLUE), Rect(4, 8, 12, 9.4, BLUE), Rect(4, 11, 10, 12.4, BLUE)]


def undo():
    return [Poly([(2, 6), (9, 6), (12, 7), (14, 10), (14, 14), (11.5, 14), (11.5, 10.5), (10, 9), (2, 9)], BLUE),
            Poly([(0.5, 7.5), (5, 3), (5, 12)], BLUE)]


def sort_glyph():
    return text('A', 1, 1, BLUE, 0.9) + text('Z', 1, 9, BLUE, 0.9) + [
        Rect(11, 2, 13, 11, DARK), Poly([(8.5, 10), (15.5, 10), (12, 14.5)], DARK)]


def palette_glyph():
    return [Ellipse(8, 8, 7, 6, BROWN), Ellipse(8, 8, 6.2, 5.2, (240, 220, 180)),
            Ellipse(5, 6, 1.4, 1.4, RED), Ellipse(8.5, 4.8, 1.4, 1.4, GREEN), Ellipse(11.5, 6.5, 1.4, 1.4, BLUE),
            Ellipse(11, 10, 1.4, 1.4, YELLOW), Ellipse(6, 10.5, 1.6, 1.2, (230, 120, 200))]


def font_glyph():
    return text('F', 1, 2, NAVY, 1.3) + text('A', 8, 5, RED, 1.0)


def paragraph_glyph():
    return [Ellipse(6, 5, 3.5, 3.5, BLACK), Rect(6, 1.5, 13, 3, BLACK), Rect(8, 2, 9.5, 15, BLACK),
            Rect(11, 2, 12.5, 15, BLACK)]


def export_to(kind):
    return page(1, 1, 9, 13) + arrow('right', GREEN, 7, 7, 8) + ([] if kind is None else kind)


def import_from(kind):
    return page(6, 1, 9, 13) + arrow('right', BLUE, 1, 7, 8) + ([] if kind is None else kind)


def html_badge():
    return [Rect(9, 1, 16, 6, RED)] + text('W', 9.6, 1.5, WHITE, 0.55)


def csv_badge():
    return [Rect(9, 1, 16, 6, GREEN)] + text('C', 10.5, 1.5, WHITE, 0.55)


def card_badge():
    return [Rect(9, 1, 16, 7, NAVY)] + text('Q', 10.5, 1.7, WHITE, 0.6)


def vault_badge():
    return [Rect(9, 1, 16, 7, BROWN)] + text('V', 10.5, 1.7, WHITE, 0.6)


def dhtml_badge():
    return [Rect(9, 1, 16, 7, (120, 40, 160))] + text('D', 10.5, 1.7, WHITE, 0.6)


def text_badge():
    return [Rect(9, 1, 16, 7, DARK)] + text('T', 10.5, 1.7, WHITE, 0.6)


def shortcut():
    return page(2, 1, 11, 14) + frame(1, 9, 8, 16, BLACK, WHITE) + [
        stroke(2.5, 14.5, 6, 11, 1.2, BLACK), Poly([(6.8, 10.2), (3.8, 10.2), (6.8, 13.2)], BLACK)]


def page_setup():
    return page(3, 1, 10, 14, False) + [Rect(5, 3, 11, 13, SKY)] + [
        stroke(5, 3, 5, 13, 0.6, BLUE), stroke(11, 3, 11, 13, 0.6, BLUE)]


def preview():
    return page(1, 1, 10, 14) + [stroke(11, 11, 15, 15, 2.2, BROWN), Ellipse(9, 9, 3.5, 3.5, DARK),
                                 Ellipse(9, 9, 2.5, 2.5, SKY)]


def card_box():
    return ([Poly([(1, 6), (15, 6), (14, 15), (2, 15)], BROWN)] + page(3, 1, 7, 9, False) +
            page(6, 2, 7, 8, False) + [Rect(1, 9, 15, 15, (170, 120, 50)), Rect(6, 11, 10, 12.5, DARK)])


def toolbars_glyph():
    return frame(1, 2, 15, 7, DARK, LIGHT) + frame(1, 9, 11, 14, DARK, LIGHT) + [
        Rect(3, 3.5, 5, 5.5, BLUE), Rect(7, 3.5, 9, 5.5, RED), Rect(3, 10.5, 5, 12.5, GREEN)]


def status_glyph():
    return frame(1, 3, 15, 13, DARK, WHITE) + [Rect(2, 10, 14, 12, LIGHT), Rect(11, 10.5, 13.5, 11.5, DARK)]


def category_glyph(count):
    shapes = folder(False, 1, 2)
    for k in range(count):
        shapes.append(Rect(3 + k * 3.5, 8, 5 + k * 3.5, 10, NAVY))
    return shapes


def entry_glyph(selected, attached):
    shapes = page(3, 1, 10, 14)
    if selected:
        shapes += [Rect(5, 4, 11, 5, RED)]
    if attached:
        shapes += [stroke(12, 5, 12, 14, 1.2, DARK), stroke(14, 7, 14, 15, 1.2, DARK),
                   Ellipse(13, 14.5, 1.3, 1.0, DARK), Ellipse(13, 6, 1.3, 1.0, DARK)]
    return shapes


def expand_glyph(sign):
    shapes = frame(3, 3, 13, 13, GREY, WHITE) + [Rect(5, 7.3, 11, 8.7, BLACK)]
    if sign == '+':
        shapes.append(Rect(7.3, 5, 8.7, 11, BLACK))
    return shapes


def all_glyph(sign):
    return moved(expand_glyph(sign), -2, -2) + moved(expand_glyph(sign), 2, 2)


def plus(shapes):
    return shapes + badge_plus()


def small(shapes, scale=0.6, dx=8, dy=8):
    """The shapes shrunk into the lower right corner."""
    out = []
    for s in shapes:
        if isinstance(s, Rect):
            x0, y0, x1, y1 = s.box
            out.append(Rect(x0 * scale + dx, y0 * scale + dy, x1 * scale + dx, y1 * scale + dy, s.colour))
        elif isinstance(s, Ellipse):
            cx, cy, rx, ry = s.c
            out.append(Ellipse(cx * scale + dx, cy * scale + dy, rx * scale, ry * scale, s.colour))
        else:
            out.append(Poly([(px * scale + dx, py * scale + dy) for px, py in s.points], s.colour))
    return out


# ---------------------------------------------------------------- toolbars
# (command id, glyph); id 0 is a separator. The order here is the order of
# the buttons and of the images in the toolbar's bitmap.
TOOLBARS = {
    'IDR_TOOLBAR_STANDARD': ('standard.bmp', [
        (57600, card_box()), (57601, folder(True)), (57603, floppy()), (0, None),
        (57635, scissors()), (57634, copies()), (57637, clipboard()), (0, None),
        (57607, printer()), (57609, preview()), (0, None),
        (32775, plus(folder())), (32776, plus(page())), (32798, note()), (0, None),
        (32816, magnifier()), (32846, page(1, 1, 9, 13) + arrow('right', GREEN, 6, 5, 10)), (0, None),
        (32800, calendar_clock()), (0, None), (57664, question()),
    ]),
    'IDR_TOOLBAR_FORMAT': ('format.bmp', [
        (33032, font_glyph()), (33033, size_glyph()), (0, None),
        (32779, letter('B', BLACK, 2.5, 1.5, 1.7)), (32781, letter('I', NAVY, 2.5, 1.5, 1.7)),
        (32782, letter('U', BLACK, 2.5, 0.5, 1.6) + [Rect(2, 13.5, 14, 15, BLACK)]),
        (32864, letter('S', BLACK, 2.5, 1.5, 1.7) + [Rect(1, 7, 15, 8.3, RED)]), (0, None),
        (32783, lines_glyph('left')), (32786, lines_glyph('centre')), (32785, lines_glyph('right')), (0, None),
        (32817, bullets()), (0, None), (32856, colour_a(RED)),
    ]),
    'IDR_TOOLBAR_VIEW': ('view.bmp', [
        (33013, arrow('left', BLUE)), (33012, arrow('right', BLUE)), (0, None),
        (32805, arrow('up', GREEN, 2, 4, 11) + bar_to('up')), (32807, arrow('up', GREEN)),
        (32808, arrow('down', GREEN)), (32811, arrow('down', GREEN, 2, 1, 11) + bar_to('down')), (0, None),
        (32891, folder(False, 1, 5) + arrow('up', BLUE, 7, 0, 8)), (32890, all_glyph('+')),
        (32889, all_glyph('-')), (0, None),
        (32793, panes('normal')), (32789, panes('text')), (32788, panes('tree')),
        (32868, attachments_pane()),
    ]),
    'IDR_TOOLBAR_ICONS': ('icons.bmp', [
        (57604, floppy() + small(pen())), (32848, import_from(text_badge())),
        (32880, import_from(csv_badge())), (32875, import_from(vault_badge())),
        (32874, import_from(card_badge())), (32860, export_to(text_badge())),
        (32882, export_to(html_badge())), (32873, export_to(card_badge())),
        (33017, export_to(dhtml_badge())), (32850, shortcut()), (32863, page_setup()),
        (57606, printer() + small(gear(), 0.5, 8, 0)), (32883, door()), (57643, undo()),
        (57632, cross()), (57642, select_all()), (32771, page() + pen()), (32892, sort_glyph()),
        (32774, clock()), (32885, paperclip() + badge_plus()), (32843, banner_glyph()),
        (32887, expand_glyph('+')), (32888, expand_glyph('-')), (32895, arrow('up', NAVY)),
        (32896, arrow('down', NAVY)), (57696, font_glyph() + small(pen(), 0.5, 8, 8)),
        (32799, paragraph_glyph()), (32879, superscript()), (32790, bigger()), (32791, smaller()),
        (32866, palette_glyph()), (32861, font_glyph() + small(tick(), 0.5, 8, 8)), (32881, wrap()),
        (32854, character_map()), (32845, gear()), (57667, question(NAVY)), (110, bulb()),
        (32870, globe()), (33031, cart()), (59392, toolbars_glyph()), (59393, status_glyph()),
        (32893, paperclip() + small(pen(), 0.5, 8, 8)),
    ]),
}
TOOLBAR_IDS = {'IDR_TOOLBAR_STANDARD': 129, 'IDR_TOOLBAR_FORMAT': 131, 'IDR_TOOLBAR_VIEW': 174,
               'IDR_TOOLBAR_ICONS': 172}


def toolbar_outputs():
    files = {}
    rc = ['// Written by scripts/make-app-images.py: the toolbars and their bitmaps.', '']
    for name, (bitmap, buttons) in TOOLBARS.items():
        images = [on_mask(rasterise(glyph, 16, 16, 1), MAGENTA) for cid, glyph in buttons if cid]
        for img in images:
            img[0][0] = MAGENTA  # the image manager takes the mask colour from here
        files[bitmap] = bmp24(side_by_side(images))
        rc.append('%s BITMAP "app/res/%s"' % (name, bitmap))
        # Written as raw words (version 1, image width and height, count,
        # the ids with 0 for a separator): the resource compiler's own
        # TOOLBAR statement writes another layout than the one the loaders read.
        rc.append('%s 241' % name)
        rc.append('BEGIN')
        rc.append('    1, 16, 16, %d,' % len(buttons))
        ids = [str(cid) for cid, glyph in buttons]
        for start in range(0, len(ids), 8):
            last = start + 8 >= len(ids)
            rc.append('    ' + ', '.join(ids[start:start + 8]) + ('' if last else ','))
        rc.append('END')
        rc.append('')
    files['toolbars.rc'] = ('\n'.join(rc)).encode('utf-8')
    return files


# ---------------------------------------------------------------- bitmaps
VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
         (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def to_vga(rows, mask):
    """Each pixel to the nearest of the 16 system colours; only the mask
    pixels become the mask colour."""
    def nearest(c):
        if c == mask:
            return mask
        best = min((p for p in VGA16 if p != mask),
                   key=lambda p: sum((a - b) ** 2 for a, b in zip(p, c)))
        return best
    return [[nearest(c) for c in row] for row in rows]


def button(glyph, width=16):
    img = on_mask(rasterise(glyph, width, 16, 1), MASK_GREEN)
    return bmp24(img)


def big_bulb(lit):
    glass = YELLOW if lit else LIGHT
    shapes = [Ellipse(14, 13, 11, 11, DARK), Ellipse(14, 13, 9.5, 9.5, glass),
              Rect(9, 23, 19, 33, GREY), Rect(9, 26, 19, 27.5, DARK), Rect(9, 30, 19, 31.5, DARK),
              Rect(11, 33, 17, 36, DARK)]
    if lit:
        shapes += [stroke(14, 9, 14, 22, 1, GOLD), Ellipse(11, 9, 2.5, 2.5, WHITE)]
    return bmp24(on_mask(rasterise(shapes, 28, 37, 1), MASK_GREEN))


def logo():
    shapes = vertical_text('QIVNOTES 2000', 2, 268, WHITE, 2.4)
    shapes += small(card_box(), 1.1, 1.2, 272)
    return bmp24(on_mask(rasterise(shapes, 20, 290, 1), MASK_GREEN))


def about_picture(step):
    shapes = [Rect(0, 0, 48, 48, (236, 240, 250))]
    shapes += small(card_box(), 2.2, 6.4, 12)
    shapes += small(note(), 1.3, 12 + step * 4, 2 + (2 - step) * 4)
    return bmp24(on_background(rasterise(shapes, 48, 48, 1), WHITE))


def strip():
    shapes = text('QIVNOTES 2000', 4, 3, NAVY, 2.0)
    return bmp24(on_mask(rasterise(shapes, 208, 20, 1), MASK_GREEN))


def tree_bitmap():
    images = [category_glyph(0) if n == 0 else category_glyph(n) for n in range(4)]
    images[0] = folder(True, 0, 2)
    images += [entry_glyph(False, False), entry_glyph(True, False), entry_glyph(False, True),
               entry_glyph(True, True)]
    rows = side_by_side([on_mask(rasterise(g, 16, 16, 1), MASK_RED) for g in images])
    return bmp4(to_vga(rows, MASK_RED), VGA16)


def bitmap_outputs():
    return {
        'tree.bmp': tree_bitmap(),
        'cancel.bmp': button(small(cross(), 15 / 16, 0, 0)),
        'ok.bmp': button(tick()),
        'help.bmp': button(question()),
        'add.bmp': button(note() + badge_plus()),
        'close.bmp': button(door()),
        'goto.bmp': button(page(1, 1, 9, 13) + arrow('right', GREEN, 6, 5, 10)),
        'nexttip.bmp': button(arrow('right', GREEN)),
        'newsearch.bmp': button(page() + badge_plus()),
        'startsearch.bmp': button(magnifier()),
        'printer.bmp': button(printer()),
        'bulb_lit.bmp': big_bulb(True),
        'bulb_dark.bmp': big_bulb(False),
        'logo.bmp': logo(),
        'about1.bmp': about_picture(0),
        'about2.bmp': about_picture(1),
        'about3.bmp': about_picture(2),
        'strip.bmp': strip(),
    }


# ---------------------------------------------------------------- icons
def warning():
    return [Poly([(8, 0.5), (15.5, 14.5), (0.5, 14.5)], DARK), Poly([(8, 2.3), (14, 13.5), (2, 13.5)], YELLOW),
            Rect(7.2, 5, 8.8, 10, BLACK), Rect(7.2, 11.3, 8.8, 12.8, BLACK)]


def card_file():
    return page(2, 0.5, 11, 15) + small(card_box(), 0.6, 7, 7)


ICONS = {
    'program.ico': (card_box, (16, 32, 48)),
    'cardfile.ico': (card_file, (16, 32, 48)),
    'tip.ico': (bulb, (16, 32)),
    'notice.ico': (warning, (16, 32)),
    'entry.ico': (page, (16, 32)),
    'category.ico': (folder, (16, 32)),
    'tray.ico': (card_box, (16, 32)),
    'search.ico': (magnifier, (16, 32)),
    'options.ico': (gear, (16, 32)),
}


def icon_outputs():
    return {name: ico([rasterise(glyph(), size, size, size / 16) for size in sizes])
            for name, (glyph, sizes) in ICONS.items()}


# ---------------------------------------------------------------- pictures
def gradient(width, height, top, bottom):
    rows = []
    for y in range(height):
        t = y / max(1, height - 1)
        c = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
        rows.append([c] * width)
    return rows


def over(rows, shapes, unit=1.0, samples=2):
    layer = rasterise(shapes, len(rows[0]), len(rows), unit, samples)
    out = []
    for base, top in zip(rows, layer):
        out.append([tuple(round((c * t[3] + b * (255 - t[3])) / 255) for c, b in zip(t[:3], bc))
                    for bc, t in zip(base, top)])
    return out


def splash():
    rows = gradient(400, 260, (30, 60, 150), (0, 0, 90))
    shapes = small(card_box(), 8, 24, 60)
    shapes += text('QIVNOTES', 170, 80, WHITE, 4)
    shapes += text('2000', 230, 130, YELLOW, 4)
    shapes += [Rect(170, 180, 370, 183, WHITE)]
    return jpeg(over(rows, shapes))


def banner():
    return jpeg(gradient(30, 400, (50, 80, 170), (0, 0, 96)))


def picture_outputs():
    return {'splash.jpg': splash(), 'banner.jpg': banner()}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', 'app', 'res')
    os.makedirs(out, exist_ok=True)
    files = {}
    files.update(toolbar_outputs())
    files.update(bitmap_outputs())
    files.update(icon_outputs())
    files.update(picture_outputs())
    for name, data in sorted(files.items()):
        with open(os.path.join(out, name), 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    main()
