#!/usr/bin/env python3
"""Draws the program's icon (resource 128) into res/icons: as PNGs at the
desktop theme's sizes, 16 to 256 pixels (the Qt build takes 16 and 32, the
installed icon theme all of them), and as one .ico of 256, 48, 32 and 16
pixels for the Windows build.

The artwork: a stack of three isometric tiles, earth, stone and grass, on a
clear background. Plain Python so it runs anywhere; the PNGs are committed.
"""
import os
import struct
import sys
import zlib

COLOURS = [(139, 94, 60), (128, 128, 140), (76, 153, 76)]  # bottom to top
OUTLINE = (40, 32, 28)
SIZES = (16, 32, 48, 64, 128, 256)  # the desktop theme's sizes
ICO_SIZES = (256, 48, 32, 16)  # what the Windows executable carries, for every view of Explorer
SMOOTH_FROM = 48


def colour_at(size, x, y):
    """The artwork's colour at the point (x, y) of a size-pixel square: the
    topmost tile that holds the point, or clear."""
    half = size / 2.0
    tile_height = size * 0.22
    outline = max(2.4 / size, 0.025)  # about a pixel and a fifth when small, a fortieth when large
    for layer in reversed(range(len(COLOURS))):
        centre_y = size * 0.70 - layer * tile_height
        dx = abs(x - half) / (half - 0.5)
        dy = abs(y - centre_y) / (size * 0.25)
        distance = dx + dy
        if distance <= 1.0:
            shade = 0.8 if y > centre_y else 1.0
            rgb = OUTLINE if distance > 1.0 - outline else tuple(int(c * shade) for c in COLOURS[layer])
            return rgb + (255,)
    return (0, 0, 0, 0)


def draw(size):
    """Small sizes take each pixel's centre, crisp as the system's own small
    icons are; larger ones average 4 x 4 points a pixel so that edges are smooth."""
    steps = 1 if size < SMOOTH_FROM else 4
    offsets = [(i + 0.5) / steps for i in range(steps)]
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            samples = [colour_at(size, x + ox, y + oy) for oy in offsets for ox in offsets]
            alpha = sum(s[3] for s in samples)
            if alpha == 0:
                row.append((0, 0, 0, 0))
                continue
            rgb = tuple(round(sum(s[i] * s[3] for s in samples) / alpha) for i in range(3))
            row.append(rgb + (round(alpha / len(samples)),))
        pixels.append(row)
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


def ico_image(pixels):
    """The 256-pixel image goes in as a PNG, as Windows keeps its largest
    icons; the others as bitmaps, which every version reads."""
    return png(pixels) if len(pixels) >= 256 else dib(pixels)


def ico(images):
    entries, data = b"", b""
    offset = 6 + 16 * len(images)
    for size, image in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset + len(data))
        data += image
    return struct.pack("<HHH", 0, 1, len(images)) + entries + data


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "res", "icons")
    drawn = {size: draw(size) for size in SIZES}
    for size, pixels in drawn.items():
        with open(os.path.join(folder, "quarnel-%d.png" % size), "wb") as out:
            out.write(png(pixels))
    with open(os.path.join(folder, "quarnel.ico"), "wb") as out:
        out.write(ico([(size, ico_image(drawn[size])) for size in ICO_SIZES]))


if __name__ == "__main__":
    main()
