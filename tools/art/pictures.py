"""The program's other pictures: the 16 x 16 drive and folder strip of the folder browser (in
high-colour and 256-colour form), the pieces 5, 30 and 31, the splash logo (bitmap 20) and the
program icons 1 (256 colours) and 2 (high colour)."""

import math

import raster as R
from font import FONT_3X5, FONT_5X7, text_pixels
from glyphs import Pen, emblem
from palette import (AMBER, BROWN, BROWN_DARK, CREAM, FACE_GREY, HONEY, HONEY_LIGHT, INDEX_FACE,
                     INK, PROGRAM_PALETTE, RECOLOURED, Mapper)
from skins import KEY

_mapper = Mapper(PROGRAM_PALETTE, avoid=RECOLOURED)

# ---- the drive and folder strip ----

ICON_SIZE = 16
# Cells 0-4 are the drive types (drive type minus 2), 5 a subfolder, 6 an ancestor folder. Like the
# button sheets, each cell is a pair: icon i lies at x = 2 * i * 16 (the second image repeats it).
ICON_NAMES = ["removable", "fixed", "remote", "cdrom", "ramdisk", "folder", "folder_open"]

PIXEL_COLOURS = {
    "K": INK, "k": BROWN_DARK, "b": BROWN, "a": AMBER, "h": HONEY, "l": HONEY_LIGHT, "c": CREAM,
    "w": (250, 250, 246), "g": (206, 204, 198), "m": (152, 150, 144), "d": (88, 86, 82),
    "s": (58, 102, 150), "y": (150, 184, 214), "G": (70, 200, 70), "r": (178, 52, 36),
}

PIXEL_ART = {
    "removable": [
        "................",
        ".KKKKKKKKKKKKK..",
        ".KssKwwwwwwKssK.",
        ".KssKwwwwKwKssK.",
        ".KssKwwwwKwKssK.",
        ".KssKwwwwwwKssK.",
        ".KsssKKKKKKsssK.",
        ".KssssssssssssK.",
        ".KsKKKKKKKKKKsK.",
        ".KsKccccccccKsK.",
        ".KsKcbbbbbbcKsK.",
        ".KsKccccccccKsK.",
        ".KsKcbbbbbccKsK.",
        ".KsKccccccccKsK.",
        ".KKKKKKKKKKKKKK.",
        "................",
    ],
    "fixed": [
        "................",
        "................",
        "................",
        "....KKKKKKKKKKK.",
        "...KwwwwwwwwwKK.",
        "..KgggggggggKmK.",
        ".KKKKKKKKKKKmmK.",
        ".KmmmmmmmmmKmmK.",
        ".KmddddddmmKmK..",
        ".KmmmmmmmGmKK...",
        ".KKKKKKKKKKK....",
        "................",
        "................",
        "................",
        "................",
        "................",
    ],
    "remote": [
        "................",
        "....KKKKKKKKKKK.",
        "...KwwwwwwwwwKK.",
        "..KgggggggggKmK.",
        ".KKKKKKKKKKKmmK.",
        ".KmmmmmmmmmKmmK.",
        ".KmddddddmmKmK..",
        ".KmmmmmmmGmKK...",
        ".KKKKKKKKKKK....",
        "......KaK.......",
        "......KaK.......",
        "..KKKKKaKKKKKK..",
        ".KaaaaaaaaaaaaK.",
        "..KKKKKKKKKKKK..",
        "................",
        "................",
    ],
    "ramdisk": [
        "................",
        "................",
        "..g.g.g.g.g.g...",
        "..g.g.g.g.g.g...",
        ".KKKKKKKKKKKKK..",
        ".KdddddddddddK..",
        ".KdaadddddddddK.",
        ".KdaaddKKKKddK..",
        ".KddddKhhhhKdK..",
        ".KddddKhhhhKdK..",
        ".KdddddKKKKddK..",
        ".KKKKKKKKKKKKK..",
        "..g.g.g.g.g.g...",
        "..g.g.g.g.g.g...",
        "................",
        "................",
    ],
    "folder": [
        "................",
        "................",
        "................",
        ".KKKKK..........",
        "KlllllKKKKKKKK..",
        "KhhhhhhhhhhhhhK.",
        "KlllllllllllllK.",
        "KhhhhhhhhhhhhhK.",
        "KhhhhhhhhhhhhhK.",
        "KhhhhhhhhhhhhhK.",
        "KhhhhhhhhhhhhhK.",
        "KahhhhhhhhhhhhK.",
        "KaaaaaaaaaaaaaK.",
        ".KKKKKKKKKKKKK..",
        "................",
        "................",
    ],
    "folder_open": [
        "................",
        "................",
        "................",
        ".KKKKK..........",
        "KhhhhhKKKKKKK...",
        "KhhhhhhhhhhhhK..",
        "KhhKKKKKKKKKKKKK",
        "KhKllllllllllllK",
        "KhKlllllllllllK.",
        "KKllllllllllllK.",
        "KKlllllllllllK..",
        "KlllllllllllaK..",
        "KKKKKKKKKKKKKK..",
        "................",
        "................",
        "................",
    ],
}


