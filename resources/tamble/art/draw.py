#!/usr/bin/env python3
"""Draws the bitmaps and icons of Tamble.exe into this folder.

Python 3 with its standard library only. The files it writes are committed,
so the build needs no Python; run it again after changing a picture:

    python3 resources/tamble/art/draw.py [--preview FILE.png]

Every picture is drawn from the same shapes at 1x and 2x, so the 200 %
versions are sharper rather than enlarged. Tool-bar images are drawn without
smoothing on a magenta key colour (an image list masks it); the indicator's
pictures are smoothed against its black background; icons have an alpha
channel.
"""

import argparse
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

MAGENTA = (255, 0, 255)
BLACK = (0, 0, 0)


class Canvas:
    """RGBA pixels in floats 0..1 (colours in 0..255)."""

    def __init__(self, width, height, background=None):
        self.width = width
        self.height = height
        colour = (0, 0, 0, 0.0) if background is None else (*background, 1.0)
        self.pixels = [list(colour) for _ in range(width * height)]

    def blend(self, x, y, colour, coverage):
        if coverage <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        alpha = coverage * (colour[3] if len(colour) > 3 else 1.0)
        p = self.pixels[y * self.width + x]
        out_alpha = alpha + p[3] * (1 - alpha)
        for i in range(3):
            if out_alpha > 0:
                p[i] = (colour[i] * alpha + p[i] * p[3] * (1 - alpha)) / out_alpha
        p[3] = out_alpha

    def fill(self, inside, colour, smooth=True, box=None):
        """Covers the pixels whose area lies inside(x, y) (pixel units)."""
        x0, y0, x1, y1 = box or (0, 0, self.width, self.height)
        x0, y0 = max(0, int(x0) - 1), max(0, int(y0) - 1)
        x1, y1 = min(self.width, int(x1) + 2), min(self.height, int(y1) + 2)
        n = 4 if smooth else 1
        for y in range(y0, y1):
            for x in range(x0, x1):
                hits = 0
                for sy in range(n):
                    for sx in range(n):
                        if inside(x + (sx + 0.5) / n, y + (sy + 0.5) / n):
                            hits += 1
                if hits:
                    self.blend(x, y, colour, hits / (n * n))

    def rgb_rows(self, key=None, face=(240, 240, 240)):
        """Rows of (r, g, b) bytes. With a key colour, what is mostly
        transparent takes it, and smoothed edges are blended with face, the
        colour that a tool bar usually has."""
        rows = []
        for y in range(self.height):
            row = []
            for x in range(self.width):
                r, g, b, a = self.pixels[y * self.width + x]
                if key is not None and a < 0.35:
                    row.append(key)
                elif key is not None:
                    row.append(tuple(int(round(c * a + f * (1 - a))) for c, f in zip((r, g, b), face)))
                else:
                    row.append(tuple(int(round(c)) for c in (r, g, b)))
            rows.append(row)
        return rows

    def paste(self, other, left, top):
        for y in range(other.height):
            for x in range(other.width):
                src = other.pixels[y * other.width + x]
                if src[3] > 0:
                    self.blend(left + x, top + y, (src[0], src[1], src[2]), src[3])


