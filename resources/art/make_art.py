#!/usr/bin/env python3
"""Draw Lumivane's icon and logo.

Writes, next to this script:

  lumvicon.ico  one 32x32 image, 4 bits per pixel, 16-color palette
                (40-byte header + 64-byte palette + 512-byte image
                + 128-byte mask = 744 bytes)
  lvlogo.bmp    248x115, 4 bits per pixel, 16-color palette, uncompressed
                (14-byte file header + 40 + 64 + 115 rows of 124 bytes)

Standard library only; the output is the same byte for byte on every run.
The resource script includes the generated files, which are kept in the
repository, so the build itself never runs this script.

    python3 make_art.py [output-directory]
"""

import os
import struct
import sys

# ---------------------------------------------------------------------------
# Palette (shared by icon and logo).  Index -> (red, green, blue).
# ---------------------------------------------------------------------------

INK = 0         # outlines and text
WHITE = 1
CYAN = 2        # the logo is shown on a cyan field; use the same cyan
PINK = 3
PEACH = 4
LEMON = 5
MINT = 6
SKY = 7
LAVENDER = 8
ROSE = 9
GRAY = 10
PEARL = 11      # very light card tint
NAVY = 12
MIST = 13       # soft shadow on the card
TEAL = 14       # shadow on the cyan field
PLUM = 15

PALETTE = [
    (0x2A, 0x2C, 0x4A),  # INK
    (0xFF, 0xFF, 0xFF),  # WHITE
    (0x00, 0xFF, 0xFF),  # CYAN
    (0xFF, 0xB7, 0xC9),  # PINK
    (0xFF, 0xD2, 0xA8),  # PEACH
    (0xFF, 0xF2, 0xA0),  # LEMON
    (0xB8, 0xF0, 0xC4),  # MINT
    (0xAE, 0xD6, 0xFF),  # SKY
    (0xD0, 0xBE, 0xFF),  # LAVENDER
    (0xF6, 0xC2, 0xEA),  # ROSE
    (0x80, 0x80, 0x90),  # GRAY
    (0xF7, 0xF7, 0xFC),  # PEARL
    (0x3A, 0x46, 0x8C),  # NAVY
    (0xDC, 0xDE, 0xEE),  # MIST
    (0x00, 0xB4, 0xBE),  # TEAL
    (0x6E, 0x4E, 0x9A),  # PLUM
]
assert len(PALETTE) == 16

SWATCHES = [PINK, PEACH, LEMON, MINT, SKY, LAVENDER, ROSE, PINK]

# ---------------------------------------------------------------------------
# A small 5x7 pixel font: just the characters the artwork needs.
# '#' is ink, anything else is empty.
# ---------------------------------------------------------------------------

