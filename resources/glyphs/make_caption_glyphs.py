#!/usr/bin/env python3
"""Draws the caption-button glyphs and writes them as PNG files and as embedded C++ data.

Each glyph is a white sign with a dark soft shadow on a transparent ground, under a one-pixel
translucent white line along the top edge; 32-bit RGBA, 26 x 18 pixels (close: 38 x 18).
Shapes are signed-distance figures sampled 4 x 4 per pixel, so the output is reproducible
byte for byte. Run from anywhere: python3 make_caption_glyphs.py
"""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
HEIGHT = 18
SAMPLES = 4
TOP_LINE_ALPHA = 0.35
SHADOW_ALPHA = 0.55


def segment(px, py, ax, ay, bx, by):
    """Distance from (px, py) to the segment a-b."""
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def box(px, py, x0, y0, x1, y1):
    """Inside test of the axis-aligned box [x0, x1] x [y0, y1]."""
    return x0 <= px <= x1 and y0 <= py <= y1


def frame(px, py, x0, y0, x1, y1, top=2.0, side=1.0):
    """A square outline whose top edge is thicker, like a window's caption."""
    if not box(px, py, x0, y0, x1, y1):
        return False
    return not box(px, py, x0 + side, y0 + top, x1 - side, y1 - side)


def help_sign(px, py):
    cx, cy, r = 13.0, 7.0, 3.0
    d = abs(math.hypot(px - cx, py - cy) - r)
    angle = math.degrees(math.atan2(py - cy, px - cx))  # y grows downwards
    on_hook = d <= 0.8 and not (20.0 < angle < 160.0)  # open at the lower left
    stem = segment(px, py, 14.2, 9.4, 13.0, 11.0) <= 0.8
    dot = math.hypot(px - 13.0, py - 13.5) <= 1.0
    return on_hook or stem or dot


def menu_sign(px, py):
    return any(box(px, py, 8.0, y, 18.0, y + 1.5) for y in (5.0, 8.5, 12.0))


def minimize_sign(px, py):
    return box(px, py, 8.0, 11.0, 18.0, 13.0)


def maximize_sign(px, py):
    return frame(px, py, 8.0, 4.0, 18.0, 14.0)


def restore_sign(px, py):
    front = (7.0, 7.0, 15.0, 14.0)
    if frame(px, py, *front):
        return True
    behind = box(px, py, front[0], front[1], front[2], front[3])
    return not behind and frame(px, py, 10.0, 4.0, 18.0, 11.0)


def close_sign(px, py):
    return (segment(px, py, 15.0, 5.0, 23.0, 13.0) <= 0.9 or
            segment(px, py, 23.0, 5.0, 15.0, 13.0) <= 0.9)


def coverage(shape, width):
    """Fraction of each pixel covered by the shape, row by row."""
    step = 1.0 / SAMPLES
    rows = []
    for y in range(HEIGHT):
        row = []
        for x in range(width):
            hits = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    if shape(x + (sx + 0.5) * step, y + (sy + 0.5) * step):
                        hits += 1
            row.append(hits / (SAMPLES * SAMPLES))
        rows.append(row)
    return rows


def soft_shadow(mask, width):
    """The mask moved one pixel right and down, spread over a 3 x 3 neighbourhood."""
    weights = ((1, 2, 1), (2, 4, 2), (1, 2, 1))
    out = [[0.0] * width for _ in range(HEIGHT)]
    for y in range(HEIGHT):
        for x in range(width):
            total = 0.0
            for dy in (-1, 0, 1):
                for dx in (-1, 0, 1):
                    sx, sy = x - 1 + dx, y - 1 + dy
                    if 0 <= sx < width and 0 <= sy < HEIGHT:
                        total += mask[sy][sx] * weights[dy + 1][dx + 1]
            out[y][x] = min(1.0, total / 16.0 * 1.6)
    return out


def over(top, bottom):
    """Straight-alpha 'top over bottom' of two (r, g, b, a) pixels with channels in 0..1."""
    ta, ba = top[3], bottom[3]
    a = ta + ba * (1.0 - ta)
    if a == 0.0:
        return (0.0, 0.0, 0.0, 0.0)
    return tuple((top[i] * ta + bottom[i] * ba * (1.0 - ta)) / a for i in range(3)) + (a,)


def render(shape, width):
    mask = coverage(shape, width)
    shadow = soft_shadow(mask, width)
    pixels = []
    for y in range(HEIGHT):
        row = []
        for x in range(width):
            pixel = (0.0, 0.0, 0.0, 0.0)
            if y == 0:
                pixel = (1.0, 1.0, 1.0, TOP_LINE_ALPHA)
            pixel = over((0.05, 0.05, 0.08, shadow[y][x] * SHADOW_ALPHA), pixel)
            pixel = over((1.0, 1.0, 1.0, mask[y][x]), pixel)
            row.append(tuple(int(round(c * 255)) for c in pixel))
        pixels.append(row)
    return pixels


def png(pixels, width):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + bytes(c for p in row for c in p) for row in pixels)
    header = struct.pack(">IIBBBBB", width, HEIGHT, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


GLYPHS = [  # (field, file, shape, width)
    ("help", "help", help_sign, 26),
    ("menu", "menu", menu_sign, 26),
    ("minimize", "minimize", minimize_sign, 26),
    ("maximize", "maximize", maximize_sign, 26),
    ("restore", "restore", restore_sign, 26),
    ("close", "close", close_sign, 38),
]


def cpp_array(name, data):
    lines = []
    for i in range(0, len(data), 16):
        lines.append("    " + ", ".join("0x%02X" % b for b in data[i:i + 16]) + ",")
    return "const unsigned char %s[] = {\n%s\n};\n" % (name, "\n".join(lines))


def main():
    arrays, fields = [], []
    for field, name, shape, width in GLYPHS:
        data = png(render(shape, width), width)
        with open(os.path.join(HERE, "caption_%s.png" % name), "wb") as f:
            f.write(data)
        array = "%s_GLYPH" % name.upper()
        arrays.append(cpp_array(array, data))
        fields.append("    {%s, sizeof %s},  // %s" % (array, array, field))
    source = (
        "// The caption-button glyphs as PNG bytes, written by make_caption_glyphs.py; do not edit.\n"
        "#include \"engine/core/caption_glyphs.h\"\n\n"
        "namespace skin {\n\nnamespace {\n" + "\n".join(arrays) + "}  // namespace\n\n"
        "const CaptionGlyphSet CAPTION_GLYPHS = {\n" + "\n".join(fields) + "\n};\n\n"
        "}  // namespace skin\n")
    with open(os.path.join(HERE, "caption_glyphs.cpp"), "w") as f:
        f.write(source)


if __name__ == "__main__":
    main()
