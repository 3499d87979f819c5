"""Writes a Windows help file (the 3.1 format, which the 32-bit viewers read as well) from a list
of topics.

The file is a little file system: a 16-byte header, internal files each behind a 9-byte header,
and a directory B+ tree of their names. The internal files written here:

  |SYSTEM    version, title, copyright, contents topic, start-up macro, the main window
  |FONT      face names and font descriptors
  |TOPIC     4 KB blocks of LZ77-compressed topic links: per topic one header link (title)
             and one text link per paragraph
  |CONTEXT   B+ tree: hash of each context name -> topic offset (jumps between topics)
  |CTXOMAP   the numeric help contexts that programs pass to WinHelp -> topic offset
  |TTLBTREE  B+ tree: topic offset -> title
  |KWBTREE, |KWDATA, |KWMAP   the keyword index

Positions inside |TOPIC come in two kinds. A TOPICPOS addresses a topic link: block number
times 0x4000 plus 12 plus the link's offset in the decompressed block. A TOPICOFFSET addresses a
place in the text: block number times 0x8000 plus the number of characters of the text links
before it in that block; a topic's offset is the place of its header link.
"""

import struct

import btree
import lz77

MAGIC = 0x00035F3F
SYSTEM_MAGIC = 0x036C
VERSION_MINOR = 21          # the 3.1 format
SYSTEM_FLAGS_LZ77_4K = 4    # LZ77-compressed topic blocks of 4 KB
TOPIC_BLOCK = 4096
BLOCK_HEADER = 12
DECOMPRESSED_BLOCK = 16384
LINK_HEADER = 21
TOPIC_HEADER_SIZE = 28
RECORD_TOPIC_HEADER = 0x02
RECORD_TEXT = 0x20
NONE = 0xFFFFFFFF
# A viewer reads the last topic block from at least this many bytes before the file's end.
MIN_LAST_BLOCK = 0x44

# Paragraph bits and text commands.
SPACE_ABOVE = 0x0002
SPACE_BELOW = 0x0004
LEFT_INDENT = 0x0010
FIRST_LINE_INDENT = 0x0040
TAB_STOPS = 0x0200
CMD_FONT = 0x80
CMD_LINE_BREAK = 0x81
CMD_END_PARAGRAPH = 0x82
CMD_TAB = 0x83
CMD_JUMP = 0xE3
CMD_END_HOTSPOT = 0x89
CMD_END = 0xFF

FAMILY_SWISS = 3


class Font:
    def __init__(self, face, half_points, bold=False, italic=False, colour=(0, 0, 0)):
        self.face, self.half_points, self.bold, self.italic = face, half_points, bold, italic
        self.colour = colour


class Style:
    """Paragraph layout (in the file's half-point units) and the font of plain text; bold runs
    take the style's bold font."""

    def __init__(self, font, bold_font, above=0, below=0, left=0, first=0, tab=None):
        self.font, self.bold_font = font, bold_font
        self.above, self.below, self.left, self.first, self.tab = above, below, left, first, tab


class Run:
    """A piece of paragraph text: plain, bold, a line break, or a jump to a context name."""

    def __init__(self, text, bold=False, link=None, line_break=False, tab=False):
        self.text, self.bold, self.link = text, bold, link
        self.line_break, self.tab = line_break, tab


class Paragraph:
    def __init__(self, style, runs):
        self.style, self.runs = style, runs


class Topic:
    def __init__(self, title, context_names=(), map_ids=(), keywords=(), paragraphs=(),
                 browse=False):
        self.title = title
        self.context_names = list(context_names)
        self.map_ids = list(map_ids)
        self.keywords = list(keywords)
        self.paragraphs = list(paragraphs)
        self.browse = browse
        self.offset = None  # TOPICOFFSET, known after layout


class HelpDocument:
    def __init__(self, title, copyright_text, window_caption, fonts, topics, contents_index=0,
                 macros=()):
        self.title, self.copyright, self.window_caption = title, copyright_text, window_caption
        self.fonts, self.topics, self.contents_index = fonts, topics, contents_index
        self.macros = list(macros)


# ---- small encodings ----

