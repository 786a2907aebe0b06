#!/usr/bin/env python3
"""Writes the BMP files with the 12-byte core header that the picture loader tests read.

Each file's pixels follow one rule, which the test states again:
  paletted: index(x, y) = (5x + 3y) mod colours, y counted from the top row;
            palette entry i = red 37i, green 255 - 11i, blue 73i (each mod 256);
  24 bits:  red 40x, green 50y, blue 20(x + y) (each mod 256).
Run from anywhere: python3 tests/data/import/make_core_bitmaps.py
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def palette_entry(i):
    return ((37 * i) % 256, (255 - 11 * i) % 256, (73 * i) % 256)


def row_bytes(values, bits):
    if bits == 24:
        out = bytearray()
        for r, g, b in values:
            out += bytes((b, g, r))
    else:
        out, acc, used = bytearray(), 0, 0
        for v in values:
            acc = (acc << bits) | v
            used += bits
            if used == 8:
                out.append(acc)
                acc, used = 0, 0
        if used:
            out.append(acc << (8 - used))
    while len(out) % 4:
        out.append(0)
    return bytes(out)


def write(name, width, height, bits, colours=None, gap=0):
    table = b""
    if bits != 24:
        colours = colours or 1 << bits
        for i in range(colours):
            r, g, b = palette_entry(i)
            table += bytes((b, g, r))
    rows = []
    for y in range(height):
        if bits == 24:
            values = [((40 * x) % 256, (50 * y) % 256, (20 * (x + y)) % 256) for x in range(width)]
        else:
            values = [(5 * x + 3 * y) % colours for x in range(width)]
        rows.append(row_bytes(values, bits))
    pixels = b"".join(reversed(rows))  # stored bottom-up
    off_bits = 14 + 12 + len(table) + gap
    core = struct.pack("<IHHHH", 12, width, height, 1, bits)
    size = off_bits + len(pixels)
    data = b"BM" + struct.pack("<IHHI", size, 0, 0, off_bits) + core + table + b"\0" * gap + pixels
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


write("core-1.bmp", 13, 7, 1)
write("core-4.bmp", 11, 5, 4)
write("core-4-gap.bmp", 11, 5, 4, gap=8)
write("core-8.bmp", 9, 6, 8)
write("core-8-short-table.bmp", 9, 6, 8, colours=100)
write("core-24.bmp", 7, 4, 24)
