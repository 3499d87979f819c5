#!/usr/bin/env python3
"""Draws the program's art and writes it into one folder: the skin sheets, the folder browser's
icon strip, the pieces, the splash logo, the icons, the program palette (RCDATA 2100), the 26
sound effects, the animation library's strips and palettes, and the uninstaller's buttons.

    python3 tools/art/generate.py --out BUILD/generated

Only the Python standard library is used. The output is the same, byte for byte, on every run;
files whose bytes did not change are not rewritten. Before anything is written, every file is read
back and checked, and so are the sources that describe them (src/shell/skin_cells.h,
src/resources/art.rc, src/waxanim/waxanim.rc); any disagreement stops the build.
"""

import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import animations  # noqa: E402
import checks  # noqa: E402
import imagefiles  # noqa: E402
import pictures  # noqa: E402
import skins  # noqa: E402
import sounds  # noqa: E402
from palette import PROGRAM_PALETTE, palette_bytes  # noqa: E402

SOURCE_ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))

ICON_256 = "brindlewax_256.ico"
ICON_HIGH_COLOUR = "brindlewax_hc.ico"
STRIP_HIGH_COLOUR = "strip_icons_hc.bmp"
STRIP_256 = "strip_icons_256.bmp"
BADGE = "piece_cd_badge.bmp"
EMBLEM = "piece_about_emblem.bmp"
CORNERS = "piece_corners.bmp"
SPLASH = "splash.bmp"
PALETTE = "palette.pal"
# For the companion programs: the uninstaller's buttons (its bitmaps 1 and 2; its corner bitmap 9
# is piece_corners.bmp); both programs can take the main program's icons.
UNINSTALL_BUTTONS = {"uninstall_buttons.bmp": skins.UNINSTALL,
                     "uninstall_buttons_large.bmp": skins.UNINSTALL_LARGE}


def main_program_resources():
    """(kind, id, file) of every generated resource of the main program: what art.rc lists."""
    out = [("ICON", 1, ICON_256), ("ICON", 2, ICON_HIGH_COLOUR)]
    for number, (name, _, _) in skins.SHEETS_HIGH_COLOUR.items():
        out.append(("BITMAP", number, name))
    for number, (name, _) in skins.SHEETS_256.items():
        out.append(("BITMAP", number, name))
    out += [("BITMAP", 10, STRIP_HIGH_COLOUR), ("BITMAP", 3, STRIP_256), ("BITMAP", 5, BADGE),
            ("BITMAP", 30, EMBLEM), ("BITMAP", 31, CORNERS), ("BITMAP", 20, SPLASH),
            ("RCDATA", 2100, PALETTE)]
    for number in sounds.EFFECTS:
        out.append(("RCDATA", number, sounds.effect_file_name(number)))
    return out


class Output:
    """The files to write, each checked as it is made."""

    def __init__(self):
        self.files = {}
        self.problems = []

    def add(self, name, data, problems=()):
        self.files[name] = data
        self.problems += list(problems)


def make_skins(out):
    for number, (name, style, look) in sorted(skins.SHEETS_HIGH_COLOUR.items()):
        rows = skins.sheet_rgb(style, look)
        width, height = style.sheet_size
        data = imagefiles.bmp24(rows)
        out.add(name, data, checks.check_bmp(name, data, width, height, 24) +
                checks.check_key_corners(name, rows, skins.KEY))
    for number, (name, style) in sorted(skins.SHEETS_256.items()):
        width, height = style.sheet_size
        data = imagefiles.bmp8(skins.sheet_indexed(style), PROGRAM_PALETTE)
        out.add(name, data, checks.check_bmp(name, data, width, height, 8) +
                checks.check_light_grey_table(name, data))
    for name, style in sorted(UNINSTALL_BUTTONS.items()):
        width, height = style.sheet_size
        data = imagefiles.bmp8(skins.sheet_indexed(style), PROGRAM_PALETTE)
        out.add(name, data, checks.check_bmp(name, data, width, height, 8) +
                checks.check_light_grey_table(name, data))


