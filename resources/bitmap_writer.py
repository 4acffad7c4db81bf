"""Writes 4-bit (16-colour) Windows bitmaps; shared by the drawing scripts."""

import struct


def write_bmp4(path, width, height, palette, pixels):
    """palette: up to 16 (r, g, b); pixels: rows top to bottom of palette indices."""
    palette = list(palette) + [(0, 0, 0)] * (16 - len(palette))
    row_bytes = ((width + 1) // 2 + 3) // 4 * 4
    image = bytearray()
    for row in reversed(pixels):  # bitmaps store the bottom row first
        packed = bytearray(row_bytes)
        for x, index in enumerate(row):
            packed[x // 2] |= index << (4 if x % 2 == 0 else 0)
        image += packed
    offset = 14 + 40 + 16 * 4
    with open(path, "wb") as out:
        out.write(b"BM" + struct.pack("<IHHI", offset + len(image), 0, 0, offset))
        out.write(struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(image), 3780, 3780, 16, 0))
        for r, g, b in palette:
            out.write(struct.pack("<BBBB", b, g, r, 0))
        out.write(image)