# --- Shapes: functions of a point, in pixel units --------------------------


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def polygon(points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result

    return inside


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1


def rounded(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    return inside


def segment(ax, ay, bx, by, width):
    """A stroke of that width from a to b with square-cut ends."""
    length = ((bx - ax) ** 2 + (by - ay) ** 2) ** 0.5
    ux, uy = (bx - ax) / length, (by - ay) / length

    def inside(x, y):
        along = (x - ax) * ux + (y - ay) * uy
        across = -(x - ax) * uy + (y - ay) * ux
        return 0 <= along <= length and abs(across) <= width / 2

    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(shape, hole):
    return lambda x, y: shape(x, y) and not hole(x, y)


def frame(x0, y0, x1, y1, w):
    return minus(rect(x0, y0, x1, y1), rect(x0 + w, y0 + w, x1 - w, y1 - w))


# --- Tool bar: 16 x 15 per image, drawn on a 16 x 15 grid times s -----------

OUTLINE = (64, 64, 64)
PAPER = (255, 255, 255)
FOLDER = (240, 200, 64)
FOLDER_DARK = (200, 150, 32)
DISK = (48, 80, 160)
METAL = (200, 200, 208)
PENCIL = (240, 184, 48)
GREEN = (16, 160, 48)
RED = (216, 32, 32)
DARK = (56, 56, 64)


class Glyph:
    """Draws shapes given on the 1x grid into an image of scale s."""

    def __init__(self, canvas, left, s, smooth=False):
        self.c, self.left, self.s, self.smooth = canvas, left, s, smooth

    def at(self, shape_of):
        s, left = self.s, self.left
        return lambda x, y: shape_of((x - left) / s, y / s)

    def fill(self, shape, colour):
        self.c.fill(self.at(shape), colour, self.smooth,
                    (self.left, 0, self.left + 16 * self.s, 15 * self.s))

    def box(self, x0, y0, x1, y1, colour, outline=OUTLINE):
        """A filled rectangle of grid cells with a one-pixel outline."""
        self.fill(rect(x0, y0, x1, y1), outline)
        t = 1 / self.s
        self.fill(rect(x0 + t, y0 + t, x1 - t, y1 - t), colour)


def glyph_new(g):
    t = 1 / g.s
    page = polygon([(3, 1), (10, 1), (13, 4), (13, 14), (3, 14)])
    g.fill(page, OUTLINE)
    g.fill(polygon([(3 + t, 1 + t), (10 - t / 2, 1 + t), (13 - t, 4 + t / 2),
                    (13 - t, 14 - t), (3 + t, 14 - t)]), PAPER)
    g.fill(polygon([(10, 1), (10, 4), (13, 4)]), OUTLINE)
    g.fill(polygon([(10 + t, 1 + 2.4 * t), (10 + t, 4 - t), (13 - 2.4 * t, 4 - t)]), (216, 216, 216))


def glyph_open(g):
    t = 1 / g.s
    # Back of the folder with its tab, then the front tilted open.
    g.fill(polygon([(1, 3), (5, 3), (6, 4), (12, 4), (12, 13), (1, 13)]), OUTLINE)
    g.fill(polygon([(1 + t, 3 + t), (5 - t / 2, 3 + t), (6 - t / 2, 4 + t), (12 - t, 4 + t),
                    (12 - t, 13 - t), (1 + t, 13 - t)]), FOLDER_DARK)
    g.fill(polygon([(4, 7), (15, 7), (12, 13), (1, 13)]), OUTLINE)
    g.fill(polygon([(4 + t, 7 + t), (15 - 2.2 * t, 7 + t), (12 - t / 2, 13 - t),
                    (1 + 2.2 * t, 13 - t)]), FOLDER)


def floppy(g, x0, y0, size):
    """A disk of size x size cells at (x0, y0)."""
    t = 1 / g.s
    x1, y1 = x0 + size, y0 + size
    g.fill(polygon([(x0, y0), (x1 - 1, y0), (x1, y0 + 1), (x1, y1), (x0, y1)]), OUTLINE)
    g.fill(rect(x0 + t, y0 + t, x1 - t, y1 - t), DISK)
    g.box(x0 + 2, y0, x1 - 2, y0 + size * 0.42, PAPER)  # label
    g.fill(rect(x0 + 3, y1 - size * 0.36, x1 - 3, y1), METAL)  # shutter
    g.fill(rect(x1 - 5, y1 - size * 0.36 + t, x1 - 4, y1 - t), DARK)


def glyph_save(g):
    floppy(g, 2, 1, 13)


def pencil(g, x, y, length, width):
    """A pencil pointing down-left, its tip at (x, y)."""
    d = 0.7071
    ux, uy = d, -d  # along the pencil, from the tip
    nx, ny = d, d  # across
    w = width / 2

    def quad(a, b, half):
        return polygon([(x + ux * a + nx * half, y + uy * a + ny * half),
                        (x + ux * b + nx * half, y + uy * b + ny * half),
                        (x + ux * b - nx * half, y + uy * b - ny * half),
                        (x + ux * a - nx * half, y + uy * a - ny * half)])

    tip = polygon([(x, y), (x + ux * 3 + nx * w, y + uy * 3 + ny * w),
                   (x + ux * 3 - nx * w, y + uy * 3 - ny * w)])
    g.fill(quad(3, length, w + 0.5), OUTLINE)
    g.fill(tip, OUTLINE)
    g.fill(quad(3, length - 2, w - 0.5 / g.s), PENCIL)
    g.fill(quad(length - 2 + 0.6, length - 0.6, w - 0.5 / g.s), (232, 120, 136))
    g.fill(polygon([(x + ux * 1.5 + nx * w / 2, y + uy * 1.5 + ny * w / 2),
                    (x + ux * 3 + nx * (w - 0.4), y + uy * 3 + ny * (w - 0.4)),
                    (x + ux * 3 - nx * (w - 0.4), y + uy * 3 - ny * (w - 0.4)),
                    (x + ux * 1.5 - nx * w / 2, y + uy * 1.5 - ny * w / 2)]), (240, 216, 176))


def glyph_save_as(g):
    floppy(g, 1, 1, 11)
    pencil(g, 7.5, 14.5, 10, 3)


def glyph_shortcut(g):
    # A window with the shell's curved shortcut arrow.
    g.box(1, 2, 15, 14, PAPER)
    g.fill(rect(1, 2, 15, 4), (64, 96, 176))
    arrow = union(segment(4.5, 12, 4.5, 9, 2), segment(4.5, 9.7, 8.5, 6.5, 2))
    g.fill(arrow, (32, 96, 32))
    g.fill(polygon([(7, 4.5), (12, 4.5), (12, 9.5)]), (32, 96, 32))


def glyph_edit(g):
    t = 1 / g.s
    g.box(1, 1, 11, 14, PAPER)
    for row in (4, 6, 8, 10):
        g.fill(rect(3, row, 9, row + t), (128, 128, 128))
    pencil(g, 5.5, 13.5, 12, 3)


def glyph_stop(g):
    g.fill(rect(3, 2, 13, 12), DARK)


def glyph_play(g):
    g.fill(polygon([(4, 1.5), (13.5, 7), (4, 12.5)]), GREEN)


def glyph_record(g):
    g.fill(ellipse(8, 7, 5, 5), RED)


def glyph_pause(g):
    g.fill(rect(4, 2, 7, 12), DARK)
    g.fill(rect(9, 2, 12, 12), DARK)


TOOL_BAR = [glyph_new, glyph_open, glyph_save, glyph_save_as, glyph_shortcut, glyph_edit,
            glyph_stop, glyph_play, glyph_record, glyph_pause]


def tool_bar(s, glyphs=None):
    glyphs = glyphs or TOOL_BAR
    canvas = Canvas(16 * s * len(glyphs), 15 * s)
    for i, draw in enumerate(glyphs):
        draw(Glyph(canvas, 16 * s * i, s, smooth=s > 1))
    return canvas


# --- File-list tool bar (bitmap 129): edit, shortcut, rename, delete, up one
# level, new folder; the same grid and colours as the main tool bar.

def small_folder(g, x0, y0, x1, y1):
    """A closed folder with its tab."""
    t = 1 / g.s
    g.fill(polygon([(x0, y0), (x0 + 4, y0), (x0 + 5, y0 + 1), (x1, y0 + 1), (x1, y1), (x0, y1)]),
           OUTLINE)
    g.fill(polygon([(x0 + t, y0 + t), (x0 + 4 - t / 2, y0 + t), (x0 + 5 - t / 2, y0 + 1 + t),
                    (x1 - t, y0 + 1 + t), (x1 - t, y1 - t), (x0 + t, y1 - t)]), FOLDER)
    g.fill(rect(x0 + t, y0 + 3, x1 - t, y0 + 3 + t), FOLDER_DARK)


def glyph_rename(g):
    # A name field with a caret and the letters "ab" before it.
    g.box(1, 4, 15, 12, PAPER)
    g.fill(union(ellipse(4.5, 9, 1.5, 1.5), segment(6, 7, 6, 10.5, 1)), DARK)
    g.fill(union(ellipse(9, 9, 1.5, 1.5), segment(7.5, 5.5, 7.5, 10.5, 1)), DARK)
    g.fill(rect(12, 5.5, 13, 10.5), (48, 80, 160))


def glyph_delete(g):
    # A red cross.
    g.fill(union(segment(3, 2.5, 13, 12.5, 2.6), segment(13, 2.5, 3, 12.5, 2.6)), RED)


def glyph_up(g):
    # A folder with an arrow pointing up and to the left.
    small_folder(g, 1, 4, 13, 14)
    g.fill(union(segment(9, 11.5, 9, 5, 1.6), segment(9, 5, 14.5, 5, 1.6)), GREEN)
    g.fill(polygon([(9, 1), (12.5, 5.5), (5.5, 5.5)]), GREEN)


def glyph_new_folder(g):
    # A folder with a spark.
    small_folder(g, 1, 5, 13, 14)
    g.fill(union(segment(12, 0.5, 12, 7.5, 1.4), segment(8.5, 4, 15.5, 4, 1.4)), PENCIL)
    g.fill(union(segment(9.8, 1.8, 14.2, 6.2, 1), segment(14.2, 1.8, 9.8, 6.2, 1)), PENCIL)


FILE_LIST_TOOL_BAR = [glyph_edit, glyph_shortcut, glyph_rename, glyph_delete, glyph_up,
                      glyph_new_folder]


# --- Picture buttons: 16 x 16 on light grey, the colour the buttons take as
# transparent.

LIGHT_GREY = (192, 192, 192)


def folder_button():
    """Bitmap 161, the shortcut dialogs' folder buttons: an open folder."""
    canvas = Canvas(16, 16)
    glyph_open(Glyph(canvas, 0, 1))
    return canvas


# --- Indicator: seven-segment digits and the state pictures ----------------

LIT = (0, 255, 0)
UNLIT = (0, 44, 0)

# Segments a to g of a 12 x 20 digit place: (kind, x, y, length) with x, y
# the left end of a horizontal segment's centre line or the top end of a
# vertical one's, on pixel edges so that the 1x digits stay sharp.
SEGMENTS = {
    'a': ('h', 3, 3, 6), 'g': ('h', 3, 10, 6), 'd': ('h', 3, 17, 6),
    'f': ('v', 3, 3, 7), 'b': ('v', 9, 3, 7), 'e': ('v', 3, 10, 7), 'c': ('v', 9, 10, 7),
}
THICK = 2.0
DIGITS = {
    '0': 'abcdef', '1': 'bc', '2': 'abged', '3': 'abgcd', '4': 'fgbc', '5': 'afgcd',
    '6': 'afgedc', '7': 'abc', '8': 'abcdefg', '9': 'abcdfg', 'E': 'afged', ' ': '',
}


def segment_shape(name, s):
    kind, x, y, length = SEGMENTS[name]
    h = THICK / 2
    gap = 0.3  # a hair of space where segments meet
    if kind == 'h':
        a, b = x + gap, x + length - gap
        points = [(a, y), (a + h, y - h), (b - h, y - h), (b, y), (b - h, y + h), (a + h, y + h)]
    else:
        a, b = y + gap, y + length - gap
        points = [(x, a), (x + h, a + h), (x + h, b - h), (x, b), (x - h, b - h), (x - h, a + h)]
    return polygon([(px * s, py * s) for px, py in points])


def digit(ch, s):
    canvas = Canvas(12 * s, 20 * s, BLACK)
    for name in SEGMENTS:
        canvas.fill(segment_shape(name, s), LIT if name in DIGITS[ch] else UNLIT)
    return canvas


# A 5 x 7 font for the state pictures' words.
FONT = {
    'R': ['1111.', '1...1', '1...1', '1111.', '1.1..', '1..1.', '1...1'],
    'E': ['11111', '1....', '1....', '1111.', '1....', '1....', '11111'],
    'C': ['.111.', '1...1', '1....', '1....', '1....', '1...1', '.111.'],
    'P': ['1111.', '1...1', '1...1', '1111.', '1....', '1....', '1....'],
    'L': ['1....', '1....', '1....', '1....', '1....', '1....', '11111'],
    'A': ['.111.', '1...1', '1...1', '11111', '1...1', '1...1', '1...1'],
    'Y': ['1...1', '1...1', '.1.1.', '..1..', '..1..', '..1..', '..1..'],
}


def word(canvas, text, left, top, s, colour):
    for i, ch in enumerate(text):
        for row, bits in enumerate(FONT[ch]):
            for col, bit in enumerate(bits):
                if bit == '1':
                    x = (left + i * 6 + col) * s
                    y = (top + row) * s
                    canvas.fill(rect(x, y, x + s, y + s), colour, smooth=False)


def recording(s, lit):
    canvas = Canvas(36 * s, 13 * s, BLACK)
    canvas.fill(ellipse(6.5 * s, 6.5 * s, 5 * s, 5 * s), (255, 32, 32) if lit else (96, 0, 0))
    word(canvas, 'REC', 16, 3, s, (255, 64, 64))
    return canvas


def playing(s, lit):
    canvas = Canvas(36 * s, 13 * s, BLACK)
    canvas.fill(polygon([(1.5 * s, 1.5 * s), (10.5 * s, 6.5 * s), (1.5 * s, 11.5 * s)]),
                LIT if lit else (0, 96, 0))
    word(canvas, 'PLAY', 13, 3, s, LIT)
    return canvas


# --- Icons ------------------------------------------------------------------


def program_icon(size):
    """A key cap with a play triangle and a record dot."""
    u = size / 16
    c = Canvas(size, size)
    c.fill(rounded(0.5 * u, 0.5 * u, 15.5 * u, 15.5 * u, 2.5 * u), (70, 70, 80))
    c.fill(rounded(0.5 * u + 1, 0.5 * u + 1, 15.5 * u - 1, 15.5 * u - 1, 2.5 * u - 1),
           (176, 180, 192))
    c.fill(rounded(2 * u, 1.5 * u, 14 * u, 12.5 * u, 1.8 * u), (236, 238, 244))
    c.fill(polygon([(6 * u, 3.5 * u), (12 * u, 7 * u), (6 * u, 10.5 * u)]), (16, 168, 48))
    c.fill(ellipse(4.2 * u, 4.2 * u, 1.7 * u, 1.7 * u), (224, 32, 32))
    return c


def folder_icon(size):
    u = size / 16
    c = Canvas(size, size)
    edge = (150, 104, 16)
    c.fill(polygon([(0.5 * u, 2.5 * u), (6 * u, 2.5 * u), (7.5 * u, 4 * u), (15.5 * u, 4 * u),
                    (15.5 * u, 14 * u), (0.5 * u, 14 * u)]), edge)
    c.fill(polygon([(0.5 * u + 1, 2.5 * u + 1), (6 * u - 0.4, 2.5 * u + 1),
                    (7.5 * u - 0.4, 4 * u + 1), (15.5 * u - 1, 4 * u + 1),
                    (15.5 * u - 1, 14 * u - 1), (0.5 * u + 1, 14 * u - 1)]), FOLDER_DARK)
    c.fill(rect(0.5 * u, 6 * u, 15.5 * u, 14 * u), edge)
    c.fill(rect(0.5 * u + 1, 6 * u + 1, 15.5 * u - 1, 14 * u - 1), (252, 212, 84))
    return c


# --- Files ------------------------------------------------------------------


def bmp_bytes(canvas, key=None):
    """A 24-bit bottom-up BMP file."""
    rows = canvas.rgb_rows(key)
    stride = (canvas.width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        data += line
    header = struct.pack('<IiiHHIIiiII', 40, canvas.width, canvas.height, 1, 24, 0, len(data),
                         3780, 3780, 0, 0)
    return b'BM' + struct.pack('<IHHI', 14 + len(header) + len(data), 0, 0, 54) + header + data


def ico_bytes(canvases, hot_spots=None):
    """An icon file with one 32-bit image (alpha, and its AND mask) per canvas.
    Given one (x, y) hot spot per canvas, a cursor file instead: the same
    directory with type 2, each entry holding its hot spot where an icon's
    holds planes and bit count."""
    images = []
    for c in canvases:
        xor = bytearray()
        mask_stride = ((c.width + 31) // 32) * 4
        mask = bytearray()
        for y in reversed(range(c.height)):
            bits = bytearray(mask_stride)
            for x in range(c.width):
                r, g, b, a = c.pixels[y * c.width + x]
                alpha = int(round(a * 255))
                if alpha == 0:
                    r = g = b = 0
                    bits[x // 8] |= 0x80 >> (x % 8)
                xor += bytes((int(round(b)), int(round(g)), int(round(r)), alpha))
            mask += bits
        header = struct.pack('<IiiHHIIiiII', 40, c.width, c.height * 2, 1, 32, 0,
                             len(xor) + len(mask), 0, 0, 0, 0)
        images.append((c.width, header + xor + mask))
    if hot_spots is None:
        kind, fields = 1, [(1, 32)] * len(images)  # planes and bit count
    else:
        kind, fields = 2, hot_spots
    out = struct.pack('<HHH', 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for (size, data), (a, b) in zip(images, fields):
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, a, b, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    return out


def png_bytes(canvas, background=(192, 192, 192)):
    raw = bytearray()
    for y in range(canvas.height):
        raw.append(0)
        for x in range(canvas.width):
            r, g, b, a = canvas.pixels[y * canvas.width + x]
            raw += bytes(int(round(c * a + bg * (1 - a))) for c, bg in zip((r, g, b), background))

    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))

    return (b'\x89PNG\r\n\x1a\n' +
            chunk(b'IHDR', struct.pack('>IIBBBBB', canvas.width, canvas.height, 8, 2, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))


def pictures():
    """(file name, canvas, kind) of every picture, 1x before 2x."""
    out = []
    for s, suffix in ((1, ''), (2, '_2x')):
        out.append(('toolbar%s.bmp' % suffix, tool_bar(s), 'key'))
        out.append(('file_list_toolbar%s.bmp' % suffix, tool_bar(s, FILE_LIST_TOOL_BAR), 'key'))
        out.append(('digit_blank%s.bmp' % suffix, digit(' ', s), 'bmp'))
        for d in '0123456789':
            out.append(('digit_%s%s.bmp' % (d, suffix), digit(d, s), 'bmp'))
        out.append(('digit_e%s.bmp' % suffix, digit('E', s), 'bmp'))
        out.append(('recording%s.bmp' % suffix, recording(s, True), 'bmp'))
        out.append(('recording_blink%s.bmp' % suffix, recording(s, False), 'bmp'))
        out.append(('playing%s.bmp' % suffix, playing(s, True), 'bmp'))
        out.append(('playing_blink%s.bmp' % suffix, playing(s, False), 'bmp'))
    out.append(('folder_button.bmp', folder_button(), 'grey'))
    return out


def preview(items, icons, path, zoom=4):
    """One enlarged sheet of every picture, for looking at them."""
    sheets = [c for _, c, _ in items] + [i for sizes in icons for i in sizes]
    width = max(c.width for c in sheets) * zoom + 8
    height = sum(c.height * zoom + 8 for c in sheets)
    sheet = Canvas(width, height, (192, 192, 192))
    top = 4
    for c in sheets:
        big = Canvas(c.width * zoom, c.height * zoom)
        for y in range(big.height):
            for x in range(big.width):
                big.pixels[y * big.width + x] = list(c.pixels[(y // zoom) * c.width + x // zoom])
        sheet.paste(big, 4, top)
        top += big.height + 8
    with open(path, 'wb') as f:
        f.write(png_bytes(sheet))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--preview', help='also write an enlarged PNG sheet of everything')
    args = parser.parse_args()
    items = pictures()
    for name, canvas, kind in items:
        with open(os.path.join(HERE, name), 'wb') as f:
            f.write(bmp_bytes(canvas, {'key': MAGENTA, 'grey': LIGHT_GREY}.get(kind)))
    icons = [[program_icon(n) for n in (16, 32, 48)], [folder_icon(n) for n in (16, 32, 48)]]
    for name, sizes in zip(('tamble.ico', 'folder.ico'), icons):
        with open(os.path.join(HERE, name), 'wb') as f:
            f.write(ico_bytes(sizes))
    if args.preview:
        preview(items, icons, args.preview)


if __name__ == '__main__':
    main()
