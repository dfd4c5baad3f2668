#!/usr/bin/env python3
"""Draws the painters' pictures (the PNG resources of cxLookAndFeelPainters.rc).

Run it from this folder to remake them: python3 MakeArtwork.py
Shapes are given as inside-tests and drawn with 4 x 4 supersampling, so
edges are smooth; each picture is an RGBA image with a real alpha channel.
"""
import math
import struct
import zlib

SAMPLES = 4


class Picture:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[(0.0, 0.0, 0.0, 0.0)] * width for _ in range(height)]

    def fill(self, inside, colour, alpha=1.0, box=None):
        """Paints colour (r, g, b) over every point for which inside(x, y)."""
        x0, y0, x1, y1 = box or (0, 0, self.width, self.height)
        for py in range(max(0, y0), min(self.height, y1)):
            for px in range(max(0, x0), min(self.width, x1)):
                hits = sum(inside(px + (i + 0.5) / SAMPLES, py + (j + 0.5) / SAMPLES)
                           for i in range(SAMPLES) for j in range(SAMPLES))
                if hits:
                    self.blend(px, py, colour(px, py) if callable(colour) else colour,
                               alpha * hits / SAMPLES ** 2)

    def blend(self, x, y, colour, alpha):
        r, g, b, a = self.pixels[y][x]
        out = alpha + a * (1 - alpha)
        mix = [(c * alpha + d * a * (1 - alpha)) / out for c, d in zip(colour, (r, g, b))]
        self.pixels[y][x] = (*mix, out)

    def save(self, name):
        rows = b''.join(b'\0' + bytes(v for p in row for v in (*(round(c) for c in p[:3]), round(p[3] * 255)))
                        for row in self.pixels)

        def chunk(kind, data):
            return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))

        with open(name, 'wb') as f:
            f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', self.width, self.height, 8, 6, 0, 0, 0))
                    + chunk(b'IDAT', zlib.compress(rows, 9)) + chunk(b'IEND', b''))


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r, width):
    return lambda x, y: (r - width) ** 2 <= (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def box(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def polygon(points):
    """Even-odd inside-test of a polygon."""
    def inside(x, y):
        result = False
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                result = not result
        return result
    return inside


def segment(ax, ay, bx, by, width):
    def inside(x, y):
        dx, dy = bx - ax, by - ay
        t = max(0, min(1, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
        return (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2 <= (width / 2) ** 2
    return inside


def shifted(inside, dx, dy):
    return lambda x, y: inside(x - dx, y - dy)


def vertical_gradient(top, bottom, y0, y1):
    def colour(x, y):
        t = min(1, max(0, (y - y0) / max(1, y1 - y0)))
        return tuple(a + (b - a) * t for a, b in zip(top, bottom))
    return colour


def star(cx, cy, outer, inner):
    return polygon([(cx + (outer if k % 2 == 0 else inner) * math.sin(k * math.pi / 5),
                     cy - (outer if k % 2 == 0 else inner) * math.cos(k * math.pi / 5)) for k in range(10)])


def back_button():
    """Four 30 x 30 frames: normal, hot, pressed, disabled."""
    picture = Picture(30, 120)
    frames = [((60, 110, 180), (255, 255, 255), 1.0), ((40, 140, 230), (255, 255, 255), 1.0),
              ((30, 70, 130), (220, 230, 245), 1.0), ((150, 150, 150), (235, 235, 235), 0.6)]
    for k, (ring_colour, arrow_colour, alpha) in enumerate(frames):
        top = 30 * k
        picture.fill(circle(15, top + 15, 13.5), ring_colour, alpha)
        arrow = polygon([(8, top + 15), (15, top + 8), (15, top + 12.5), (22, top + 12.5), (22, top + 17.5),
                         (15, top + 17.5), (15, top + 22)])
        picture.fill(arrow, arrow_colour, alpha)
    picture.save('BackButton.png')


def clock_face():
    picture = Picture(130, 130)
    picture.fill(circle(65, 65, 64), (120, 125, 135))
    picture.fill(circle(65, 65, 60), vertical_gradient((255, 255, 255), (230, 233, 238), 5, 125))
    for hour in range(12):
        angle = hour * math.pi / 6
        long = hour % 3 == 0
        inner = 46 if long else 51
        picture.fill(segment(65 + inner * math.sin(angle), 65 - inner * math.cos(angle), 65 + 56 * math.sin(angle),
                             65 - 56 * math.cos(angle), 4 if long else 2), (70, 70, 70))
    picture.save('ClockFace.png')


def clock_glass():
    picture = Picture(130, 130)
    face = circle(65, 65, 60)
    picture.fill(lambda x, y: face(x, y) and circle(65, 20, 62)(x, y), (255, 255, 255), 0.35)
    picture.fill(circle(65, 65, 6), (70, 70, 70))
    picture.fill(circle(65, 65, 2.5), (200, 40, 40))
    picture.save('ClockGlass.png')


def command_link_glyph():
    """Two 20 x 20 frames: normal, then hot."""
    picture = Picture(20, 40)
    for top, colour in ((0, (40, 130, 60)), (20, (40, 180, 80))):
        picture.fill(polygon([(3, top + 8), (10, top + 8), (10, top + 3), (18, top + 10), (10, top + 17),
                              (10, top + 12), (3, top + 12)]), colour)
    picture.save('CommandLinkGlyph.png')


def rating_indicator():
    """Three 15 x 16 frames: unchecked, hover, checked."""
    picture = Picture(15, 48)
    for k, (edge, body) in enumerate((((150, 150, 150), (235, 235, 235)), ((230, 150, 30), (255, 220, 140)),
                                      ((210, 130, 0), (255, 190, 20)))):
        top = 16 * k
        picture.fill(star(7.5, top + 8.5, 7.5, 3.2), edge)
        picture.fill(star(7.5, top + 8.6, 5.6, 2.4), body)
    picture.save('RatingControlIndicator.png')


def map_pushpin():
    picture = Picture(35, 44)
    picture.fill(shifted(polygon([(17.5, 43), (11, 26), (24, 26)]), 1, 0), (0, 0, 0), 0.25)
    picture.fill(polygon([(17.5, 43), (10, 24), (25, 24)]), (160, 30, 30))
    picture.fill(circle(17.5, 15, 14), (160, 30, 30))
    picture.fill(circle(17.5, 15, 12.5), vertical_gradient((240, 80, 70), (190, 35, 30), 3, 28))
    picture.fill(circle(13, 10, 4), (255, 255, 255), 0.5)
    picture.save('MapPushpin.png')


def style_icon(name, size):
    """A small push button drawn in the look the style names."""
    picture = Picture(size, size)
    s = size / 16
    x0, y0, x1, y1 = 1 * s, 4 * s, 15 * s, 12 * s
    face = box(x0, y0, x1, y1)
    if name == 'Standard':
        picture.fill(face, (212, 208, 200))
        picture.fill(box(x0, y0, x1, y0 + s), (255, 255, 255))
        picture.fill(box(x0, y0, x0 + s, y1), (255, 255, 255))
        picture.fill(box(x0, y1 - s, x1, y1), (64, 64, 64))
        picture.fill(box(x1 - s, y0, x1, y1), (64, 64, 64))
    elif name == 'Flat':
        picture.fill(face, (128, 128, 128))
        picture.fill(box(x0 + s, y0 + s, x1 - s, y1 - s), (212, 208, 200))
    elif name == 'UltraFlat':
        picture.fill(face, (10, 36, 106))
        picture.fill(box(x0 + s, y0 + s, x1 - s, y1 - s), (182, 189, 210))
    elif name == 'Office11':
        picture.fill(face, (0, 45, 150))
        picture.fill(box(x0 + s, y0 + s, x1 - s, y1 - s), vertical_gradient((255, 244, 204), (255, 208, 145),
                                                                              y0, y1))
    else:  # Native: a rounded, glossy button
        rounded = lambda x, y: face(x, y) and not any(
            (x - cx) ** 2 + (y - cy) ** 2 > (2 * s) ** 2 and (x - cx) * sx > 0 and (y - cy) * sy > 0
            for cx, cy, sx, sy in ((x0 + 2 * s, y0 + 2 * s, -1, -1), (x1 - 2 * s, y0 + 2 * s, 1, -1),
                                   (x0 + 2 * s, y1 - 2 * s, -1, 1), (x1 - 2 * s, y1 - 2 * s, 1, 1)))
        picture.fill(rounded, (112, 112, 112))
        picture.fill(shifted(lambda x, y: rounded(x, y) and box(x0 + s, y0 + s, x1 - s, y1 - s)(x, y), 0, 0),
                     vertical_gradient((252, 252, 252), (221, 221, 221), y0, y1))
    picture.fill(box(5 * s, 7.5 * s, 11 * s, 8.5 * s), (0, 0, 0), 0.8)
    picture.save(f'Style{name}{size}.png')


if __name__ == '__main__':
    back_button()
    clock_face()
    clock_glass()
    command_link_glyph()
    rating_indicator()
    map_pushpin()
    for style in ('Flat', 'Native', 'Office11', 'Standard', 'UltraFlat'):
        for icon_size in (16, 48):
            style_icon(style, icon_size)