def _disc_icon():
    """The CD-ROM drive's icon, drawn from the circle rather than by hand."""
    rows = []
    for y in range(ICON_SIZE):
        row = ""
        for x in range(ICON_SIZE):
            dx, dy = x + 0.5 - 8.0, y + 0.5 - 8.0
            d = math.hypot(dx, dy)
            if d > 7.4 or d < 1.6:
                row += "."
            elif d > 6.4:
                row += "K"
            elif d < 2.6:
                row += "m"
            else:
                a = math.degrees(math.atan2(dy, dx)) % 180
                row += "l" if a < 40 else "c" if a < 70 else "y" if a < 100 else "w" if a < 140 else "h"
        rows.append(row)
    return rows


PIXEL_ART["cdrom"] = _disc_icon()


def _icon_rows(name):
    art = PIXEL_ART[name]
    assert len(art) == ICON_SIZE and all(len(r) == ICON_SIZE for r in art), name
    return art


def icon_strip_rgb():
    """Bitmap 10: the strip on the key colour."""
    width = 2 * len(ICON_NAMES) * ICON_SIZE
    rows = [[KEY] * width for _ in range(ICON_SIZE)]
    for i, name in enumerate(ICON_NAMES):
        for copy in (0, 1):
            x0 = (2 * i + copy) * ICON_SIZE
            for y, line in enumerate(_icon_rows(name)):
                for x, ch in enumerate(line):
                    if ch != ".":
                        rows[y][x0 + x] = PIXEL_COLOURS[ch]
    return rows


def icon_strip_indexed():
    """Bitmap 3: the strip on light grey, which the loader turns into the three backgrounds."""
    width = 2 * len(ICON_NAMES) * ICON_SIZE
    rows = [[INDEX_FACE] * width for _ in range(ICON_SIZE)]
    for i, name in enumerate(ICON_NAMES):
        for copy in (0, 1):
            x0 = (2 * i + copy) * ICON_SIZE
            for y, line in enumerate(_icon_rows(name)):
                for x, ch in enumerate(line):
                    if ch != ".":
                        rows[y][x0 + x] = _mapper.index(PIXEL_COLOURS[ch])
    return rows


# ---- pieces on the light-grey face (8-bit, the same in both colour modes) ----

def _indexed_over_face(canvas):
    rows = []
    for y in range(canvas.height):
        row = []
        for x in range(canvas.width):
            r, g, b, a = canvas.pixel(x, y)
            if a < 0.3:
                row.append(INDEX_FACE)
            else:
                row.append(_mapper.index(R.mix(FACE_GREY, (r, g, b), min(1.0, a * 1.1))))
        rows.append(row)
    return rows


def badge():
    """Piece 5 (58 x 15): the CD player's small badge, the emblem and the name."""
    canvas = R.Canvas(58, 15)
    emblem(Pen(canvas, 1, 1, 13, 0.7), 50, 50, 48, detail=False)
    points, width = text_pixels("BRINDLEWAX", FONT_3X5)
    ox, oy = 58 - width - 2, 5
    for x, y in points:
        canvas.fill(R.rect(ox + x, oy + y, ox + x + 1, oy + y + 1), BROWN_DARK, hard=True)
    return _indexed_over_face(canvas)


def about_emblem():
    """Piece 30 (48 x 48): the emblem for the About dialog."""
    canvas = R.Canvas(48, 48)
    canvas.fill(R.circle(25.5, 26.5, 21.5), (120, 110, 100), opacity=0.35)
    emblem(Pen(canvas, 0, 0, 48, 1.1), 49, 49, 45)
    return _indexed_over_face(canvas)


