"""The animations of the animation library WaxAnim.dll: each is a horizontal strip of equal frames
on a key colour (shown as the button face), with its own 256-colour palette and per-frame delays.
The catalogue in src/waxanim/waxanim.rc describes them string by string; check_catalogue() in
checks.py holds the two together.
"""

import math

import raster as R
from glyphs import Pen
from palette import (AMBER, BRICK, BROWN, BROWN_DARK, CREAM, HONEY, HONEY_LIGHT, INK, SAGE, SKY,
                     SLATE, median_cut, Mapper)

KEY = (255, 0, 255)
ASSUMED_FACE = (212, 208, 200)   # soft edges are blended against this
AUTHOR = "Brindlewax"
DEPTH_BITS = 8
DEPTH_TEXT = "256 Colors"
PALETTE_ENTRIES = 256            # every palette is padded to a full 256 entries


class Animation:
    def __init__(self, name, width, height, delays, draw, file_stem):
        self.name = name
        self.width, self.height = width, height
        self.delays = delays
        self.draw = draw
        self.file_stem = file_stem

    @property
    def frames(self):
        return len(self.delays)


# ---- drawing helpers ----

def _rot(cx, cy, x, y, angle):
    c, s = math.cos(angle), math.sin(angle)
    return cx + (x - cx) * c - (y - cy) * s, cy + (x - cx) * s + (y - cy) * c


def draw_disc(canvas, frame, frames):
    """A compact disc turning: the light stays, the printed brindle label turns with the disc."""
    w = canvas.width
    c, r = w / 2, w / 2 - 2
    turn = 2 * math.pi * frame / frames

    def surface(x, y):
        a = math.atan2(y - c, x - c)
        d = math.hypot(x - c, y - c) / r
        sheen = abs(math.sin(2 * a + 0.7)) ** 3
        rainbow = (200 + 40 * math.sin(a * 2 + 1), 196 + 40 * math.sin(a * 2 + 3), 214 + 30 * math.sin(a * 2 + 5))
        base = R.mix(rainbow, (250, 246, 236), sheen)
        if d < 0.62:
            stripe = math.sin((a - turn) * 5 + d * 7)
            base = R.mix(HONEY_LIGHT, AMBER, d)
            if stripe > 0.45:
                base = R.mix(base, BROWN, min(1.0, (stripe - 0.45) * 3))
        return base

    canvas.fill(R.circle(c, c, r + 1), INK)
    canvas.fill(R.circle(c, c, r) - R.circle(c, c, r * 0.16), surface)
    canvas.fill(R.ring(c, c, r * 0.62, 0.6), (150, 110, 60))
    canvas.fill(R.ring(c, c, r * 0.24, 1.2), (228, 224, 216))
    canvas.fill(R.ring(c, c, r * 0.16, 0.5), INK)


def draw_note(canvas, frame, frames):
    """An eighth note bouncing on the staff, squashing a little when it lands."""
    w, h = canvas.width, canvas.height
    for i in range(3):
        y = h - 5 - i * 4
        canvas.fill(R.rect(3, y, w - 3, y + 1), (150, 120, 90))
    t = frame / frames
    height = abs(math.sin(math.pi * t))
    squash = max(0.0, 1.0 - height * 4) * 0.25
    base_y = h - 10
    hy = base_y - height * 14
    hx = w / 2 - 4
    rx, ry = 6.5 * (1 + squash), 4.8 * (1 - squash)
    canvas.fill(R.ellipse(hx + 1, base_y + 3, 7 * (1.2 - height * 0.5), 2), (60, 40, 20), opacity=0.3)
    head = R.ellipse(hx, hy, rx, ry)
    stem = R.rect(hx + rx - 2.2, hy - 18 * (1 - squash), hx + rx, hy)
    flag = R.polygon([(hx + rx - 1, hy - 18 * (1 - squash)), (hx + rx + 8, hy - 9), (hx + rx + 6, hy - 5),
                      (hx + rx - 1, hy - 11)])
    shape = head | stem | flag
    canvas.fill(shape.grow(1.0), INK)
    canvas.fill(shape, lambda x, y: R.mix(HONEY_LIGHT, AMBER, min(1.0, max(0.0, (y - hy + 8) / 14))))
    canvas.fill(R.ellipse(hx - 2, hy - 1.5, 2.2, 1.3), (255, 244, 210))


