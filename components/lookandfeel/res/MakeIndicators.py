#!/usr/bin/env python3
"""Draws the grid-row indicator glyphs (8 x 9, 16 colours, black on white):
the BITMAP resources of cxLookAndFeelPainters.rc. Run it from this folder."""
import struct

GLYPHS = {
    'IndicatorArrow': ["........", "..X.....", "..XX....", "..XXX...", "..XXXX..", "..XXX...", "..XX....", "..X.....", "........"],
    'IndicatorEdit': [".XX.XX..", "...X....", "...X....", "...X....", "...X....", "...X....", "...X....", "...X....", ".XX.XX.."],
    'IndicatorInsert': ["........", "...X....", ".X.X.X..", "..XXX...", ".XXXXX..", "..XXX...", ".X.X.X..", "...X....", "........"],
    'IndicatorMultiDot': ["........", "........", "...XX...", "..XXXX..", "..XXXX..", "...XX...", "........", "........", "........"],
    'IndicatorMultiArrow': ["X.......", "XX......", "XXX.....", "XXXX.XX.", "XXX.XXXX", "XX..XXXX", "X....XX.", "........", "........"],
    'IndicatorFilter': ["........", "XXXXXXX.", ".XXXXX..", "..XXX...", "...X....", "...X....", "...X....", "...X....", "........"],
    'IndicatorSortBySummaryValue': ["XXXXXX..", "X....X..", ".X......", "..X.....", "...X....", "..X.....", ".X......", "X....X..", "XXXXXX.."],
}
# The 16-colour palette; the glyphs use black (0) and white (15).
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
           (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255),
           (0, 255, 255), (255, 255, 255)]

for name, rows in GLYPHS.items():
    pixels = b''
    for row in reversed(rows):  # bottom-up
        nibbles = [0 if c == 'X' else 15 for c in row]
        pixels += bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, 8, 2))
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    info = struct.pack('<IiiHHIIiiII', 40, 8, 9, 1, 4, 0, len(pixels), 2835, 2835, 16, 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    with open(name + '.bmp', 'wb') as f:
        f.write(header + info + palette + pixels)
