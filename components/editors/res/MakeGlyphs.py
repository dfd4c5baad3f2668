#!/usr/bin/env python3
"""Draws the editors' validation glyphs (our own artwork) as 16x16 PNG files
with an alpha channel: a red disc with a white cross (error), a yellow
triangle with a black mark (warning) and a blue disc with a white "i"
(information). Each pixel is sampled 4x4 times, so edges are smooth. Run it
from this folder."""
import struct
import zlib

SIZE = 16
SAMPLES = 4


def disc(x, y):
    return (x - 8) ** 2 + (y - 8) ** 2 <= 7.5 ** 2


def triangle(x, y):
    return y >= 1 and y <= 15 and abs(x - 8) <= (y - 1) * 7.5 / 14


def cross(x, y):
    dx, dy = x - 8, y - 8
    return abs(dx) <= 4 and abs(dy) <= 4 and (abs(dx - dy) <= 1.2 or abs(dx + dy) <= 1.2)


def exclamation(x, y):
    return abs(x - 8) <= 1 and (5 <= y <= 10.5 or 12 <= y <= 14)


def info_mark(x, y):
    return abs(x - 8) <= 1 and (7 <= y <= 13 or 3.5 <= y <= 5.5)


GLYPHS = {
    "Error": (disc, (204, 32, 32), cross, (255, 255, 255)),
    "Warning": (triangle, (240, 190, 20), exclamation, (0, 0, 0)),
    "Info": (disc, (32, 96, 204), info_mark, (255, 255, 255)),
}


def pixel(shape, face, mark, ink, px, py):
    covered = marked = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = px + (sx + 0.5) / SAMPLES
            y = py + (sy + 0.5) / SAMPLES
            if shape(x, y):
                covered += 1
                marked += mark(x, y)
    if not covered:
        return (0, 0, 0, 0)
    t = marked / covered
    rgb = tuple(round(f * (1 - t) + i * t) for f, i in zip(face, ink))
    return rgb + (round(255 * covered / SAMPLES ** 2),)


def png(rows):
    raw = b"".join(b"\0" + bytes(c for p in row for c in p) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


for name, (shape, face, mark, ink) in GLYPHS.items():
    rows = [[pixel(shape, face, mark, ink, x, y) for x in range(SIZE)] for y in range(SIZE)]
    with open(f"Glyph{name}.png", "wb") as f:
        f.write(png(rows))
