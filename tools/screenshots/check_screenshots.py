#!/usr/bin/env python3
"""Checks the screenshots an end-to-end run left behind: every picture must be a PNG that
decodes, is fully opaque (a screen has no transparency; a picture with an alpha channel of
zeros shows blank in viewers) and holds more than one colour (a blank capture is one colour).
Prints one line per fault and a summary; exits 1 on any fault. Standard library only."""

import os
import struct
import sys
import zlib

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
CHANNELS = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}  # samples per pixel by colour type
ALLOWED_DEPTHS = {0: (1, 2, 4, 8, 16), 2: (8, 16), 3: (1, 2, 4, 8), 4: (8, 16), 6: (8, 16)}
# Adam7 passes: first column, first row, column step, row step.
ADAM7 = ((0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2),
         (0, 1, 1, 2))


class DamagedPicture(Exception):
    pass


def read_chunks(data):
    if not data.startswith(PNG_SIGNATURE):
        raise DamagedPicture("not a PNG file")
    pos, chunks = len(PNG_SIGNATURE), []
    while True:
        if pos + 8 > len(data):
            raise DamagedPicture("truncated before the end chunk")
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        crc = data[pos + 8 + length:pos + 12 + length]
        if len(body) != length or len(crc) != 4:
            raise DamagedPicture("truncated %s chunk" % kind.decode("latin-1"))
        if struct.unpack(">I", crc)[0] != zlib.crc32(kind + body):
            raise DamagedPicture("bad checksum in %s chunk" % kind.decode("latin-1"))
        chunks.append((kind, body))
        pos += 12 + length
        if kind == b"IEND":
            return chunks


def unfilter(raw, pos, rows, row_bytes, bpp):
    """Undoes the per-row filters of one image (or interlace pass); returns (rows, next pos)."""
    previous = bytearray(row_bytes)
    out = []
    for _ in range(rows):
        if pos + 1 + row_bytes > len(raw):
            raise DamagedPicture("image data too short")
        kind = raw[pos]
        row = bytearray(raw[pos + 1:pos + 1 + row_bytes])
        pos += 1 + row_bytes
        if kind == 1:
            for i in range(bpp, row_bytes):
                row[i] = (row[i] + row[i - bpp]) & 0xFF
        elif kind == 2:
            for i in range(row_bytes):
                row[i] = (row[i] + previous[i]) & 0xFF
        elif kind == 3:
            for i in range(row_bytes):
                left = row[i - bpp] if i >= bpp else 0
                row[i] = (row[i] + ((left + previous[i]) >> 1)) & 0xFF
        elif kind == 4:
            for i in range(row_bytes):
                a = row[i - bpp] if i >= bpp else 0
                b = previous[i]
                c = previous[i - bpp] if i >= bpp else 0
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                predictor = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                row[i] = (row[i] + predictor) & 0xFF
        elif kind != 0:
            raise DamagedPicture("unknown row filter %d" % kind)
        out.append(row)
        previous = row
    return out, pos


