#!/usr/bin/env python3
"""Draws the example scenes' icons and background pictures.

Icons are drawn from simple shapes in unit coordinates with 8 x 8 samples per pixel and
written as multi-size icon files (16, 24, 32 and 48 pixels, 32-bit with alpha and an AND
mask) or as 48-pixel PNG files. Pictures are small 24-bit BMP tiles. The icon page's
example also imports icons in the other formats the page offers: BMP, GIF and cursor
files, drawn here too (swatch.jpg is a copy of the
import tests' tests/data/import/base.jpg). Only the standard library is used; run it from
anywhere to rewrite the files next to it.
"""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SAMPLES = 8
ICON_SIZES = (16, 24, 32, 48)
PNG_SIZE = 48


# --- Shapes: predicates on (x, y) in [0, 1] x [0, 1] ---------------------------------------

def rect(x0, y0, x1, y1, r=0.0):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r + 1e-12
    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r, w):
    return lambda x, y: (r - w) ** 2 <= (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def polygon(points):
    def inside(x, y):
        hit = False
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                hit = not hit
        return hit
    return inside


def segment(ax, ay, bx, by, w):
    def inside(x, y):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
        return (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2 <= (w / 2) ** 2
    return inside


def polyline(points, w):
    parts = [segment(*a, *b, w) for a, b in zip(points, points[1:])]
    return lambda x, y: any(p(x, y) for p in parts)


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(shape, cut):
    return lambda x, y: shape(x, y) and not cut(x, y)


def hexc(text, alpha=255):
    value = int(text.lstrip("#"), 16)
    return (value >> 16, (value >> 8) & 255, value & 255, alpha)


# --- The icons: layers of (shape, colour), back to front -----------------------------------

def envelope():
    body = rect(0.06, 0.2, 0.94, 0.8, 0.06)
    return [(body, hexc("2B5797")),
            (rect(0.11, 0.25, 0.89, 0.75, 0.03), hexc("F4F8FF")),
            (polyline([(0.12, 0.28), (0.5, 0.56), (0.88, 0.28)], 0.08), hexc("2B5797"))]


def calendar():
    return [(rect(0.1, 0.14, 0.9, 0.92, 0.08), hexc("5A5A5A")),
            (rect(0.15, 0.36, 0.85, 0.87, 0.02), hexc("FFFFFF")),
            (rect(0.15, 0.19, 0.85, 0.34), hexc("D9372B")),
            (union(rect(0.28, 0.06, 0.36, 0.26, 0.03), rect(0.64, 0.06, 0.72, 0.26, 0.03)),
             hexc("3A3A3A"))] + [
        (rect(0.22 + 0.2 * c, 0.44 + 0.14 * r, 0.34 + 0.2 * c, 0.54 + 0.14 * r), hexc("7A9CC6"))
        for r in range(3) for c in range(3)]


def person():
    return [(circle(0.5, 0.32, 0.2), hexc("2F6FB5")),
            (circle(0.5, 0.32, 0.15), hexc("F2C9A0")),
            (minus(circle(0.5, 1.02, 0.42), rect(0, 0.95, 1, 1)), hexc("2F6FB5"))]


def check():
    return [(circle(0.5, 0.5, 0.44), hexc("2E8B3E")),
            (circle(0.5, 0.5, 0.37), hexc("43B050")),
            (polyline([(0.28, 0.52), (0.44, 0.68), (0.73, 0.34)], 0.12), hexc("FFFFFF"))]


def note():
    sheet = polygon([(0.16, 0.08), (0.84, 0.08), (0.84, 0.7), (0.62, 0.92), (0.16, 0.92)])
    return [(sheet, hexc("C9A100")),
            (polygon([(0.2, 0.12), (0.8, 0.12), (0.8, 0.68), (0.6, 0.88), (0.2, 0.88)]),
             hexc("FFE873")),
            (polygon([(0.62, 0.92), (0.62, 0.7), (0.84, 0.7)]), hexc("E0C040"))] + [
        (rect(0.28, 0.26 + 0.15 * i, 0.72 - (0.14 if i == 3 else 0), 0.31 + 0.15 * i),
         hexc("9C7C00")) for i in range(4)]


def folder():
    return [(rect(0.06, 0.16, 0.48, 0.36, 0.05), hexc("C98A12")),
            (rect(0.06, 0.26, 0.94, 0.86, 0.06), hexc("C98A12")),
            (rect(0.1, 0.34, 0.9, 0.82, 0.04), hexc("F7C24A"))]


def star():
    points = []
    for i in range(10):
        r = 0.46 if i % 2 == 0 else 0.19
        a = -math.pi / 2 + i * math.pi / 5
        points.append((0.5 + r * math.cos(a), 0.54 + r * math.sin(a)))
    inner = [(0.5 + (x - 0.5) * 0.8, 0.54 + (y - 0.54) * 0.8) for x, y in points]
    return [(polygon(points), hexc("C98A00")), (polygon(inner), hexc("FFD23F"))]


def gear():
    def teeth(x, y):
        a = math.atan2(y - 0.5, x - 0.5)
        r = math.hypot(x - 0.5, y - 0.5)
        return r <= (0.46 if math.cos(8 * a) > 0.2 else 0.36)
    return [(teeth, hexc("59636E")), (circle(0.5, 0.5, 0.3), hexc("8A96A3")),
            (circle(0.5, 0.5, 0.13), (0, 0, 0, 0))]


def globe():
    return [(circle(0.5, 0.5, 0.44), hexc("1F5FA8")),
            (circle(0.5, 0.5, 0.39), hexc("4FA3E0")),
            (union(rect(0.1, 0.48, 0.9, 0.52), rect(0.48, 0.1, 0.52, 0.9),
                   ring(0.5, 0.5, 0.22, 0.04)), hexc("1F5FA8")),
            (polygon([(0.26, 0.3), (0.42, 0.24), (0.46, 0.42), (0.32, 0.46)]), hexc("4CAF50")),
            (polygon([(0.56, 0.56), (0.74, 0.58), (0.7, 0.76), (0.58, 0.72)]), hexc("4CAF50"))]


def chart():
    return [(rect(0.1, 0.86, 0.9, 0.9), hexc("404040")),
            (rect(0.16, 0.5, 0.34, 0.86), hexc("E05A47")),
            (rect(0.41, 0.22, 0.59, 0.86), hexc("3C8DD8")),
            (rect(0.66, 0.38, 0.84, 0.86), hexc("45A845"))]


ICONS = {"mail.ico": envelope, "calendar.ico": calendar, "contacts.ico": person,
         "tasks.ico": check, "notes.png": note, "folder.png": folder, "favorites.ico": star,
         "settings.png": gear, "web.ico": globe, "reports.png": chart}


def render(layers, size):
    """Rows of (r, g, b, a), straight alpha, by coverage of each layer over the last."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]  # premultiplied
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) / size
                    y = (py + (sy + 0.5) / SAMPLES) / size
                    colour = (0, 0, 0, 0)
                    for shape, c in layers:
                        if shape(x, y):
                            colour = c
                    a = colour[3] / 255.0
                    for i in range(3):
                        acc[i] += colour[i] * a
                    acc[3] += a
            n = SAMPLES * SAMPLES
            alpha = acc[3] / n
            if alpha <= 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(int(round(acc[i] / acc[3])) for i in range(3)) +
                           (int(round(alpha * 255)),))
        rows.append(row)
    return rows


def png_bytes(rows):
    size = len(rows)
    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def dib_bytes(rows):
    """A 32-bit icon image: header (twice the height), BGRA rows bottom-up, AND mask."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((p[2], p[1], p[0], p[3])) for row in reversed(rows) for p in row)
    stride = ((size + 31) // 32) * 4
    mask = b""
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, p in enumerate(row):
            if p[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + colour + mask


def ico_bytes(images, kind=1, hotspot=None):
    """An icon file (kind 1) or a cursor file (kind 2, whose entries give the hotspot)."""
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    data = b""
    for rows in images:
        size = len(rows)
        body = dib_bytes(rows)
        planes, bits = hotspot if hotspot else (1, 32)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, planes, bits, len(body),
                           offset)
        offset += len(body)
        data += body
    return out + data


def bmp_bytes(rows):
    """A 24-bit BMP, rows bottom-up and padded to four bytes."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    pixels = b"".join(bytes(v for p in row for v in (p[2], p[1], p[0])).ljust(stride, b"\0")
                      for row in reversed(rows))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835,
                         0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + 40 + len(pixels), 0, 0, 54) + header + pixels


def flattened(rows, background):
    """Straight-alpha rows made opaque: pixels at least half covered keep their colour,
    the others take the background colour (no blend, so no fringe of it remains)."""
    return [[p[:3] + (255,) if p[3] >= 128 else tuple(background) + (255,) for p in row]
            for row in rows]


def gif_bytes(rows):
    """A GIF of the rows' colours (at most 256), LZW-coded with 9-bit codes only: a clear
    code before the table would outgrow them."""
    height, width = len(rows), len(rows[0])
    colours = sorted({p[:3] for row in rows for p in row})
    assert len(colours) <= 256, "a GIF holds at most 256 colours"
    index = {c: i for i, c in enumerate(colours)}
    table = b"".join(bytes(c) for c in colours) + b"\0" * 3 * (256 - len(colours))
    clear, end = 256, 257
    codes = []
    pixels = [index[p[:3]] for row in rows for p in row]
    for i, value in enumerate(pixels):
        if i % 250 == 0:
            codes.append(clear)
        codes.append(value)
    codes.append(end)
    acc, nbits, packed = 0, 0, bytearray()
    for code in codes:
        acc |= code << nbits
        nbits += 9
        while nbits >= 8:
            packed.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8
    if nbits:
        packed.append(acc & 0xFF)
    blocks = b"".join(bytes((len(packed[i:i + 255]),)) + bytes(packed[i:i + 255])
                      for i in range(0, len(packed), 255)) + b"\0"
    return (b"GIF89a" + struct.pack("<HHBBB", width, height, 0xF7, 0, 0) + table +
            b"," + struct.pack("<HHHHB", 0, 0, width, height, 0) + b"\x08" + blocks + b";")


# The icon page's example: icons in the picture formats, drawn over magenta, which the
# import keys out as their background and which pictures are drawn transparent in.
MAGENTA = (255, 0, 255)
PAGE_ICONS = {
    "star.bmp": lambda: bmp_bytes(flattened(render(star(), 16), MAGENTA)),
    "globe.gif": lambda: gif_bytes(flattened(render(globe(), 32), MAGENTA)),
    "pointer.cur": lambda: ico_bytes([render(check(), 32)], kind=2, hotspot=(4, 4)),
    "chart.bmp": lambda: bmp_bytes(flattened(render(chart(), 24), MAGENTA)),
    "note.gif": lambda: gif_bytes(flattened(render(note(), 16), MAGENTA)),
    "gear.cur": lambda: ico_bytes([render(gear(), 32)], kind=2, hotspot=(16, 16)),
}


# --- Background pictures -------------------------------------------------------------------

def paper(w=32, h=32):
    """A light warm tile with a faint diagonal weave."""
    return [[(int(244 - 6 * ((x + y) % 8 < 2) - 3 * ((x - y) % 8 < 1)),
              int(238 - 6 * ((x + y) % 8 < 2) - 3 * ((x - y) % 8 < 1)),
              int(222 - 8 * ((x + y) % 8 < 2)), 255) for x in range(w)] for y in range(h)]


def sand(w=24, h=32):
    """A bar-high tile of warm sand: light at the top, deeper below, with fine ripples."""
    rows = []
    for y in range(h):
        t = y / (h - 1)
        rows.append([(int(246 - 40 * t - 6 * (math.sin((x + 2 * y) * 0.9) > 0.6)),
                      int(228 - 52 * t - 6 * (math.sin((x + 2 * y) * 0.9) > 0.6)),
                      int(190 - 70 * t), 255) for x in range(w)])
    return rows


def dots(w=12, h=12):
    """A dark tile with a small lighter dot, for the toolbar and header."""
    return [[(70, 90, 120, 255) if (x - 3) ** 2 + (y - 3) ** 2 <= 2 else (48, 62, 88, 255)
             for x in range(w)] for y in range(h)]


PICTURES = {"paper.bmp": paper, "sand.bmp": sand, "dots.bmp": dots}


def main():
    for name, draw in ICONS.items():
        layers = draw()
        path = os.path.join(HERE, name)
        if name.endswith(".png"):
            data = png_bytes(render(layers, PNG_SIZE))
        else:
            data = ico_bytes([render(layers, s) for s in ICON_SIZES])
        with open(path, "wb") as f:
            f.write(data)
    for name, draw in PICTURES.items():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(bmp_bytes(draw()))
    for name, make in PAGE_ICONS.items():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(make())


if __name__ == "__main__":
    main()
