"""The button pictures. Each glyph is drawn in a 100 x 100 design box that the Pen maps onto the
glyph area of a cell; parts are filled shapes with a dark-brown outline ("solid") or plain fills.
Glyphs are looked up by name in GLYPHS.
"""

import math

import raster as R
from palette import (AMBER, BRICK, BROWN, BROWN_DARK, CREAM, HONEY, HONEY_LIGHT, INK, SAGE, SKY,
                     SLATE)

METAL = (176, 168, 158)
PAPER = CREAM
DIM = (172, 152, 128)          # switched-off accents
DIM_INK = (112, 92, 72)
LED_OFF = (120, 96, 70)
LED_ON = (255, 176, 32)


class Pen:
    """Maps design coordinates (0-100) onto a canvas area and paints shapes."""

    def __init__(self, canvas, ox, oy, size, outline):
        self.canvas = canvas
        self.ox, self.oy, self.k = ox, oy, size / 100.0
        self.outline = outline
        self.ink_colour = INK

    def x(self, v):
        return self.ox + v * self.k

    def y(self, v):
        return self.oy + v * self.k

    def s(self, v):
        return v * self.k

    def w(self, v, minimum=0.55):
        """Half width of a stroke of design width v, never thinner than `minimum` pixels."""
        return max(minimum, v * self.k / 2)

    # shapes
    def circle(self, cx, cy, r):
        return R.circle(self.x(cx), self.y(cy), self.s(r))

    def ellipse(self, cx, cy, rx, ry):
        return R.ellipse(self.x(cx), self.y(cy), self.s(rx), self.s(ry))

    def ring(self, cx, cy, r, width):
        return R.ring(self.x(cx), self.y(cy), self.s(r), self.w(width))

    def rect(self, x0, y0, x1, y1, radius=0):
        return R.rect(self.x(x0), self.y(y0), self.x(x1), self.y(y1), self.s(radius))

    def poly(self, points):
        return R.polygon([(self.x(a), self.y(b)) for a, b in points])

    def line(self, points, width):
        return R.polyline([(self.x(a), self.y(b)) for a, b in points], self.w(width))

    def arc(self, cx, cy, r, a0, a1, width):
        return R.arc(self.x(cx), self.y(cy), self.s(r), a0, a1, self.w(width))

    def head(self, x, y, direction, length, width):
        return R.arrow_head(self.x(x), self.y(y), direction, self.s(length), self.s(width))

    # paint
    def solid(self, shape, colour):
        """Fill with a dark outline around it."""
        self.canvas.fill(shape.grow(self.outline), self.ink_colour)
        self.canvas.fill(shape, colour)

    def fill(self, shape, colour):
        self.canvas.fill(shape, colour)

    def ink(self, shape):
        self.canvas.fill(shape, self.ink_colour)


# ---- shared parts ----

def _disc(p, cx, cy, r, sheen=True):
    """A compact disc with a honey sheen and a hole."""
    body = p.circle(cx, cy, r) - p.circle(cx, cy, r * 0.22)
    ox, oy = p.x(cx), p.y(cy)

    def shine(x, y):
        a = math.atan2(y - oy, x - ox)
        t = abs(math.sin(2 * a + 0.6)) if sheen else 0.3
        return R.mix((226, 222, 214), HONEY_LIGHT, t)

    p.solid(body, shine)
    p.fill(p.ring(cx, cy, r * 0.42, 4), (200, 192, 178))


def _page(p, x0, y0, x1, y1, lines=True, fold=14):
    p.solid(p.poly([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)]), PAPER)
    p.solid(p.poly([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)]), (224, 214, 192))
    if lines:
        step = (y1 - y0 - fold) / 4
        for i in range(3):
            yy = y0 + fold + step * (i + 0.6)
            p.fill(p.line([(x0 + 9, yy), (x1 - 10, yy)], 5), BROWN)