def encode_text(text):
    return text.encode("cp1252")


def context_hash(name):
    """The viewers' hash of a context name: letters (either case) 17-42, digits 1-9 as such,
    0 as 10, '.' 12, '_' 13; h = h * 43 + value in 32 bits."""
    value = 0
    for ch in name:
        if "A" <= ch <= "Z" or "a" <= ch <= "z":
            x = ord(ch.upper()) - ord("A") + 17
        elif "1" <= ch <= "9":
            x = ord(ch) - ord("0")
        elif ch == "0":
            x = 10
        elif ch == ".":
            x = 12
        elif ch == "_":
            x = 13
        else:
            raise ValueError("context name %r: only letters, digits, '.' and '_'" % name)
        value = (value * 43 + x) & 0xFFFFFFFF
    return value - 0x100000000 if value & 0x80000000 else value


def compressed_ushort(value):
    if 0 <= value < 0x80:
        return bytes((value * 2,))
    if value < 0x8000:
        return struct.pack("<H", value * 2 + 1)
    raise ValueError("compressed unsigned short out of range: %d" % value)


def compressed_short(value):
    if -0x40 <= value < 0x40:
        return bytes(((value + 0x40) * 2,))
    if 0 <= value < 0x4000:
        return struct.pack("<H", (value + 0x4000) * 2 + 1)
    raise ValueError("compressed short out of range: %d" % value)


def compressed_long(value):
    if -0x4000 <= value < 0x4000:
        return struct.pack("<H", (value + 0x4000) * 2)
    if 0 <= value < 0x40000000:
        return struct.pack("<L", (value + 0x40000000) * 2 + 1)
    raise ValueError("compressed long out of range: %d" % value)


# ---- topic links ----

class _Record:
    """One topic link: kind, LinkData1 (without the 21-byte link header) and LinkData2; the
    position fields are filled after layout."""

    def __init__(self, kind, data1, data2, char_count=0, topic=None):
        self.kind, self.data1, self.data2 = kind, data1, data2
        self.char_count = char_count  # what the link adds to the TOPICOFFSET count
        self.topic = topic            # the Topic whose header this is (headers only)
        self.pos = None

    @property
    def size(self):
        return LINK_HEADER + len(self.data1) + len(self.data2)

    def encode(self, previous, following):
        length1 = LINK_HEADER + len(self.data1)
        return struct.pack("<LLLLLB", self.size, len(self.data2), previous, following, length1,
                           self.kind) + self.data1 + self.data2


def _paragraph_record(paragraph, font_numbers, hashes):
    style = paragraph.style
    bits = 0
    fields = b""
    if style.above:
        bits |= SPACE_ABOVE
        fields += compressed_short(style.above)
    if style.below:
        bits |= SPACE_BELOW
        fields += compressed_short(style.below)
    if style.left:
        bits |= LEFT_INDENT
        fields += compressed_short(style.left)
    if style.first:
        bits |= FIRST_LINE_INDENT
        fields += compressed_short(style.first)
    if style.tab is not None:
        bits |= TAB_STOPS
        fields += compressed_short(1) + compressed_ushort(style.tab)

    strings = []
    commands = []
    pending = bytearray()
    chars = 0

    def command(code):
        strings.append(bytes(pending))
        commands.append(code)
        pending.clear()

    current_font = font_numbers[style.font]
    command(bytes((CMD_FONT,)) + struct.pack("<H", current_font))
    for run in paragraph.runs:
        if run.line_break:
            command(bytes((CMD_LINE_BREAK,)))
            chars += 1
            continue
        if run.tab:
            command(bytes((CMD_TAB,)))
            chars += 1
            continue
        wanted = font_numbers[style.bold_font if run.bold else style.font]
        if wanted != current_font:
            command(bytes((CMD_FONT,)) + struct.pack("<H", wanted))
            current_font = wanted
        text = encode_text(run.text)
        if run.link is not None:
            command(bytes((CMD_JUMP,)) + struct.pack("<l", hashes[run.link]))
            pending += text
            command(bytes((CMD_END_HOTSPOT,)))
        else:
            pending += text
        chars += len(text)
    command(bytes((CMD_END_PARAGRAPH,)))
    chars += 1
    strings.append(bytes(pending))
    if any(0 in s for s in strings):
        raise ValueError("paragraph text holds a NUL character")
    data2 = b"".join(s + b"\0" for s in strings)
    data1 = (compressed_long(len(data2)) + compressed_ushort(chars) + bytes((0, 0x80, 0, 0)) +
             struct.pack("<H", bits) + fields + b"".join(commands) + bytes((CMD_END,)))
    return _Record(RECORD_TEXT, data1, data2, char_count=chars)


