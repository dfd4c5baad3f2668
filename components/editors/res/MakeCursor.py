#!/usr/bin/env python3
"""Draws the editors' mouse-wheel cursor (our own artwork) as a 32x32
monochrome cursor file: a black-outlined white disc with a small arrow up
and one down, hot spot in its centre. Run it from this folder."""
import struct

SIZE = 32
CENTRE = 15.5


def inside_disc(x, y, r):
    return (x - CENTRE) ** 2 + (y - CENTRE) ** 2 <= r * r


def arrow(x, y):
    # Two small triangles above and below the centre.
    dx = abs(x - CENTRE)
    up = 8 <= y <= 12 and dx <= (y - 8) * 0.75 + 0.5
    down = 19 <= y <= 23 and dx <= (23 - y) * 0.75 + 0.5
    return up or down


def pixel(x, y):
    """'b' black, 'w' white, None transparent."""
    if not inside_disc(x, y, 13):
        return None
    if not inside_disc(x, y, 11.5) or arrow(x, y) or inside_disc(x, y, 1.5):
        return 'b'
    return 'w'


def rows(bit_of):
    data = b''
    for y in range(SIZE - 1, -1, -1):  # bottom-up
        row = 0
        for x in range(SIZE):
            if bit_of(x, y):
                row |= 1 << (SIZE - 1 - x)
        data += struct.pack('>I', row)
    return data


xor_mask = rows(lambda x, y: pixel(x, y) == 'w')
and_mask = rows(lambda x, y: pixel(x, y) is None)
header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 1, 0, len(xor_mask) + len(and_mask), 0, 0, 2, 0)
palette = struct.pack('<II', 0x000000, 0xFFFFFF)
image = header + palette + xor_mask + and_mask
directory = struct.pack('<HHH', 0, 2, 1) + struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, 16, 16, len(image), 6 + 16)
with open('MouseWheel.cur', 'wb') as f:
    f.write(directory + image)
