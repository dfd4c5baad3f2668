#!/usr/bin/env python3
"""Draws the image editor's menu glyphs (our own artwork) as 16x16 24-bit
BMP files on a fuchsia background, the colour the menu treats as
transparent: scissors (cut), two sheets (copy), a clipboard (paste), a red
cross (delete), an open folder (load), a camera (camera) and a disk (save).
Run it from this folder."""
from BitmapDrawing import canvas as canvas_of, frame, rect, write_bmp

SIZE = 16


def canvas():
    return canvas_of(SIZE, SIZE)


def sheet(p, x0, y0, x1, y1):
    rect(p, x0, y0, x1, y1, (255, 255, 255))
    frame(p, x0, y0, x1, y1, (64, 64, 64))
    for y in range(y0 + 2, y1 - 1, 2):
        for x in range(x0 + 2, x1 - 1):
            p[y][x] = (128, 128, 160)


def cut():
    p = canvas()
    for i in range(8):
        p[1 + i][4 + i // 2] = p[1 + i][11 - i // 2] = (64, 64, 64)
    for cx in (4, 11):
        for y in range(10, 15):
            for x in range(cx - 2, cx + 3):
                if 2 <= (x - cx) ** 2 + (y - 12) ** 2 <= 5:
                    p[y][x] = (0, 0, 192)
    return p


def copy():
    p = canvas()
    sheet(p, 1, 1, 9, 11)
    sheet(p, 6, 4, 14, 14)
    return p


def paste():
    p = canvas()
    rect(p, 2, 2, 12, 14, (160, 112, 48))
    frame(p, 2, 2, 12, 14, (96, 64, 16))
    rect(p, 5, 1, 9, 3, (128, 128, 128))
    sheet(p, 7, 6, 14, 14)
    return p


def delete():
    p = canvas()
    for i in range(11):
        for d in (0, 1):
            p[2 + i][2 + i + d] = (208, 0, 0)
            p[2 + i][13 - i - d] = (208, 0, 0)
    return p


def load():
    p = canvas()
    rect(p, 1, 4, 7, 5, (224, 176, 64))
    rect(p, 1, 5, 13, 13, (240, 200, 96))
    frame(p, 1, 5, 13, 13, (144, 96, 16))
    for y in range(8, 14):
        for x in range(3 + (13 - y) // 2, 15 - (y - 8) // 3):
            p[y][x] = (255, 224, 128)
    return p


def camera():
    p = canvas()
    rect(p, 1, 5, 14, 13, (64, 64, 72))
    rect(p, 5, 3, 9, 4, (64, 64, 72))
    for y in range(6, 13):
        for x in range(4, 12):
            if (x - 7.5) ** 2 + (y - 9) ** 2 <= 9:
                p[y][x] = (96, 160, 224)
    p[6][12] = (255, 224, 64)
    return p


def save():
    p = canvas()
    rect(p, 1, 1, 14, 14, (32, 64, 160))
    rect(p, 4, 1, 11, 6, (255, 255, 255))
    rect(p, 4, 9, 11, 14, (192, 192, 192))
    rect(p, 9, 2, 10, 5, (32, 64, 160))
    return p


for name, draw in [("MenuCut", cut), ("MenuCopy", copy), ("MenuPaste", paste), ("MenuDelete", delete),
                   ("MenuLoad", load), ("MenuCamera", camera), ("MenuSave", save)]:
    write_bmp(name + ".bmp", draw())
