#!/usr/bin/env python3
"""Makes the player's embedded clips, pictures and icon, byte for byte the same on every run.

Only the standard library is used: the WAVE, PNG, JPEG and ICO writers are here. The outputs
are committed; run this again (from anywhere) after changing it:

    python3 resources/make_player_resources.py
"""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# Exact sizes the player's data table fixes; every writer pads its file up to its size.
STARTUP_CLIP_SIZE, STARTUP_DATA_SIZE = 9156, 9033
CLICK_CLIP_SIZE, CLICK_DATA_SIZE = 119384, 119292
BACKGROUND_SIZE, BACKGROUND_W, BACKGROUND_H = 80531, 800, 519
BADGE_SIZE, BADGE_W, BADGE_H = 14688, 104, 101
# Where the background is shown (stretched) and where the badge sits on it (natural size).
VIEW_W, VIEW_H = 384, 288
BADGE_X, BADGE_Y = 32, 104

RATE = 22050


class Random:
    """A small linear congruential generator: the same numbers on every platform."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self):
        self.state = (self.state * 1664525 + 1013904223) & 0xFFFFFFFF
        return self.state / 4294967296.0


# ---------------------------------------------------------------------------------------------
# RIFF WAVE
# ---------------------------------------------------------------------------------------------

def chunk(tag, payload):
    data = tag + struct.pack('<I', len(payload)) + payload
    return data + (b'\0' if len(payload) % 2 else b'')


def info_chunk(total_size):
    """A LIST/INFO chunk of exactly total_size bytes naming the software."""
    text_size = total_size - 8 - 4 - 8
    text = b'Qorvel'[:text_size - 1].ljust(text_size, b'\0')
    assert text_size >= 2 and text_size % 2 == 0
    return chunk(b'LIST', b'INFO' + chunk(b'ISFT', text))


def clamp16(value):
    return max(-32768, min(32767, int(round(value))))


def chime_samples(count):
    """Two soft bell strokes a fifth apart, fading out within the clip."""
    notes = [(0.0, 1046.5, 0.55), (0.11, 1568.0, 0.45)]
    partials = [(1.0, 1.0), (2.0, 0.28), (2.76, 0.12), (4.07, 0.05)]
    samples = []
    for n in range(count):
        t = n / RATE
        value = 0.0
        for start, frequency, level in notes:
            u = t - start
            if u < 0:
                continue
            attack = min(1.0, u / 0.004)
            for ratio, weight in partials:
                decay = math.exp(-u * (3.2 + 2.5 * ratio))
                value += level * weight * attack * decay * math.sin(2 * math.pi * frequency * ratio * u)
        tail = min(1.0, (count - n) / (0.08 * RATE))  # reach silence at the very end
        samples.append(clamp16(value * tail * 0.42 * 32767))
    return samples


ADPCM_COEFFICIENTS = [(256, 0), (512, -256), (0, 0), (192, 64), (240, 0), (460, -208), (392, -232)]
ADPCM_ADAPTATION = [230, 230, 230, 230, 307, 409, 512, 614, 768, 614, 512, 409, 307, 230, 230, 230]


def adpcm_encode_block(samples, predictor, delta):
    c1, c2 = ADPCM_COEFFICIENTS[predictor]
    sample2, sample1 = samples[0], samples[1]
    header = struct.pack('<Bhhh', predictor, delta, sample1, sample2)
    nibbles, decoded, error = [], [sample2, sample1], 0
    for value in samples[2:]:
        predicted = (sample1 * c1 + sample2 * c2) >> 8
        step = int(round((value - predicted) / delta))
        step = max(-8, min(7, step))
        new = max(-32768, min(32767, predicted + step * delta))
        error += (new - value) ** 2
        nibble = step & 0xF
        nibbles.append(nibble)
        decoded.append(new)
        sample2, sample1 = sample1, new
        delta = max(16, (ADPCM_ADAPTATION[nibble] * delta) >> 8)
    if len(nibbles) % 2:
        nibbles.append(0)
    body = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, len(nibbles), 2))
    return header + body, error, decoded


def adpcm_block(samples):
    """The best of the seven predictors for one block (mono)."""
    spread = sum(abs(samples[i + 1] - samples[i]) for i in range(min(16, len(samples) - 1)))
    delta = max(16, spread // 16)
    best = None
    for predictor in range(len(ADPCM_COEFFICIENTS)):
        block, error, decoded = adpcm_encode_block(samples, predictor, delta)
        if best is None or error < best[1]:
            best = (block, error, decoded)
    return best


def make_startup_clip():
    block_align, samples_per_block = 512, 2 + (512 - 7) * 2
    full_blocks, rest = divmod(STARTUP_DATA_SIZE, block_align)
    count = full_blocks * samples_per_block + 2 + (rest - 7) * 2
    samples = chime_samples(count)
    data, position, noise = b'', 0, 0.0
    while position < count:
        take = min(samples_per_block, count - position)
        block, error, _ = adpcm_block(samples[position:position + take])
        data += block
        position += take
    assert len(data) == STARTUP_DATA_SIZE, len(data)
    coefficients = b''.join(struct.pack('<hh', a, b) for a, b in ADPCM_COEFFICIENTS)
    fmt = struct.pack('<HHIIHHHHH', 2, 1, RATE, RATE * block_align // samples_per_block,
                      block_align, 4, 32, samples_per_block, len(ADPCM_COEFFICIENTS)) + coefficients
    head = chunk(b'fmt ', fmt) + chunk(b'fact', struct.pack('<I', count))
    tail = chunk(b'data', data)
    info = info_chunk(STARTUP_CLIP_SIZE - 12 - len(head) - len(tail))
    body = b'WAVE' + head + info + tail
    return b'RIFF' + struct.pack('<I', len(body)) + body


def click_samples(frames):
    """A soft wooden tick and its quieter release, slightly wider on the right."""
    noise = Random(7)
    left, right = [], []
    events = [(0.004, 1.0), (0.072, 0.35)]
    for n in range(frames):
        t = n / RATE
        values = []
        for delay in (0.0, 0.0004):
            value = 0.0
            for start, level in events:
                u = t - start - delay
                if u < 0:
                    continue
                body = math.sin(2 * math.pi * 1150 * u) * math.exp(-u / 0.010)
                knock = math.sin(2 * math.pi * 2650 * u) * math.exp(-u / 0.0035) * 0.45
                thump = math.sin(2 * math.pi * 320 * u) * math.exp(-u / 0.018) * 0.5
                value += level * (body + knock + thump)
            values.append(value)
        grain = (noise.next() - 0.5) * math.exp(-max(0.0, t - 0.004) / 0.0015) * 0.25 if t >= 0.004 else 0.0
        left.append(clamp16((values[0] + grain) * 0.30 * 32767))
        right.append(clamp16((values[1] + grain) * 0.27 * 32767))
    return left, right


def make_click_clip():
    frames = CLICK_DATA_SIZE // 4
    left, right = click_samples(frames)
    data = b''.join(struct.pack('<hh', l, r) for l, r in zip(left, right))
    assert len(data) == CLICK_DATA_SIZE
    fmt = struct.pack('<HHIIHH', 1, 2, RATE, RATE * 4, 4, 16)
    head = chunk(b'fmt ', fmt)
    tail = chunk(b'data', data)
    info = info_chunk(CLICK_CLIP_SIZE - 12 - len(head) - len(tail))
    body = b'WAVE' + head + info + tail
    return b'RIFF' + struct.pack('<I', len(body)) + body


# ---------------------------------------------------------------------------------------------
# Pictures: colours are (r, g, b) floats 0..255
# ---------------------------------------------------------------------------------------------

def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def smooth(edge0, edge1, x):
    t = max(0.0, min(1.0, (x - edge0) / (edge1 - edge0)))
    return t * t * (3 - 2 * t)


def glow(x, y, cx, cy, radius):
    d2 = ((x - cx) ** 2 + (y - cy) ** 2) / (radius * radius)
    return math.exp(-d2)


EQUALIZER = [0.35, 0.55, 0.42, 0.7, 0.9, 0.62, 0.48, 0.8, 0.66, 0.4, 0.58, 0.85, 0.72, 0.5,
             0.38, 0.64, 0.95, 0.7, 0.52, 0.44, 0.6, 0.78, 0.56, 0.41, 0.67, 0.88, 0.6, 0.46,
             0.36, 0.52, 0.74, 0.58]


def background_at(x, y):
    """The background as it is seen in the window, in view pixels (384 x 288)."""
    u, v = x / VIEW_W, y / VIEW_H
    # A night-blue to plum diagonal.
    colour = mix((10, 14, 30), (30, 12, 42), smooth(0.0, 1.0, 0.55 * u + 0.45 * v))
    # Cyan light from the upper right, magenta from the lower left, both dim.
    colour = mix(colour, (34, 202, 221), 0.28 * glow(x, y, 350, 30, 150))
    colour = mix(colour, (200, 40, 160), 0.22 * glow(x, y, 20, 290, 170))
    colour = mix(colour, (90, 60, 200), 0.12 * glow(x, y, 250, 150, 120))
    # An equalizer skyline behind the links, fading upwards.
    base, top = 236.0, 196.0
    if top - 4 <= y <= base:
        slot = x / (VIEW_W / len(EQUALIZER))
        index = int(slot)
        inside = slot - index
        height = EQUALIZER[index % len(EQUALIZER)] * (base - top)
        if 0.16 < inside < 0.84 and y >= base - height:
            edge = smooth(0.16, 0.24, inside) * (1 - smooth(0.76, 0.84, inside))
            fade = smooth(base - height, base, y)
            tint = mix((34, 202, 221), (190, 70, 220), u)
            colour = mix(colour, tint, 0.30 * edge * (0.35 + 0.65 * fade))
    # A thin accent line under the title, bright in the middle.
    line = math.exp(-((y - 86.5) / 0.9) ** 2) * smooth(16, 120, x) * (1 - smooth(250, 370, x))
    colour = mix(colour, (120, 230, 240), 0.55 * line)
    # Soft bokeh discs.
    for cx, cy, r, level in ((300, 228, 18, 0.10), (350, 120, 11, 0.08), (160, 40, 9, 0.06),
                             (365, 265, 26, 0.07), (255, 210, 7, 0.09)):
        d = math.hypot(x - cx, y - cy)
        colour = mix(colour, (150, 220, 255), level * (1 - smooth(r - 1.5, r + 1.5, d)))
    # Vignette.
    dark = 0.55 + 0.45 * (1 - smooth(0.35, 0.95, math.hypot(u - 0.5, (v - 0.5) * 1.1) * 1.45))
    return tuple(c * dark for c in colour)


def render_background():
    dither = Random(2024)
    rows = []
    for sy in range(BACKGROUND_H):
        y = (sy + 0.5) * VIEW_H / BACKGROUND_H
        row = []
        for sx in range(BACKGROUND_W):
            x = (sx + 0.5) * VIEW_W / BACKGROUND_W
            r, g, b = background_at(x, y)
            n = (dither.next() - 0.5) * 2.0  # against banding in the dark gradient
            row.append(tuple(max(0, min(255, int(c + n + 0.5))) for c in (r, g, b)))
        rows.append(row)
    return rows


def disc_colour(dx, dy, radius, base):
    """The badge emblem: a record with grooves, a sheen, a glowing rim and a two-tone label.
    Returns (colour, coverage) for a point relative to the centre."""
    d = math.hypot(dx, dy)
    if d > radius + 1.2:
        return base, 0.0
    angle = math.atan2(dy, dx)
    if d <= radius * 0.05:
        return base, 1.0  # the spindle hole shows the background
    if d <= radius * 0.36:
        t = (dy / (radius * 0.36) + 1) / 2
        colour = mix((34, 202, 221), (200, 60, 200), t)
        if abs(d - radius * 0.30) < 0.5:
            colour = mix(colour, (255, 255, 255), 0.25)
        return colour, 1.0
    groove = 0.5 + 0.5 * math.cos(d * 2.1)
    colour = mix((14, 14, 20), (34, 34, 44), groove * 0.55)
    sheen = max(0.0, math.cos(2 * (angle - 0.8))) ** 6
    colour = mix(colour, (150, 170, 190), 0.22 * sheen)
    rim = math.exp(-((d - radius) / 1.1) ** 2)
    colour = mix(colour, (90, 225, 240), 0.8 * rim)
    return colour, 1.0 if d <= radius else max(0.0, 1 - (d - radius) / 1.2)


def render_badge():
    rows = []
    cx, cy, radius = BADGE_W / 2, 49.5, 44.0
    for y in range(BADGE_H):
        row = []
        for x in range(BADGE_W):
            base = background_at(BADGE_X + x + 0.5, BADGE_Y + y + 0.5)
            total = [0.0, 0.0, 0.0]
            for sy in range(4):
                for sx in range(4):
                    px, py = x + (sx + 0.5) / 4, y + (sy + 0.5) / 4
                    colour, cover = disc_colour(px - cx, py - cy, radius, base)
                    shade = base
                    # A soft drop shadow under the record.
                    s = math.hypot(px - cx - 1.5, py - cy - 2.5)
                    shade = mix(base, (0, 0, 0), 0.45 * (1 - smooth(radius - 3, radius + 4, s)))
                    pixel = mix(shade, colour, cover)
                    for i in range(3):
                        total[i] += pixel[i]
            row.append(tuple(max(0, min(255, int(c / 16 + 0.5))) for c in total))
        rows.append(row)
    return rows


def render_icon(size):
    """The same record on a transparent ground, as (r, g, b, a) rows."""
    rows = []
    radius = size * 0.46
    c = size / 2
    samples = 4 if size <= 64 else 2
    for y in range(size):
        row = []
        for x in range(size):
            total, alpha = [0.0, 0.0, 0.0], 0.0
            for sy in range(samples):
                for sx in range(samples):
                    px, py = x + (sx + 0.5) / samples, y + (sy + 0.5) / samples
                    colour, cover = disc_colour((px - c) * 44 / radius, (py - c) * 44 / radius, 44, (0, 0, 0))
                    d = math.hypot(px - c, py - c)
                    if d <= radius * 0.05:
                        cover = 0.0  # the hole is see-through
                    for i in range(3):
                        total[i] += colour[i] * cover
                    alpha += cover
            n = samples * samples
            a = alpha / n
            rgb = tuple(int(t / alpha + 0.5) if alpha else 0 for t in total)
            row.append(rgb + (int(a * 255 + 0.5),))
        rows.append(row)
    return rows


# ---------------------------------------------------------------------------------------------
# PNG
# ---------------------------------------------------------------------------------------------

def png_chunk(tag, payload):
    return struct.pack('>I', len(payload)) + tag + payload + struct.pack('>I', zlib.crc32(tag + payload))


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def png_bytes(rows, channels, size=None):
    width, height = len(rows[0]), len(rows)
    raw, previous = bytearray(), bytes(width * channels)
    for row in rows:
        line = bytes(v for pixel in row for v in pixel)
        filtered = bytearray(len(line))
        for i, value in enumerate(line):
            left = line[i - channels] if i >= channels else 0
            up_left = previous[i - channels] if i >= channels else 0
            filtered[i] = (value - paeth(left, previous[i], up_left)) & 0xFF
        raw += b'\x04' + filtered
        previous = line
    colour_type = 2 if channels == 3 else 6
    header = png_chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, colour_type, 0, 0, 0))
    data = png_chunk(b'IDAT', zlib.compress(bytes(raw), 9))
    end = png_chunk(b'IEND', b'')
    signature = b'\x89PNG\r\n\x1a\n'
    if size is None:
        return signature + header + data + end
    # Pad to the exact size with a text chunk naming the software.
    room = size - len(signature + header + data + end) - 12
    assert room >= len(b'Software\0'), 'picture too large for its size: %d' % -room
    text = (b'Software\0Qorvel' + b' ' * room)[:room]
    return signature + header + png_chunk(b'tEXt', text) + data + end


# ---------------------------------------------------------------------------------------------
# Baseline JPEG, 4:4:4, standard Huffman tables
# ---------------------------------------------------------------------------------------------

LUMA_QUANT = [16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55,
              14, 13, 16, 24, 40, 57, 69, 56, 14, 17, 22, 29, 51, 87, 80, 62,
              18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104, 113, 92,
              49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99]
CHROMA_QUANT = [17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
                24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99] + [99] * 32

DC_LUMA = ([0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0], list(range(12)))
DC_CHROMA = ([0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0], list(range(12)))
AC_LUMA = ([0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7d], bytes.fromhex(
    '01020300041105122131410613516107227114328191a1082342b1c11552d1f02433627282090a161718191a25262728292a'
    '3435363738393a434445464748494a535455565758595a636465666768696a737475767778797a838485868788898a929394'
    '95969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae1e2e3e4e5e6e7e8'
    'e9eaf1f2f3f4f5f6f7f8f9fa'))
AC_CHROMA = ([0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77], bytes.fromhex(
    '000102031104052131061241510761711322328108144291a1b1c109233352f0156272d10a162434e125f11718191a262728'
    '292a35363738393a434445464748494a535455565758595a636465666768696a737475767778797a82838485868788898a92'
    '939495969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae2e3e4e5e6e7'
    'e8e9eaf2f3f4f5f6f7f8f9fa'))


def zigzag():
    order = []
    for s in range(15):
        cells = [(i, s - i) for i in range(8) if 0 <= s - i < 8]
        order += cells if s % 2 else cells[::-1]
    return [r * 8 + c for r, c in order]


ZIGZAG = zigzag()


def huffman_codes(table):
    bits, values = table
    assert sum(bits) == len(values)
    codes, code, k = {}, 0, 0
    for length in range(1, 17):
        for _ in range(bits[length - 1]):
            codes[values[k]] = (code, length)
            code += 1
            k += 1
        code <<= 1
    return codes


def scaled_quant(table, quality):
    scale = 5000 // quality if quality < 50 else 200 - quality * 2
    return [max(1, min(255, (q * scale + 50) // 100)) for q in table]


COS = [[math.cos((2 * x + 1) * u * math.pi / 16) * (math.sqrt(0.5) if u == 0 else 1.0) / 2
        for x in range(8)] for u in range(8)]


def dct(block):
    rows = [[sum(COS[u][x] * block[y * 8 + x] for x in range(8)) for u in range(8)] for y in range(8)]
    return [sum(COS[v][y] * rows[y][u] for y in range(8)) for v in range(8) for u in range(8)]


class BitWriter:
    def __init__(self):
        self.out, self.accumulator, self.count = bytearray(), 0, 0

    def write(self, code, length):
        self.accumulator = (self.accumulator << length) | code
        self.count += length
        while self.count >= 8:
            self.count -= 8
            byte = (self.accumulator >> self.count) & 0xFF
            self.out.append(byte)
            if byte == 0xFF:
                self.out.append(0)
        self.accumulator &= (1 << self.count) - 1

    def flush(self):
        if self.count:
            self.write((1 << (8 - self.count)) - 1, 8 - self.count)


def magnitude(value):
    size = abs(value).bit_length()
    return size, (value if value >= 0 else value + (1 << size) - 1)


def encode_block(writer, coefficients, quant, previous_dc, dc_codes, ac_codes):
    q = [int(round(coefficients[ZIGZAG[i]] / quant[i])) for i in range(64)]
    diff = q[0] - previous_dc
    size, bits = magnitude(diff)
    writer.write(*dc_codes[size])
    if size:
        writer.write(bits, size)
    run = 0
    for i in range(1, 64):
        if q[i] == 0:
            run += 1
            continue
        while run > 15:
            writer.write(*ac_codes[0xF0])
            run -= 16
        size, bits = magnitude(q[i])
        writer.write(*ac_codes[(run << 4) | size])
        writer.write(bits, size)
        run = 0
    if run:
        writer.write(*ac_codes[0x00])
    return q[0]


def jpeg_planes(rows):
    height, width = len(rows), len(rows[0])
    planes = ([], [], [])
    for y in range(height + (-height) % 8):
        row = rows[min(y, height - 1)]
        for plane in planes:
            plane.append([])
        for x in range(width + (-width) % 8):
            r, g, b = row[min(x, width - 1)]
            planes[0][-1].append(0.299 * r + 0.587 * g + 0.114 * b - 128)
            planes[1][-1].append(-0.168736 * r - 0.331264 * g + 0.5 * b)
            planes[2][-1].append(0.5 * r - 0.418688 * g - 0.081312 * b)
    return planes


def jpeg_bytes(rows, planes_dct, quality):
    height, width = len(rows), len(rows[0])
    luma_q, chroma_q = scaled_quant(LUMA_QUANT, quality), scaled_quant(CHROMA_QUANT, quality)
    quants = [[luma_q[ZIGZAG[i]] for i in range(64)], [chroma_q[ZIGZAG[i]] for i in range(64)]]
    codes = [(huffman_codes(DC_LUMA), huffman_codes(AC_LUMA)), (huffman_codes(DC_CHROMA), huffman_codes(AC_CHROMA))]
    writer, previous = BitWriter(), [0, 0, 0]
    for block in range(len(planes_dct[0])):
        for component in range(3):
            table = 0 if component == 0 else 1
            previous[component] = encode_block(writer, planes_dct[component][block], quants[table],
                                               previous[component], *codes[table])
    writer.flush()

    def segment(marker, payload):
        return struct.pack('>BBH', 0xFF, marker, len(payload) + 2) + payload

    head = b'\xff\xd8' + segment(0xE0, b'JFIF\0\x01\x01\x01\x00\x60\x00\x60\x00\x00')
    head += segment(0xDB, b'\x00' + bytes(quants[0]) + b'\x01' + bytes(quants[1]))
    head += segment(0xC0, struct.pack('>BHHB', 8, height, width, 3) + b'\x01\x11\x00\x02\x11\x01\x03\x11\x01')
    for index, (bits, values) in ((0x00, DC_LUMA), (0x10, AC_LUMA), (0x01, DC_CHROMA), (0x11, AC_CHROMA)):
        head += segment(0xC4, bytes([index]) + bytes(bits) + bytes(values))
    scan = segment(0xDA, b'\x03\x01\x00\x02\x11\x03\x11\x00\x3f\x00') + bytes(writer.out)
    return head, scan + b'\xff\xd9'


def jpeg_exact(rows, size):
    planes = jpeg_planes(rows)
    blocks = [[], [], []]
    for by in range(0, len(planes[0]), 8):
        for bx in range(0, len(planes[0][0]), 8):
            for component in range(3):
                plane = planes[component]
                blocks[component].append(dct([plane[by + y][bx + x] for y in range(8) for x in range(8)]))
    for quality in range(100, 40, -1):
        head, rest = jpeg_bytes(rows, blocks, quality)
        room = size - len(head) - len(rest)
        if room >= 4 + 6:
            # A comment segment fills the remaining bytes (one segment holds up to 65,533).
            comments = b''
            while room > 0:
                take = min(room, 65537)
                if room - take and room - take < 4 + 6:
                    take = room - 10
                text = (b'Qorvel ' * (take // 7 + 1))[:take - 4]
                comments += struct.pack('>BBH', 0xFF, 0xFE, take - 2) + text
                room -= take
            data = head + comments + rest
            assert len(data) == size
            return data, quality
    raise SystemExit('background does not fit its size')


# ---------------------------------------------------------------------------------------------
# ICO: 16, 32 and 48 pixels as 32-bit DIBs, 256 as PNG
# ---------------------------------------------------------------------------------------------

def ico_dib(rows):
    size = len(rows)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b''.join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for x, pixel in enumerate(row):
            if pixel[3] == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    return header + pixels + bytes(mask)


def make_icon():
    images = [(16, ico_dib(render_icon(16))), (32, ico_dib(render_icon(32))),
              (48, ico_dib(render_icon(48))), (256, png_bytes(render_icon(256), 4))]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b''.join(data for _, data in images)


def write(name, data):
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(data)
    print('%-22s %7d bytes' % (name, len(data)))


def main():
    write('startup_clip.wav', make_startup_clip())
    write('click_clip.wav', make_click_clip())
    write('badge.png', png_bytes(render_badge(), 3, BADGE_SIZE))
    background, quality = jpeg_exact(render_background(), BACKGROUND_SIZE)
    write('background.jpg', background)
    print('background quality', quality)
    write('player.ico', make_icon())


if __name__ == '__main__':
    main()
