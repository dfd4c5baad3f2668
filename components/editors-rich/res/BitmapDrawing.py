"""Drawing helpers of the glyph scripts in this folder: a canvas of RGB
rows, filled and framed rectangles, and writing it as a 24-bit BMP file."""
import struct

# The colour the image lists and menus treat as transparent.
TRANSPARENT = (255, 0, 255)


def canvas(width, height):
    return [[TRANSPARENT] * width for _ in range(height)]


def rect(p, x0, y0, x1, y1, colour):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            p[y][x] = colour


def frame(p, x0, y0, x1, y1, colour):
    for x in range(x0, x1 + 1):
        p[y0][x] = p[y1][x] = colour
    for y in range(y0, y1 + 1):
        p[y][x0] = p[y][x1] = colour


def write_bmp(name, pixels):
    height, width = len(pixels), len(pixels[0])
    pad = (4 - width * 3 % 4) % 4
    data = b""
    for y in reversed(range(height)):
        for x in range(width):
            r, g, b = pixels[y][x]
            data += bytes((b, g, r))
        data += b"\0" * pad
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(name, "wb") as f:
        f.write(header + info + data)
