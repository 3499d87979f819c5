#!/usr/bin/env python3
"""Tests of tools/check_screenshots.py against PNG files written here with every colour type,
row filter and interlacing, so the checker's decoder is shown to read what encoders write."""

import contextlib
import io
import os
import struct
import sys
import tempfile
import unittest
import zlib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "screenshots"))
import check_screenshots  # noqa: E402

CHANNELS = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def pack_row(samples, depth):
    if depth == 8:
        return bytes(samples)
    if depth == 16:
        return b"".join(struct.pack(">H", s) for s in samples)
    per_byte = 8 // depth
    out = bytearray((len(samples) + per_byte - 1) // per_byte)
    for i, s in enumerate(samples):
        out[i // per_byte] |= s << (8 - depth * (i % per_byte + 1))
    return bytes(out)


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else (b if pb <= pc else c)


def filtered(rows, bpp, first_filter):
    """The rows filtered with filter types 0..4 in turn, starting at first_filter."""
    out, previous = bytearray(), bytes(len(rows[0]))
    for n, row in enumerate(rows):
        kind = (first_filter + n) % 5
        line = bytearray(len(row))
        for i, value in enumerate(row):
            left = row[i - bpp] if i >= bpp else 0
            up = previous[i]
            corner = previous[i - bpp] if i >= bpp else 0
            predictor = (0, left, up, (left + up) >> 1, paeth(left, up, corner))[kind]
            line[i] = (value - predictor) & 0xFF
        out += bytes([kind]) + line
        previous = row
    return bytes(out)


def encode(pixels, colour, depth, palette=None, transparency=None, interlace=False, first_filter=0):
    """A PNG of pixels, a list of rows of sample tuples."""
    height, width = len(pixels), len(pixels[0])
    channels = CHANNELS[colour]
    bpp = max(1, channels * depth // 8)
    passes = check_screenshots.ADAM7 if interlace else ((0, 0, 1, 1),)
    raw = b""
    for x0, y0, dx, dy in passes:
        rows = [pack_row([s for x in range(x0, width, dx) for s in pixels[y][x]], depth)
                for y in range(y0, height, dy)]
        rows = [r for r in rows if r]
        if rows:
            raw += filtered(rows, bpp, first_filter)
    header = struct.pack(">IIBBBBB", width, height, depth, colour, 0, 0, 1 if interlace else 0)
    data = check_screenshots.PNG_SIGNATURE + chunk(b"IHDR", header)
    if palette is not None:
        data += chunk(b"PLTE", bytes(c for rgb in palette for c in rgb))
    if transparency is not None:
        data += chunk(b"tRNS", transparency)
    return data + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b"")


def gradient(width, height, make):
    return [[make(x, y) for x in range(width)] for y in range(height)]


RGB_GRADIENT = gradient(13, 11, lambda x, y: (x * 19 % 256, y * 23 % 256, (x * y) % 256))
ONE_COLOUR = gradient(13, 11, lambda x, y: (40, 40, 40))
# One pixel differs, at a place only the last interlace pass holds.
ONE_ODD_PIXEL = gradient(13, 11, lambda x, y: (200, 10, 10) if (x, y) == (5, 3) else (40, 40, 40))

def noise(width, height, channels, top, seed=7):
    """Repeatable noise of few values, so the filters meet every tie of their predictors."""
    state, rows = seed, []
    for _ in range(height):
        row = []
        for _ in range(width):
            pixel = []
            for _ in range(channels):
                state = (state * 1103515245 + 12345) & 0x7FFFFFFF
                pixel.append((state >> 16) % 4 * top // 3)
            row.append(tuple(pixel))
        rows.append(row)
    return rows


NOISE = noise(17, 9, 3, 255)
# What a 32-bit capture with its fourth byte taken as alpha gives: transparent but for the icon.
MOSTLY_CLEAR = gradient(13, 11, lambda x, y: (x * 19, y * 23, 7, 255 if x < 2 and y < 2 else 0))


def expected_pixels(pixels, colour, depth, palette=None, transparency=None, **_):
    """(red, green, blue, opaque) of each source pixel, as the PNG rules define them."""
    top = (1 << depth) - 1
    key = struct.unpack(">%dH" % (len(transparency) // 2), transparency) if transparency and colour in (0, 2) else None
    for row in pixels:
        for s in row:
            if colour == 3:
                alpha = transparency[s[0]] if transparency and s[0] < len(transparency) else 255
                yield palette[s[0]] + (alpha == 255,)
            elif colour in (0, 4):
                yield s[0], s[0], s[0], (s[1] == top) if colour == 4 else (key is None or key[0] != s[0])
            else:
                yield s[0], s[1], s[2], (s[3] == top) if colour == 6 else (key is None or tuple(key) != s)


class PictureVerdicts(unittest.TestCase):
    SOURCES = [
        # name, pixels, colour type, bits, encoder options
        ("noise, true colour", NOISE, 2, 8, {}),
        ("noise, true colour, filters shifted", NOISE, 2, 8, {"first_filter": 4}),
        ("noise, true colour, interlaced", NOISE, 2, 8, {"interlace": True}),
        ("noise, 16 bits", noise(11, 10, 3, 65535), 2, 16, {}),
        ("noise with alpha", noise(10, 6, 4, 255), 6, 8, {"interlace": True}),
        ("noise, grey and alpha, 16 bits", noise(10, 6, 2, 65535), 4, 16, {}),
        ("grey, 1 bit", noise(19, 5, 1, 1), 0, 1, {"interlace": True}),
        ("grey, 2 bits", noise(19, 5, 1, 3), 0, 2, {}),
        ("grey, 4 bits, keyed", noise(19, 5, 1, 15), 0, 4, {"transparency": struct.pack(">H", 5)}),
        ("palette, 2 bits, part transparent", noise(19, 5, 1, 3), 3, 2,
         {"palette": [(1, 2, 3), (4, 5, 6), (7, 8, 9), (10, 11, 12)], "transparency": b"\xff\x80"}),
        ("true colour, keyed", NOISE, 2, 8, {"transparency": struct.pack(">3H", *NOISE[0][0])}),
    ]


    CASES = [
        # name, PNG bytes, expected start of the fault (None = the picture shows something)
        ("true colour, every filter", encode(RGB_GRADIENT, 2, 8), None),
        ("noise, every filter", encode(NOISE, 2, 8), None),
        ("noise, 16 bits, interlaced", encode(noise(11, 10, 3, 65535), 2, 16, interlace=True), None),
        ("true colour, other filter order", encode(RGB_GRADIENT, 2, 8, first_filter=3), None),
        ("true colour, 16 bits", encode(gradient(9, 7, lambda x, y: (x * 7000, y * 9000, 65535)), 2, 16), None),
        ("one colour", encode(ONE_COLOUR, 2, 8), "blank"),
        ("interlaced", encode(RGB_GRADIENT, 2, 8, interlace=True), None),
        ("interlaced, one colour", encode(ONE_COLOUR, 2, 8, interlace=True), "blank"),
        ("interlaced, odd pixel in the last pass", encode(ONE_ODD_PIXEL, 2, 8, interlace=True), None),
        ("alpha mostly zero", encode(MOSTLY_CLEAR, 6, 8), "not opaque: 139 of 143"),
        ("alpha all opaque", encode(gradient(8, 8, lambda x, y: (x * 30, y, 0, 255)), 6, 8), None),
        ("grey and alpha, 16 bits, opaque", encode(gradient(8, 3, lambda x, y: (x * 9000, 65535)), 4, 16), None),
        ("grey and alpha, one pixel see-through",
         encode(gradient(8, 3, lambda x, y: (x * 30, 254 if (x, y) == (7, 2) else 255)), 4, 8), "not opaque: 1 of 24"),
        ("palette, 4 bits", encode(gradient(9, 5, lambda x, y: ((x + y) % 3,)), 3, 4,
                                   palette=[(0, 0, 0), (255, 255, 255), (0, 0, 255)]), None),
        ("palette, 1 bit, both entries equal", encode(gradient(9, 5, lambda x, y: ((x + y) % 2,)), 3, 1,
                                                      palette=[(9, 9, 9), (9, 9, 9)]), "blank"),
        ("palette with a transparent entry", encode(gradient(9, 5, lambda x, y: (x % 2,)), 3, 8,
                                                     palette=[(1, 2, 3), (4, 5, 6)], transparency=b"\x00"),
         "not opaque: 25 of 45"),
        ("grey, 2 bits", encode(gradient(9, 5, lambda x, y: (x % 4,)), 0, 2), None),
        ("grey with a transparent key", encode(gradient(4, 4, lambda x, y: (x * 80,)), 0, 8,
                                               transparency=struct.pack(">H", 80)), "not opaque: 4 of 16"),
        ("true colour with a transparent key", encode(RGB_GRADIENT, 2, 8,
                                                      transparency=struct.pack(">3H", *RGB_GRADIENT[0][0])),
         "not opaque: 1 of 143"),
    ]

    def test_decoded_pixels_match_the_source(self):
        # Every case again, built from its parts: the decoder must give back each pixel.
        for name, pixels, colour, depth, options in self.SOURCES:
            with self.subTest(name):
                data = encode(pixels, colour, depth, **options)
                wanted = sorted(expected_pixels(pixels, colour, depth, **options))
                self.assertEqual(sorted(check_screenshots.decode(data)), wanted)

    def verdict(self, data):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "shot.png")
            with open(path, "wb") as f:
                f.write(data)
            return check_screenshots.fault_of(path)

    def test_verdicts(self):
        for name, data, expected in self.CASES:
            with self.subTest(name):
                fault = self.verdict(data)
                if expected is None:
                    self.assertIsNone(fault)
                else:
                    self.assertIsNotNone(fault)
                    self.assertTrue(fault.startswith(expected), fault)

    def test_damage_is_reported(self):
        good = encode(RGB_GRADIENT, 2, 8)
        idat = good.index(b"IDAT")
        damaged = {
            "not a PNG": b"BM" + good[2:],
            "flipped byte in the image data": good[:idat + 10] + bytes([good[idat + 10] ^ 1]) + good[idat + 11:],
            "cut short": good[:idat + 20],
            "no end chunk": good[:-12],
            "data that does not inflate": encode(RGB_GRADIENT, 2, 8)[:idat - 4] + chunk(b"IDAT", b"garbage") +
            chunk(b"IEND", b""),
            "too little image data": good[:idat - 4] + chunk(b"IDAT", zlib.compress(b"\x00" * 20)) +
            chunk(b"IEND", b""),
        }
        for name, data in damaged.items():
            with self.subTest(name):
                fault = self.verdict(data)
                self.assertIsNotNone(fault)
                self.assertTrue(fault.startswith("damaged"), fault)


class FolderChecks(unittest.TestCase):
    def test_folder(self):
        with tempfile.TemporaryDirectory() as folder:
            self.assertEqual(check_screenshots.check_folder(folder)[0], 0)
            self.assertEqual(len(check_screenshots.check_folder(folder)[1]), 1, "an empty folder is a fault")
            for name, data in (("good.png", encode(RGB_GRADIENT, 2, 8)), ("blank.png", encode(ONE_COLOUR, 2, 8)),
                               ("left.bmp", b"BM")):
                with open(os.path.join(folder, name), "wb") as f:
                    f.write(data)
            checked, faults = check_screenshots.check_folder(folder)
            self.assertEqual(checked, 3)
            self.assertEqual(faults, ["blank.png: blank: every pixel has one colour",
                                      "left.bmp: not converted to PNG"])
            printed = io.StringIO()
            with contextlib.redirect_stdout(printed):
                self.assertEqual(check_screenshots.main(["check", folder]), 1)
            self.assertTrue(printed.getvalue().endswith("3 screenshots checked, 2 blank or damaged\n"))


if __name__ == "__main__":
    result = unittest.TextTestRunner(verbosity=1).run(unittest.defaultTestLoader.loadTestsFromModule(sys.modules[__name__]))
    failed = len(result.failures) + len(result.errors)
    print("%d passed, %d failed" % (result.testsRun - failed, failed))
    sys.exit(1 if failed else 0)
