#!/usr/bin/env python3
# Draws Quintet's window icon, new-game face and hand cursor into resources/:
# palette-exact pixel art at whole device pixel ratios (32, 64 and 96 pixels)
# and supersampled, smooth art at the ratios between (40, 48, 56 and 80).
import math
import os
import struct
import zlib

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'resources')

# The 16 VGA colours, so every XPM stays exact on any display depth.
PAL = {'k': '#000000', 'm': '#800000', 'g': '#008000', 'o': '#808000',
       'n': '#000080', 'p': '#800080', 't': '#008080', 's': '#C0C0C0',
       'd': '#808080', 'R': '#FF0000', 'G': '#00FF00', 'y': '#FFFF00',
       'b': '#0000FF', 'M': '#FF00FF', 'c': '#00FFFF', 'w': '#FFFFFF',
       ' ': None}


# --- shapes: predicates over design coordinates (a 32x32 square) ---

def poly(*pts):
    edges = list(zip(pts, pts[1:] + pts[:1]))

    def inside(x, y):
        c = False
        for (x1, y1), (x2, y2) in edges:
            if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                c = not c
        return c
    return inside


def capsule(ax, ay, bx, by, r):
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy or 1.0

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / ll))
        return (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2 < r * r
    return inside


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 < 1.0


def union(*fs):
    return lambda x, y: any(f(x, y) for f in fs)


def arc(cx, cy, rad, a0, a1, r, n=12):
    # A thick arc is a chain of short capsules: good enough at icon sizes.
    p = [(cx + rad * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
          cy + rad * math.sin(math.radians(a0 + (a1 - a0) * i / n))) for i in range(n + 1)]
    return union(*(capsule(*p[i], *p[i + 1], r) for i in range(n)))


def inset_triangle(pts, d):
    # Shrinking towards the incentre moves every edge inwards by exactly d.
    (ax, ay), (bx, by), (cx, cy) = pts
    a, b, c = math.dist(pts[1], pts[2]), math.dist(pts[0], pts[2]), math.dist(pts[0], pts[1])
    ix, iy = (a * ax + b * bx + c * cx) / (a + b + c), (a * ay + b * by + c * cy) / (a + b + c)
    s = (a + b + c) / 2
    r = math.sqrt(s * (s - a) * (s - b) * (s - c)) / s
    k = (r - d) / r
    return [(ix + (x - ix) * k, iy + (y - iy) * k) for x, y in pts]


# --- designs ---

# Edges run at slopes of 1:2 and 1:1 so the aliased staircases stay regular.
TRIANGLE = [(16, 0), (31.7, 31.4), (0.3, 31.4)]
BOLT = [(15, 9), (19, 9), (16, 15), (20, 15), (15.85, 23.3), (18.5, 23.3),
        (13.5, 28.3), (8.5, 23.3), (11.85, 23.3), (15, 17), (11, 17)]
OUTLINE = 1.1  # triangle rim width of the vector icon, in design units


def icon_parts():
    return [('tri', poly(*TRIANGLE), 'b', 'n'), ('bolt', poly(*BOLT), 'w', None)]


def smile_parts():
    return [('face', ellipse(16, 16, 15.4, 15.4), 'y', 'k'),
            ('eyes', union(ellipse(11.5, 11.5, 1.5, 2.6), ellipse(20.5, 11.5, 1.5, 2.6)), 'k', None),
            ('mouth', arc(16, 15.5, 9.5, 22, 158, 1.0), 'k', None)]


def hand_parts():
    return [('thumb', capsule(5.5, 15.5, 9.5, 21, 2.3), 'w', 'k'),
            ('palm', poly((10, 16), (29, 16), (29, 22.5), (27.2, 27), (11.5, 27), (8.5, 22)), 'w', 'k'),
            ('index', capsule(12.25, 3.5, 12.25, 18, 2.5), 'w', 'k'),
            ('middle', capsule(17.3, 12.5, 17.3, 19, 2.6), 'w', 'k'),
            ('ring', capsule(22.5, 13.5, 22.5, 19, 2.5), 'w', 'k'),
            ('little', capsule(27, 15.5, 27, 20, 2), 'w', 'k'),
            ('cuff', poly((11, 26), (28, 26), (28, 31), (11, 31)), 'b', 'k')]


# Fingers grow out of the palm without a seam; every other meeting gets a line.
HAND_JOINS = {('palm', f) for f in ('index', 'middle', 'ring', 'little')}


# At 16x16 the scaled-down bolt and face break up, so these are placed by hand:
# row -> 'x' or 'x0-x1' spans.
BOLT16 = {5: '8', 6: '7-8', 7: '6-9', 8: '8-9', 9: '7-8', 10: '7-8', 11: '5-9', 12: '6-8', 13: '7'}
FACE16 = {4: '5 10', 5: '5 10', 9: '3 12', 10: '4 11', 11: '5-6 9-10', 12: '7-8'}


def spans(table, c):
    return [(x, y, c) for y, s in table.items() for a, _, b in (t.partition('-') for t in s.split())
            for x in range(int(a), int(b or a) + 1)]


# --- rendering ---

def render(parts, size, width=1, joins=(), overrides=()):
    """Aliased, palette-exact: each pixel centre picks the topmost part."""
    s = size / 32.0
    lab = [[0] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            for i, (_, shape, _, _) in enumerate(parts):
                if shape((x + 0.5) / s, (y + 0.5) / s):
                    lab[y][x] = i + 1

    def at(x, y):
        return lab[y][x] if 0 <= x < size and 0 <= y < size else 0

    def cuts(a, b):  # does part a get an edge line where it meets b?
        if b == 0:
            return True
        pair = (parts[b - 1][0], parts[a - 1][0])
        return b < a and pair not in joins and pair[::-1] not in joins

    nbrs = ((1, 0), (-1, 0), (0, 1), (0, -1))
    edge = {(x, y) for y in range(size) for x in range(size) if lab[y][x]
            and parts[lab[y][x] - 1][3] and any(cuts(lab[y][x], at(x + dx, y + dy)) for dx, dy in nbrs)}
    ring = edge
    for _ in range(width - 1):  # thicker lines at higher pixel densities
        ring = {(x + dx, y + dy) for x, y in ring for dx, dy in nbrs
                if at(x + dx, y + dy) == lab[y][x] and (x + dx, y + dy) not in edge}
        edge |= ring
    rows = [[' ' if not lab[y][x] else parts[lab[y][x] - 1][3 if (x, y) in edge else 2]
             for x in range(size)] for y in range(size)]
    for x, y, c in overrides:
        rows[y][x] = c
    return [''.join(r) for r in rows]


def render_smooth(parts, size, joins=(), k=4):
    """The pixel art drawn k times as large, outlines included, then averaged
    down: smooth RGBA at a size where a design pixel is no whole number."""
    big = render(parts, size * k, width=size * k // 32, joins=joins)
    out = bytearray()
    for y in range(size):
        out.append(0)  # PNG filter type: none
        for x in range(size):
            cols = [PAL[big[y * k + j][x * k + i]] for j in range(k) for i in range(k)]
            cols = [c for c in cols if c]
            acc = [sum(int(c[1 + 2 * n:3 + 2 * n], 16) for c in cols) for n in range(3)]
            out += bytes([a // len(cols) for a in acc] if cols else [0, 0, 0])
            out.append(round(255 * len(cols) / (k * k)))
    return bytes(out)


def render_aa(layers, size, k=4):
    """Supersampled RGBA for the large PNG icons; layers are (shape, '#rrggbb')."""
    s = size / 32.0
    out = bytearray()
    for y in range(size):
        out.append(0)  # PNG filter type: none
        for x in range(size):
            acc = [0, 0, 0, 0]
            for j in range(k):
                for i in range(k):
                    px, py = (x + (i + 0.5) / k) / s, (y + (j + 0.5) / k) / s
                    col = next((c for f, c in reversed(layers) if f(px, py)), None)
                    if col:
                        for n in range(3):
                            acc[n] += int(col[1 + 2 * n:3 + 2 * n], 16)
                        acc[3] += 1
            a = acc[3]
            out += bytes([acc[0] // a, acc[1] // a, acc[2] // a] if a else [0, 0, 0])
            out.append(round(255 * a / (k * k)))
    return bytes(out)


# --- file writers ---

def write_xpm(name, rows, hotspot=None):
    used = [c for c in PAL if any(c in r for r in rows)]
    head = '%d %d %d 1' % (len(rows[0]), len(rows), len(used))
    if hotspot:
        head += ' %d %d' % hotspot  # XPM3 hot spot fields
    lines = [head] + ['%s c %s' % (c, PAL[c] or 'None') for c in used] + rows
    body = ',\n'.join('"%s"' % ln for ln in lines)
    with open(os.path.join(OUT, name + '.xpm'), 'w') as f:
        f.write('/* XPM */\nstatic const char *%s[] = {\n%s\n};\n' % (name, body))


def xpm_rgba(rows):
    out = bytearray()
    for r in rows:
        out.append(0)
        for c in r:
            out += bytes.fromhex(PAL[c][1:]) + b'\xff' if PAL[c] else b'\0\0\0\0'
    return bytes(out)


def write_png(path, size, raw):
    def chunk(tag, data):
        return struct.pack('>I', len(data)) + tag + data + struct.pack('>I', zlib.crc32(tag + data))
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0))
                + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def write_svg():
    def pts(p):
        return ' '.join('%g,%g' % (round(x, 3), round(y, 3)) for x, y in p)
    # stroke="none" keeps simple SVG renderers from adding outlines of their own.
    svg = ('<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256"'
           ' viewBox="0 0 32 32" stroke="none">\n'
           '  <polygon fill="#000080" points="%s"/>\n'
           '  <polygon fill="#0000FF" points="%s"/>\n'
           '  <polygon fill="#FFFFFF" points="%s"/>\n'
           '</svg>\n') % (pts(TRIANGLE), pts(inset_triangle(TRIANGLE, OUTLINE)), pts(BOLT))
    with open(os.path.join(OUT, 'quintet.svg'), 'w') as f:
        f.write(svg)


def hand_hotspot(size):
    # The pixel that holds the fingertip's top point, (12.25, 1) in the design;
    # the window computes the same.
    return math.floor(12.25 * size / 32), math.floor(size / 32)


def check_smooth_hotspot(raw, size, hx, hy):
    alpha = [[raw[y * (4 * size + 1) + 1 + 4 * x + 3] for x in range(size)] for y in range(size)]
    assert alpha[hy][hx] > 0 and not any(any(r) for r in alpha[:hy]), (size, hx, hy)


def check_hotspot(rows, hx, hy):
    # The cursor's hot spot must sit on the middle of the fingertip's top row.
    top = next(y for y, r in enumerate(rows) if r.strip())
    xs = [x for x, c in enumerate(rows[top]) if c != ' ']
    assert top == hy and (xs[0] + xs[-1]) / 2 == hx, (top, xs)


def main():
    os.makedirs(OUT, exist_ok=True)
    icons = {16: render(icon_parts()[:1], 16, overrides=spans(BOLT16, 'w')),
             32: render(icon_parts(), 32)}
    icons[64] = render(icon_parts(), 64, width=2)
    icons[96] = render(icon_parts(), 96, width=3)
    for n, rows in icons.items():
        write_xpm('icon%d' % n, rows)
    write_xpm('smile16', render(smile_parts()[:1], 16, overrides=spans(FACE16, 'k')))
    for n in (32, 64, 96):
        write_xpm('smile%d' % n, render(smile_parts(), n, width=n // 32))
    for n in (32, 64, 96):
        rows = render(hand_parts(), n, width=n // 32, joins=HAND_JOINS)
        check_hotspot(rows, *hand_hotspot(n))
        write_xpm('hand%d' % n, rows, hand_hotspot(n))
    for n in (40, 48, 56, 80):
        write_png(os.path.join(OUT, 'icon%d.png' % n), n, render_smooth(icon_parts(), n))
        write_png(os.path.join(OUT, 'smile%d.png' % n), n, render_smooth(smile_parts(), n))
        raw = render_smooth(hand_parts(), n, joins=HAND_JOINS)
        check_smooth_hotspot(raw, n, *hand_hotspot(n))
        write_png(os.path.join(OUT, 'hand%d.png' % n), n, raw)
    write_svg()
    layers = [(poly(*TRIANGLE), PAL['n']), (poly(*inset_triangle(TRIANGLE, OUTLINE)), PAL['b']),
              (poly(*BOLT), PAL['w'])]
    for n in (16, 32, 48, 64, 128, 256):
        raw = xpm_rgba(icons[n]) if n in (16, 32) else render_aa(layers, n, 4 if n < 256 else 3)
        write_png(os.path.join(OUT, 'icon-%d.png' % n), n, raw)


if __name__ == '__main__':
    main()
