"""Self-checks of the generator: every file it makes is read back and checked against what the
program expects, and the hand-written sources that describe the files (the skin cell map, the
main program's resource fragment, the animation library's catalogue) are checked against the
generator's own tables. Each check answers a list of problems; empty means all is well.
"""

import re
import struct

import animations
import skins
import sounds
from imagefiles import read_bmp_header

# ---- generated files ----


def check_bmp(name, data, width, height, bits):
    try:
        w, h, b, _ = read_bmp_header(data)
    except ValueError as error:
        return ["%s: %s" % (name, error)]
    if (w, h, b) != (width, height, bits):
        return ["%s: %dx%d %d-bit, expected %dx%d %d-bit" % (name, w, h, b, width, height, bits)]
    return []


def check_light_grey_table(name, data):
    """The 256-colour skins must have light grey, white and mid grey among the first 16 entries."""
    table = data[54:54 + 64]
    entries = [(table[i + 2], table[i + 1], table[i]) for i in range(0, 64, 4)]
    missing = [c for c in ((192, 192, 192), (255, 255, 255), (128, 128, 128)) if c not in entries]
    return ["%s: colour table lacks %s in its first 16 entries" % (name, missing)] if missing else []


def check_key_corners(name, rows, key):
    """The key loaders take the first pixel (top-left or, stored bottom-up, bottom-left)."""
    corners = [rows[0][0], rows[-1][0], rows[0][-1], rows[-1][-1]]
    return [] if all(c == key for c in corners) else ["%s: a corner pixel is not the key colour" % name]


def check_wav(name, data):
    try:
        rate, channels, bits, pcm = sounds.parse_wav(data)
    except ValueError as error:
        return ["%s: %s" % (name, error)]
    problems = []
    if rate not in (11025, 22050) or channels != 1 or bits != 8:
        problems.append("%s: %d Hz, %d channels, %d bits; expected 8-bit mono at 11,025 or "
                        "22,050 Hz" % (name, rate, channels, bits))
    seconds = len(pcm) / float(rate)
    if not 0.05 <= seconds <= 0.75:
        problems.append("%s: lasts %.3f s" % (name, seconds))
    if pcm[:1] != b"\x80" or pcm[-1:] != b"\x80":
        problems.append("%s: does not start and end in silence" % name)
    if min(pcm) < 8 or max(pcm) > 247:
        problems.append("%s: reaches full scale (clipping)" % name)
    if max(pcm) - min(pcm) < 40:
        problems.append("%s: almost silent" % name)
    return problems


def check_ico(name, data, sizes_and_bits):
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1 or count != len(sizes_and_bits):
        return ["%s: not an icon file with %d images" % (name, len(sizes_and_bits))]
    problems = []
    for i, (size, bits) in enumerate(sizes_and_bits):
        w, h, _, _, _, b, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        if (w, h, b) != (size & 0xFF, size & 0xFF, bits) or offset + length > len(data):
            problems.append("%s: image %d is not %dx%d %d-bit" % (name, i, size, size, bits))
    return problems


# ---- hand-written sources ----


def _camel(name):
    return "".join(part.capitalize() for part in name.split("_"))


def cell_constant(glyph):
    """The header's name for a glyph's cell: kCell + the glyph's name in camel case, the large
    sheet's stop sign being its plain Stop."""
    return "kCell" + _camel(glyph[:-len("_large")] if glyph.endswith("_large") else glyph)