def draw_speaker(canvas, frame, frames):
    """A speaker sending out rings of sound."""
    w, h = canvas.width, canvas.height
    p = Pen(canvas, 0, 0, w, 1.0)
    p.solid(p.poly([(8, 38), (24, 38), (44, 20), (44, 80), (24, 62), (8, 62)]), AMBER)
    p.fill(p.rect(10, 42, 22, 58, 2), HONEY_LIGHT)
    for k in range(3):
        phase = (frame / frames + k / 3) % 1.0
        radius = 14 + phase * 40
        fade = 1.0 - phase
        shape = R.arc(p.x(44), p.y(50), p.s(radius), -42, 42, 1.4)
        canvas.fill(shape, R.mix(ASSUMED_FACE, BROWN, fade), opacity=min(1.0, fade * 1.6))


def _folder(canvas, x, y, w, h, open_front=False):
    body = R.rect(x, y + 3, x + w, y + h, 1.5) | R.rect(x, y, x + w * 0.42, y + 5, 1.5)
    canvas.fill(body.grow(0.9), INK)
    canvas.fill(body, HONEY)
    front = R.polygon([(x, y + h), (x + 2, y + 8), (x + w + 2, y + 8), (x + w, y + h)]) if open_front \
        else R.rect(x, y + 7, x + w, y + h, 1.2)
    canvas.fill(front.grow(0.9), INK)
    canvas.fill(front, HONEY_LIGHT)


def draw_paper_flight(canvas, frame, frames):
    """A page flying from one folder to another along a dotted arc."""
    w, h = canvas.width, canvas.height
    _folder(canvas, 3, h - 17, 17, 13)
    _folder(canvas, w - 20, h - 17, 17, 13, open_front=True)

    def path(s):
        return 11 + (w - 22) * s, h - 16 - math.sin(math.pi * s) * 8

    for k in range(1, frame):
        x, y = path(k / (frames - 1))
        canvas.fill(R.circle(x, y, 0.8), AMBER)
    t = frame / (frames - 1)
    x, y = path(t)
    angle = (t - 0.5) * 1.4
    pts = [_rot(x, y, x + dx, y + dy, angle) for dx, dy in ((-5, -6.5), (3, -6.5), (5, -4.5), (5, 6.5), (-5, 6.5))]
    page = R.polygon(pts)
    canvas.fill(page.shift(1, 2), (40, 24, 10), opacity=0.25)
    canvas.fill(page.grow(0.8), INK)
    canvas.fill(page, CREAM)
    for k in (-2.5, 0.5, 3.5):
        a = _rot(x, y, x - 3, y + k, angle)
        b = _rot(x, y, x + 3, y + k, angle)
        canvas.fill(R.segment(a[0], a[1], b[0], b[1], 0.45), BROWN)


