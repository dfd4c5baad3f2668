#!/usr/bin/env python3
"""Draws the control library's cursors (our own artwork) as 32x32
monochrome .cur files: each shape is a set of white pixels, outlined in
black; everything else is transparent. The anchor-scrolling bitmaps show
the scrolling cursors' shapes in black on a light face, as 32x32 24-bit
.bmp files. Run it from this folder."""
import math
import struct

SIZE = 32


def polygon(points):
    """Pixels whose centres lie inside the polygon."""
    pixels = set()
    for y in range(SIZE):
        for x in range(SIZE):
            px, py = x + 0.5, y + 0.5
            inside = False
            for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
                if (y1 > py) != (y2 > py) and px < x1 + (py - y1) * (x2 - x1) / (y2 - y1):
                    inside = not inside
            if inside:
                pixels.add((x, y))
    return pixels


def rect(x1, y1, x2, y2):
    return {(x, y) for x in range(x1, x2) for y in range(y1, y2)}


def frame(x1, y1, x2, y2):
    return rect(x1, y1, x2, y2) - rect(x1 + 1, y1 + 1, x2 - 1, y2 - 1)


def line(x1, y1, x2, y2, width=1):
    pixels = set()
    steps = max(abs(x2 - x1), abs(y2 - y1)) * 2 + 1
    for i in range(steps + 1):
        x = x1 + (x2 - x1) * i / steps
        y = y1 + (y2 - y1) * i / steps
        for dx in range(width):
            for dy in range(width):
                pixels.add((round(x) + dx, round(y) + dy))
    return pixels


def ring(cx, cy, r, width=2):
    return {(x, y) for x in range(SIZE) for y in range(SIZE)
            if r - width <= math.hypot(x + 0.5 - cx, y + 0.5 - cy) <= r}


def disc(cx, cy, r):
    return {(x, y) for x in range(SIZE) for y in range(SIZE)
            if math.hypot(x + 0.5 - cx, y + 0.5 - cy) <= r}


def triangle(cx, cy, direction, size=4):
    dx, dy = direction
    tip = (cx + dx * size, cy + dy * size)
    base1 = (cx - dy * size, cy + dx * size)
    base2 = (cx + dy * size, cy - dx * size)
    return polygon([tip, base1, base2])


ARROW = polygon([(1, 1), (1, 17), (5, 13), (8, 20), (10, 19), (7, 12), (12, 12)])
PLUS = rect(22, 17, 24, 27) | rect(18, 21, 28, 23)
CROSS = line(18, 17, 27, 26, 2) | line(27, 17, 18, 26, 2)
PAGE = frame(12, 16, 24, 26) | rect(13, 17, 23, 25)
PAGES = frame(15, 19, 27, 29) | rect(16, 20, 26, 28) | frame(12, 16, 24, 26) | rect(13, 17, 23, 25)
SCROLL_RING = ring(16, 16, 5) | disc(16, 16, 1.5)


def scroll_arrows(*directions):
    pixels = set(SCROLL_RING)
    for dx, dy in directions:
        pixels |= triangle(16 + dx * 11, 16 + dy * 11, (dx, dy))
    return pixels


def size_arrows(vertical):
    bar = rect(6, 15, 26, 17) if vertical else rect(15, 6, 17, 26)
    if vertical:
        shaft = rect(15, 4, 17, 28)
        heads = triangle(16, 5, (0, -1)) | triangle(16, 27, (0, 1))
    else:
        shaft = rect(4, 15, 28, 17)
        heads = triangle(5, 16, (-1, 0)) | triangle(27, 16, (1, 0))
    return bar | shaft | heads


HAND_OPEN = (rect(9, 12, 23, 24) | polygon([(9, 24), (23, 24), (20, 29), (12, 29)]) |
             rect(10, 5, 12, 13) | rect(13, 3, 15, 13) | rect(16, 4, 18, 13) | rect(19, 6, 21, 13) |
             polygon([(9, 16), (5, 12), (4, 14), (9, 20)]))