def _pencil(p, x0, y0, x1, y1, width=16):
    """A pencil lying from its tip (x0, y0) to its end (x1, y1)."""
    dx, dy = x1 - x0, y1 - y0
    n = math.hypot(dx, dy)
    ux, uy = dx / n, dy / n
    px, py = -uy * width / 2, ux * width / 2
    tip = width * 1.1
    bx, by = x0 + ux * tip, y0 + uy * tip
    body = p.poly([(bx + px, by + py), (x1 + px, y1 + py), (x1 - px, y1 - py), (bx - px, by - py)])
    p.solid(body, AMBER)
    p.solid(p.poly([(x0, y0), (bx + px, by + py), (bx - px, by - py)]), HONEY_LIGHT)
    ex, ey = x1 - ux * width * 0.7, y1 - uy * width * 0.7
    p.solid(p.poly([(ex + px, ey + py), (x1 + px, y1 + py), (x1 - px, y1 - py), (ex - px, ey - py)]),
            BRICK)


def _magnifier(p, cx, cy, r, colour=SKY):
    a = math.radians(-45)
    hx0, hy0 = cx + (r + 3) * math.cos(a), cy - (r + 3) * math.sin(a)
    hx1, hy1 = cx + (r + 26) * math.cos(a), cy - (r + 26) * math.sin(a)
    p.solid(p.line([(hx0, hy0), (hx1, hy1)], 14), BROWN)
    p.solid(p.circle(cx, cy, r), colour)
    p.fill(p.ring(cx, cy, r - 3, 6), METAL)
    p.fill(p.arc(cx, cy, r * 0.55, 100, 170, 5), (244, 250, 255))


def _globe(p, cx, cy, r):
    p.solid(p.circle(cx, cy, r), SKY)
    line = (70, 110, 150)
    p.fill(p.ellipse(cx, cy, r * 0.45, r) - p.ellipse(cx, cy, r * 0.45 - 5, r - 5), line)
    p.fill(p.rect(cx - r, cy - 2.5, cx + r, cy + 2.5) & p.circle(cx, cy, r), line)
    for k in (-0.5, 0.5):
        yy = cy + r * k
        half = r * math.sqrt(1 - k * k)
        p.fill(p.rect(cx - half, yy - 2, cx + half, yy + 2) & p.circle(cx, cy, r), line)
    # land: two honey patches
    land = (p.ellipse(cx - r * 0.35, cy - r * 0.25, r * 0.3, r * 0.22) |
            p.ellipse(cx + r * 0.3, cy + r * 0.35, r * 0.28, r * 0.2)) & p.circle(cx, cy, r - 2)
    p.fill(land, (150, 178, 100))


def _cylinder(p, x0, y0, x1, y1, colour=HONEY):
    """The database: a wax cylinder."""
    cx, rx = (x0 + x1) / 2, (x1 - x0) / 2
    ry = (x1 - x0) * 0.18
    body = p.rect(x0, y0 + ry, x1, y1 - ry) | p.ellipse(cx, y1 - ry, rx, ry)
    p.solid(body, colour)
    for yy in ((y0 + y1) / 2 - ry * 0.2, ):
        p.fill(p.arc(cx, yy, rx, 180, 360, 4) & p.rect(x0, y0, x1, y1), BROWN)
    p.solid(p.ellipse(cx, y0 + ry, rx, ry), HONEY_LIGHT)


def _badge_plus(p, cx, cy, r):
    p.solid(p.circle(cx, cy, r), SAGE)
    p.fill(p.rect(cx - r * 0.55, cy - r * 0.16, cx + r * 0.55, cy + r * 0.16), CREAM)
    p.fill(p.rect(cx - r * 0.16, cy - r * 0.55, cx + r * 0.16, cy + r * 0.55), CREAM)


def _badge_info(p, cx, cy, r):
    p.solid(p.circle(cx, cy, r), SLATE)
    p.fill(p.circle(cx, cy - r * 0.45, r * 0.16), CREAM)
    p.fill(p.rect(cx - r * 0.15, cy - r * 0.15, cx + r * 0.15, cy + r * 0.6), CREAM)


def _gear(p, cx, cy, r, colour=HONEY, teeth=8):
    shape = p.circle(cx, cy, r * 0.78)
    for i in range(teeth):
        a = 2 * math.pi * i / teeth
        tx, ty = cx + math.cos(a) * r * 0.86, cy + math.sin(a) * r * 0.86
        shape = shape | p.line([(cx, cy), (tx, ty)], r * 0.42)
    p.solid(shape - p.circle(cx, cy, r * 0.3), colour)


def _speaker(p, x0=10):
    p.solid(p.poly([(x0, 38), (x0 + 16, 38), (x0 + 36, 18), (x0 + 36, 82), (x0 + 16, 62), (x0, 62)]),
            AMBER)