def draw_globe(canvas, frame, frames):
    """The globe turning (half a turn per loop: its lands repeat every half turn), with signal arcs
    pulsing out from it."""
    w = canvas.width
    c, r = w / 2 - 3, w / 2 - 5
    cy = w / 2 + 3
    spin = math.pi * frame / frames

    def surface(x, y):
        dx, dy = (x - c) / r, (y - cy) / r
        dz2 = 1 - dx * dx - dy * dy
        if dz2 <= 0:
            return SLATE
        dz = math.sqrt(dz2)
        lat = math.asin(max(-1.0, min(1.0, -dy)))
        lon = math.atan2(dx, dz) + spin
        f = math.sin(2 * lon + 0.5) * math.cos(1.5 * lat) + 0.5 * math.sin(4 * lon - 1 + 2 * lat)
        base = (150, 178, 100) if f > 0.45 else SKY
        light = 0.55 + 0.45 * (dz * 0.7 - dx * 0.2 - dy * 0.3)
        return R.mix(SLATE, base, max(0.0, min(1.0, light)))

    canvas.fill(R.circle(c, cy, r + 1), INK)
    canvas.fill(R.circle(c, cy, r), surface)
    ax, ay = c + r * 0.72, cy - r * 0.72
    for k in range(3):
        lit = (frame + k) % 5 < 3
        canvas.fill(R.arc(ax, ay, 4 + k * 3.2, 15, 75, 0.9), AMBER if lit else (186, 160, 130))


def draw_candle(canvas, frame, frames):
    """A wax candle with a flickering flame."""
    w, h = canvas.width, canvas.height
    cx = w / 2
    body = R.rect(cx - 6, h - 17, cx + 6, h - 2, 1.5)
    canvas.fill(body.grow(1.0), INK)
    canvas.fill(body, lambda x, y: R.mix(CREAM, (236, 214, 170), (x - cx + 6) / 12))
    drip = R.circle(cx - 3, h - 13, 2.2) | R.rect(cx - 5.2, h - 17, cx - 0.8, h - 13)
    canvas.fill(drip, HONEY_LIGHT)
    canvas.fill(R.segment(cx, h - 17, cx, h - 20, 0.6), INK)
    sway = math.sin(frame * 2 * math.pi / frames) * 1.3
    tall = 9 + 1.8 * math.sin(frame * 4 * math.pi / frames + 1)
    tip = (cx + sway, h - 20 - tall)
    flame = R.circle(cx, h - 22.5, 3.2) | R.polygon([(cx - 3.1, h - 23), tip, (cx + 3.1, h - 23)])
    canvas.fill(R.circle(cx, h - 24, 7), (255, 220, 120), opacity=0.25)
    canvas.fill(flame, (246, 150, 30))
    inner = R.circle(cx, h - 22.5, 1.8) | R.polygon([(cx - 1.7, h - 22.5), (cx + sway * 0.6, h - 20 - tall * 0.55), (cx + 1.7, h - 22.5)])
    canvas.fill(inner, (255, 236, 150))


def draw_reel(canvas, frame, frames):
    """A film reel turning."""
    w = canvas.width
    c, r = w / 2, w / 2 - 2
    turn = (math.pi / 3) * frame / frames
    reel = R.circle(c, c, r) - R.circle(c, c, 3)
    for k in range(6):
        a = turn + k * math.pi / 3
        reel = reel - R.circle(c + math.cos(a) * r * 0.56, c + math.sin(a) * r * 0.56, r * 0.22)
    canvas.fill(reel.grow(1.0), INK)
    canvas.fill(reel, lambda x, y: R.mix((200, 196, 190), (130, 126, 120), (x + y) / (2 * w)))
    canvas.fill(R.ring(c, c, r * 0.9, 0.6), (110, 106, 100))
    canvas.fill(R.circle(c, c, 5) - R.circle(c, c, 2.5), AMBER)


def draw_meter(canvas, frame, frames):
    """A level meter of six bars, dancing to a little tune."""
    w, h = canvas.width, canvas.height
    bars = 6
    bw = (w - 8) / bars
    for i in range(bars):
        level = 0.25 + 0.75 * abs(math.sin(frame * 2 * math.pi / frames * (1 + i % 3) + i * 1.7))
        segments = max(1, int(level * 9))
        for s in range(segments):
            y1 = h - 4 - s * 4.4
            colour = SAGE if s < 5 else HONEY if s < 8 else BRICK
            canvas.fill(R.rect(4 + i * bw + 1, y1 - 3.4, 4 + (i + 1) * bw - 1, y1, 0.6), colour)


