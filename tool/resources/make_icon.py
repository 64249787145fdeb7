#!/usr/bin/env python3
"""Draws the tool's icon (a milling spindle over a work table) as HVX40MEK.ico, 16 and 32 pixels,
32-bit colour with alpha. Run once; the output is committed, so the build needs no image tools."""
import pathlib
import struct

BACKGROUND = (40, 90, 160, 255)
METAL = (220, 225, 230, 255)
TOOL = (255, 200, 40, 255)
CLEAR = (0, 0, 0, 0)


def pixel(x, y, n):
    """Colour of pixel (x, y), y from the top, on an n by n grid drawn at 32-pixel scale."""
    u, v = x * 32 // n, y * 32 // n
    if u in (0, 31) and v in (0, 31):
        return CLEAR                      # rounded corners
    if 3 <= u <= 28 and 3 <= v <= 6:
        return METAL                      # gantry beam
    if (3 <= u <= 6 or 25 <= u <= 28) and 3 <= v <= 24:
        return METAL                      # gantry legs
    if 13 <= u <= 18 and 7 <= v <= 15:
        return METAL                      # spindle
    if 15 <= u <= 16 and 16 <= v <= 20:
        return TOOL                       # cutter
    if 2 <= u <= 29 and 24 <= v <= 27:
        return METAL                      # work table
    return BACKGROUND


def image(n):
    rows = []
    for y in reversed(range(n)):          # bitmaps are stored bottom row first
        rows.append(b"".join(struct.pack("BBBB", b, g, r, a)
                             for (r, g, b, a) in (pixel(x, y, n) for x in range(n))))
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, 0, 0, 0, 0, 0)
    mask_row = b"\0" * (((n + 31) // 32) * 4)
    return header + b"".join(rows) + mask_row * n


def main():
    sizes = [16, 32]
    images = [image(n) for n in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for n, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    (pathlib.Path(__file__).resolve().parent / "HVX40MEK.ico").write_bytes(out)


if __name__ == "__main__":
    main()