FONT = {
    'L': ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    'u': [".....", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#"],
    'm': [".....", ".....", "##.#.", "#.#.#", "#.#.#", "#.#.#", "#.#.#"],
    'i': ["..#..", ".....", ".##..", "..#..", "..#..", "..#..", ".###."],
    'v': [".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    'a': [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    'n': [".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"],
    'e': [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
    'S': [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    'Y': ["#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."],
    'T': ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    'E': ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    'M': ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    'C': [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    'O': [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    'R': ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    ' ': [".....", ".....", ".....", ".....", ".....", ".....", "....."],
}
GLYPH_W, GLYPH_H = 5, 7


class Canvas:
    """A width x height grid of palette indices, row 0 at the top."""

    def __init__(self, width, height, fill):
        self.width = width
        self.height = height
        self.px = [[fill] * width for _ in range(height)]

    def put(self, x, y, c):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = c

    def get(self, x, y):
        return self.px[y][x]

    def rect(self, x, y, w, h, c):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.put(xx, yy, c)

    def frame(self, x, y, w, h, c):
        for xx in range(x, x + w):
            self.put(xx, y, c)
            self.put(xx, y + h - 1, c)
        for yy in range(y, y + h):
            self.put(x, yy, c)
            self.put(x + w - 1, yy, c)

    def round_rect(self, x, y, w, h, fill, edge):
        """Filled rectangle with a one-pixel edge and clipped corners."""
        self.rect(x + 1, y + 1, w - 2, h - 2, fill)
        for xx in range(x + 2, x + w - 2):
            self.put(xx, y, edge)
            self.put(xx, y + h - 1, edge)
        for yy in range(y + 2, y + h - 2):
            self.put(x, yy, edge)
            self.put(x + w - 1, yy, edge)
        for cx, cy in ((x + 1, y + 1), (x + w - 2, y + 1),
                       (x + 1, y + h - 2), (x + w - 2, y + h - 2)):
            self.put(cx, cy, edge)


def text_width(text, scale, gap=1):
    return (len(text) * (GLYPH_W + gap) - gap) * scale


def text_mask(text, scale, gap=1):
    """Set of (x, y) pixels covered by text, origin at its top left."""
    cells = set()
    for n, ch in enumerate(text):
        glyph = FONT[ch]
        ox = n * (GLYPH_W + gap) * scale
        for gy, row in enumerate(glyph):
            for gx, bit in enumerate(row):
                if bit == '#':
                    for dy in range(scale):
                        for dx in range(scale):
                            cells.add((ox + gx * scale + dx, gy * scale + dy))
    return cells


def letter_spans(text, scale, gap=1):
    """Left x of each character cell and its width, for per-letter colors."""
    step = (GLYPH_W + gap) * scale
    return [(n * step, GLYPH_W * scale) for n in range(len(text))]


# ---------------------------------------------------------------------------
# Logo: 248 x 115
# ---------------------------------------------------------------------------

LOGO_W, LOGO_H = 248, 115


def draw_logo():
    cv = Canvas(LOGO_W, LOGO_H, CYAN)

    # A light card with a soft shadow, floating on the cyan field.
    card_x, card_y, card_w, card_h = 8, 6, 230, 101
    cv.round_rect(card_x + 3, card_y + 3, card_w, card_h, TEAL, TEAL)
    cv.round_rect(card_x, card_y, card_w, card_h, PEARL, NAVY)

    # The name, each letter in its own pastel, outlined in ink,
    # with a mist shadow one step down and right.
    word, scale = "Lumivane", 4
    wx = (LOGO_W - text_width(word, scale)) // 2
    wy = card_y + 10
    mask = text_mask(word, scale)
    for (x, y) in mask:
        cv.put(wx + x + 2, wy + y + 2, MIST)
    outline = set()
    for (x, y) in mask:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                if (x + dx, y + dy) not in mask:
                    outline.add((x + dx, y + dy))
    for (x, y) in outline:
        cv.put(wx + x, wy + y, INK)
    letter_colors = [PINK, PEACH, LEMON, MINT, SKY, LAVENDER, ROSE, PINK]
    spans = letter_spans(word, scale)
    for (x, y) in mask:
        for n, (lx, lw) in enumerate(spans):
            if lx <= x < lx + lw:
                cv.put(wx + x, wy + y, letter_colors[n])
                break

    # A band of color swatches under the name.
    sw, sh, sgap = 22, 18, 4
    band_w = len(SWATCHES) * sw + (len(SWATCHES) - 1) * sgap
    bx = (LOGO_W - band_w) // 2
    by = wy + GLYPH_H * scale + 12
    cv.rect(bx - 6, by - 5, band_w + 12, sh + 10, WHITE)
    cv.frame(bx - 6, by - 5, band_w + 12, sh + 10, MIST)
    for n, color in enumerate(SWATCHES):
        x = bx + n * (sw + sgap)
        cv.rect(x + 2, by + 2, sw, sh, MIST)        # drop shadow
        cv.rect(x, by, sw, sh, color)
        cv.frame(x, by, sw, sh, NAVY)
        cv.rect(x + 2, by + 2, 4, 2, WHITE)         # small highlight

    # Tag line.
    tag = "SYSTEM COLOR SETS"
    tx = (LOGO_W - text_width(tag, 1, gap=2)) // 2
    ty = by + sh + 10
    for (x, y) in text_mask(tag, 1, gap=2):
        cv.put(tx + x, ty + y, PLUM)

    return cv


# ---------------------------------------------------------------------------
# Icon: 32 x 32, four color chips
# ---------------------------------------------------------------------------

ICON_SIZE = 32
TRANSPARENT = None


def draw_icon():
    """Four color chips stacked in a cascade, like a fanned swatch book."""
    cv = Canvas(ICON_SIZE, ICON_SIZE, TRANSPARENT)
    size, step = 15, 5
    chips = [PINK, LEMON, MINT, SKY]
    for n, color in enumerate(chips):
        x = y = 1 + n * step
        cv.rect(x + 1, y + 1, size, size, GRAY)    # shadow on the chip below
        cv.rect(x, y, size, size, color)
        cv.frame(x, y, size, size, INK)
        cv.rect(x + 2, y + 2, 3, 2, WHITE)          # highlight
        cv.put(x + 2, y + 4, WHITE)
    return cv


# ---------------------------------------------------------------------------
# Encoders
# ---------------------------------------------------------------------------

def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)


def pack_4bpp_rows(cv, transparent_as=0):
    """Pixel rows, bottom row first, two pixels a byte, padded to 4 bytes."""
    stride = ((cv.width * 4 + 31) // 32) * 4
    out = bytearray()
    for y in range(cv.height - 1, -1, -1):
        row = bytearray()
        for x in range(0, cv.width, 2):
            hi = cv.get(x, y)
            lo = cv.get(x + 1, y) if x + 1 < cv.width else 0
            hi = transparent_as if hi is None else hi
            lo = transparent_as if lo is None else lo
            row.append((hi << 4) | lo)
        row.extend(b"\0" * (stride - len(row)))
        out += row
    return bytes(out)


def pack_mask_rows(cv):
    """1-bit AND mask, bottom row first: 1 where the icon is transparent."""
    stride = ((cv.width + 31) // 32) * 4
    out = bytearray()
    for y in range(cv.height - 1, -1, -1):
        row = bytearray(stride)
        for x in range(cv.width):
            if cv.get(x, y) is None:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def info_header(width, height, image_size):
    return struct.pack("<IiiHHIIiiII",
                       40, width, height, 1, 4, 0, image_size, 0, 0, 16, 0)


def encode_bmp(cv):
    pixels = pack_4bpp_rows(cv)
    dib = info_header(cv.width, cv.height, len(pixels)) + palette_bytes() + pixels
    offset = 14 + 40 + 64
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(dib), 0, 0, offset)
    return file_header + dib


def encode_ico(cv):
    xor = pack_4bpp_rows(cv, transparent_as=0)
    and_mask = pack_mask_rows(cv)
    image = (info_header(cv.width, cv.height * 2, len(xor) + len(and_mask))
             + palette_bytes() + xor + and_mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", cv.width, cv.height, 16, 0, 1, 4,
                        len(image), 6 + 16)
    return directory + entry + image


def main(argv):
    out_dir = argv[1] if len(argv) > 1 else os.path.dirname(os.path.abspath(__file__))

    bmp = encode_bmp(draw_logo())
    assert len(bmp) == 14 + 14364, len(bmp)
    ico = encode_ico(draw_icon())
    assert len(ico) == 6 + 16 + 744, len(ico)

    with open(os.path.join(out_dir, "lvlogo.bmp"), "wb") as f:
        f.write(bmp)
    with open(os.path.join(out_dir, "lumvicon.ico"), "wb") as f:
        f.write(ico)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