def draw_honey_drip(canvas, frame, frames):
    """A drop of honey gathering under a comb and falling."""
    w, h = canvas.width, canvas.height
    comb = None
    for k in range(4):
        x = 3 + k * 8
        hexagon = R.polygon([(x + 4 + 4.3 * math.cos(a), 5 + 4.3 * math.sin(a))
                             for a in [math.pi / 6 + i * math.pi / 3 for i in range(6)]])
        comb = hexagon if comb is None else comb | hexagon
    canvas.fill(comb.grow(0.9), BROWN_DARK)
    canvas.fill(comb, HONEY)
    t = frame / frames
    cx = w / 2
    if t < 0.6:
        size = 1.5 + t / 0.6 * 3
        drop = R.circle(cx, 9 + size, size) | R.polygon([(cx - size * 0.6, 9), (cx + size * 0.6, 9), (cx, 9 + size)])
    else:
        y = 14 + (t - 0.6) / 0.4 * (h - 20)
        drop = R.circle(cx, y, 3.5) | R.polygon([(cx - 2.2, y - 1.5), (cx, y - 8), (cx + 2.2, y - 1.5)])
    canvas.fill(drop.grow(0.8), BROWN)
    canvas.fill(drop, AMBER)
    canvas.fill(R.ellipse(cx, h - 3, 8, 1.6), HONEY, opacity=0.8)


def draw_vinyl(canvas, frame, frames):
    """A record turning, its honey label printed with the emblem's streaks."""
    w = canvas.width
    c, r = w / 2, w / 2 - 2
    turn = 2 * math.pi * frame / frames

    def grooves(x, y):
        d = math.hypot(x - c, y - c)
        a = math.atan2(y - c, x - c)
        g = 30 + 14 * (0.5 + 0.5 * math.sin(d * 2.4))
        shine = max(0.0, math.cos(2 * a - 1.2)) ** 6 * 60
        return (g + shine, g + shine, g + shine + 6)

    canvas.fill(R.circle(c, c, r), grooves)
    p = Pen(canvas, c - r * 0.42, c - r * 0.42, r * 0.84, 0.5)
    emblem_turned(p, turn)
    canvas.fill(R.circle(c, c, 1.3), INK)


