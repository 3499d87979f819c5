"""The program's colours: the named tones every picture is drawn with, the 256-entry palette that
the 256-colour mode realises (RCDATA 2100) and that every 8-bit picture of the main program uses as
its colour table, and nearest-colour mapping onto a palette.

The first 16 entries hold the three greys that the skin loader re-colours to the user's system
colours (light grey -> button face, white -> highlight, mid grey -> shadow) and the accent tones.
"""

# Named tones of the "brindle and wax" look.
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)          # re-coloured: button highlight
FACE_GREY = (192, 192, 192)      # re-coloured: button face / window / highlight
SHADOW_GREY = (128, 128, 128)    # re-coloured: button shadow
DARK_GREY = (64, 64, 64)
INK = (58, 34, 16)               # glyph outlines
BROWN_DARK = (96, 58, 26)
BROWN = (142, 88, 40)
AMBER = (222, 138, 28)
HONEY = (246, 190, 70)
HONEY_LIGHT = (252, 222, 140)
CREAM = (252, 244, 222)
BRICK = (178, 52, 36)
SAGE = (84, 140, 70)
SLATE = (58, 102, 150)
SKY = (150, 184, 214)

# Indices of the re-coloured greys in the table.
INDEX_WHITE = 1
INDEX_FACE = 2
INDEX_SHADOW = 3
RECOLOURED = (INDEX_WHITE, INDEX_FACE, INDEX_SHADOW)

BASE16 = [BLACK, WHITE, FACE_GREY, SHADOW_GREY, DARK_GREY, INK, BROWN_DARK, BROWN, AMBER, HONEY,
          HONEY_LIGHT, CREAM, BRICK, SAGE, SLATE, SKY]


def _ramp(stops, count):
    """`count` colours spread evenly along the piecewise-linear path through `stops`."""
    out = []
    segments = len(stops) - 1
    for i in range(count):
        t = i / (count - 1) * segments
        k = min(int(t), segments - 1)
        f = t - k
        a, b = stops[k], stops[k + 1]
        out.append(tuple(int(round(a[c] + (b[c] - a[c]) * f)) for c in range(3)))
    return out


def _build_program_palette():
    entries = list(BASE16)
    # 16 greys (the pure ones of the first 16 are left out so nothing maps onto them by accident).
    for v in range(16):
        level = 8 + v * 16
        entries.append((level, level, level))
    # 80 warm tones from near black through the browns and ambers to cream: the splash, icons and
    # glyph shading live here.
    entries += _ramp([(20, 10, 4), INK, BROWN_DARK, BROWN, (190, 110, 34), AMBER, HONEY, HONEY_LIGHT,
                      CREAM, (255, 252, 244)], 80)
    entries += _ramp([(60, 14, 10), BRICK, (226, 112, 84), (250, 196, 176)], 16)
    entries += _ramp([(24, 52, 20), SAGE, (150, 196, 120), (220, 240, 200)], 16)
    entries += _ramp([(12, 28, 60), SLATE, (96, 150, 210), SKY, (226, 238, 250)], 16)
    # A colour cube of 6 reds x 4 greens x 4 blues for everything else.
    for r in (0, 51, 102, 153, 204, 255):
        for g in (0, 85, 170, 255):
            for b in (0, 85, 170, 255):
                entries.append((r, g, b))
    assert len(entries) == 256, len(entries)
    return entries


PROGRAM_PALETTE = _build_program_palette()


class Mapper:
    """Maps colours to the nearest entry of a palette, optionally avoiding some entries."""

    def __init__(self, palette, avoid=()):
        self.palette = palette
        self.candidates = [(i, c) for i, c in enumerate(palette) if i not in set(avoid)]
        self.cache = {}

    def index(self, colour):
        key = (int(colour[0] + 0.5), int(colour[1] + 0.5), int(colour[2] + 0.5))
        found = self.cache.get(key)
        if found is not None:
            return found
        r, g, b = key
        best, best_d = 0, 1 << 62
        for i, (pr, pg, pb) in self.candidates:
            # Weighted distance: the eye is most sensitive to green, least to blue.
            mean_r = (r + pr) / 2
            dr, dg, db = r - pr, g - pg, b - pb
            d = (2 + mean_r / 256) * dr * dr + 4 * dg * dg + (2 + (255 - mean_r) / 256) * db * db
            if d < best_d:
                best, best_d = i, d
        self.cache[key] = best
        return best


def palette_bytes(palette):
    """The RCDATA form: 3 bytes per entry, red, green, blue."""
    return bytes(c for entry in palette for c in entry)


def median_cut(colours, count):
    """A palette of at most `count` colours for the given (colour, weight) pairs. Deterministic:
    boxes are split at the weighted median of their widest channel, ties broken by order."""
    boxes = [sorted(colours)]
    while len(boxes) < count:
        best, best_range = None, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for ch in range(3):
                values = [c[0][ch] for c in box]
                spread = max(values) - min(values)
                if spread > best_range:
                    best, best_range, best_ch = i, spread, ch
        if best is None:
            break
        box = sorted(boxes.pop(best), key=lambda c: (c[0][best_ch], c[0]))
        total = sum(w for _, w in box)
        acc, cut = 0, 1
        for j, (_, w) in enumerate(box):
            acc += w
            if acc * 2 >= total:
                cut = max(1, min(len(box) - 1, j + 1))
                break
        boxes[best:best] = [box[:cut], box[cut:]]
    out = []
    for box in boxes:
        total = sum(w for _, w in box)
        out.append(tuple(int(round(sum(c[ch] * w for c, w in box) / total)) for ch in range(3)))
    return out
