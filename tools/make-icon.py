#!/usr/bin/env python3
"""Draws the program's icon (resource 128) at 32 and 16 pixels into res/icons:
as PNGs for the Qt build, and as one .ico of both sizes for the Windows build.

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


def dib(pixels):
    """One icon image as a Windows icon holds it: a bottom-up 32-bit bitmap
    (BGRA) and an AND mask, which the alpha channel makes all zeros."""
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(struct.pack("BBBB", b, g, r, a) for row in reversed(pixels) for (r, g, b, a) in row)
    mask_row = ((size + 31) // 32) * 4
    return header + colour + b"\x00" * (mask_row * size)


def ico(images):
    entries, data = b"", b""
    offset = 6 + 16 * len(images)
    for size, image in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset + len(data))
        data += image
    return struct.pack("<HHH", 0, 1, len(images)) + entries + data


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "res", "icons")
    images = []
    for size in (32, 16):
        pixels = draw(size)
        with open(os.path.join(folder, "quarnel-%d.png" % size), "wb") as out:
            out.write(png(pixels))
        images.append((size, dib(pixels)))
    with open(os.path.join(folder, "quarnel.ico"), "wb") as out:
        out.write(ico(images))


if __name__ == "__main__":
    main()