def _circular_arrow(p, cx, cy, r, start, end, width, colour, head=26):
    """A stroke round a circle counter-clockwise from `start` to `end` degrees, ending in an arrow
    head that carries on along the tangent."""
    p.solid(p.arc(cx, cy, r, start, end, width), colour)
    a = math.radians(end)
    bx, by = cx + r * math.cos(a), cy - r * math.sin(a)
    direction = math.radians(end + 90)
    tip_x, tip_y = bx + head * math.cos(direction), by - head * math.sin(direction)
    p.solid(p.head(tip_x, tip_y, end + 90, head, head * 1.3), colour)


def _loop(p, colour):
    """The repeat sign: a rounded loop with an arrow on each long side."""
    loop = p.rect(8, 30, 92, 70, 17)
    stroke = R.Shape(lambda x, y, d=loop.dist, hw=p.w(10): abs(d(x, y)) - hw,
                     (p.x(2), p.y(24), p.x(98), p.y(76)))
    p.solid(stroke, colour)
    p.solid(p.head(70, 30, 0, 20, 30), colour)
    p.solid(p.head(30, 70, 180, 20, 30), colour)


def _letter_one(p, cx, cy, h, colour):
    p.fill(p.line([(cx - h * 0.22, cy - h * 0.28), (cx + h * 0.04, cy - h * 0.5),
                   (cx + h * 0.04, cy + h * 0.5)], h * 0.26), colour)


# ---- glyphs ----

def g_play(p):
    p.solid(p.poly([(30, 16), (84, 50), (30, 84)]), AMBER)


def g_pause(p):
    p.solid(p.rect(24, 18, 42, 82, 4), AMBER)
    p.solid(p.rect(58, 18, 76, 82, 4), AMBER)


def g_stop(p):
    p.solid(p.rect(22, 22, 78, 78, 6), BRICK)


def g_skip_back(p):
    p.solid(p.rect(12, 20, 22, 80, 2), AMBER)
    p.solid(p.poly([(56, 20), (24, 50), (56, 80)]), AMBER)
    p.solid(p.poly([(88, 20), (56, 50), (88, 80)]), AMBER)


def g_skip_forward(p):
    p.solid(p.poly([(12, 20), (44, 50), (12, 80)]), AMBER)
    p.solid(p.poly([(44, 20), (76, 50), (44, 80)]), AMBER)
    p.solid(p.rect(78, 20, 88, 80, 2), AMBER)


def g_skip(p):
    """Skip to the next file."""
    p.solid(p.poly([(18, 18), (66, 50), (18, 82)]), AMBER)
    p.solid(p.rect(70, 18, 82, 82, 2), AMBER)


def g_eject(p):
    p.solid(p.poly([(50, 14), (86, 54), (14, 54)]), AMBER)
    p.solid(p.rect(14, 66, 86, 82, 3), AMBER)


def g_load(p):
    p.solid(p.rect(14, 16, 86, 30, 3), AMBER)
    p.solid(p.poly([(14, 44), (86, 44), (50, 84)]), AMBER)


def g_repeat_on(p):
    _loop(p, AMBER)
    p.solid(p.circle(50, 50, 9), LED_ON)


def g_repeat_off(p):
    p.ink_colour = DIM_INK
    _loop(p, DIM)
    p.ink_colour = INK


def g_repeat_track_on(p):
    _loop(p, AMBER)
    _letter_one(p, 50, 50, 28, INK)


def g_repeat_track_off(p):
    p.ink_colour = DIM_INK
    _loop(p, DIM)
    _letter_one(p, 50, 50, 28, DIM_INK)
    p.ink_colour = INK


def g_repeat_disc_on(p):
    _loop(p, AMBER)
    _disc(p, 50, 50, 13, sheen=False)


def g_repeat_disc_off(p):
    p.ink_colour = DIM_INK
    _loop(p, DIM)
    p.solid(p.circle(50, 50, 13) - p.circle(50, 50, 3.5), (214, 206, 192))
    p.ink_colour = INK


def g_page_up(p):
    p.solid(p.line([(20, 56), (50, 28), (80, 56)], 13), AMBER)
    p.solid(p.line([(20, 82), (50, 54), (80, 82)], 13), AMBER)


def g_page_down(p):
    p.solid(p.line([(20, 18), (50, 46), (80, 18)], 13), AMBER)
    p.solid(p.line([(20, 44), (50, 72), (80, 44)], 13), AMBER)


