"""Reads the X screen as it is shown (the root window's pixels, with every
window on it) and checks that a rectangle of it holds something readable.

    ScreenCheck.py X Y WIDTH HEIGHT PICTURE.png

Saves the whole screen as PICTURE.png and exits 1 when the rectangle is of
one colour only (an unpainted window shows as a uniform black area).

The screen is read with one GetImage request on the root window: a dump
tool that composes the picture window by window from their colormaps can
show black where windows with a colormap of their own overlap, which is
not what the display holds."""
import ctypes
import ctypes.util
import struct
import sys
import zlib
from collections import Counter


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
                ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong)]


def read_screen():
    """The root window's pixels as rows of (r, g, b) tuples."""
    xlib = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XDefaultRootWindow.restype = ctypes.c_ulong
    xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    xlib.XDisplayWidth.argtypes = xlib.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
    xlib.XGetImage.restype = ctypes.POINTER(XImage)
    xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                               ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    display = xlib.XOpenDisplay(None)
    if not display:
        sys.exit("ScreenCheck: cannot open the display")
    width, height = xlib.XDisplayWidth(display, 0), xlib.XDisplayHeight(display, 0)
    z_pixmap, all_planes = 2, 0xFFFFFFFF
    image = xlib.XGetImage(display, xlib.XDefaultRootWindow(display), 0, 0, width, height,
                           all_planes, z_pixmap).contents
    if image.bits_per_pixel != 32:
        sys.exit("ScreenCheck: only 32-bit pixels are read, the screen has %d" % image.bits_per_pixel)
    raw = ctypes.string_at(image.data, image.bytes_per_line * height)
    order = "<" if image.byte_order == 0 else ">"
    rows = []
    for y in range(height):
        line = struct.unpack_from(order + "%dI" % width, raw, y * image.bytes_per_line)
        rows.append([((p >> 16) & 255, (p >> 8) & 255, p & 255) for p in line])
    return rows


def save_png(rows, path):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in rows)
    header = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 2, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                  chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def main():
    x, y, width, height = map(int, sys.argv[1:5])
    rows = read_screen()
    save_png(rows, sys.argv[5])
    colours = Counter(pixel for row in rows[y:y + height] for pixel in row[x:x + width])
    face, share = colours.most_common(1)[0]
    print("ScreenCheck: %d colours in %dx%d+%d+%d, mostly %s (%d%%)"
          % (len(colours), width, height, x, y, face, 100 * share // (width * height)))
    if len(colours) < 2:
        sys.exit("ScreenCheck: the area is of one colour only: nothing in it can be read")


if __name__ == "__main__":
    main()
