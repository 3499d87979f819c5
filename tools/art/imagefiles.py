"""Writers for the Windows image files the program loads: BMP (24-bit and 8-bit with a colour
table) and ICO (8-bit, 24-bit and 32-bit images with their AND masks). Rows are given top-down;
the files store them bottom-up as Windows expects. No timestamps or other varying data.
"""

import struct

PIXELS_PER_METRE = 2835  # 72 pixels per inch


def _stride(width, bits):
    return ((width * bits + 31) // 32) * 4


def _info_header(width, height, bits, colours_used, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size,
                       PIXELS_PER_METRE, PIXELS_PER_METRE, colours_used, colours_used)


def _rows24(rows):
    width = len(rows[0])
    pad = b"\0" * (_stride(width, 24) - width * 3)
    out = bytearray()
    for row in reversed(rows):
        for r, g, b in row:
            out += bytes((b, g, r))
        out += pad
    return bytes(out)


def _rows8(rows):
    width = len(rows[0])
    pad = b"\0" * (_stride(width, 8) - width)
    out = bytearray()
    for row in reversed(rows):
        out += bytes(row)
        out += pad
    return bytes(out)


def _colour_table(palette):
    out = bytearray()
    for r, g, b in palette:
        out += bytes((b, g, r, 0))
    return bytes(out)


def bmp24(rows):
    """A 24-bit BMP file from rows of (r, g, b)."""
    height, width = len(rows), len(rows[0])
    pixels = _rows24(rows)
    info = _info_header(width, height, 24, 0, len(pixels))
    offset = 14 + len(info)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + info + pixels


def bmp8(rows, palette):
    """An 8-bit BMP file from rows of palette indices and its colour table."""
    height, width = len(rows), len(rows[0])
    pixels = _rows8(rows)
    table = _colour_table(palette)
    info = _info_header(width, height, 8, len(palette), len(pixels))
    offset = 14 + len(info) + len(table)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + info + table + pixels


def _and_mask(opaque_rows):
    width = len(opaque_rows[0])
    stride = _stride(width, 1)
    out = bytearray()
    for row in reversed(opaque_rows):
        line = bytearray(stride)
        for x, opaque in enumerate(row):
            if not opaque:
                line[x // 8] |= 0x80 >> (x % 8)
        out += line
    return bytes(out)


def icon_image_8(rows, palette, opaque_rows):
    height, width = len(rows), len(rows[0])
    pixels = _rows8(rows)
    mask = _and_mask(opaque_rows)
    info = _info_header(width, height * 2, 8, 0, len(pixels) + len(mask))
    table = _colour_table(palette) + b"\0\0\0\0" * (256 - len(palette))
    return (width, height, 0, 8, info + table + pixels + mask)


def icon_image_24(rows, opaque_rows):
    height, width = len(rows), len(rows[0])
    pixels = _rows24(rows)
    mask = _and_mask(opaque_rows)
    info = _info_header(width, height * 2, 24, 0, len(pixels) + len(mask))
    return (width, height, 0, 24, info + pixels + mask)


def icon_image_32(rows_rgba):
    """Rows of (r, g, b, alpha 0-255); the AND mask marks fully transparent pixels."""
    height, width = len(rows_rgba), len(rows_rgba[0])
    out = bytearray()
    for row in reversed(rows_rgba):
        for r, g, b, a in row:
            out += bytes((b, g, r, a))
    mask = _and_mask([[a > 0 for (_, _, _, a) in row] for row in rows_rgba])
    info = _info_header(width, height * 2, 32, 0, len(out) + len(mask))
    return (width, height, 0, 32, info + bytes(out) + mask)


def ico(images):
    """An ICO file from images made by the icon_image_* helpers."""
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = bytearray()
    data = bytearray()
    for width, height, colours, bits, blob in images:
        entries += struct.pack("<BBBBHHII", width & 0xFF, height & 0xFF, colours, 0, 1, bits,
                               len(blob), offset + len(data))
        data += blob
    return header + bytes(entries) + bytes(data)


def read_bmp_header(data):
    """(width, height, bits, colour count) of a BMP file, for the self-checks."""
    magic, _size, _r1, _r2, _offset = struct.unpack_from("<2sIHHI", data, 0)
    if magic != b"BM":
        raise ValueError("not a BMP file")
    _hs, width, height, _planes, bits, compression, _is, _x, _y, used, _imp = struct.unpack_from(
        "<IiiHHIIiiII", data, 14)
    if compression != 0:
        raise ValueError("compressed BMP")
    return width, height, bits, used