def g_arrow_up(p):
    p.solid(p.poly([(50, 14), (90, 78), (10, 78)]), AMBER)


def g_arrow_down(p):
    p.solid(p.poly([(10, 22), (90, 22), (50, 86)]), AMBER)


def g_arrow_left(p):
    p.solid(p.poly([(14, 50), (78, 10), (78, 90)]), AMBER)


def g_arrow_right(p):
    p.solid(p.poly([(22, 10), (86, 50), (22, 90)]), AMBER)


def g_track(p):
    """A plain track button: the number is the label beside it; only an unlit lamp."""
    p.fill(p.circle(50, 50, 30), LED_OFF)
    p.fill(p.circle(42, 42, 12), (156, 128, 98))


def g_track_lit(p):
    p.fill(p.circle(50, 50, 44), (255, 214, 120))
    p.solid(p.circle(50, 50, 30), LED_ON)
    p.fill(p.circle(42, 42, 12), (255, 240, 190))


def g_query(p):
    _globe(p, 46, 54, 34)
    p.solid(p.arc(70, 30, 14, 0, 90, 7), AMBER)
    p.solid(p.arc(70, 30, 26, 5, 85, 7), AMBER)


def g_query_stop(p):
    _globe(p, 44, 46, 32)
    p.solid(p.rect(60, 60, 88, 88, 4), BRICK)


def g_add_entry(p):
    _disc(p, 44, 46, 34)
    _badge_plus(p, 76, 76, 18)


def g_edit_entry(p):
    _disc(p, 42, 44, 34)
    _pencil(p, 50, 90, 92, 48, 16)


def g_garnish(p):
    """The tool hub: a tool box with a sprig of garnish peeking out."""
    p.solid(p.ellipse(30, 30, 9, 17), (120, 170, 90))
    p.solid(p.ellipse(44, 26, 8, 15), SAGE)
    p.fill(p.line([(34, 44), (30, 20)], 3), (60, 100, 50))
    p.solid(p.arc(62, 40, 14, 0, 180, 7), BROWN_DARK)
    p.solid(p.rect(8, 40, 92, 86, 5), BRICK)
    p.fill(p.rect(8, 54, 92, 60), (130, 36, 24))
    p.solid(p.rect(42, 50, 58, 64, 2), HONEY)


def g_search(p):
    _magnifier(p, 42, 42, 26)


def g_browse(p):
    """A folder."""
    p.solid(p.poly([(10, 24), (38, 24), (46, 32), (88, 32), (88, 80), (10, 80)]), HONEY)
    p.solid(p.poly([(10, 44), (22, 38), (94, 38), (84, 82), (10, 82)]), HONEY_LIGHT)


def g_info(p):
    _badge_info(p, 50, 50, 38)


def g_copy(p):
    _page(p, 12, 10, 60, 68, lines=False, fold=12)
    _page(p, 40, 32, 88, 90, fold=12)


def g_move(p):
    _page(p, 10, 14, 54, 86, fold=12)
    p.solid(p.line([(44, 52), (70, 52)], 14), SAGE)
    p.solid(p.head(92, 52, 0, 24, 36), SAGE)


def g_rename(p):
    p.solid(p.rect(6, 28, 94, 74, 6), PAPER)
    p.fill(p.ring(24, 54, 8, 6) | p.line([(32, 44), (32, 63)], 6), INK)
    p.fill(p.ring(50, 54, 8, 6) | p.line([(42, 34), (42, 63)], 6), INK)
    p.fill(p.line([(74, 18), (74, 84)], 7), AMBER)
    p.fill(p.line([(64, 18), (84, 18)], 7) | p.line([(64, 84), (84, 84)], 7), AMBER)


def g_editor(p):
    _page(p, 10, 8, 66, 88)
    _pencil(p, 46, 86, 92, 38, 15)


def g_delete(p):
    body = p.poly([(22, 30), (78, 30), (72, 88), (28, 88)])
    p.solid(body, (214, 204, 188))
    for x in (38, 50, 62):
        p.fill(p.line([(x, 40), (x, 78)], 5), BROWN)
    p.solid(p.rect(14, 20, 86, 30, 3), BRICK)
    p.solid(p.rect(40, 12, 60, 20, 2), BRICK)


