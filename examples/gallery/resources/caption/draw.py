#!/usr/bin/env python3
"""Draws the gallery's caption-button pictures (minimise, maximise, restore, close), plain and
hovered, at 1x and 2x, as PNG files beside this script. Run it again after changing a shape."""
import os
import struct
import zlib

SIZE = 10          # logical pixels
SAMPLES = 4        # supersampling per axis, for smooth diagonals
COLOURS = {"normal": (0x9F, 0xB0, 0xC0), "hover": (0xFF, 0xFF, 0xFF)}


def covered(shape, x, y, scale):
    """Whether logical point (x, y) lies on the shape's 1-logical-pixel strokes."""
    w = 1.0
    if shape == "min":
        return SIZE / 2 - w / 2 <= y < SIZE / 2 + w / 2
    if shape == "max":
        return (x < w or x >= SIZE - w or y < w or y >= SIZE - w)
    if shape == "restore":
        back = (2 <= x < SIZE and 0 <= y < SIZE - 2) and (x < 2 + w or x >= SIZE - w or y < w or y >= SIZE - 2 - w)
        front_box = 0 <= x < SIZE - 2 and 2 <= y < SIZE
        front = front_box and (x < w or x >= SIZE - 2 - w or y < 2 + w or y >= SIZE - w)
        return front or (back and not front_box)
    if shape == "close":
        return abs(x - y) < w * 0.75 or abs(x + y - SIZE) < w * 0.75
    raise ValueError(shape)


def png(width, pixels):
    rows = b"".join(b"\0" + bytes(pixels[y * width * 4:(y + 1) * width * 4]) for y in range(width))
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    head = struct.pack(">IIBBBBB", width, width, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", head) + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b"")


def draw(shape, colour, scale):
    n = SIZE * scale
    pixels = []
    for py in range(n):
        for px in range(n):
            hits = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) / scale
                    y = (py + (sy + 0.5) / SAMPLES) / scale
                    hits += covered(shape, x, y, scale)
            pixels += [*colour, round(255 * hits / SAMPLES ** 2)]
    return png(n, pixels)


here = os.path.dirname(os.path.abspath(__file__))
for shape in ("min", "max", "restore", "close"):
    for state, colour in COLOURS.items():
        for scale, suffix in ((1, ""), (2, "@2x")):
            with open(os.path.join(here, f"{shape}-{state}{suffix}.png"), "wb") as f:
                f.write(draw(shape, colour, scale))
