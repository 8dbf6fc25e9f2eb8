#!/usr/bin/env python3
"""Writes the Windows picture formats exactly as the program carries them.

ImageMagick draws the pictures; its BMP, ICO and CUR writers choose depths and header
variants on their own, so the final files are packed here from plain PPM/PGM pixels or
from a pixel grid.

  pack.py bmp8 picture.ppm out.bmp          256-colour bitmap, palette from the picture
  pack.py ico picture.ppm alpha.pgm out.ico  one 256-colour icon image with its AND mask
  pack.py cur grid.txt out.cur              monochrome cursor; the grid marks the hot spot
  pack.py bmp4 grid.txt out.bmp             16-colour bitmap in the standard 16 colours
"""

import struct
import sys

# The standard 16 colours, keyed by the letter a grid uses for each.
STANDARD_16 = {
    "k": (0, 0, 0), "r": (128, 0, 0), "g": (0, 128, 0), "y": (128, 128, 0),
    "n": (0, 0, 128), "p": (128, 0, 128), "t": (0, 128, 128), "s": (192, 192, 192),
    "d": (128, 128, 128), "R": (255, 0, 0), "G": (0, 255, 0), "Y": (255, 255, 0),
    "B": (0, 0, 255), "M": (255, 0, 255), "C": (0, 255, 255), "w": (255, 255, 255),
}

# Cursor grid: (AND bit, XOR bit) of each mark. "@" is a black pixel that is the hot spot.
CURSOR_MARKS = {".": (1, 0), "X": (0, 0), "@": (0, 0), "o": (0, 1), "~": (1, 1)}


def read_netpbm(path, magic):
    with open(path, "rb") as f:
        data = f.read()
    fields, at = [], 0
    while len(fields) < 4:
        while data[at:at + 1].isspace():
            at += 1
        if data[at:at + 1] == b"#":
            at = data.index(b"\n", at)
            continue
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    if fields[0] != magic or fields[3] != b"255":
        sys.exit(f"{path}: expected an 8-bit {magic.decode()} file")
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[at + 1:]


def read_rgb(path):
    width, height, raw = read_netpbm(path, b"P6")
    pixels = [tuple(raw[i:i + 3]) for i in range(0, width * height * 3, 3)]
    return width, height, pixels


def read_grid(path):
    with open(path) as f:
        rows = [line.rstrip("\n") for line in f if line.strip() and not line.startswith("#")]
    if len({len(r) for r in rows}) != 1:
        sys.exit(f"{path}: rows of different lengths")
    return rows


def info_header(width, height, bits, image_size, colours):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 2835, 2835,
                       colours, 0)


def palette_bytes(palette, entries):
    padded = list(palette) + [(0, 0, 0)] * (entries - len(palette))
    return b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in padded)


def pack_rows(indices, width, height, bits):
    """Bottom-up rows, each padded to 4 bytes."""
    stride = (width * bits + 31) // 32 * 4
    out = bytearray()
    for y in reversed(range(height)):
        row = bytearray(stride)
        for x in range(width):
            value = indices[y * width + x]
            bit = x * bits
            row[bit // 8] |= value << (8 - bits - bit % 8)
        out += row
    return bytes(out)


def bitmap_file(width, height, bits, palette, indices):
    pixels = pack_rows(indices, width, height, bits)
    colours = 1 << bits
    offset = 14 + 40 + 4 * colours
    return (b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset) +
            info_header(width, height, bits, len(pixels), colours) +
            palette_bytes(palette, colours) + pixels)


def icon_file(kind, width, height, hot_or_planes_bits, bits, palette, xor_indices, and_bits):
    colours = 1 << bits
    xor = pack_rows(xor_indices, width, height, bits)
    mask = pack_rows(and_bits, width, height, 1)
    image = (info_header(width, height * 2, bits, len(xor) + len(mask), colours) +
             palette_bytes(palette, colours) + xor + mask)
    colour_count = colours if colours < 256 else 0
    entry = struct.pack("<BBBBHHII", width, height, colour_count, 0, *hot_or_planes_bits,
                        len(image), 6 + 16)
    return struct.pack("<HHH", 0, kind, 1) + entry + image


def bmp8(source):
    width, height, pixels = read_rgb(source)
    palette = sorted(set(pixels))
    if len(palette) > 256:
        sys.exit(f"{source}: {len(palette)} colours, at most 256 fit")
    index = {c: i for i, c in enumerate(palette)}
    return bitmap_file(width, height, 8, palette, [index[p] for p in pixels])


def ico(source, alpha_source):
    width, height, pixels = read_rgb(source)
    _, _, alpha = read_netpbm(alpha_source, b"P5")
    opaque = [alpha[i] >= 128 for i in range(width * height)]
    # Index 0 is black: a transparent pixel is AND 1 over XOR black, which shows the screen.
    palette = [(0, 0, 0)] + sorted({p for p, o in zip(pixels, opaque) if o} - {(0, 0, 0)})
    if len(palette) > 256:
        sys.exit(f"{source}: {len(palette)} colours, at most 256 fit")
    index = {c: i for i, c in enumerate(palette)}
    xor = [index[p] if o else 0 for p, o in zip(pixels, opaque)]
    mask = [0 if o else 1 for o in opaque]
    return icon_file(1, width, height, (1, 8), 8, palette, xor, mask)


def cur(source):
    rows = read_grid(source)
    marks = "".join(rows)
    if marks.count("@") != 1:
        sys.exit(f"{source}: mark the hot spot with exactly one @")
    width, height = len(rows[0]), len(rows)
    hot = marks.index("@")
    bits = [CURSOR_MARKS[m] for m in marks]
    return icon_file(2, width, height, (hot % width, hot // width), 1,
                     [(0, 0, 0), (255, 255, 255)], [x for _, x in bits], [a for a, _ in bits])


def bmp4(source):
    rows = read_grid(source)
    palette = list(STANDARD_16.values())
    letters = list(STANDARD_16)
    indices = [letters.index(m) for m in "".join(rows)]
    return bitmap_file(len(rows[0]), len(rows), 4, palette, indices)


def main():
    commands = {"bmp8": bmp8, "ico": ico, "cur": cur, "bmp4": bmp4}
    if len(sys.argv) < 2 or sys.argv[1] not in commands:
        sys.exit(__doc__)
    *sources, target = sys.argv[2:]
    data = commands[sys.argv[1]](*sources)
    with open(target, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