def draw_cow(canvas, frame, frames):
    """A brindled cow grazing: she walks in place, swishes her tail and nods to the grass,
    chewing, while her bell swings."""
    w, h = canvas.width, canvas.height
    t = frame / frames
    phase = 2 * math.pi * t
    ground = h - 5
    canvas.fill(R.ellipse(w / 2, ground + 1.5, 19, 2.2), (60, 40, 20), opacity=0.25)
    for gx in (4, 41):
        for k in (-2, 0, 2):
            canvas.fill(R.segment(gx + k * 0.8, ground + 1, gx + k * 1.6, ground - 4 + abs(k), 0.6), SAGE)
    body_y = ground - 17 + 0.6 * math.sin(2 * phase)
    bx0, bx1 = 10, 33
    # Legs swing in pairs, diagonally, as a walking cow's do.
    legs = []
    for i, (lx, shift) in enumerate(((12.5, 0.0), (16.5, math.pi), (27.0, math.pi), (31.0, 0.0))):
        swing = 1.8 * math.sin(phase + shift)
        legs.append(R.segment(lx, body_y + 5, lx + swing, ground - 1, 1.5))
    back = legs[1] | legs[2]
    canvas.fill(back.grow(0.8), INK)
    canvas.fill(back, (214, 200, 182))
    # Tail: a swish from the rump with a dark tuft.
    swish = math.sin(phase * 2) * 4
    tail_end = (bx0 - 4 + swish * 0.4, body_y + 9 + abs(swish) * 0.2)
    tail = R.polyline([(bx0 + 1, body_y - 3), (bx0 - 3, body_y + 2), tail_end], 0.6)
    canvas.fill(tail.grow(0.4), INK)
    canvas.fill(R.ellipse(tail_end[0], tail_end[1] + 1, 1.3, 2.0), BROWN_DARK)
    body = R.rect(bx0, body_y - 6, bx1, body_y + 6, 5.5)

    def hide(x, y):
        # Brindle: soft tiger stripes of brown over cream.
        s = math.sin((x * 0.9 - y * 0.5) * 0.9) + 0.6 * math.sin(x * 0.37 + y * 0.8)
        return R.mix(CREAM, BROWN, 0.85) if s > 0.9 else CREAM

    canvas.fill(body.grow(1.0), INK)
    canvas.fill(body, hide)
    canvas.fill(R.ellipse(bx0 + 8, body_y + 6.2, 2.8, 1.7), (240, 170, 170))
    front = legs[0] | legs[3]
    canvas.fill(front.grow(0.8), INK)
    canvas.fill(front, CREAM)
    for leg_x, shift in ((12.5, 0.0), (31.0, 0.0)):
        hx = leg_x + 1.8 * math.sin(phase + shift)
        canvas.fill(R.rect(hx - 1.6, ground - 2.2, hx + 1.6, ground, 0.6), BROWN_DARK)
    # Head: nods down to the grass twice per loop, jaw chewing.
    nod = 0.5 - 0.5 * math.cos(phase * 2)
    hx, hy = bx1 + 5, body_y - 5 + nod * 6
    canvas.fill(R.polygon([(bx1 - 3, body_y - 5), (hx - 2, hy - 3), (hx + 1, hy + 3), (bx1 - 1, body_y + 3)]).grow(0.8), INK)
    canvas.fill(R.polygon([(bx1 - 3, body_y - 5), (hx - 2, hy - 3), (hx + 1, hy + 3), (bx1 - 1, body_y + 3)]), CREAM)
    chew = 0.6 * math.sin(phase * 6)
    head = R.ellipse(hx, hy, 4.6, 5.0)
    muzzle = R.ellipse(hx + 2.2, hy + 4.2 + chew * 0.3, 3.6, 2.6)
    horns = R.arc(hx - 2.5, hy - 6.5, 2.4, 200, 300, 0.7) | R.arc(hx + 2.8, hy - 6.5, 2.4, 240, 340, 0.7)
    ears = R.ellipse(hx - 5.2, hy - 3.0, 2.4, 1.2) | R.ellipse(hx + 5.0, hy - 3.4, 2.2, 1.1)
    canvas.fill(horns, (236, 226, 200))
    canvas.fill((ears | head | muzzle).grow(0.9), INK)
    canvas.fill(ears, BROWN)
    canvas.fill(head, lambda x, y: R.mix(CREAM, HONEY_LIGHT, max(0.0, min(1.0, (y - hy + 5) / 10))))
    canvas.fill(R.ellipse(hx - 1.2, hy - 2.2, 2.2, 1.8), BROWN)
    canvas.fill(muzzle, (238, 160, 160))
    canvas.fill(R.circle(hx + 1.0, hy + 4.0 + chew * 0.3, 0.55) | R.circle(hx + 3.6, hy + 4.0 + chew * 0.3, 0.55), BROWN_DARK)
    canvas.fill(R.circle(hx - 1.6, hy - 0.2, 0.9) | R.circle(hx + 2.4, hy - 0.4, 0.9), INK)
    # The bell swings under her neck.
    bell_angle = 0.5 * math.sin(phase * 2 + 1)
    bx, by = hx - 3.5, hy + 5.5
    ex, ey = bx + math.sin(bell_angle) * 3.5, by + math.cos(bell_angle) * 3.5
    canvas.fill(R.segment(bx, by, ex, ey, 0.45), BROWN_DARK)
    canvas.fill(R.circle(ex, ey + 1.0, 2.0).grow(0.7), INK)
    canvas.fill(R.circle(ex, ey + 1.0, 2.0), HONEY)