def g_all(p):
    for yy in (22, 50, 78):
        p.solid(p.rect(10, yy - 10, 30, yy + 10, 3), PAPER)
        p.fill(p.line([(14, yy), (19, yy + 5), (27, yy - 6)], 5), SAGE)
        p.fill(p.line([(40, yy), (90, yy)], 8), BROWN)


def g_ok(p):
    p.solid(p.line([(16, 52), (40, 76), (84, 26)], 15), SAGE)


def g_cancel(p):
    p.solid(p.line([(22, 22), (78, 78)], 15) | p.line([(78, 22), (22, 78)], 15), BRICK)


def g_help(p):
    shape = (p.arc(50, 34, 20, -40, 200, 13) | p.line([(64, 47), (50, 56), (50, 64)], 13) |
             p.circle(50, 82, 8))
    p.solid(shape, AMBER)


def g_setup(p):
    _gear(p, 50, 50, 42)


def g_about(p):
    emblem(p, 50, 50, 42)


def g_volume(p):
    _speaker(p, 8)
    p.solid(p.arc(48, 50, 18, -45, 45, 8), AMBER)
    p.solid(p.arc(48, 50, 34, -45, 45, 8), AMBER)


def g_sound_on(p):
    g_volume(p)


def g_sound_muted(p):
    _speaker(p, 6)
    p.solid(p.line([(58, 34), (90, 66)], 10) | p.line([(90, 34), (58, 66)], 10), BRICK)


def g_exit(p):
    p.solid(p.rect(14, 10, 58, 90, 2), (150, 104, 58))
    p.fill(p.rect(20, 16, 52, 84, 1), (178, 128, 72))
    p.fill(p.circle(46, 52, 4), HONEY_LIGHT)
    p.solid(p.line([(50, 50), (74, 50)], 14), SAGE)
    p.solid(p.head(94, 50, 0, 24, 38), SAGE)


def g_start(p):
    p.solid(p.circle(50, 50, 40), SAGE)
    p.fill(p.poly([(40, 30), (70, 50), (40, 70)]), CREAM)


def g_stop_large(p):
    pts = [(50 + 40 * math.cos(math.radians(22.5 + 45 * i)),
            50 + 40 * math.sin(math.radians(22.5 + 45 * i))) for i in range(8)]
    p.solid(p.poly(pts), BRICK)
    p.fill(p.rect(28, 43, 72, 57, 2), CREAM)


def g_update(p):
    _circular_arrow(p, 50, 54, 30, 130, 390, 11, SAGE, 22)


def g_save(p):
    """A floppy disk."""
    p.solid(p.poly([(12, 12), (78, 12), (88, 22), (88, 88), (12, 88)]), SLATE)
    p.solid(p.rect(26, 12, 70, 38, 2), (200, 196, 188))
    p.fill(p.rect(56, 16, 64, 34), SLATE)
    p.solid(p.rect(22, 52, 78, 88, 2), PAPER)
    p.fill(p.line([(30, 64), (70, 64)], 4), BROWN)
    p.fill(p.line([(30, 76), (62, 76)], 4), BROWN)


def g_view(p):
    eye = p.circle(50, 92, 60) & p.circle(50, 8, 60)
    p.solid(eye, PAPER)
    p.solid(p.circle(50, 50, 17), SLATE)
    p.fill(p.circle(50, 50, 7), INK)
    p.fill(p.circle(45, 45, 3), (240, 248, 255))


def g_select(p):
    p.solid(p.rect(8, 20, 72, 44, 4), HONEY)
    p.fill(p.line([(16, 32), (60, 32)], 5), BROWN)
    p.solid(p.rect(8, 54, 72, 78, 4), PAPER)
    p.fill(p.line([(16, 66), (52, 66)], 5), BROWN)
    cursor = p.poly([(56, 30), (56, 84), (68, 72), (78, 92), (86, 88), (76, 68), (92, 66)])
    p.solid(cursor, (255, 255, 250))


def g_submit(p):
    p.solid(p.rect(8, 36, 76, 86, 3), PAPER)
    p.fill(p.line([(10, 40), (42, 64), (74, 40)], 6), BROWN)
    p.solid(p.line([(80, 58), (80, 30)], 14), AMBER)
    p.solid(p.head(80, 6, 90, 24, 34), AMBER)


