#!/usr/bin/env python3
"""Writes the program's mouse pointer, a 32 x 32 PNG: a big yellow arrow with a dark outline whose tip
is the hot spot (2, 2). Standard library only. Run: python3 tools/immagini/puntatore.py"""
import math
import os
import struct
import zlib

SIZE = 32
SUB = 4                       # subsamples per pixel side, for smooth edges
OUTLINE = 1.7                 # outline width in pixels
FILL = (255, 214, 0)
INK = (20, 30, 60)

# the arrow, tip at (2, 2)
ARROW = [(2.0, 2.0), (2.0, 25.0), (8.5, 19.5), (13.0, 29.5), (18.0, 27.3), (13.6, 17.6), (22.0, 17.6)]


def inside(x, y, poly):
    c = False
    j = len(poly) - 1
    for i in range(len(poly)):
        xi, yi = poly[i]
        xj, yj = poly[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            c = not c
        j = i
    return c


def edge_distance(x, y, poly):
    best = 1e9
    for i in range(len(poly)):
        (x1, y1), (x2, y2) = poly[i], poly[(i + 1) % len(poly)]
        dx, dy = x2 - x1, y2 - y1
        t = max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / (dx * dx + dy * dy)))
        best = min(best, math.hypot(x - x1 - t * dx, y - y1 - t * dy))
    return best


def pixel(px, py):
    r = g = b = a = 0.0
    for sy in range(SUB):
        for sx in range(SUB):
            x, y = px + (sx + 0.5) / SUB, py + (sy + 0.5) / SUB
            d = edge_distance(x, y, ARROW)
            if inside(x, y, ARROW):
                colour = INK if d < OUTLINE else FILL
            elif d < 0.6:     # a thin outer half-line keeps the tip crisp on light backgrounds
                colour = INK
            else:
                continue
            r, g, b, a = r + colour[0], g + colour[1], b + colour[2], a + 1
    n = SUB * SUB
    if a == 0:
        return (0, 0, 0, 0)
    return (round(r / a), round(g / a), round(b / a), round(255 * a / n))


def png(width, height, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
    raw = b"".join(b"\x00" + bytes(v for p in row for v in p) for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "files", "immagini",
                       "puntatore.png")
    with open(out, "wb") as f:
        f.write(png(SIZE, SIZE, rows))


if __name__ == "__main__":
    main()
