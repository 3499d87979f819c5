"""Reads a help file back the way a viewer does: the file system and its directory, |SYSTEM,
|FONT, the topic links of |TOPIC with their texts and jumps, and the lookup files. Used by the
generator's own check of what it wrote and by the tests.
"""

import struct

import btree
import lz77

MAGIC = 0x00035F3F
NONE = 0xFFFFFFFF


class HelpFileError(ValueError):
    pass


class Page:
    """A topic as read back: its TOPICOFFSET, title, paragraphs (plain text) and jumps."""

    def __init__(self, offset, title, topic_number, browse_back, browse_forward):
        self.offset, self.title, self.topic_number = offset, title, topic_number
        self.browse_back, self.browse_forward = browse_back, browse_forward
        self.paragraphs = []
        self.jumps = []  # context hashes

    @property
    def text(self):
        return "\n".join(self.paragraphs)


class HelpFile:
    def __init__(self, data):
        self.data = bytes(data)
        magic, directory, _free, size = struct.unpack_from("<LlLL", self.data, 0)
        if magic != MAGIC:
            raise HelpFileError("not a help file (magic %08x)" % magic)
        if size != len(self.data):
            raise HelpFileError("header says %d bytes, file has %d" % (size, len(self.data)))
        self.directory = dict(btree.leaf_entries(self._internal(directory), _directory_entry))
        self.system = self._read_system()
        self.fonts = self._read_fonts()
        self.pages = self._read_topics()

    # ---- file system ----

    def _internal(self, offset):
        if not 16 <= offset <= len(self.data) - 9:
            raise HelpFileError("internal file at %d lies outside the file" % offset)
        reserved, used, _flags = struct.unpack_from("<LLB", self.data, offset)
        if reserved < used + 9 or offset + reserved > len(self.data):
            raise HelpFileError("internal file at %d has bad sizes" % offset)
        return self.data[offset + 9: offset + 9 + used]

    def file(self, name):
        if name not in self.directory:
            raise HelpFileError("no internal file %s" % name)
        return self._internal(self.directory[name])

    # ---- |SYSTEM ----

    def _read_system(self):
        data = self.file("|SYSTEM")
        magic, minor, major, _date, flags = struct.unpack_from("<HHHLH", data, 0)
        if magic != 0x036C or major != 1:
            raise HelpFileError("bad |SYSTEM header")
        system = {"minor": minor, "flags": flags, "macros": [], "windows": []}
        offset = 12
        while offset + 4 <= len(data):
            kind, size = struct.unpack_from("<HH", data, offset)
            body = data[offset + 4: offset + 4 + size]
            if kind == 1:
                system["title"] = _cstring(body)
            elif kind == 2:
                system["copyright"] = _cstring(body)
            elif kind == 3:
                system["contents"] = struct.unpack("<L", body)[0]
            elif kind == 4:
                system["macros"].append(_cstring(body))
            elif kind == 6:
                if size != 90:
                    raise HelpFileError("window record of %d bytes" % size)
                system["windows"].append({"type": _cstring(body[2:12]), "name": _cstring(body[12:21]),
                                          "caption": _cstring(body[21:72])})
            offset += 4 + size
        return system

    def _read_fonts(self):
        data = self.file("|FONT")
        faces, descriptors, face_offset, descriptor_offset = struct.unpack_from("<HHHH", data, 0)
        length = (descriptor_offset - face_offset) // faces
        names = [_cstring(data[face_offset + i * length: face_offset + (i + 1) * length])
                 for i in range(faces)]
        fonts = []
        for i in range(descriptors):
            at = descriptor_offset + i * 11
            attributes, half_points, family, face = struct.unpack_from("<BBBH", data, at)
            fonts.append({"face": names[face], "half_points": half_points, "bold": bool(attributes & 1),
                          "colour": tuple(data[at + 5: at + 8])})
        return fonts

    # ---- |TOPIC ----

    def _read_topics(self):
        if self.system["minor"] <= 16 or self.system["flags"] not in (4, 8):
            raise HelpFileError("only LZ77-compressed 3.1 topic files are read here")
        block_size = 4096 if self.system["flags"] == 4 else 2048
        data = self.file("|TOPIC")
        blocks = []
        for start in range(0, len(data), block_size):
            block = data[start: start + block_size]
            if len(block) < 12:
                raise HelpFileError("topic block %d shorter than its header" % len(blocks))
            blocks.append(lz77.decompress(block[12:]))
        self.topic_blocks = blocks
        pages = []
        position = 12
        chars_in_block = {}
        current = None
        visited = set()
        while position != NONE:
            if position in visited:
                raise HelpFileError("topic links loop at %08x" % position)
            visited.add(position)
            number, offset = divmod(position - 12, 0x4000)
            if number >= len(blocks) or offset + 21 > len(blocks[number]):
                raise HelpFileError("topic link %08x lies outside |TOPIC" % position)
            buf = blocks[number]
            size, length2, _prev, following, length1, kind = struct.unpack_from("<LLLLLB", buf, offset)
            if offset + size > len(buf) or length1 < 21 or length1 > size:
                raise HelpFileError("topic link %08x has bad sizes" % position)
            data1 = buf[offset + 21: offset + length1]
            data2 = buf[offset + length1: offset + size]
            if len(data2) != length2:
                raise HelpFileError("topic link %08x: phrase-compressed text is not read here" % position)
            count = chars_in_block.get(number, 0)
            if kind == 0x02:
                _size, back, forward, topic_number, _ns, _scroll, _next = struct.unpack_from("<LLLLLLL", data1, 0)
                current = Page(number * 0x8000 + count, _cstring(data2), topic_number, back, forward)
                pages.append(current)
            elif kind == 0x20:
                if current is None:
                    raise HelpFileError("text before the first topic header")
                text, jumps, chars = _paragraph(data1, data2)
                current.paragraphs.append(text)
                current.jumps += jumps
                chars_in_block[number] = count + chars
            else:
                raise HelpFileError("topic link of unknown kind %02x" % kind)
            position = following
        # The last header closes the file and carries no topic.
        if not pages or pages[-1].title != "" or pages[-1].paragraphs:
            raise HelpFileError("|TOPIC does not end with the closing link")
        return pages[:-1]

    # ---- lookups ----

    def contexts(self):
        """{hash: topic offset} from |CONTEXT."""
        return dict(btree.leaf_entries(self.file("|CONTEXT"), lambda p, o: (struct.unpack_from("<lL", p, o), o + 8)))

    def context_lookup(self, value):
        """One hash looked up through the index pages, as a viewer does."""
        def compare(page, offset, key):
            return (_cmp(struct.unpack_from("<l", page, offset)[0], key), offset + 6)

        def leaf(page, offset):
            h, topic = struct.unpack_from("<lL", page, offset)
            return h, topic, offset + 8
        return btree.search(self.file("|CONTEXT"), value, compare, leaf)

    def context_map(self):
        data = self.file("|CTXOMAP")
        count = struct.unpack_from("<H", data, 0)[0]
        if 2 + 8 * count != len(data):
            raise HelpFileError("|CTXOMAP size does not match its count")
        return dict(struct.unpack_from("<lL", data, 2 + 8 * i) for i in range(count))

    def titles(self):
        def entry(page, offset):
            topic = struct.unpack_from("<L", page, offset)[0]
            end = page.index(b"\0", offset + 4)
            return (topic, page[offset + 4:end].decode("cp1252")), end + 1
        return dict(btree.leaf_entries(self.file("|TTLBTREE"), entry))

    def keywords(self):
        data = self.file("|KWDATA")

        def entry(page, offset):
            end = page.index(b"\0", offset)
            name = page[offset:end].decode("cp1252")
            count, at = struct.unpack_from("<hl", page, end + 1)
            topics = [struct.unpack_from("<L", data, at + 4 * i)[0] for i in range(count)]
            return (name, topics), end + 7
        return btree.leaf_entries(self.file("|KWBTREE"), entry)

    def page_at(self, offset):
        """The page a topic offset falls in (the last page starting at or before it)."""
        found = None
        for page in self.pages:
            if page.offset <= offset and (found is None or page.offset > found.offset):
                found = page
        return found

    def page_for_context(self, number):
        offset = self.context_map().get(number)
        return self.page_at(offset) if offset is not None else None


