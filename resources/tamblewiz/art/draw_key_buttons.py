#!/usr/bin/env python3
"""Draws the two tool buttons of the companion's first page into this folder.

Python 3 with its standard library only; the shapes, canvas and file writers
are those of resources/tamble/art/draw.py. The files it writes are committed,
so the build needs no Python; run it again after changing a picture:

    python3 resources/tamblewiz/art/draw_key_buttons.py [--preview FILE.png]

Each bitmap is a horizontal strip of 20 x 18 frames, one per button state:
normal, hot, pressed, checked, checked and hot, and a spare (the always-on-top
pin, six frames); normal, hot and pressed (the help button, three frames).
What lies outside the button is magenta, which the program draws as the
button face.
"""

import argparse
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True  # leaves no cache beside the main program's art
sys.path.insert(0, os.path.join(HERE, '..', '..', 'tamble', 'art'))

import draw  # noqa: E402  (the main program's art: shapes and writers)
from draw import Canvas, ellipse, polygon, rect, segment, union  # noqa: E402

FRAME_W, FRAME_H = 20, 18

LIGHT = (255, 255, 255)
SHADOW = (128, 128, 128)
DARK = (64, 64, 64)
CHECKED_FILL = (226, 232, 244)
HOT_FILL = (236, 242, 252)
PIN_RED = (204, 40, 40)
PIN_DARK = (128, 16, 16)
NEEDLE = (96, 96, 96)
HELP_BLUE = (40, 96, 200)
HELP_DARK = (24, 56, 140)

# Frame looks: (border, fill, glyph pushed in).
NORMAL, HOT, PRESSED, CHECKED, CHECKED_HOT = range(5)


def border(c, left, look):
    """The button edge of one frame: none at rest, raised when hot, sunken
    when pressed or checked."""
    x0, x1 = left, left + FRAME_W
    if look == NORMAL:
        return
    fill = {HOT: HOT_FILL, PRESSED: CHECKED_FILL, CHECKED: CHECKED_FILL,
            CHECKED_HOT: HOT_FILL}[look]
    c.fill(rect(x0, 0, x1, FRAME_H), fill, smooth=False)
    top_left, bottom_right = (LIGHT, SHADOW) if look == HOT else (SHADOW, LIGHT)
    c.fill(rect(x0, 0, x1, 1), top_left, smooth=False)
    c.fill(rect(x0, 0, x0 + 1, FRAME_H), top_left, smooth=False)
    c.fill(rect(x0, FRAME_H - 1, x1, FRAME_H), bottom_right, smooth=False)
    c.fill(rect(x1 - 1, 0, x1, FRAME_H), bottom_right, smooth=False)
    if look == CHECKED_HOT:
        c.fill(rect(x0 + 1, 1, x1 - 1, 2), DARK, smooth=False)
        c.fill(rect(x0 + 1, 1, x0 + 2, FRAME_H - 1), DARK, smooth=False)


def rotated(points, cx, cy, degrees):
    a = math.radians(degrees)
    return [(cx + (x - cx) * math.cos(a) - (y - cy) * math.sin(a),
             cy + (x - cx) * math.sin(a) + (y - cy) * math.cos(a)) for x, y in points]


def pin(c, left, pushed, shift):
    """A push pin: leaning and loose, or upright and pressed in."""
    cx, cy = left + FRAME_W / 2 + shift, FRAME_H / 2 + shift
    angle = 0 if pushed else 40
    head = [(cx - 3.5, cy - 7), (cx + 3.5, cy - 7), (cx + 2.5, cy - 5.5), (cx + 2.5, cy - 1),
            (cx + 5, cy + 1.5), (cx - 5, cy + 1.5), (cx - 2.5, cy - 1), (cx - 2.5, cy - 5.5)]
    needle_end = (cx, cy + (5 if pushed else 7.5))
    needle = rotated([(cx, cy + 1.5), needle_end], cx, cy, angle)
    c.fill(segment(needle[0][0], needle[0][1], needle[1][0], needle[1][1], 1.2), NEEDLE)
    c.fill(polygon(rotated(head, cx, cy, angle)), PIN_DARK)
    inner = [(x + (cx - x) * 0.35, y + (cy - 3 - y) * 0.35) for x, y in head]
    c.fill(polygon(rotated(inner, cx, cy, angle)), PIN_RED)
    if pushed:
        # The pin's shadow on the board it holds.
        c.fill(ellipse(cx + 0.5, cy + 6, 3.5, 1), SHADOW)


def question(c, left, shift):
    """A question mark in a blue disc."""
    cx, cy = left + FRAME_W / 2 + shift, FRAME_H / 2 + shift
    c.fill(ellipse(cx, cy, 7, 7), HELP_DARK)
    c.fill(ellipse(cx, cy, 6, 6), HELP_BLUE)
    arc = []
    for i in range(0, 181, 15):
        a = math.radians(180 + i)
        arc.append((cx + 2.4 * math.cos(a), cy - 2 + 2.4 * math.sin(a)))
    hook = union(*(segment(ax, ay, bx, by, 1.6) for (ax, ay), (bx, by) in zip(arc, arc[1:])))
    c.fill(hook, LIGHT)
    c.fill(segment(cx + 2.4, cy - 2, cx, cy + 1, 1.6), LIGHT)
    c.fill(segment(cx, cy + 1, cx, cy + 2.2, 1.6), LIGHT)
    c.fill(ellipse(cx, cy + 4.2, 1, 1), LIGHT)


def top_most_strip():
    c = Canvas(FRAME_W * 6, FRAME_H)
    looks = (NORMAL, HOT, PRESSED, CHECKED, CHECKED_HOT, CHECKED)
    for i, look in enumerate(looks):
        left = i * FRAME_W
        border(c, left, look)
        pin(c, left, pushed=look in (CHECKED, CHECKED_HOT), shift=1 if look == PRESSED else 0)
    return c


def help_strip():
    c = Canvas(FRAME_W * 3, FRAME_H)
    for i, look in enumerate((NORMAL, HOT, PRESSED)):
        left = i * FRAME_W
        border(c, left, look)
        question(c, left, shift=1 if look == PRESSED else 0)
    return c


def pictures():
    return [('top_most.bmp', top_most_strip()), ('help.bmp', help_strip())]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--preview', help='also write an enlarged PNG sheet of both strips')
    args = parser.parse_args()
    items = pictures()
    for name, canvas in items:
        with open(os.path.join(HERE, name), 'wb') as f:
            f.write(draw.bmp_bytes(canvas, draw.MAGENTA))
    if args.preview:
        draw.preview([(name, canvas, 'key') for name, canvas in items], [], args.preview, zoom=8)


if __name__ == '__main__':
    main()
