#!/usr/bin/env python3
"""Draws the blob edit's kind bitmaps (our own artwork) as 16x13 24-bit BMP
files on a magenta background, the colour the image list treats as
transparent: a data block, a text sheet, a framed landscape and two linked
boxes, each empty (grey outline) and filled (coloured). Run it from this
folder."""
from BitmapDrawing import TRANSPARENT, canvas as canvas_of, frame, rect, write_bmp

W, H = 16, 13
GREY = (128, 128, 128)
DARK = (48, 48, 48)


def canvas():
    return canvas_of(W, H)


def blob(filled):
    p = canvas()
    if filled:
        rect(p, 2, 2, 13, 10, (96, 128, 200))
        for y in (4, 6, 8):
            for x in range(4, 12, 2):
                p[y][x] = (255, 255, 255)
    frame(p, 2, 2, 13, 10, DARK if filled else GREY)
    return p


def memo(filled):
    p = canvas()
    rect(p, 3, 1, 12, 11, (255, 255, 255) if filled else TRANSPARENT)
    frame(p, 3, 1, 12, 11, DARK if filled else GREY)
    if filled:
        for y in (3, 5, 7, 9):
            for x in range(5, 11):
                p[y][x] = (0, 0, 160)
    return p


def pict(filled):
    p = canvas()
    if filled:
        rect(p, 2, 2, 13, 10, (150, 200, 255))
        rect(p, 3, 8, 12, 9, (40, 150, 40))
        for i in range(4):
            rect(p, 5 - i, 7 - i + 3, 5 + i, 7 - i + 3, (40, 150, 40))
        rect(p, 10, 3, 11, 4, (255, 210, 0))
    frame(p, 2, 2, 13, 10, DARK if filled else GREY)
    return p


def ole(filled):
    p = canvas()
    edge = DARK if filled else GREY
    if filled:
        rect(p, 1, 1, 7, 6, (220, 80, 80))
        rect(p, 8, 6, 14, 11, (80, 170, 80))
    frame(p, 1, 1, 7, 6, edge)
    frame(p, 8, 6, 14, 11, edge)
    p[7][7] = p[8][7] = edge
    return p


for kind, draw in (("Blob", blob), ("Memo", memo), ("Pict", pict), ("Ole", ole)):
    write_bmp(f"Blob{kind}Null.bmp", draw(False))
    write_bmp(f"Blob{kind}.bmp", draw(True))