def emblem_turned(p, turn):
    """The emblem's label, turned by `turn` radians (for the record)."""
    ox, oy, rr = p.x(50), p.y(50), p.s(48)

    def label(x, y):
        a = math.atan2(y - oy, x - ox) - turn
        d = math.hypot(x - ox, y - oy) / rr
        stripe = math.sin(a * 5 + d * 4)
        base = R.mix(HONEY_LIGHT, AMBER, d)
        return R.mix(base, BROWN, min(1.0, (stripe - 0.5) * 3)) if stripe > 0.5 else base

    p.fill(p.circle(50, 50, 48), label)


ANIMATIONS = [
    Animation("Spinning Disc", 48, 48, [80] * 12, draw_disc, "anim_spinning_disc"),
    Animation("Bouncing Note", 48, 48, [70] * 10, draw_note, "anim_bouncing_note"),
    Animation("Speaker Waves", 48, 48, [90] * 8, draw_speaker, "anim_speaker_waves"),
    Animation("Paper Flight", 64, 32, [70] * 11 + [400], draw_paper_flight, "anim_paper_flight"),
    Animation("Signal Globe", 32, 32, [100] * 10, draw_globe, "anim_signal_globe"),
    Animation("Wax Candle", 32, 32, [110, 90, 130, 80, 120, 100, 90, 140], draw_candle, "anim_wax_candle"),
    Animation("Film Reel", 48, 48, [70] * 8, draw_reel, "anim_film_reel"),
    Animation("Level Meter", 48, 48, [90] * 12, draw_meter, "anim_level_meter"),
    Animation("Honey Drip", 32, 32, [120] * 6 + [60] * 4 + [300], draw_honey_drip, "anim_honey_drip"),
    Animation("Vinyl Record", 48, 48, [60] * 12, draw_vinyl, "anim_vinyl_record"),
    Animation("Cow", 48, 48, [110] * 12, draw_cow, "anim_cow"),
]

# Strings 100-105: the defaults for sound, MIDI, CD player, copy/move, internet and the fixed one.
DEFAULTS = ["Speaker Waves", "Bouncing Note", "Spinning Disc", "Paper Flight", "Signal Globe",
            "Wax Candle"]

FIRST_BLOCK_ID = 1100
BLOCK_STEP = 20
FIRST_BITMAP_ID = 201
FIRST_PALETTE_ID = 301


def block_id(index):
    return FIRST_BLOCK_ID + BLOCK_STEP * index


def render_strip(anim):
    """(index rows, palette) of the whole strip; palette entry 0 is the key colour and unused
    entries at the end are black."""
    frames = []
    for f in range(anim.frames):
        canvas = R.Canvas(anim.width, anim.height)
        anim.draw(canvas, f, anim.frames)
        frames.append(canvas)
    width = anim.width * anim.frames
    pixels = [[KEY] * width for _ in range(anim.height)]
    counts = {}
    for f, canvas in enumerate(frames):
        for y in range(anim.height):
            for x in range(anim.width):
                r, g, b, a = canvas.pixel(x, y)
                if a < 0.3:
                    continue
                colour = R.to_bytes(R.mix(ASSUMED_FACE, (r, g, b), min(1.0, a * 1.1)))
                if colour == KEY:
                    colour = (254, 0, 254)
                pixels[y][f * anim.width + x] = colour
                counts[colour] = counts.get(colour, 0) + 1
    colours = sorted(counts.items())
    palette = [c for c, _ in colours] if len(colours) <= 255 else median_cut(colours, 255)
    palette = [KEY] + palette
    mapper_palette = palette
    palette = palette + [(0, 0, 0)] * (PALETTE_ENTRIES - len(palette))
    mapper = Mapper(mapper_palette, avoid=(0,))
    rows = [[0 if p == KEY else mapper.index(p) for p in line] for line in pixels]
    return rows, palette
