#!/usr/bin/env python3
"""Draws the Office 2003 look's bitmaps (24 bits per pixel), the BITMAP
resources of dxOffice11.rc. Run it from this folder.

- Office11ExpandButtonMinus.bmp, Office11ExpandButtonPlus.bmp: 11 x 11
  tree expand buttons, a dark frame around a white-to-blue face with a black
  sign; the painter blends the four corners into the background.
- Office11SubMenuExpand.bmp: 12 x 12 double chevron on a grey disc over a
  magenta background (pixel (0, 0)); the unit recolours the grey pixels by
  their red component and keeps the black ones."""
import struct


def write_bmp(name, rows):
    """rows: top-down lists of (r, g, b)."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    pixels = b''
    for row in reversed(rows):  # bottom-up
        line = b''.join(struct.pack('<BBB', b, g, r) for (r, g, b) in row)
        pixels += line + b'\0' * (stride - len(line))
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    with open(name, 'wb') as f:
        f.write(header + info + pixels)


def blend(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


FRAME = (46, 70, 95)
FACE_TOP, FACE_BOTTOM = (255, 255, 255), (196, 210, 228)
SIGN = (0, 0, 0)


def expand_button(plus):
    rows = []
    for y in range(11):
        row = []
        for x in range(11):
            if x in (0, 10) or y in (0, 10):
                row.append(FRAME)
            elif y == 5 and 3 <= x <= 7 or plus and x == 5 and 3 <= y <= 7:
                row.append(SIGN)
            else:
                row.append(blend(FACE_TOP, FACE_BOTTOM, (y - 1) / 8))
        rows.append(row)
    return rows


BACKGROUND = (255, 0, 255)


def submenu_expand():
    size, centre, radius = 12, 5.5, 5.6
    chevrons = {(3, 3), (4, 4), (5, 5), (6, 5), (7, 4), (8, 3), (3, 6), (4, 7), (5, 8), (6, 8), (7, 7), (8, 6)}
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            if (x, y) in chevrons:
                row.append(SIGN)
            elif (x - centre) ** 2 + (y - centre) ** 2 <= radius ** 2:
                red = round(240 - 90 * y / (size - 1))  # light at the top, darker below
                row.append((red, red, red))
            else:
                row.append(BACKGROUND)
        rows.append(row)
    return rows


write_bmp('Office11ExpandButtonMinus.bmp', expand_button(False))
write_bmp('Office11ExpandButtonPlus.bmp', expand_button(True))
write_bmp('Office11SubMenuExpand.bmp', submenu_expand())