def _topic_header_record(topic):
    return _Record(RECORD_TOPIC_HEADER, b"\0" * TOPIC_HEADER_SIZE,
                   encode_text(topic.title) + b"\0" if topic is not None else b"", topic=topic)


def _records(document, font_numbers, hashes):
    records = []
    for topic in document.topics:
        records.append(_topic_header_record(topic))
        for paragraph in topic.paragraphs:
            records.append(_paragraph_record(paragraph, font_numbers, hashes))
    # The closing link: a header without a topic, where every walk ends.
    records.append(_topic_header_record(None))
    return records


# ---- layout of |TOPIC ----

def _block_fits(records, margin):
    data = b"".join(r.final for r in records)
    if len(data) > DECOMPRESSED_BLOCK:
        return False
    return len(lz77.compress(data)) <= TOPIC_BLOCK - BLOCK_HEADER - margin


def _assign_blocks(records, margin):
    """Greedy: each block takes as many whole links as fit. One compression of the candidate
    links (with the positions they would get) tells the compressed length of every prefix."""
    room = TOPIC_BLOCK - BLOCK_HEADER - margin
    blocks = []
    start = 0
    previous = NONE
    while start < len(records):
        number = len(blocks)
        pieces = []
        ends = []
        offset = 0
        upper = start
        while upper < len(records) and offset + records[upper].size <= DECOMPRESSED_BLOCK:
            offset += records[upper].size
            upper += 1
        if upper == start:
            raise ValueError("a topic link is larger than a topic block")
        offset = 0
        for index in range(start, upper):
            record = records[index]
            pos = number * 0x4000 + BLOCK_HEADER + offset
            pieces.append(record.encode(previous if index == start else pos - 1, pos + record.size))
            offset += record.size
            ends.append(offset)
        marks = []
        lz77.compress(b"".join(pieces), marks)
        end = start
        at = 0
        for count, boundary in enumerate(ends, 1):
            while marks[at][0] < boundary:
                at += 1
            if marks[at][1] + 3 > room:
                break
            end = start + count
        if end == start:
            raise ValueError("a topic link does not fit a topic block when compressed")
        blocks.append((start, end))
        previous = number * 0x4000 + BLOCK_HEADER + ends[end - start - 1] - records[end - 1].size
        start = end
    return blocks


def _place(records, blocks, document):
    """Fills TOPICPOS values, topic offsets and the header links' fields."""
    for number, (start, end) in enumerate(blocks):
        offset = 0
        chars = 0
        for record in records[start:end]:
            record.pos = number * 0x4000 + BLOCK_HEADER + offset
            record.block = number
            record.text_offset = number * 0x8000 + chars
            offset += record.size
            chars += record.char_count
            if chars >= 0x8000:
                raise ValueError("too much text in one topic block")
    headers = [i for i, r in enumerate(records) if r.kind == RECORD_TOPIC_HEADER]
    for topic_number, index in enumerate(headers):
        record = records[index]
        if record.topic is not None:
            record.topic.offset = record.text_offset
    browse = [t for t in document.topics if t.browse]
    neighbours = {}
    for i, topic in enumerate(browse):
        neighbours[id(topic)] = (browse[i - 1].offset if i > 0 else NONE,
                                 browse[i + 1].offset if i + 1 < len(browse) else NONE)
    for topic_number, index in enumerate(headers):
        record = records[index]
        following = headers[topic_number + 1] if topic_number + 1 < len(headers) else None
        end = following if following is not None else len(records)
        size = sum(r.size for r in records[index:end])
        back, forward = neighbours.get(id(record.topic), (NONE, NONE))
        scroll = records[index + 1].pos if index + 1 < end else NONE
        next_topic = records[following].pos if following is not None else NONE
        record.data1 = struct.pack("<LLLLLLL", size, back, forward, topic_number, NONE, scroll,
                                   next_topic)
    for i, record in enumerate(records):
        previous = records[i - 1].pos if i > 0 else NONE
        following = records[i + 1].pos if i + 1 < len(records) else NONE
        record.final = record.encode(previous, following)


