"""A small anti-aliased raster: shapes are signed-distance functions in pixel space, filled with
one coverage sample per pixel (distance to the edge decides the partial coverage). Colours are
(r, g, b) tuples of 0-255 floats; the canvas stores premultiplied RGBA so layers can be composed.
"""

import math


def clamp(value, low, high):
    return low if value < low else high if value > high else value


def mix(a, b, t):
    """Linear blend of two colours (t = 0 gives a)."""
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t)


# ---- shapes: each is (distance function, bounding box (x0, y0, x1, y1)) ----

class Shape:
    __slots__ = ("dist", "box")

    def __init__(self, dist, box):
        self.dist = dist
        self.box = box

    def grow(self, amount):
        """The shape made `amount` pixels fatter (negative: thinner)."""
        d = self.dist
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: d(x, y) - amount, (x0 - amount, y0 - amount, x1 + amount, y1 + amount))

    def shift(self, dx, dy):
        d = self.dist
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: d(x - dx, y - dy), (x0 + dx, y0 + dy, x1 + dx, y1 + dy))

    def __or__(self, other):
        a, b = self.dist, other.dist
        return Shape(lambda x, y: min(a(x, y), b(x, y)), _union_box(self.box, other.box))

    def __sub__(self, other):
        a, b = self.dist, other.dist
        return Shape(lambda x, y: max(a(x, y), -b(x, y)), self.box)

    def __and__(self, other):
        a, b = self.dist, other.dist
        return Shape(lambda x, y: max(a(x, y), b(x, y)), _intersect_box(self.box, other.box))


def _union_box(a, b):
    return (min(a[0], b[0]), min(a[1], b[1]), max(a[2], b[2]), max(a[3], b[3]))


def _intersect_box(a, b):
    return (max(a[0], b[0]), max(a[1], b[1]), min(a[2], b[2]), min(a[3], b[3]))


def circle(cx, cy, r):
    return Shape(lambda x, y: math.hypot(x - cx, y - cy) - r, (cx - r, cy - r, cx + r, cy + r))


def ellipse(cx, cy, rx, ry):
    # Approximate distance: good enough for gently squashed ellipses.
    k = min(rx, ry)

    def d(x, y):
        nx, ny = (x - cx) / rx, (y - cy) / ry
        return (math.hypot(nx, ny) - 1.0) * k

    return Shape(d, (cx - rx, cy - ry, cx + rx, cy + ry))


def ring(cx, cy, r, half_width):
    return Shape(lambda x, y: abs(math.hypot(x - cx, y - cy) - r) - half_width,
                 (cx - r - half_width, cy - r - half_width, cx + r + half_width, cy + r + half_width))


def rect(x0, y0, x1, y1, radius=0.0):
    """Axis-aligned rectangle with optionally rounded corners."""
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hw, hh = (x1 - x0) / 2 - radius, (y1 - y0) / 2 - radius

    def d(x, y):
        qx, qy = abs(x - cx) - hw, abs(y - cy) - hh
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius

    return Shape(d, (x0, y0, x1, y1))