def _cmp(a, b):
    return (a > b) - (a < b)


def _directory_entry(page, offset):
    end = page.index(b"\0", offset)
    name = page[offset:end].decode("ascii")
    return (name, struct.unpack_from("<L", page, end + 1)[0]), end + 5


def _cstring(data):
    end = data.find(b"\0")
    return (data if end < 0 else data[:end]).decode("cp1252")


def _fetch_short(data, at):
    if data[at] & 1:
        return struct.unpack_from("<H", data, at)[0] // 2 - 0x4000, at + 2
    return data[at] // 2 - 0x40, at + 1


def _fetch_ushort(data, at):
    if data[at] & 1:
        return struct.unpack_from("<H", data, at)[0] // 2, at + 2
    return data[at] // 2, at + 1


def _fetch_long(data, at):
    if data[at] & 1:
        return struct.unpack_from("<L", data, at)[0] // 2 - 0x40000000, at + 4
    return struct.unpack_from("<H", data, at)[0] // 2 - 0x4000, at + 2


def _paragraph(data1, data2):
    """Plain text of a text link (paragraph ends become line ends), its jumps and its length
    in characters."""
    at = 0
    _size, at = _fetch_long(data1, at)
    length, at = _fetch_ushort(data1, at)
    at += 4
    bits = struct.unpack_from("<H", data1, at)[0]
    at += 2
    if bits & 0x0001:
        _, at = _fetch_long(data1, at)
    for flag in (0x0002, 0x0004, 0x0008, 0x0010, 0x0020, 0x0040):
        if bits & flag:
            _, at = _fetch_short(data1, at)
    if bits & 0x0100:
        at += 3
    if bits & 0x0200:
        count, at = _fetch_short(data1, at)
        for _ in range(count):
            stop, at = _fetch_ushort(data1, at)
            if stop & 0x4000:
                _, at = _fetch_ushort(data1, at)
    strings = data2.split(b"\0")
    text = []
    jumps = []
    chars = 0
    index = 0
    while True:
        if index >= len(strings):
            raise HelpFileError("paragraph has fewer strings than commands")
        piece = strings[index].decode("cp1252")
        text.append(piece)
        chars += len(strings[index])
        index += 1
        if at >= len(data1):
            raise HelpFileError("paragraph commands run past their end")
        code = data1[at]
        if code == 0xFF:
            break
        if code == 0x80:
            at += 3
        elif code in (0x81, 0x82):
            text.append("\n")
            chars += 1
            at += 1
        elif code == 0x83:
            text.append("\t")
            chars += 1
            at += 1
        elif code == 0x89:
            at += 1
        elif code in (0xE2, 0xE3, 0xE6, 0xE7):
            jumps.append(struct.unpack_from("<l", data1, at + 1)[0])
            at += 5
        else:
            raise HelpFileError("unexpected text command %02x" % code)
    if chars != length:
        raise HelpFileError("paragraph length %d, counted %d" % (length, chars))
    return "".join(text).rstrip("\n"), jumps, length
