#!/usr/bin/env python3
"""Draws the window picker's pictures of Tamblewiz.exe into this folder.

Python 3 with its standard library only; the shapes, canvas and file writers
are those of resources/tamble/art/draw.py. The files it writes are committed,
so the build needs no Python; run it again after changing a picture:

    python3 resources/tamblewiz/art/draw_picker.py [--preview FILE.png]

picker.ico        the picker at rest: a target in its frame (32 and 16 pixels)
picker_empty.ico  the frame alone, while the target is being dragged
picker.cur        the target as a cursor, 32 x 32, its hot spot at the centre
"""

import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True  # leaves no cache beside the main program's art
sys.path.insert(0, os.path.join(HERE, '..', '..', 'tamble', 'art'))

import draw  # noqa: E402  (the main program's art: shapes and writers)
from draw import Canvas, ellipse, minus, rect, rounded, union  # noqa: E402

OUTLINE = (64, 64, 72)
FACE = (236, 238, 244)
SHADE = (176, 180, 192)
TARGET = (200, 24, 24)
INK = (0, 0, 0)
HALO = (255, 255, 255)


def disc(cx, cy, radius):
    return ellipse(cx, cy, radius, radius)


def ring(cx, cy, radius, width):
    return minus(disc(cx, cy, radius + width / 2), disc(cx, cy, radius - width / 2))


def cross(cx, cy, reach, gap, width):
    """Four strokes towards the centre, leaving a gap around it."""
    w = width / 2
    return union(rect(cx - reach, cy - w, cx - gap, cy + w),
                 rect(cx + gap, cy - w, cx + reach, cy + w),
                 rect(cx - w, cy - reach, cx + w, cy - gap),
                 rect(cx - w, cy + gap, cx + w, cy + reach))


def frame(size):
    u = size / 16
    c = Canvas(size, size)
    c.fill(rounded(0.5 * u, 0.5 * u, 15.5 * u, 15.5 * u, 2 * u), OUTLINE)
    c.fill(rounded(0.5 * u + 1, 0.5 * u + 1, 15.5 * u - 1, 15.5 * u - 1, 2 * u - 1), SHADE)
    c.fill(rounded(2 * u, 2 * u, 14 * u, 14 * u, 1.2 * u), FACE)
    return c


def target(c, centre, u, colour):
    # Strokes a whole number of pixels wide, on whole pixels.
    width = round(u)
    c.fill(ring(centre, centre, 4.2 * u, width), colour)
    c.fill(cross(centre, centre, 6.2 * u, 1.6 * u, width), colour)
    c.fill(disc(centre, centre, 0.8 * u), colour)


def picker(size):
    c = frame(size)
    u = size / 16
    target(c, size / 2 - (0.5 if round(u) % 2 else 0), u, TARGET)
    return c


def picker_empty(size):
    return frame(size)


def cursor():
    """Black strokes on a white halo, centred on pixel (16, 16)."""
    c = Canvas(32, 32)
    cx = cy = 16.5
    c.fill(ring(cx, cy, 9, 4), HALO)
    c.fill(cross(cx, cy, 15, 2, 4), HALO)
    c.fill(disc(cx, cy, 2), HALO)
    c.fill(ring(cx, cy, 9, 1.6), INK)
    c.fill(cross(cx, cy, 14, 3, 1.6), INK)
    c.fill(rect(16, 16, 17, 17), INK)
    return c


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--preview', help='also write an enlarged PNG of every picture')
    args = parser.parse_args()
    rest = [picker(32), picker(16)]
    empty = [picker_empty(32), picker_empty(16)]
    target_cursor = cursor()
    files = {
        'picker.ico': draw.ico_bytes(rest),
        'picker_empty.ico': draw.ico_bytes(empty),
        'picker.cur': draw.ico_bytes([target_cursor], hot_spots=[(16, 16)]),
    }
    for name, data in files.items():
        with open(os.path.join(HERE, name), 'wb') as f:
            f.write(data)
    if args.preview:
        draw.preview([], [rest, empty, [target_cursor]], args.preview, zoom=6)


if __name__ == '__main__':
    main()
