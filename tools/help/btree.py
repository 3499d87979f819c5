"""The B+ trees of help files: a 38-byte header, then fixed-size pages. Leaf pages (8-byte
header: free bytes, entry count, previous and next leaf) hold the entries in key order; index
pages (6-byte header: free bytes, entry count, first child) hold, for every further child, the
first key of that child and its page number. The root is the last page written.
"""

import struct

MAGIC = 0x293B
FLAG_ALWAYS = 0x0002
FLAG_DIRECTORY = 0x0400
HEADER_SIZE = 38
LEAF_HEADER = 8
INDEX_HEADER = 6


def build(entries, page_size, structure, directory=False):
    """entries: (leaf_bytes, index_key_bytes) in key order. Returns the tree's bytes."""
    pages = []
    level = []  # (first index key, page number) of the pages of the level just built
    leaves = _pack([e[0] for e in entries], page_size - LEAF_HEADER)
    if not leaves:
        leaves = [[]]
    first = 0
    for number, group in enumerate(leaves):
        body = b"".join(group)
        previous = number - 1 if number > 0 else 0xFFFF
        following = number + 1 if number + 1 < len(leaves) else 0xFFFF
        header = struct.pack("<HhHH", page_size - LEAF_HEADER - len(body), len(group),
                             previous, following)
        pages.append(_pad(header + body, page_size))
        level.append((entries[first][1] if group else b"", number))
        first += len(group)
    levels = 1
    while len(level) > 1:
        # Each index page: its first child in the header, then (key, page) for the others.
        items = [key + struct.pack("<H", page) for key, page in level]
        groups = _pack_index(items, level, page_size - INDEX_HEADER)
        upper = []
        for children in groups:
            first_key, first_page = children[0]
            body = b"".join(key + struct.pack("<H", page) for key, page in children[1:])
            header = struct.pack("<HhH", page_size - INDEX_HEADER - len(body), len(children) - 1,
                                 first_page)
            upper.append((first_key, len(pages)))
            pages.append(_pad(header + body, page_size))
        level = upper
        levels += 1
    flags = FLAG_ALWAYS | (FLAG_DIRECTORY if directory else 0)
    name = structure.encode("ascii")
    header = struct.pack("<HHH16shhhhhhl", MAGIC, flags, page_size, name.ljust(16, b"\0"), 0, 0,
                         len(pages) - 1, -1, len(pages), levels, len(entries))
    assert len(header) == HEADER_SIZE
    return header + b"".join(pages)


def _pack(items, room):
    groups, current, used = [], [], 0
    for item in items:
        if len(item) > room:
            raise ValueError("B+ tree entry larger than a page")
        if current and used + len(item) > room:
            groups.append(current)
            current, used = [], 0
        current.append(item)
        used += len(item)
    if current:
        groups.append(current)
    return groups


def _pack_index(items, level, room):
    """Splits the children of one level into index pages; the first child of a page costs no
    room (it sits in the page header)."""
    groups, current, used = [], [], 0
    for item, child in zip(items, level):
        if current and used + len(item) > room:
            groups.append(current)
            current, used = [], 0
        if current:
            used += len(item)
        current.append(child)
    if current:
        groups.append(current)
    return groups


def _pad(page, size):
    assert len(page) <= size
    return page + b"\0" * (size - len(page))


def read_header(data):
    (magic, flags, page_size, structure, _zero, _splits, root, _neg, total_pages, levels,
     total_entries) = struct.unpack_from("<HHH16shhhhhhl", data, 0)
    if magic != MAGIC:
        raise ValueError("not a B+ tree (magic %04x)" % magic)
    return {"flags": flags, "page_size": page_size, "structure": structure.rstrip(b"\0"),
            "root": root, "pages": total_pages, "levels": levels, "entries": total_entries}


def leaf_entries(data, parse_entry):
    """Every leaf entry in key order: walks down the first children, then along the leaves.
    parse_entry(page, offset) returns (value, next_offset)."""
    head = read_header(data)
    size = head["page_size"]
    base = HEADER_SIZE

    def page(number):
        if not 0 <= number < head["pages"]:
            raise ValueError("B+ tree page %d out of range" % number)
        return data[base + number * size: base + (number + 1) * size]

    number = head["root"]
    for _ in range(head["levels"] - 1):
        number = struct.unpack_from("<H", page(number), 4)[0]
    out = []
    seen = set()
    while number != 0xFFFF:
        if number in seen:
            raise ValueError("B+ tree leaf chain loops")
        seen.add(number)
        body = page(number)
        count, _prev, following = struct.unpack_from("<hHH", body, 2)
        offset = LEAF_HEADER
        for _ in range(count):
            value, offset = parse_entry(body, offset)
            out.append(value)
        number = following
    if len(out) != head["entries"]:
        raise ValueError("B+ tree holds %d entries, header says %d" % (len(out), head["entries"]))
    return out


def search(data, key, compare_index, parse_leaf):
    """Finds one entry the way a viewer does: down the index pages by key, then along the leaf.
    compare_index(page, offset, key) -> (comparison of the entry's key with key, next offset);
    parse_leaf(page, offset) -> (entry key, value, next offset)."""
    head = read_header(data)
    size = head["page_size"]
    base = HEADER_SIZE
    number = head["root"]
    for _ in range(head["levels"] - 1):
        body = data[base + number * size: base + (number + 1) * size]
        count = struct.unpack_from("<h", body, 2)[0]
        child = struct.unpack_from("<H", body, 4)[0]
        offset = INDEX_HEADER
        for _ in range(count):
            order, after = compare_index(body, offset, key)
            if order > 0:
                break
            child = struct.unpack_from("<H", body, after - 2)[0]
            offset = after
        number = child
    body = data[base + number * size: base + (number + 1) * size]
    count = struct.unpack_from("<h", body, 2)[0]
    offset = LEAF_HEADER
    for _ in range(count):
        entry_key, value, offset = parse_leaf(body, offset)
        if entry_key == key:
            return value
    return None


def leaf_counts(leaf_items, page_size):
    """How many entries each leaf page holds (leaves are pages 0, 1, ... in order)."""
    return [len(group) for group in _pack(leaf_items, page_size - LEAF_HEADER)] or [0]