def row_samples(row, count, depth):
    if depth == 8:
        return row[:count]
    if depth == 16:
        return [(row[2 * i] << 8) | row[2 * i + 1] for i in range(count)]
    per_byte, mask = 8 // depth, (1 << depth) - 1
    return [(row[i // per_byte] >> (8 - depth * (i % per_byte + 1))) & mask for i in range(count)]


def decode(data):
    """Yields the (red, green, blue, opaque) of every pixel, in no particular order."""
    chunks = read_chunks(data)
    if not chunks or chunks[0][0] != b"IHDR" or len(chunks[0][1]) != 13:
        raise DamagedPicture("no image header")
    width, height, depth, colour, method, filtering, interlace = struct.unpack(
        ">IIBBBBB", chunks[0][1])
    if width == 0 or height == 0:
        raise DamagedPicture("empty image")
    if colour not in CHANNELS or depth not in ALLOWED_DEPTHS[colour]:
        raise DamagedPicture("colour type %d with %d bits is not a PNG format" % (colour, depth))
    if method != 0 or filtering != 0 or interlace not in (0, 1):
        raise DamagedPicture("unknown compression, filter or interlace method")
    palette = b"".join(body for kind, body in chunks if kind == b"PLTE")
    transparency = b"".join(body for kind, body in chunks if kind == b"tRNS")
    try:
        raw = zlib.decompress(b"".join(body for kind, body in chunks if kind == b"IDAT"))
    except zlib.error as error:
        raise DamagedPicture("image data does not inflate: %s" % error)
    if colour == 3 and (not palette or len(palette) % 3):
        raise DamagedPicture("palette missing or damaged")

    channels = CHANNELS[colour]
    bpp = max(1, channels * depth // 8)
    top = (1 << depth) - 1
    key = None  # the one colour that tRNS makes transparent in grey and true-colour pictures
    if colour in (0, 2) and transparency:
        key = struct.unpack(">%dH" % (len(transparency) // 2), transparency)
    passes = ADAM7 if interlace else ((0, 0, 1, 1),)
    pos = 0
    for x0, y0, dx, dy in passes:
        pass_width = (width - x0 + dx - 1) // dx if width > x0 else 0
        pass_height = (height - y0 + dy - 1) // dy if height > y0 else 0
        if pass_width == 0 or pass_height == 0:
            continue
        row_bytes = (pass_width * channels * depth + 7) // 8
        rows, pos = unfilter(raw, pos, pass_height, row_bytes, bpp)
        for row in rows:
            samples = row_samples(row, pass_width * channels, depth)
            for i in range(0, len(samples), channels):
                s = samples[i:i + channels]
                if colour == 3:
                    index = s[0]
                    if 3 * index + 3 > len(palette):
                        raise DamagedPicture("pixel outside the palette")
                    alpha = transparency[index] if index < len(transparency) else 255
                    yield palette[3 * index], palette[3 * index + 1], palette[3 * index + 2], alpha == 255
                elif colour == 0:
                    yield s[0], s[0], s[0], key is None or (s[0],) != key[:1]
                elif colour == 2:
                    yield s[0], s[1], s[2], key is None or tuple(s) != tuple(key[:3])
                elif colour == 4:
                    yield s[0], s[0], s[0], s[1] == top
                else:
                    yield s[0], s[1], s[2], s[3] == top


def fault_of(path):
    """The reason the picture is blank or damaged, or None when it shows something."""
    with open(path, "rb") as f:
        data = f.read()
    try:
        colours, see_through, total = set(), 0, 0
        for red, green, blue, opaque in decode(data):
            total += 1
            if not opaque:
                see_through += 1
            if len(colours) < 2:
                colours.add((red, green, blue))
    except DamagedPicture as error:
        return "damaged: %s" % error
    if see_through:
        return "not opaque: %d of %d pixels are transparent" % (see_through, total)
    if len(colours) < 2:
        return "blank: every pixel has one colour"
    return None


def check_folder(folder):
    """Returns (pictures checked, list of "name: fault" lines)."""
    names = sorted(os.listdir(folder)) if os.path.isdir(folder) else []
    faults, checked = [], 0
    for name in names:
        path = os.path.join(folder, name)
        lower = name.lower()
        if lower.endswith(".png"):
            checked += 1
            fault = fault_of(path)
            if fault:
                faults.append("%s: %s" % (name, fault))
        elif lower.endswith(".bmp"):
            checked += 1
            faults.append("%s: not converted to PNG" % name)
    if checked == 0:
        faults.append("%s: no screenshots" % folder)
    return checked, faults


def main(argv):
    if len(argv) != 2:
        print("usage: check_screenshots.py FOLDER", file=sys.stderr)
        return 2
    checked, faults = check_folder(argv[1])
    for line in faults:
        print(line)
    print("%d screenshots checked, %d blank or damaged" % (checked, len(faults)))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