def g_database_editor(p):
    _cylinder(p, 10, 12, 62, 88)
    _pencil(p, 52, 90, 92, 46, 15)


def g_search_database(p):
    _cylinder(p, 8, 10, 60, 86)
    _magnifier(p, 64, 58, 18)


def g_sorter(p):
    for i, (yy, length) in enumerate(((22, 26), (46, 42), (70, 58))):
        p.solid(p.rect(10, yy - 8, 10 + length, yy + 8, 3), HONEY if i % 2 == 0 else HONEY_LIGHT)
    p.solid(p.line([(82, 14), (82, 66)], 12), AMBER)
    p.solid(p.head(82, 90, 270, 24, 32), AMBER)


def g_export(p):
    _cylinder(p, 8, 14, 52, 86)
    p.solid(p.line([(44, 50), (70, 50)], 14), AMBER)
    p.solid(p.head(94, 50, 0, 24, 36), AMBER)


def g_database_info(p):
    _cylinder(p, 10, 10, 62, 88)
    _badge_info(p, 72, 70, 20)


def _angle_brackets(p, cx, cy, h, colour):
    p.fill(p.line([(cx - h * 0.2, cy - h * 0.45), (cx - h * 0.6, cy), (cx - h * 0.2, cy + h * 0.45)],
                  h * 0.2), colour)
    p.fill(p.line([(cx + h * 0.2, cy - h * 0.45), (cx + h * 0.6, cy), (cx + h * 0.2, cy + h * 0.45)],
                  h * 0.2), colour)


def g_create_html(p):
    _page(p, 10, 8, 70, 90, lines=False)
    _angle_brackets(p, 40, 54, 34, SLATE)
    _badge_plus(p, 74, 74, 18)


def g_view_html(p):
    p.solid(p.rect(8, 12, 92, 88, 4), (236, 240, 244))
    p.fill(p.rect(8, 12, 92, 28, 4) | p.rect(8, 20, 92, 28), BROWN_DARK)
    p.fill(p.circle(18, 20, 3), HONEY)
    _globe(p, 50, 58, 24)


def g_freedb_server_info(p):
    p.solid(p.rect(16, 8, 62, 92, 4), BROWN_DARK)
    for yy in (22, 40, 58):
        p.fill(p.rect(24, yy - 4, 54, yy + 4, 1), (72, 44, 20))
        p.fill(p.circle(48, yy, 3), LED_ON)
    _badge_info(p, 72, 72, 20)


def g_freedb_setup(p):
    _globe(p, 44, 44, 34)
    _gear(p, 74, 74, 22, METAL, teeth=7)


def g_animations(p):
    p.solid(p.rect(18, 6, 82, 94, 3), BROWN_DARK)
    for yy in range(12, 94, 12):
        p.fill(p.rect(22, yy, 28, yy + 6, 1), CREAM)
        p.fill(p.rect(72, yy, 78, yy + 6, 1), CREAM)
    p.fill(p.rect(33, 12, 67, 46, 2), HONEY)
    p.fill(p.rect(33, 54, 67, 88, 2), HONEY_LIGHT)
    p.fill(p.circle(50, 29, 8), AMBER)
    p.fill(p.circle(54, 71, 8), AMBER)


def emblem(p, cx, cy, r, detail=True):
    """The program's emblem: a honey disc with brindle streaks, a waxy hub ring and a gleam."""
    ox, oy, rr = p.x(cx), p.y(cy), p.s(r)
    body = p.circle(cx, cy, r) - p.circle(cx, cy, r * 0.2)

    def brindle(x, y):
        dx, dy = (x - ox) / rr, (y - oy) / rr
        a = math.atan2(dy, dx)
        d = math.hypot(dx, dy)
        stripe = math.sin(a * 7 + d * 5.5 + math.sin(a * 3) * 1.2)
        base = R.mix(HONEY_LIGHT, AMBER, min(1.0, d * 0.9))
        if stripe > 0.55:
            return R.mix(base, BROWN, min(1.0, (stripe - 0.55) * 3.5))
        return base

    p.solid(body, brindle)
    if detail:
        p.fill(p.ring(cx, cy, r * 0.36, r * 0.1), (255, 236, 180))
        p.fill(p.arc(cx, cy, r * 0.8, 110, 160, r * 0.08), (255, 246, 220))


GLYPHS = {name[2:]: fn for name, fn in list(globals().items()) if name.startswith("g_")}
