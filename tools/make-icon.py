#!/usr/bin/env python3
"""Draws the program's icon (resource 128) at 32 and 16 pixels into res/icons.

The artwork: a stack of three isometric tiles, earth, stone and grass, on a
clear background. Plain Python so it runs anywhere; the PNGs are committed.
"""
import os
import struct
import sys
import zlib

COLOURS = [(139, 94, 60), (128, 128, 140), (76, 153, 76)]  # bottom to top
OUTLINE = (40, 32, 28)


def draw(size):
    pixels = [[(0, 0, 0, 0)] * size for _ in range(size)]
    half = size / 2.0
    tile_height = size * 0.22
    for layer, colour in enumerate(COLOURS):
        centre_y = size * 0.70 - layer * tile_height
        for y in range(size):
            for x in range(size):
                dx = abs(x + 0.5 - half) / (half - 0.5)
                dy = abs(y + 0.5 - centre_y) / (size * 0.25)
                distance = dx + dy
                if distance <= 1.0:
                    edge = distance > 1.0 - 2.4 / size
                    shade = 0.8 if y + 0.5 > centre_y else 1.0
                    rgb = OUTLINE if edge else tuple(int(c * shade) for c in colour)
                    pixels[y][x] = rgb + (255,)
    return pixels


def png(pixels):
    height, width = len(pixels), len(pixels[0])
    raw = b"".join(b"\x00" + b"".join(struct.pack("BBBB", *p) for p in row) for row in pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "res", "icons")
    for size in (32, 16):
        with open(os.path.join(folder, "quarnel-%d.png" % size), "wb") as out:
            out.write(png(draw(size)))


if __name__ == "__main__":
    main()