def make_pictures(out):
    strip_width = 2 * len(pictures.ICON_NAMES) * pictures.ICON_SIZE
    rows = pictures.icon_strip_rgb()
    data = imagefiles.bmp24(rows)
    out.add(STRIP_HIGH_COLOUR, data,
            checks.check_bmp(STRIP_HIGH_COLOUR, data, strip_width, pictures.ICON_SIZE, 24) +
            checks.check_key_corners(STRIP_HIGH_COLOUR, rows, skins.KEY))
    data = imagefiles.bmp8(pictures.icon_strip_indexed(), PROGRAM_PALETTE)
    out.add(STRIP_256, data, checks.check_bmp(STRIP_256, data, strip_width, pictures.ICON_SIZE, 8) +
            checks.check_light_grey_table(STRIP_256, data))
    for name, rows, size in ((BADGE, pictures.badge(), (58, 15)),
                             (EMBLEM, pictures.about_emblem(), (48, 48)),
                             (CORNERS, pictures.corner_ornaments(), (32, 8))):
        data = imagefiles.bmp8(rows, PROGRAM_PALETTE)
        out.add(name, data, checks.check_bmp(name, data, size[0], size[1], 8) +
                checks.check_light_grey_table(name, data))
    data = imagefiles.bmp8(pictures.splash_rows(), PROGRAM_PALETTE)
    out.add(SPLASH, data, checks.check_bmp(SPLASH, data, *pictures.SPLASH_SIZE, 8))
    images = []
    for size in (32, 16):
        rows, opaque = pictures.icon_indexed(size)
        images.append(imagefiles.icon_image_8(rows, PROGRAM_PALETTE, opaque))
    data = imagefiles.ico(images)
    out.add(ICON_256, data, checks.check_ico(ICON_256, data, [(32, 8), (16, 8)]))
    images = [imagefiles.icon_image_32(pictures.icon_rgba(size)) for size in (32, 16)]
    for size in (32, 16):
        rows, opaque = pictures.icon_rgb(size)
        images.append(imagefiles.icon_image_24(rows, opaque))
    data = imagefiles.ico(images)
    out.add(ICON_HIGH_COLOUR, data,
            checks.check_ico(ICON_HIGH_COLOUR, data, [(32, 32), (16, 32), (32, 24), (16, 24)]))
    data = palette_bytes(PROGRAM_PALETTE)
    out.add(PALETTE, data, [] if len(data) == 768 else ["%s: %d bytes" % (PALETTE, len(data))])


def make_sounds(out):
    for number in sounds.EFFECTS:
        name = sounds.effect_file_name(number)
        data = sounds.effect_wav(number)
        out.add(name, data, checks.check_wav(name, data))


def make_animations(out):
    palettes = {}
    for anim in animations.ANIMATIONS:
        rows, palette = animations.render_strip(anim)
        palettes[anim.name] = palette
        name = anim.file_stem + ".bmp"
        data = imagefiles.bmp8(rows, palette)
        out.add(name, data, checks.check_bmp(name, data, anim.width * anim.frames, anim.height, 8))
        out.add(anim.file_stem + ".pal", palette_bytes(palette))
    return palettes


def check_sources(palettes):
    def read(*parts):
        with open(os.path.join(SOURCE_ROOT, *parts), encoding="utf-8") as f:
            return f.read()

    return (checks.check_skin_cells_header(read("src", "shell", "skin_cells.h")) +
            checks.check_resource_fragment("art.rc", read("src", "resources", "art.rc"),
                                           main_program_resources()) +
            checks.check_catalogue(read("src", "waxanim", "waxanim.rc"), palettes))


def write_if_changed(path, data):
    try:
        with open(path, "rb") as f:
            if f.read() == data:
                return False
    except OSError:
        pass
    with open(path, "wb") as f:
        f.write(data)
    return True


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True, help="folder to write the generated files into")
    args = parser.parse_args(argv)

    out = Output()
    make_skins(out)
    make_pictures(out)
    make_sounds(out)
    palettes = make_animations(out)
    out.problems += check_sources(palettes)
    if out.problems:
        for problem in out.problems:
            print("art: " + problem, file=sys.stderr)
        return 1

    os.makedirs(args.out, exist_ok=True)
    written = sum(write_if_changed(os.path.join(args.out, name), data)
                  for name, data in sorted(out.files.items()))
    print("art: %d files in %s (%d rewritten)" % (len(out.files), args.out, written))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
