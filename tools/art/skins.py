"""The skin button sheets: which glyph lies in which cell of each sheet, and how a cell is drawn
for each bitmap (high-colour normal, high-colour highlighted, the small alternative sheets and the
256-colour light-grey sheets).

A cell pair is (normal image, pressed image) side by side: column a, row b puts the normal image
at x = 2 * a * cell width, y = b * cell height. The same cell map holds for every bitmap of a
style, and the small sheet (8) and the small alternative sheets (15, 16) share one map.
"""

import raster as R
from glyphs import GLYPHS, Pen
from palette import (BROWN, FACE_GREY, INDEX_FACE, INDEX_SHADOW, INDEX_WHITE, PROGRAM_PALETTE,
                     RECOLOURED, Mapper)

KEY = (255, 0, 255)               # key colour of the high-colour sheets (their first pixel)
ASSUMED_FACE = (212, 208, 200)    # what soft edges over the key are blended against


class Style:
    def __init__(self, name, cell_w, cell_h, glyph_box, outline, radius, rows):
        self.name = name
        self.cell_w, self.cell_h = cell_w, cell_h
        self.glyph_box = glyph_box
        self.outline = outline
        self.radius = radius
        self.rows = rows
        self.columns = max(len(r) for r in rows)

    @property
    def sheet_size(self):
        return (2 * self.columns * self.cell_w, len(self.rows) * self.cell_h)

    def cells(self):
        """(glyph name, column, row) of every cell pair."""
        for row, names in enumerate(self.rows):
            for column, name in enumerate(names):
                yield name, column, row


LARGE = Style("large", 51, 47, 32, 1.1, 6, [
    ["start", "setup", "stop_large"],
    ["about", "volume", "update"],
    ["ok", "cancel", "help"],
    ["exit", "search", "browse"],
    ["save", "delete", "view"],
    ["select", "submit", "info"],
])

MEDIUM = Style("medium", 36, 34, 24, 0.95, 5, [
    ["skip_back", "skip_forward", "eject", "load"],
    ["browse", "play", "stop", "pause"],
    ["info", "copy", "rename", "move"],
    ["editor", "delete", "all", "search"],
    ["add_entry", "edit_entry", "garnish", "query"],
    ["database_editor", "search_database", "sorter", "export"],
    ["database_info", "create_html", "view_html", "freedb_server_info"],
    ["freedb_setup", "ok", "cancel", "animations"],
    ["volume", "help", "submit", "update"],
    ["repeat_track_off", "repeat_track_on", "repeat_disc_off", "repeat_disc_on"],
    ["query_stop", "page_up", "page_down", "setup"],
])

# Row 0 holds the media panels' "images" 0-7 (image n is column n).
SMALL = Style("small", 27, 24, 17, 0.8, 4, [
    ["sound_on", "sound_muted", "repeat_on", "repeat_off", "page_up", "page_down", "skip", "help"],
    ["repeat_track_off", "repeat_track_on", "repeat_disc_off", "repeat_disc_on", "query",
     "query_stop", "arrow_up", "arrow_down"],
    ["ok", "cancel", "start", "browse", "search", "save", "delete", "submit"],
    ["play", "stop", "pause", "volume", "editor", "animations", "view", "select"],
])

TINY = Style("tiny", 19, 13, 10, 0.7, 2, [
    ["track", "track_lit", "arrow_up", "arrow_down", "arrow_left", "arrow_right", "help"],
    ["ok", "cancel", "play", "stop", "pause", "page_up", "page_down"],
])

STYLES = [LARGE, MEDIUM, SMALL, TINY]

# The uninstaller's button bitmaps (its own resources 1 and 2): Remove, Exit, OK, Cancel, one row
# each, normal and pressed, at the normal-fonts and the large-fonts size.
_UNINSTALL_ROWS = [["delete"], ["exit"], ["ok"], ["cancel"]]
UNINSTALL = Style("uninstall", 51, 47, 32, 1.1, 6, _UNINSTALL_ROWS)
UNINSTALL_LARGE = Style("uninstall_large", 68, 58, 42, 1.4, 7, _UNINSTALL_ROWS)

# How each bitmap's tile looks: (fill top, fill bottom or None for the see-through face, outline,
# rim top-left, rim bottom-right).
LOOKS = {
    "plain": (None, None, (104, 84, 64), (255, 255, 255), (150, 138, 124)),
    "plain_pressed": (None, None, (70, 48, 30), (140, 128, 114), None),
    "lit": ((255, 240, 192), (250, 206, 112), BROWN, (255, 250, 230), (220, 160, 64)),
    "lit_pressed": ((240, 180, 76), (252, 222, 150), (96, 58, 26), (196, 128, 44), None),
    "ivory": ((252, 248, 236), (226, 214, 192), (118, 94, 70), (255, 255, 255), (196, 180, 156)),
    "ivory_pressed": ((220, 206, 182), (246, 238, 220), (80, 58, 38), (176, 160, 136), None),
}

_glyph_cache = {}
_tile_cache = {}


def glyph_layer(style, name):
    """The glyph of `name` on a transparent canvas of one cell, at rest position."""
    key = (style.name, name)
    layer = _glyph_cache.get(key)
    if layer is None:
        layer = R.Canvas(style.cell_w, style.cell_h)
        ox = (style.cell_w - style.glyph_box) / 2.0
        oy = (style.cell_h - style.glyph_box) / 2.0
        GLYPHS[name](Pen(layer, ox, oy, style.glyph_box, style.outline))
        _glyph_cache[key] = layer
    return layer


