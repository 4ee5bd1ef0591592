#!/usr/bin/env python3
"""Draws the first-run set-up's pictures of Tamblewiz.exe into this folder.

Python 3 with its standard library only; the shapes, canvas and file writers
are those of resources/tamble/art/draw.py. The files it writes are committed,
so the build needs no Python; run it again after changing a picture:

    python3 resources/tamblewiz/art/draw_setup.py [--preview FILE.png]

setup_check.ico  a step done: a green tick (16 and 32 pixels)
setup.ico        the set-up: a folder with a macro page and a gear (32, 16)
"""

import argparse
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True  # leaves no cache beside the main program's art
sys.path.insert(0, os.path.join(HERE, '..', '..', 'tamble', 'art'))

import draw  # noqa: E402  (the main program's art: shapes and writers)
from draw import Canvas, ellipse, minus, polygon, rect, segment, union  # noqa: E402

TICK = (16, 150, 48)
TICK_EDGE = (8, 96, 24)
FOLDER_EDGE = (150, 104, 16)
FOLDER_BACK = (200, 150, 32)
FOLDER_FRONT = (252, 212, 84)
PAPER = (255, 255, 255)
LINES = (112, 120, 136)
GEAR = (88, 96, 112)
GEAR_FACE = (200, 204, 216)


def tick(size):
    u = size / 16
    c = Canvas(size, size)
    stroke = [(2.5 * u, 8.5 * u), (6.3 * u, 12.3 * u), (13.5 * u, 3.5 * u)]
    for width, colour in ((3.6 * u, TICK_EDGE), (2.2 * u, TICK)):
        c.fill(union(segment(*stroke[0], *stroke[1], width),
                     segment(*stroke[1], *stroke[2], width),
                     ellipse(*stroke[1], width / 2, width / 2)), colour)
    return c


def gear(cx, cy, radius, teeth=8):
    body = ellipse(cx, cy, radius * 0.72, radius * 0.72)

    def tooth(x, y):
        angle = math.atan2(y - cy, x - cx)
        distance = math.hypot(x - cx, y - cy)
        # A tooth covers half of each 1/teeth turn.
        return distance <= radius and (angle * teeth / (2 * math.pi)) % 1 < 0.5

    return minus(union(body, tooth), ellipse(cx, cy, radius * 0.3, radius * 0.3))


def setup_picture(size):
    u = size / 16
    c = Canvas(size, size)
    c.fill(polygon([(0.5 * u, 3 * u), (5.5 * u, 3 * u), (7 * u, 4.5 * u), (14 * u, 4.5 * u),
                    (14 * u, 14.5 * u), (0.5 * u, 14.5 * u)]), FOLDER_EDGE)
    c.fill(polygon([(0.5 * u + 1, 3 * u + 1), (5.5 * u - 0.4, 3 * u + 1),
                    (7 * u - 0.4, 4.5 * u + 1), (14 * u - 1, 4.5 * u + 1),
                    (14 * u - 1, 14.5 * u - 1), (0.5 * u + 1, 14.5 * u - 1)]), FOLDER_BACK)
    # A macro page standing in the folder.
    c.fill(rect(3 * u, 1 * u, 11 * u, 10 * u), LINES)
    c.fill(rect(3 * u + 1, 1 * u + 1, 11 * u - 1, 10 * u), PAPER)
    for row in (3, 5, 7):
        c.fill(rect(4.5 * u, row * u, 9.5 * u, row * u + max(1, u * 0.8)), LINES)
    c.fill(rect(0.5 * u, 7 * u, 14 * u, 14.5 * u), FOLDER_EDGE)
    c.fill(rect(0.5 * u + 1, 7 * u + 1, 14 * u - 1, 14.5 * u - 1), FOLDER_FRONT)
    c.fill(gear(12 * u, 12 * u, 4 * u), GEAR)
    c.fill(ellipse(12 * u, 12 * u, 2 * u, 2 * u), GEAR_FACE)
    c.fill(ellipse(12 * u, 12 * u, 1 * u, 1 * u), GEAR)
    return c


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--preview', help='also write an enlarged PNG of every picture')
    args = parser.parse_args()
    checks = [tick(16), tick(32)]
    pictures = [setup_picture(32), setup_picture(16)]
    files = {
        'setup_check.ico': draw.ico_bytes(checks),
        'setup.ico': draw.ico_bytes(pictures),
    }
    for name, data in files.items():
        with open(os.path.join(HERE, name), 'wb') as f:
            f.write(data)
    if args.preview:
        draw.preview([], [checks, pictures], args.preview, zoom=6)


if __name__ == '__main__':
    main()
