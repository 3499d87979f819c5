#!/usr/bin/env python3
"""Draws the pictures of the default web template: Default.gif, the disc emblem at the top
of every page, and Defs.gif, the small disc before each entry of the table of contents.

Python standard library only; the output is the same bytes on every run.
Usage: make_default_gifs.py OUTPUT_FOLDER
"""
import math
import os
import struct
import sys

AMBER = (200, 116, 26)
SLATE = (34, 48, 58)


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def disc_pixel(x, y, size, label_colour):
    """The colour of one pixel of a disc filling `size` pixels, or None outside it.
    Four samples per pixel smooth the edges against the page's light background."""
    samples = []
    for sx, sy in ((0.25, 0.25), (0.75, 0.25), (0.25, 0.75), (0.75, 0.75)):
        cx = x + sx - size / 2
        cy = y + sy - size / 2
        r = math.hypot(cx, cy) / (size / 2)
        angle = math.atan2(cy, cx)
        if r > 1.0 or r < 0.16:
            samples.append(None)
        elif r < 0.22:
            samples.append((230, 234, 238))  # the clear ring round the hole
        elif r < 0.46:
            samples.append(mix(label_colour, (255, 255, 255), 0.12 * (1 - r)))
        elif r > 0.97:
            samples.append((150, 158, 166))  # the rim
        else:
            # Silver with a soft sheen that turns with the angle, as light on a disc does.
            sheen = 0.5 + 0.5 * math.cos(2 * angle - 0.8)
            base = mix((178, 186, 196), (246, 248, 250), sheen)
            tint = mix(base, (120, 190, 210), 0.18 * (1 - sheen))
            samples.append(tint)
    inside = [s for s in samples if s is not None]
    if len(inside) < 2:
        return None
    colour = tuple(sum(s[i] for s in inside) / len(inside) for i in range(3))
    background = (250, 247, 242)  # the page's paper colour softens the edge
    return mix(background, colour, len(inside) / 4)


def draw(size, label_colour):
    return [[disc_pixel(x, y, size, label_colour) for x in range(size)] for y in range(size)]


def quantise(pixels):
    """Index 0 is transparent; colours are rounded to steps of 4 to stay within 255."""
    palette = [(255, 255, 255)]
    index = {}
    rows = []
    for row in pixels:
        out = []
        for colour in row:
            if colour is None:
                out.append(0)
                continue
            key = tuple(min(252, int(c) // 4 * 4) for c in colour)
            if key not in index:
                if len(palette) == 256:
                    key = min(index, key=lambda k: sum((k[i] - key[i]) ** 2 for i in range(3)))
                else:
                    index[key] = len(palette)
                    palette.append(key)
            out.append(index[key])
        rows.append(out)
    while len(palette) < 256:
        palette.append((0, 0, 0))
    return palette, rows


def lzw(indices, min_code_size=8):
    clear = 1 << min_code_size
    end = clear + 1
    out_bits = []
    bit_buffer, bit_count = 0, 0
    data = bytearray()

    def emit(code, width):
        nonlocal bit_buffer, bit_count
        bit_buffer |= code << bit_count
        bit_count += width
        while bit_count >= 8:
            data.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8

    table = {(i,): i for i in range(clear)}
    next_code = end + 1
    width = min_code_size + 1
    emit(clear, width)
    current = ()
    for value in indices:
        candidate = current + (value,)
        if candidate in table:
            current = candidate
            continue
        emit(table[current], width)
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            emit(clear, width)
            table = {(i,): i for i in range(clear)}
            next_code = end + 1
            width = min_code_size + 1
        current = (value,)
    if current:
        emit(table[current], width)
    emit(end, width)
    if bit_count:
        data.append(bit_buffer & 0xFF)
    del out_bits
    return bytes(data)


def gif(pixels):
    palette, rows = quantise(pixels)
    height, width = len(rows), len(rows[0])
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", width, height, 0xF7, 0, 0)
    for colour in palette:
        out += bytes(colour)
    out += b"\x21\xF9\x04\x01\x00\x00\x00\x00"  # index 0 is transparent
    out += b"\x2C" + struct.pack("<HHHHB", 0, 0, width, height, 0)
    out += b"\x08"
    data = lzw([i for row in rows for i in row])
    for at in range(0, len(data), 255):
        block = data[at:at + 255]
        out += bytes([len(block)]) + block
    out += b"\x00\x3B"
    return bytes(out)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "Default.gif"), "wb") as f:
        f.write(gif(draw(96, AMBER)))
    with open(os.path.join(folder, "Defs.gif"), "wb") as f:
        f.write(gif(draw(16, SLATE)))


if __name__ == "__main__":
    main()