def check_skin_cells_header(text):
    problems = []
    namespaces = {}
    current = None
    for line in text.splitlines():
        opened = re.match(r"\s*namespace (\w+)_sheet \{", line)
        if opened:
            current = namespaces.setdefault(opened.group(1), {"cells": {}, "size": {}})
            continue
        if re.match(r"\s*\}\s*//\s*namespace", line):
            current = None
            continue
        if current is None:
            continue
        cell = re.match(r"\s*inline constexpr SkinCell (kCell\w+)\{(\d+), (\d+)\};", line)
        if cell:
            current["cells"][cell.group(1)] = (int(cell.group(2)), int(cell.group(3)))
        size = re.match(r"\s*inline constexpr int (kColumns|kRows) = (\d+);", line)
        if size:
            current["size"][size.group(1)] = int(size.group(2))
    for style in skins.STYLES:
        found = namespaces.get(style.name)
        if found is None:
            problems.append("skin_cells.h: no namespace %s_sheet" % style.name)
            continue
        if found["size"] != {"kColumns": style.columns, "kRows": len(style.rows)}:
            problems.append("skin_cells.h: %s_sheet size %s, the sheet has %d columns, %d rows"
                            % (style.name, found["size"], style.columns, len(style.rows)))
        expected = {cell_constant(g): (c, r) for g, c, r in style.cells()}
        for constant, where in sorted(expected.items()):
            if found["cells"].get(constant) != where:
                problems.append("skin_cells.h: %s_sheet::%s should be %s, is %s"
                                % (style.name, constant, where, found["cells"].get(constant)))
        for constant in sorted(set(found["cells"]) - set(expected)):
            problems.append("skin_cells.h: %s_sheet::%s names no picture" % (style.name, constant))
    return problems


_RESOURCE_LINE = re.compile(r'^\s*(\d+)\s+(BITMAP|ICON|RCDATA)\s+"([^"]+)"\s*$')


def _resource_lines(text):
    return sorted((kind, int(number), path) for number, kind, path in
                  (m.groups() for m in map(_RESOURCE_LINE.match, text.splitlines()) if m))


def check_resource_fragment(name, text, expected):
    """The fragment must list exactly the expected (kind, id, file) resources."""
    found = _resource_lines(text)
    wanted = sorted(expected)
    if found == wanted:
        return []
    missing = sorted(set(wanted) - set(found))
    extra = sorted(set(found) - set(wanted))
    return ["%s: missing %s; unexpected %s" % (name, missing, extra)]


def _string_table(text):
    strings = {}
    inside = False
    for line in text.splitlines():
        stripped = line.strip()
        if stripped == "STRINGTABLE":
            inside = True
            continue
        if inside and stripped == "END":
            inside = False
        if not inside:
            continue
        entry = re.match(r'^(\d+)\s*,?\s*"((?:[^"]|"")*)"', stripped)
        if entry:
            strings[int(entry.group(1))] = entry.group(2).replace('""', '"')
    return strings


def catalogue_strings(palettes):
    """The library's string table as the program reads it (see the animation catalogue)."""
    anims = animations.ANIMATIONS
    strings = {1000: str(len(anims)),
               1001: ",".join(str(animations.block_id(i)) for i in range(len(anims)))}
    for i, name in enumerate(animations.DEFAULTS):
        strings[100 + i] = name
        strings[i] = name
    for i, anim in enumerate(anims):
        k = animations.block_id(i)
        values = [anim.name, anim.width, anim.height, anim.frames, len(anim.delays),
                  ",".join(str(d) for d in anim.delays), len(palettes[anim.name]), 1,
                  ",".join(str(c) for c in animations.KEY), animations.FIRST_BITMAP_ID + i,
                  animations.AUTHOR, animations.FIRST_PALETTE_ID + i, animations.DEPTH_BITS,
                  animations.DEPTH_TEXT]
        for offset, value in enumerate(values):
            strings[k + offset] = str(value)
    return strings


def check_catalogue(text, palettes):
    problems = []
    found = _string_table(text)
    wanted = catalogue_strings(palettes)
    for number in sorted(set(found) | set(wanted)):
        if found.get(number) != wanted.get(number):
            problems.append('waxanim.rc: string %d is %r, expected %r'
                            % (number, found.get(number), wanted.get(number)))
    expected = []
    for i, anim in enumerate(animations.ANIMATIONS):
        expected.append(("BITMAP", animations.FIRST_BITMAP_ID + i, anim.file_stem + ".bmp"))
        expected.append(("RCDATA", animations.FIRST_PALETTE_ID + i, anim.file_stem + ".pal"))
    problems += check_resource_fragment("waxanim.rc", text, expected)
    if set(animations.DEFAULTS) - {a.name for a in animations.ANIMATIONS}:
        problems.append("a default animation name names no animation")
    return problems
