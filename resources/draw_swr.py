#!/usr/bin/env python3
"""Draws swr.bmp, the standing-wave-ratio sketch under the frequency range:
a red 1.7 line at the top, a yellow 1.5 band below it, and a lopsided blue V
that touches the bottom near the centre frequency. Run it from this folder."""

from bitmap_writer import write_bmp4

WIDTH, HEIGHT = 239, 39
GREEN, RED, YELLOW, BLUE = 0, 1, 2, 3
PALETTE = [(0, 255, 0), (255, 0, 0), (255, 255, 0), (0, 0, 255)]

pixels = [[GREEN] * WIDTH for _ in range(HEIGHT)]

for x in range(2, WIDTH - 2):
    for y in (2, 3):
        pixels[y][x] = RED
    for y in range(5, 9):
        pixels[y][x] = YELLOW


def curve_y(x):
    """Centre line of the V: from the yellow band at the left edge down to the
    bottom between 42 % and 53 % of the width, up to the red line at the right."""
    bottom_from, bottom_to = 0.42 * WIDTH, 0.53 * WIDTH
    lowest = HEIGHT - 2.5
    if x < bottom_from:
        t = x / bottom_from
        return 6.5 + (lowest - 6.5) * t ** 1.3
    if x <= bottom_to:
        return lowest
    t = (x - bottom_to) / (WIDTH - 1 - bottom_to)
    return lowest + (2.5 - lowest) * t ** 1.15


def stamp(cx, cy, radius):
    for y in range(int(cy - radius), int(cy + radius) + 1):
        for x in range(int(cx - radius), int(cx + radius) + 1):
            if 0 <= x < WIDTH and 0 <= y < HEIGHT and (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius:
                pixels[y][x] = BLUE


steps = WIDTH * 8
for i in range(steps + 1):
    x = i * (WIDTH - 1) / steps
    stamp(x, curve_y(x), 1.8)

write_bmp4("swr.bmp", WIDTH, HEIGHT, PALETTE, pixels)