def _tile_canvas(style, look):
    """A fresh copy of the button tile of one cell: the rounded plate, its outline and rim."""
    key = (style.name, look)
    tile = _tile_cache.get(key)
    if tile is None:
        tile = _tile_cache[key] = _draw_tile(style, look)
    copy = R.Canvas(tile.width, tile.height)
    copy.r, copy.g, copy.b, copy.a = tile.r[:], tile.g[:], tile.b[:], tile.a[:]
    return copy


def _draw_tile(style, look):
    top, bottom, outline, rim_tl, rim_br = LOOKS[look]
    w, h = style.cell_w, style.cell_h
    canvas = R.Canvas(w, h)
    tile = R.rect(0.5, 0.5, w - 0.5, h - 0.5, style.radius)
    inner = tile.grow(-1.0)
    if top is not None:
        canvas.fill(inner, lambda x, y: R.mix(top, bottom, y / h))
    canvas.fill(tile - inner, outline)
    band = inner - inner.grow(-1.0)
    if rim_tl is not None:
        canvas.fill(band & R.polygon([(0, 0), (w, 0), (0, h)]), rim_tl)
    if rim_br is not None:
        canvas.fill(band & R.polygon([(w, 0), (w, h), (0, h)]), rim_br)
    return canvas


def render_cell_rgb(style, name, look, pressed):
    """Rows of (r, g, b) for one high-colour cell; the see-through parts are the key colour."""
    canvas = _tile_canvas(style, look + ("_pressed" if pressed else ""))
    shift = 1 if pressed else 0
    canvas.draw(glyph_layer(style, name), shift, shift)
    rows = []
    for y in range(style.cell_h):
        row = []
        for x in range(style.cell_w):
            r, g, b, a = canvas.pixel(x, y)
            if a < 0.06:
                row.append(KEY)
            else:
                row.append(R.to_bytes(R.mix(ASSUMED_FACE, (r, g, b), min(1.0, a))))
        rows.append(row)
    return rows


_glyph_mapper = Mapper(PROGRAM_PALETTE, avoid=RECOLOURED)


def render_cell_indexed(style, name, pressed):
    """Rows of palette indices for one 256-colour cell: light-grey face with a one-pixel rim in
    white and mid grey (all three follow the system colours), glyph colours from the palette."""
    w, h = style.cell_w, style.cell_h
    layer = glyph_layer(style, name)
    shift = 1 if pressed else 0
    rows = []
    for y in range(h):
        row = []
        for x in range(w):
            if pressed:
                index = INDEX_SHADOW if (x == 0 or y == 0) else INDEX_FACE
            else:
                if x == w - 1 or y == h - 1:
                    index = INDEX_SHADOW
                elif x == 0 or y == 0:
                    index = INDEX_WHITE
                else:
                    index = INDEX_FACE
            gx, gy = x - shift, y - shift
            if 0 < x < w - 1 and 0 < y < h - 1 and 0 <= gx < w and 0 <= gy < h:
                r, g, b, a = layer.pixel(gx, gy)
                if a >= 0.35:
                    colour = R.mix(FACE_GREY, (r, g, b), min(1.0, a * 1.15))
                    index = _glyph_mapper.index(colour)
            row.append(index)
        rows.append(row)
    return rows


def sheet_rgb(style, look):
    width, height = style.sheet_size
    rows = [[KEY] * width for _ in range(height)]
    for name, column, row in style.cells():
        for pressed in (False, True):
            cell = render_cell_rgb(style, name, look, pressed)
            x0 = (2 * column + (1 if pressed else 0)) * style.cell_w
            y0 = row * style.cell_h
            for y, line in enumerate(cell):
                rows[y0 + y][x0:x0 + style.cell_w] = line
    return rows


def sheet_indexed(style):
    width, height = style.sheet_size
    rows = [[INDEX_FACE] * width for _ in range(height)]
    for name, column, row in style.cells():
        for pressed in (False, True):
            cell = render_cell_indexed(style, name, pressed)
            x0 = (2 * column + (1 if pressed else 0)) * style.cell_w
            y0 = row * style.cell_h
            for y, line in enumerate(cell):
                rows[y0 + y][x0:x0 + style.cell_w] = line
    return rows


# Which file each sheet bitmap comes from, by resource id.
SHEETS_HIGH_COLOUR = {
    11: ("skin_large_hc.bmp", LARGE, "plain"),
    12: ("skin_large_hc_lit.bmp", LARGE, "lit"),
    13: ("skin_medium_hc.bmp", MEDIUM, "plain"),
    14: ("skin_medium_hc_lit.bmp", MEDIUM, "lit"),
    15: ("skin_small_alt_hc.bmp", SMALL, "ivory"),
    16: ("skin_small_alt_hc_lit.bmp", SMALL, "lit"),
}
SHEETS_256 = {
    2: ("skin_large_256.bmp", LARGE),
    1: ("skin_medium_256.bmp", MEDIUM),
    8: ("skin_small.bmp", SMALL),
    9: ("skin_tiny.bmp", TINY),
}