def segment(ax, ay, bx, by, half_width):
    """A capsule: the line from a to b, `half_width` thick on each side, round ends."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy or 1e-9

    def d(x, y):
        t = clamp(((x - ax) * dx + (y - ay) * dy) / length2, 0.0, 1.0)
        return math.hypot(x - ax - dx * t, y - ay - dy * t) - half_width

    return Shape(d, (min(ax, bx) - half_width, min(ay, by) - half_width,
                     max(ax, bx) + half_width, max(ay, by) + half_width))


def polyline(points, half_width):
    shape = None
    for a, b in zip(points, points[1:]):
        piece = segment(a[0], a[1], b[0], b[1], half_width)
        shape = piece if shape is None else shape | piece
    return shape


def polygon(points):
    """Any simple polygon (even-odd rule)."""
    pts = list(points)
    n = len(pts)
    edges = [(pts[i], pts[(i + 1) % n]) for i in range(n)]

    def d(x, y):
        best = 1e9
        inside = False
        for (ax, ay), (bx, by) in edges:
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            length2 = ex * ex + ey * ey or 1e-9
            t = clamp((wx * ex + wy * ey) / length2, 0.0, 1.0)
            dist = math.hypot(wx - ex * t, wy - ey * t)
            if dist < best:
                best = dist
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / (ey or 1e-9):
                inside = not inside
        return -best if inside else best

    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    return Shape(d, (min(xs), min(ys), max(xs), max(ys)))


def arc(cx, cy, r, start_deg, end_deg, half_width):
    """A stroke along a circle from start to end angle (degrees, counter-clockwise on screen,
    0 = right, 90 = up), with round ends."""
    a0, a1 = math.radians(start_deg), math.radians(end_deg)
    if a1 < a0:
        a1 += 2 * math.pi
    mid = (a0 + a1) / 2
    span = (a1 - a0) / 2
    p0 = (cx + r * math.cos(a0), cy - r * math.sin(a0))
    p1 = (cx + r * math.cos(a1), cy - r * math.sin(a1))

    def d(x, y):
        ang = math.atan2(-(y - cy), x - cx)
        delta = (ang - mid + math.pi) % (2 * math.pi) - math.pi
        if abs(delta) <= span:
            return abs(math.hypot(x - cx, y - cy) - r) - half_width
        return min(math.hypot(x - p0[0], y - p0[1]), math.hypot(x - p1[0], y - p1[1])) - half_width

    e = r + half_width
    return Shape(d, (cx - e, cy - e, cx + e, cy + e))


def arrow_head(tip_x, tip_y, direction_deg, length, width):
    """A filled triangle pointing in `direction_deg` (0 = right, 90 = up)."""
    a = math.radians(direction_deg)
    ux, uy = math.cos(a), -math.sin(a)
    bx, by = tip_x - ux * length, tip_y - uy * length
    px, py = -uy * width / 2, ux * width / 2
    return polygon([(tip_x, tip_y), (bx + px, by + py), (bx - px, by - py)])


# ---- the canvas ----

class Canvas:
    """Premultiplied RGBA floats, row 0 at the top."""

    def __init__(self, width, height, colour=None):
        self.width = width
        self.height = height
        n = width * height
        if colour is None:
            self.r = [0.0] * n
            self.g = [0.0] * n
            self.b = [0.0] * n
            self.a = [0.0] * n
        else:
            self.r = [float(colour[0])] * n
            self.g = [float(colour[1])] * n
            self.b = [float(colour[2])] * n
            self.a = [1.0] * n

    def fill(self, shape, paint, opacity=1.0, hard=False):
        """Paints `shape` with a colour or a function (x, y) -> colour, composed over what is there."""
        x0, y0, x1, y1 = shape.box
        ix0 = max(0, int(math.floor(x0 - 1)))
        iy0 = max(0, int(math.floor(y0 - 1)))
        ix1 = min(self.width, int(math.ceil(x1 + 1)))
        iy1 = min(self.height, int(math.ceil(y1 + 1)))
        dist = shape.dist
        constant = not callable(paint)
        if constant:
            cr, cg, cb = paint
        r, g, b, a = self.r, self.g, self.b, self.a
        w = self.width
        for y in range(iy0, iy1):
            py = y + 0.5
            row = y * w
            for x in range(ix0, ix1):
                d = dist(x + 0.5, py)
                if d >= 0.5:
                    continue
                cover = 1.0 if d <= -0.5 else 0.5 - d
                if hard:
                    cover = 1.0 if cover >= 0.5 else 0.0
                    if cover == 0.0:
                        continue
                alpha = cover * opacity
                if not constant:
                    cr, cg, cb = paint(x + 0.5, py)
                i = row + x
                keep = 1.0 - alpha
                r[i] = cr * alpha + r[i] * keep
                g[i] = cg * alpha + g[i] * keep
                b[i] = cb * alpha + b[i] * keep
                a[i] = alpha + a[i] * keep

    def draw(self, other, dx=0, dy=0):
        """Composes another canvas over this one at integer offset (dx, dy)."""
        for y in range(other.height):
            ty = y + dy
            if ty < 0 or ty >= self.height:
                continue
            for x in range(other.width):
                tx = x + dx
                if tx < 0 or tx >= self.width:
                    continue
                j = y * other.width + x
                alpha = other.a[j]
                if alpha <= 0.0:
                    continue
                i = ty * self.width + tx
                keep = 1.0 - alpha
                self.r[i] = other.r[j] + self.r[i] * keep
                self.g[i] = other.g[j] + self.g[i] * keep
                self.b[i] = other.b[j] + self.b[i] * keep
                self.a[i] = alpha + self.a[i] * keep

    def pixel(self, x, y):
        """(r, g, b, alpha) with the colour not premultiplied."""
        i = y * self.width + x
        alpha = self.a[i]
        if alpha <= 1e-6:
            return (0.0, 0.0, 0.0, 0.0)
        return (self.r[i] / alpha, self.g[i] / alpha, self.b[i] / alpha, alpha)

    def set_pixel(self, x, y, colour, alpha=1.0):
        i = y * self.width + x
        self.r[i] = colour[0] * alpha
        self.g[i] = colour[1] * alpha
        self.b[i] = colour[2] * alpha
        self.a[i] = alpha

    def flatten(self, background):
        """Opaque rows of (r, g, b) ints, composed over `background`."""
        rows = []
        br, bg, bb = background
        for y in range(self.height):
            row = []
            for x in range(self.width):
                i = y * self.width + x
                keep = 1.0 - self.a[i]
                row.append((_byte(self.r[i] + br * keep), _byte(self.g[i] + bg * keep),
                            _byte(self.b[i] + bb * keep)))
            rows.append(row)
        return rows


def _byte(v):
    v = int(v + 0.5)
    return 0 if v < 0 else 255 if v > 255 else v


def to_bytes(colour):
    return (_byte(colour[0]), _byte(colour[1]), _byte(colour[2]))
