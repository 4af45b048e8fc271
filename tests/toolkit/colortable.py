#!/usr/bin/env python3
"""Reference computation of the toolkit's colour table, written apart from the
C++ code: prints the expected computed entries and gradients for the system
colour sets that ColorManagerTest.cpp installs, as C++ table rows."""
import math
import sys

def rgb(r, g, b):
    return r | (g << 8) | (b << 16)

def ch(c):
    return c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF

def blend(a, b, w):
    d = 100 if w < 100 else 1000
    return rgb(*[max(0, min(255, (x * w + y * (d - w) + d // 2) // d))
                 for x, y in zip(ch(a), ch(b))])

SCALE = (195.0, 390.0, 65.0)

def point(c):
    return [v * s / 255.0 for v, s in zip(ch(c), SCALE)]

def length(p):
    return math.sqrt(sum(v * v for v in p))

def dist(a, b):
    return length([x - y for x, y in zip(point(a), point(b))])

def adjusted(a, t):
    br = math.floor(length(point(a)))
    return (2.0 - min(br, 220) / 220.0) * math.floor(t)

def has_contrast(a, b, t):
    t = adjusted(a, t)
    d = [x - y for x, y in zip(point(a), point(b))]
    return sum(v * v for v in d) > t * t

def from_point(p):
    out = []
    for v, s in zip(p, SCALE):
        v = max(0.0, min(s, v))
        out.append(max(0, min(255, int(v * 255.0 / s + 0.5))))
    return rgb(*out)

def mirror(p):
    return [s - v for v, s in zip(p, SCALE)]

def ensure_contrast(a, b, t):
    d = adjusted(a, t)
    c = length(point(a))
    ref = 442.0 - d if c < length(point(b)) else d
    white = ref >= c
    pa, pb = point(a), point(b)
    if white:
        pa, pb = mirror(pa), mirror(pb)
    ln = max(length(pb), 0.001)
    dot = sum(x * y for x, y in zip(pa, pb))
    k = dot / ln
    off = [x - y * dot / (ln * ln) for x, y in zip(pa, pb)]
    rad = max(0.0, d * d - sum(v * v for v in off))
    s = k - math.sqrt(rad)
    np_ = [v * s / ln for v in pb]
    if white:
        np_ = mirror(np_)
    return from_point(np_)

def limit_contrast(a, b, t):
    dd = dist(a, b)
    if dd <= 0:
        return b
    d = adjusted(a, t)
    pa, pb = point(a), point(b)
    return from_point([y + (x - y) * (dd - d) / dd for x, y in zip(pa, pb)])

def table(sys_colors, low=False):
    t = [0] * 63
    for i in range(1, 30):
        t[i] = sys_colors[i]
    C = lambda n: t[n]
    defaults = {30: 15, 31: 5, 32: 13, 33: 13, 34: 16, 35: 17, 36: 5, 37: 13, 41: 5, 44: 8,
                45: 7, 46: 18, 47: 14, 49: 14, 50: 13, 58: 17, 59: 0}
    for e in (38, 39, 40, 42, 43, 48, 52, 54, 57, 60, 61):
        defaults[e] = 16
    for e in (51, 53, 55, 56):
        defaults[e] = 15
    for e, source in defaults.items():
        t[e] = C(source)
    if not low:
        for e, a, b, w in [(30, 5, 15, 165), (31, 13, 5, 30), (33, 13, 5, 50), (41, 15, 5, 143),
                           (35, 17, 5, 70), (38, 16, 5, 75), (39, 16, 5, 70), (43, 46, 16, 20),
                           (61, 46, 16, 15), (40, 16, 5, 90), (42, 15, 16, 90)]:
            t[e] = blend(C(a), C(b), w)
        if has_contrast(C(15), C(30), 35):
            t[30] = limit_contrast(C(15), C(30), 35)
        for e, a, b, th in [(31, 30, 31, 50), (32, 30, 13, 100), (33, 30, 33, 30),
                            (35, 41, 35, 80), (37, 33, 37, 100), (38, 30, 38, 85),
                            (39, 30, 39, 50), (43, 41, 43, 100), (61, 30, 61, 100),
                            (40, 30, 40, 80), (44, 41, 44, 180), (45, 31, 45, 180),
                            (46, 30, 46, 180), (47, 33, 47, 180)]:
            if not has_contrast(C(a), C(b), th):
                t[e] = ensure_contrast(C(a), C(b), th)
        if has_contrast(C(41), C(35), 145):
            t[35] = limit_contrast(C(41), C(35), 145)
        c30, c5, c13 = ch(C(30)), ch(C(5)), ch(C(13))
        t[36] = rgb(*[x // 2 + y * 2 // 5 + z // 10 for x, y, z in zip(c30, c5, c13)])
        m = max(ch(C(15)))
        t[48] = 0x232323 if m == 0 else rgb(*[int(v * (m + min(255 - m, 35)) / m) for v in ch(C(15))])
        if C(15) == 0:
            t[49] = 0x7F7F7F
        else:
            m = max(ch(C(16)))
            t[49] = 0 if m == 0 else rgb(*[int(v * max(m - 43, 0) / m) for v in ch(C(16))])
        t[34] = rgb(*[int(v * 0.75) for v in ch(t[31])])
        t[22] = rgb(*[min(255, v + 15) for v in ch(C(15))])
        t[53] = C(30)
        t[58] = C(40)
        t[60] = t[40]
    c5, c15, c16 = C(5), C(15), C(16)
    g = [(c16, c16), (c15, blend(c15, c5, 215)), (c15, c16), (blend(c15, c5, 205), c15),
         (blend(c15, c5, 145), blend(c15, c5, 93)), (blend(c15, c5, 40), blend(c15, c16, 95)),
         (blend(c15, c5, 165), blend(c15, c5, 42))]
    if low:
        g[1] = (c15, c15)
        g[3] = (c15, c15)
    return t, g

def emit(name, colors, low=False):
    t, g = table(colors, low)
    print('// %s' % name)
    print('{' + ', '.join('0x%06X' % v for v in t) + '},')
    print('{' + ', '.join('{0x%06X, 0x%06X}' % p for p in g) + '},')

CLASSIC = [0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
           0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
           0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
           0xE1FFFF, 0x000000, 0x800000, 0xF0CAA6, 0xC0C0C0, 0x6A240A]
DARK = [0x202020, 0x000000, 0x800080, 0x008000, 0x000000, 0x000000, 0xFFFFFF, 0xFFFFFF,
        0xFFFFFF, 0xFFFFFF, 0x808080, 0x808080, 0x000000, 0x00FFFF, 0x000000, 0x000000,
        0x808080, 0x00FF00, 0xFFFFFF, 0xC0C0C0, 0xFFFFFF, 0x404040, 0x202020, 0xFFFFFF,
        0x000000, 0x000000, 0xFFFF00, 0x800080, 0x008000, 0x00FFFF]

# Classic, with the window colour the same as the highlight colour: many
# contrast corrections then start from two equal colours.
WINDOW_IS_HIGHLIGHT = list(CLASSIC)
WINDOW_IS_HIGHLIGHT[5] = WINDOW_IS_HIGHLIGHT[13] = 0x17988C

if __name__ == '__main__':
    emit('classic', CLASSIC)
    emit('dark', DARK)
    emit('window = highlight', WINDOW_IS_HIGHLIGHT)
    emit('classic, low colour', CLASSIC, True)