HAND_CLOSED = (rect(9, 12, 23, 24) | polygon([(9, 24), (23, 24), (20, 29), (12, 29)]) |
               rect(10, 9, 22, 13))
POINTING_HAND = (rect(10, 14, 22, 25) | polygon([(10, 25), (22, 25), (19, 30), (13, 30)]) |
                 rect(10, 2, 13, 15) | polygon([(10, 18), (6, 14), (5, 16), (10, 22)]))

CURSORS = {
    "DragCopy": (ARROW | PAGE | PLUS, (1, 1)),
    "FullScroll": (scroll_arrows((0, -1), (0, 1), (-1, 0), (1, 0)), (16, 16)),
    "HorScroll": (scroll_arrows((-1, 0), (1, 0)), (16, 16)),
    "VerScroll": (scroll_arrows((0, -1), (0, 1)), (16, 16)),
    "UpScroll": (scroll_arrows((0, -1)), (16, 16)),
    "RightScroll": (scroll_arrows((1, 0)), (16, 16)),
    "DownScroll": (scroll_arrows((0, 1)), (16, 16)),
    "LeftScroll": (scroll_arrows((-1, 0)), (16, 16)),
    "Remove": (ARROW | CROSS, (1, 1)),
    "VertSize": (size_arrows(True), (16, 16)),
    "HorzSize": (size_arrows(False), (16, 16)),
    "MultiDrag": (ARROW | PAGES, (1, 1)),
    "NoDrop": (ring(16, 16, 10, 3) | line(9, 9, 23, 23, 3), (16, 16)),
    "Drag": (ARROW | PAGE, (1, 1)),
    "ColorPicker": (line(2, 29, 16, 15, 3) | disc(21, 10, 6), (2, 29)),
    "MultiDragCopy": (ARROW | PAGES | PLUS, (1, 1)),
    "Hand": (POINTING_HAND, (11, 2)),
    "HandDrag": (HAND_CLOSED, (16, 16)),
}


def masks(white):
    black = {(x + dx, y + dy) for x, y in white for dx in (-1, 0, 1) for dy in (-1, 0, 1)}
    black = {(x, y) for x, y in black if 0 <= x < SIZE and 0 <= y < SIZE} - white
    xor_rows, and_rows = [], []
    for y in reversed(range(SIZE)):  # bottom-up
        xor_bits = and_bits = 0
        for x in range(SIZE):
            bit = 1 << (31 - x)
            if (x, y) in white:
                xor_bits |= bit
            elif (x, y) not in black:
                and_bits |= bit
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    return b"".join(xor_rows), b"".join(and_rows)


def cursor_file(white, hotspot):
    xor_mask, and_mask = masks(white)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + xor_mask + and_mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return directory + entry + image


for name, (white, hotspot) in CURSORS.items():
    with open(f"{name}.cur", "wb") as out:
        out.write(cursor_file(white, hotspot))


ANCHOR_BITMAPS = {
    "FullScrollBitmap": scroll_arrows((0, -1), (0, 1), (-1, 0), (1, 0)),
    "HorScrollBitmap": scroll_arrows((-1, 0), (1, 0)),
    "VerScrollBitmap": scroll_arrows((0, -1), (0, 1)),
}
FACE = (0xF0, 0xF0, 0xF0)


def bitmap_file(black):
    rows = []
    for y in reversed(range(SIZE)):  # bottom-up
        rows.append(b"".join(bytes((0, 0, 0)) if (x, y) in black else bytes(FACE) for x in range(SIZE)))
    pixels = b"".join(rows)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(pixels), 0, 0, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0, 14 + len(header))
    return file_header + header + pixels


for name, black in ANCHOR_BITMAPS.items():
    with open(f"{name}.bmp", "wb") as out:
        out.write(bitmap_file(black))