def build_topic_file(records, document):
    margin = 32
    for _ in range(8):
        blocks = _assign_blocks(records, margin)
        _place(records, blocks, document)
        if all(_block_fits(records[s:e], 0) for s, e in blocks):
            break
        margin += 128
    else:
        raise ValueError("topic blocks do not fit after repeated layout")
    out = bytearray()
    last_header = NONE
    seen = 0
    for number, (start, end) in enumerate(blocks):
        previous_last = records[start - 1].pos if start > 0 else NONE
        # The header of the topic in progress where this block begins.
        while seen <= start:
            if records[seen].kind == RECORD_TOPIC_HEADER:
                last_header = records[seen].pos
            seen += 1
        header = struct.pack("<LLL", previous_last, records[start].pos, last_header)
        body = lz77.compress(b"".join(r.final for r in records[start:end]))
        block = header + body
        if number + 1 < len(blocks):
            block += b"\0" * (TOPIC_BLOCK - len(block))
        elif len(block) < MIN_LAST_BLOCK:
            block += b"\0" * (MIN_LAST_BLOCK - len(block))
        out += block
    return bytes(out)


# ---- the other internal files ----

def system_file(document):
    out = struct.pack("<HHHLH", SYSTEM_MAGIC, VERSION_MINOR, 1, 0, SYSTEM_FLAGS_LZ77_4K)

    def record(kind, data):
        return struct.pack("<HH", kind, len(data)) + data

    out += record(1, encode_text(document.title) + b"\0")
    out += record(2, encode_text(document.copyright) + b"\0")
    out += record(3, struct.pack("<L", document.topics[document.contents_index].offset))
    for macro in document.macros:
        out += record(4, encode_text(macro) + b"\0")
    # The main window: type, name and caption given; position, size and colours left to the
    # viewer.
    window = struct.pack("<H", 0x0007)
    window += b"main".ljust(10, b"\0") + b"main".ljust(9, b"\0")
    caption = encode_text(document.window_caption)
    if len(caption) > 50:
        raise ValueError("window caption longer than 50 characters")
    window += caption.ljust(51, b"\0")
    window += struct.pack("<hhhhhLL", 0, 0, 0, 0, 0, 0xFFFFFF, 0xFFFFFF)
    assert len(window) == 90
    out += record(6, window)
    return out


FACE_FIELD = 32


def font_file(fonts):
    faces = []
    for font in fonts:
        if font.face not in faces:
            faces.append(font.face)
    face_offset = 8
    descriptor_offset = face_offset + FACE_FIELD * len(faces)
    out = struct.pack("<HHHH", len(faces), len(fonts), face_offset, descriptor_offset)
    for face in faces:
        name = face.encode("ascii")
        if len(name) >= FACE_FIELD:
            raise ValueError("font face name too long: %s" % face)
        out += name.ljust(FACE_FIELD, b"\0")
    for font in fonts:
        attributes = (1 if font.bold else 0) | (2 if font.italic else 0)
        out += struct.pack("<BBBH", attributes, font.half_points, FAMILY_SWISS,
                           faces.index(font.face))
        out += bytes(font.colour) + b"\xff\xff\xff"
    return out


def context_file(entries):
    """entries: (context name hash, topic offset)."""
    rows = sorted(entries)
    return btree.build([(struct.pack("<lL", h, offset), struct.pack("<l", h)) for h, offset in rows],
                       2048, "L4")


def context_map_file(entries):
    """entries: (map id, topic offset)."""
    rows = sorted(entries)
    if len(rows) > 0x7FFF:
        raise ValueError("too many help contexts")
    return struct.pack("<H", len(rows)) + b"".join(struct.pack("<lL", m, o) for m, o in rows)


