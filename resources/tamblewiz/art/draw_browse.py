#!/usr/bin/env python3
"""Draws browse.bmp: the run page's browse button, an opening folder.

16 x 16 pixels, 4 bits a pixel with the 16 standard colours: the button
maps colours through the colour table, and light grey (192, 192, 192) is
the background it replaces. Run from anywhere; writes beside this script.
"""
import os
import struct

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
INK = {".": 7, "k": 0, "o": 3, "y": 11, "w": 15, "g": 8}

# Top row first; "." is background.
PICTURE = [
    "................",
    "................",
    ".........kkk....",
    "........k...k.k.",
    ".............kk.",
    ".kkkkk......kkk.",
    "kwwwwwk.........",
    "kwyyyywkkkkkkk..",
    "kwyyyyyyyyyyyk..",
    "kwyyykkkkkkkkkkk",
    "kwyykoooooooook.",
    "kwykoooooooook..",
    "kykoooooooook...",
    "kkoooooooook....",
    "kkkkkkkkkkk.....",
    "................",
]


def pixels():
    rows = []
    for line in PICTURE:
        assert len(line) == 16, line
        rows.append([INK[c] for c in line])
    return rows


def bmp(rows):
    width, height = 16, len(rows)
    stride = (width * 4 + 31) // 32 * 4
    data = b""
    for row in reversed(rows):  # bottom-up
        packed = bytes((row[i] << 4) | row[i + 1] for i in range(0, width, 2))
        data += packed + b"\0" * (stride - len(packed))
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(data), 2835, 2835, 16, 0)
    offset = 14 + len(info) + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return header + info + table + data


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "browse.bmp")
    with open(out, "wb") as f:
        f.write(bmp(pixels()))


if __name__ == "__main__":
    main()
