"""Writes the default web template set that the installer ships: Default.wt (the template's INI
file), Default.htm (the page around the tag "<%Output%>") and its two pictures Default.gif (the
banner) and Defs.gif (the emblem), all the same, byte for byte, on every run.

    python3 tools/web_template/generate.py --out FOLDER
"""

import argparse
import math
import os

HONEY = (246, 190, 70)
AMBER = (222, 138, 28)
BROWN = (142, 88, 40)
INK = (58, 34, 16)
CREAM = (252, 244, 222)

TEMPLATE = """[WEBTemplate]\r
Name=Brindlewax Honey\r
FileName=Default.htm\r
NumberOfItems=2\r
Item1=Default.gif\r
Item2=Defs.gif\r
"""

PAGE = """<HTML>\r
<HEAD>\r
<TITLE>My Personal CD Database</TITLE>\r
<STYLE TYPE="text/css">\r
BODY { background: #FCF4DE; color: #3A2210; font-family: Arial, Helvetica, sans-serif; }\r
A { color: #8E5828; }\r
TABLE { background: #FFFFFF; }\r
</STYLE>\r
</HEAD>\r
<BODY>\r
<P><IMG SRC="Default.gif" WIDTH="400" HEIGHT="60" ALT="My Personal CD Database"></P>\r
<%Output%>\r
<P><IMG SRC="Defs.gif" WIDTH="32" HEIGHT="32" ALT=""> Made with Brindlewax 2.3</P>\r
</BODY>\r
</HTML>\r
"""


def lzw(indices, min_code_size):
    """GIF's variable-length LZW, packed little-endian into sub-blocks."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    out, bits, nbits = bytearray(), 0, 0
    code_size = min_code_size + 1

    def emit(code):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += code_size
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8

    table = {}
    next_code = end + 1
    emit(clear)
    prefix = None
    for index in indices:
        key = (prefix, index)
        if prefix is None:
            prefix = index
        elif key in table:
            prefix = table[key]
        else:
            emit(prefix)
            if next_code < 4096:
                table[key] = next_code
                next_code += 1
                if next_code > (1 << code_size) and code_size < 12:
                    code_size += 1
            else:
                emit(clear)
                table, next_code, code_size = {}, end + 1, min_code_size + 1
            prefix = index
    if prefix is not None:
        emit(prefix)
    emit(end)
    if nbits:
        out.append(bits & 0xFF)
    blocks = bytearray()
    for i in range(0, len(out), 255):
        chunk = out[i:i + 255]
        blocks.append(len(chunk))
        blocks += chunk
    return bytes(blocks) + b"\0"


def gif(width, height, palette, pixels):
    """An 8-bit GIF89a of one image; `palette` up to 256 colours."""
    palette = list(palette) + [(0, 0, 0)] * (256 - len(palette))
    head = b"GIF89a" + width.to_bytes(2, "little") + height.to_bytes(2, "little") + bytes([0xF7, 0, 0])
    table = b"".join(bytes(c) for c in palette)
    image = b"," + bytes(4) + width.to_bytes(2, "little") + height.to_bytes(2, "little") + b"\0"
    return head + table + image + bytes([8]) + lzw(pixels, 8) + b";"


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def shaded(colours, steps):
    """A palette of `steps` shades between each pair of neighbouring colours."""
    palette = []
    for a, b in zip(colours, colours[1:]):
        palette += [mix(a, b, s / steps) for s in range(steps)]
    return palette + [colours[-1]]


def banner():
    """Honey to cream with brindle streaks and a row of discs."""
    width, height = 400, 60
    palette = shaded([INK, BROWN, AMBER, HONEY, CREAM], 60)
    top = len(palette) - 1
    pixels = []
    for y in range(height):
        for x in range(width):
            t = 0.35 + 0.65 * (x / width)
            streak = math.sin(x * 0.09 + y * 0.35) + 0.5 * math.sin(x * 0.031 - y * 0.2)
            value = t - (0.22 if streak > 1.0 else 0.0)
            for k in range(5):
                cx, cy = 30 + k * 26, 30
                d = math.hypot(x - cx, y - cy)
                if d < 11:
                    value = 0.05 if d < 2.5 else 0.55 + 0.35 * math.cos(math.atan2(y - cy, x - cx) * 2)
            pixels.append(max(0, min(top, int(value * top))))
    return gif(width, height, palette, pixels)


def emblem():
    """The brindled disc of the program's emblem on cream."""
    size = 32
    palette = shaded([INK, BROWN, AMBER, HONEY, CREAM], 60)
    top = len(palette) - 1
    pixels = []
    c = size / 2 - 0.5
    for y in range(size):
        for x in range(size):
            d = math.hypot(x - c, y - c) / (size / 2 - 1)
            if d > 1.0:
                value = 1.0
            elif d > 0.9:
                value = 0.05
            else:
                a = math.atan2(y - c, x - c)
                value = 0.75 - 0.3 * d - (0.3 if math.sin(a * 5 + d * 4) > 0.5 else 0.0)
            pixels.append(max(0, min(top, int(value * top))))
    return gif(size, size, palette, pixels)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    files = {"Default.wt": TEMPLATE.encode("ascii"), "Default.htm": PAGE.encode("ascii"),
             "Default.gif": banner(), "Defs.gif": emblem()}
    for name, data in files.items():
        path = os.path.join(args.out, name)
        old = open(path, "rb").read() if os.path.exists(path) else None
        if old != data:
            with open(path, "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main()