def corner_ornaments():
    """Piece 31 (32 x 8): four 8 x 8 corner curls, top-left, top-right, bottom-left, bottom-right."""
    canvas = R.Canvas(32, 8)
    for i in range(4):
        flip_x = i in (1, 3)
        flip_y = i in (2, 3)

        def fx(v, base=i * 8, flip=flip_x):
            return base + (8 - v if flip else v)

        def fy(v, flip=flip_y):
            return 8 - v if flip else v

        curl = (R.segment(fx(1.0), fy(1.0), fx(7.0), fy(1.0), 0.7) |
                R.segment(fx(1.0), fy(1.0), fx(1.0), fy(7.0), 0.7))
        canvas.fill(curl, BROWN)
        canvas.fill(R.circle(fx(3.6), fy(3.6), 1.6), AMBER)
        canvas.fill(R.circle(fx(3.6), fy(3.6), 0.7), HONEY_LIGHT)
    return _indexed_over_face(canvas)


# ---- splash, bitmap 20 ----

SPLASH_SIZE = (400, 200)


def _paint_title(canvas, text, ox, oy, scale, top, bottom):
    points, width = text_pixels(text, FONT_5X7)
    shapes = [R.rect(ox + x * scale - 0.25, oy + y * scale - 0.25, ox + (x + 1) * scale + 0.25,
                     oy + (y + 1) * scale + 0.25, scale * 0.38) for x, y in points]
    height = 7 * scale

    def paint(px, py):
        return R.mix(top, bottom, (py - oy) / height)

    for s in shapes:
        canvas.fill(s.shift(2, 2).grow(0.6), (16, 8, 2), opacity=0.55)
    for s in shapes:
        canvas.fill(s.grow(1.0), INK)
    for s in shapes:
        canvas.fill(s, paint)
    return width * scale


def splash_rows():
    w, h = SPLASH_SIZE
    canvas = R.Canvas(w, h)

    def background(x, y):
        t = y / h
        base = R.mix((70, 40, 18), (24, 12, 6), t)
        streak = math.sin(x * 0.045 + math.sin(y * 0.03) * 2.2 + y * 0.012)
        if streak > 0.7:
            base = R.mix(base, (110, 66, 28), (streak - 0.7) * 1.2)
        return base

    canvas.fill(R.rect(0, 0, w, h), background)
    # a band of honey light under the title
    canvas.fill(R.rect(0, 150, w, 153), (200, 130, 40), opacity=0.8)
    canvas.fill(R.rect(0, 153, w, 154), (120, 70, 24))
    # the emblem with a soft shadow
    canvas.fill(R.circle(90, 82, 62), (0, 0, 0), opacity=0.35)
    emblem(Pen(canvas, 20, 10, 140, 1.6), 50, 50, 44)
    # the name and version
    title_w = _paint_title(canvas, "Brindlewax", 170, 46, 3.6, (255, 236, 170), (232, 150, 40))
    _paint_title(canvas, "2.3", 170 + title_w - 17 * 3.6, 92, 3.6, (255, 244, 214), (246, 190, 70))
    tag_w = len("CD - AUDIO - MIDI - VIDEO") * 12 - 2
    _paint_title(canvas, "CD - AUDIO - MIDI - VIDEO", (w - tag_w) // 2, 166, 2,
                 (236, 220, 190), (200, 170, 120))
    rows = []
    for y in range(h):
        rows.append([_splash_mapper.index(canvas.pixel(x, y)[:3]) for x in range(w)])
    return rows


# The splash may use every entry: it is never re-coloured.
_splash_mapper = Mapper(PROGRAM_PALETTE)


# ---- program icons ----

def _icon_canvas(size):
    canvas = R.Canvas(size, size)
    outline = 1.0 if size >= 32 else 0.7
    emblem(Pen(canvas, 0, 0, size, outline), 50, 50, 46, detail=size >= 32)
    return canvas


def icon_rgba(size):
    canvas = _icon_canvas(size)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            r, g, b, a = canvas.pixel(x, y)
            row.append(R.to_bytes((r, g, b)) + (int(round(a * 255)),))
        rows.append(row)
    return rows


def icon_indexed(size):
    """(index rows, opaque rows) for the 256-colour icon; soft edges become hard ones."""
    canvas = _icon_canvas(size)
    rows, opaque = [], []
    for y in range(size):
        row, mask = [], []
        for x in range(size):
            r, g, b, a = canvas.pixel(x, y)
            solid = a >= 0.5
            row.append(_splash_mapper.index((r, g, b)) if solid else 0)
            mask.append(solid)
        rows.append(row)
        opaque.append(mask)
    return rows, opaque


def icon_rgb(size):
    """(rows, opaque rows) for a 24-bit icon image."""
    rgba = icon_rgba(size)
    return ([[p[:3] if p[3] >= 128 else (0, 0, 0) for p in row] for row in rgba],
            [[p[3] >= 128 for p in row] for row in rgba])