def title_file(topics):
    rows = sorted((t.offset, encode_text(t.title)) for t in topics)
    return btree.build([(struct.pack("<L", o) + title + b"\0", struct.pack("<L", o))
                        for o, title in rows], 2048, "Lz")


def keyword_files(pairs):
    """pairs: (keyword, topic offset), one topic per keyword. Returns the B+ tree, the data
    array and the map of the keyword index."""
    rows = sorted(pairs, key=lambda p: (p[0].lower(), p[0]))
    entries = []
    data = bytearray()
    for keyword, offset in rows:
        name = encode_text(keyword) + b"\0"
        entries.append((name + struct.pack("<hl", 1, len(data)), name))
        data += struct.pack("<L", offset)
    tree = btree.build(entries, 2048, "F24")
    keyword_map = bytearray()
    number = 0
    for page, count in enumerate(btree.leaf_counts([e[0] for e in entries], 2048)):
        keyword_map += struct.pack("<lH", number, page)
        number += count
    return tree, bytes(data), bytes(keyword_map)


# ---- the file system ----

def file_system(files):
    """files: {internal name: content}. Returns the whole help file."""
    out = bytearray(16)
    offsets = {}
    for name in sorted(files):
        offsets[name] = len(out)
        content = files[name]
        out += struct.pack("<LLB", len(content) + 9, len(content), 0) + content
    names = sorted(offsets, key=lambda n: n.encode("ascii"))
    directory = btree.build([(n.encode("ascii") + b"\0" + struct.pack("<L", offsets[n]),
                              n.encode("ascii") + b"\0") for n in names], 1024, "z4",
                            directory=True)
    directory_offset = len(out)
    out += struct.pack("<LLB", len(directory) + 9, len(directory), 4) + directory
    struct.pack_into("<LlLL", out, 0, MAGIC, directory_offset, NONE, len(out))
    return bytes(out)


def build(document):
    """The help file's bytes for the document."""
    fonts = document.fonts
    font_numbers = {id(f): i for i, f in enumerate(fonts)}
    font_lookup = _FontLookup(font_numbers)
    hashes = {}
    for topic in document.topics:
        for name in topic.context_names:
            value = context_hash(name)
            if name in hashes:
                raise ValueError("context name %s used twice" % name)
            if value in hashes.values():
                raise ValueError("context name %s has the hash of another name" % name)
            hashes[name] = value
    for topic in document.topics:
        for paragraph in topic.paragraphs:
            for run in paragraph.runs:
                if run.link is not None and run.link not in hashes:
                    raise ValueError("topic %r links to unknown context %s" % (topic.title, run.link))
    records = _records(document, font_lookup, hashes)
    topic_file = build_topic_file(records, document)
    context_rows = []
    map_rows = {}
    keyword_rows = {}
    for topic in document.topics:
        for name in topic.context_names:
            context_rows.append((hashes[name], topic.offset))
        for number in topic.map_ids:
            if number in map_rows and map_rows[number] != topic.offset:
                raise ValueError("help context %d given to two topics" % number)
            map_rows[number] = topic.offset
        for keyword in topic.keywords:
            key = keyword.lower()
            if key in keyword_rows:
                raise ValueError("keyword %r given to two topics" % keyword)
            keyword_rows[key] = (keyword, topic.offset)
    tree, data, keyword_map = keyword_files(keyword_rows.values())
    files = {
        "|SYSTEM": system_file(document),
        "|FONT": font_file(fonts),
        "|TOPIC": topic_file,
        "|CONTEXT": context_file(context_rows),
        "|CTXOMAP": context_map_file(map_rows.items()),
        "|TTLBTREE": title_file(document.topics),
        "|KWBTREE": tree,
        "|KWDATA": data,
        "|KWMAP": keyword_map,
    }
    return file_system(files)


class _FontLookup:
    """Maps a Font object to its number in the |FONT table."""

    def __init__(self, numbers):
        self.numbers = numbers

    def __getitem__(self, font):
        return self.numbers[id(font)]
