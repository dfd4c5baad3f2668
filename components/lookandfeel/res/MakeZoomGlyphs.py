#!/usr/bin/env python3
"""Draws the native painter's zoom-button glyphs (BITMAP resources of
cxLookAndFeelPainters.rc): a magnifying glass with a plus or a minus.

Run it from this folder to remake them: python3 MakeZoomGlyphs.py
Each glyph is a 32-bit bottom-up BMP whose pixels are premultiplied: the
glass is opaque dark grey, everything else fully transparent black.
"""
import struct

SIZE = 16
INK = (64, 64, 64)


def glass(plus):
    inside = set()
    for y in range(SIZE):
        for x in range(SIZE):
            d = ((x - 6) ** 2 + (y - 6) ** 2) ** 0.5
            if 4.0 <= d <= 5.4:                   # the ring
                inside.add((x, y))
            if x == y and 10 <= x <= 14:          # the handle, two pixels thick
                inside.update({(x, y), (x + 1, y), (x, y + 1)})
    inside.update((x, 6) for x in range(4, 9))     # the minus bar
    if plus:
        inside.update((6, y) for y in range(4, 9))
    return inside


def write_bmp(path, pixels):
    rows = b''
    for y in reversed(range(SIZE)):
        for x in range(SIZE):
            rows += bytes((INK[2], INK[1], INK[0], 255)) if (x, y) in pixels else bytes(4)
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE, 1, 32, 0, len(rows), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(struct.pack('<2sIHHI', b'BM', 14 + len(header) + len(rows), 0, 0, 14 + len(header)))
        f.write(header + rows)


write_bmp('ZoomInButtonGlyph.bmp', glass(True))
write_bmp('ZoomOutButtonGlyph.bmp', glass(False))
