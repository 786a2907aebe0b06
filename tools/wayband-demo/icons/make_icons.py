#!/usr/bin/env python3
"""Draws the demo's panel icons: each as a 48-pixel PNG file and as a multi-size icon file
(16, 24, 32 and 48 pixels). The shapes, the anti-aliased rendering and the file writers
are those of examples/assets/make_assets.py. Run it from anywhere to rewrite the files next
to it.
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "examples", "assets"))
from make_assets import (ICON_SIZES, PNG_SIZE, circle, hexc, ico_bytes, minus,  # noqa: E402
                         png_bytes, polygon, polyline, rect, render, union)


def inbox():
    tray = polygon([(0.08, 0.56), (0.3, 0.56), (0.36, 0.68), (0.64, 0.68), (0.7, 0.56),
                    (0.92, 0.56), (0.92, 0.9), (0.08, 0.9)])
    return [(rect(0.2, 0.1, 0.8, 0.5, 0.04), hexc("1E5AA8")),
            (rect(0.24, 0.14, 0.76, 0.46, 0.02), hexc("EAF2FF")),
            (polyline([(0.25, 0.16), (0.5, 0.36), (0.75, 0.16)], 0.07), hexc("1E5AA8")),
            (tray, hexc("2D7DD2")),
            (rect(0.36, 0.72, 0.64, 0.78), hexc("BFD9F5"))]


def agenda():
    return [(rect(0.08, 0.12, 0.92, 0.92, 0.1), hexc("2E6B3A")),
            (rect(0.13, 0.32, 0.87, 0.87, 0.04), hexc("FFFFFF")),
            (union(rect(0.26, 0.04, 0.34, 0.22, 0.03), rect(0.66, 0.04, 0.74, 0.22, 0.03)),
             hexc("1D4526")),
            (rect(0.2, 0.42, 0.8, 0.5), hexc("9CC9A6")),
            (rect(0.2, 0.58, 0.56, 0.66), hexc("9CC9A6")),
            (circle(0.66, 0.72, 0.1), hexc("E0642E"))]


def people():
    return [(circle(0.68, 0.3, 0.15), hexc("8A5BB8")),
            (minus(circle(0.68, 0.86, 0.3), rect(0, 0.82, 1, 1)), hexc("8A5BB8")),
            (circle(0.38, 0.36, 0.18), hexc("5B2F8A")),
            (circle(0.38, 0.36, 0.13), hexc("F3D2B3")),
            (minus(circle(0.38, 0.98, 0.36), rect(0, 0.92, 1, 1)), hexc("5B2F8A"))]


def checklist():
    return [(rect(0.16, 0.1, 0.84, 0.94, 0.06), hexc("7A4A1E")),
            (rect(0.21, 0.16, 0.79, 0.89, 0.03), hexc("FFFDF5")),
            (rect(0.36, 0.05, 0.64, 0.16, 0.03), hexc("9AA3AD"))] + [
        (rect(0.28, 0.28 + 0.2 * i, 0.38, 0.38 + 0.2 * i), hexc("7A4A1E")) for i in range(3)] + [
        (rect(0.46, 0.31 + 0.2 * i, 0.72, 0.35 + 0.2 * i), hexc("B9A890")) for i in range(3)] + [
        (polyline([(0.26, 0.3), (0.33, 0.38), (0.45, 0.22)], 0.07), hexc("2E9E47")),
        (polyline([(0.26, 0.5), (0.33, 0.58), (0.45, 0.42)], 0.07), hexc("2E9E47"))]


def memo():
    sheet = polygon([(0.14, 0.1), (0.86, 0.1), (0.86, 0.68), (0.6, 0.92), (0.14, 0.92)])
    return [(sheet, hexc("B58B00")),
            (polygon([(0.18, 0.14), (0.82, 0.14), (0.82, 0.66), (0.58, 0.88), (0.18, 0.88)]),
             hexc("FFF1A8")),
            (polygon([(0.6, 0.92), (0.6, 0.68), (0.86, 0.68)]), hexc("E8CF5A")),
            (polyline([(0.3, 0.62), (0.66, 0.26)], 0.08), hexc("D0552E")),
            (polygon([(0.26, 0.7), (0.28, 0.58), (0.36, 0.66)]), hexc("3A3A3A"))]


def folders():
    return [(rect(0.04, 0.12, 0.4, 0.3, 0.04), hexc("B07810")),
            (rect(0.04, 0.2, 0.78, 0.7, 0.05), hexc("B07810")),
            (rect(0.22, 0.36, 0.96, 0.9, 0.05), hexc("C98A12")),
            (rect(0.26, 0.43, 0.92, 0.86, 0.04), hexc("F7C24A"))]


ICONS = {"inbox": inbox, "agenda": agenda, "people": people, "checklist": checklist,
         "memo": memo, "folders": folders}


def main():
    for name, draw in ICONS.items():
        layers = draw()
        with open(os.path.join(HERE, name + ".png"), "wb") as f:
            f.write(png_bytes(render(layers, PNG_SIZE)))
        with open(os.path.join(HERE, name + ".ico"), "wb") as f:
            f.write(ico_bytes([render(layers, s) for s in ICON_SIZES]))


if __name__ == "__main__":
    main()
