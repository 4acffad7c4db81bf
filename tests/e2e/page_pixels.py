"""Checks a rendered page (binary PPM) shows a window: a good share of the
window's grey (224, 224, 224) and some dark pixels of its text."""

import sys


def read_ppm(path):
    data = open(path, "rb").read()
    fields, position = [], 0
    while len(fields) < 4:
        while data[position:position + 1].isspace():
            position += 1
        if data[position:position + 1] == b"#":
            position = data.index(b"\n", position)
            continue
        end = position
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[position:end])
        position = end
    assert fields[0] == b"P6", "not a binary PPM"
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[position + 1:position + 1 + width * height * 3]


width, height, pixels = read_ppm(sys.argv[1])
total = width * height
grey = dark = 0
for i in range(0, len(pixels), 3):
    r, g, b = pixels[i], pixels[i + 1], pixels[i + 2]
    if abs(r - 224) <= 8 and abs(g - 224) <= 8 and abs(b - 224) <= 8:
        grey += 1
    elif r < 80 and g < 80 and b < 80:
        dark += 1
print(f"{width}x{height}: grey {100 * grey / total:.1f} %, dark {100 * dark / total:.2f} %")
sys.exit(0 if grey / total > 0.05 and dark / total > 0.001 else 1)
