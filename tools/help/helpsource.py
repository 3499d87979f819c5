"""The help text in docs/help/*.txt and the resource header, read into topics.

Source form, line by line:

    # a comment
    @program main|setup|uninstall     the program the following topics belong to
    @topic KEY Title                  a topic of its own (KEY: letters, digits, '_')
    @dialog NUMBER Title              the topic of a dialog (its resource number)
    @control IDS Title                the topic of one control (or of several that share a
                                      text); IDS: numbers and ranges like 3318-3332, separated
                                      by commas; "1111@3300" gives a control to a dialog other
                                      than the one its number falls under
    @keywords one; two                index entries of the topic above
    @see REF, REF                     links shown under the topic
    text                              paragraphs, separated by blank lines
    - text                            a bulleted paragraph (indented lines continue it)
    ## Heading                        a heading inside the topic

Inside text: **bold**, [[REF]] and [[REF|shown text]], where REF is a dialog number of the same
program, PROGRAM:NUMBER for another program's dialog, cNUMBER for a control's topic, or the KEY
of a topic.
"""

import os
import re

PROGRAM_BASES = {"main": 10000, "setup": 14000, "uninstall": 15000}
# The last dialog of a program owns the numbers up to this far above its own.
LAST_DIALOG_SPAN = 100


class SourceError(ValueError):
    pass


class Block:
    def __init__(self, kind, text, where):
        self.kind, self.text, self.where = kind, text, where  # kind: para, bullet, heading


class Entry:
    """A topic as written: a named topic, a dialog or a control."""

    def __init__(self, kind, program, key, title, where):
        self.kind, self.program, self.key, self.title, self.where = kind, program, key, title, where
        self.blocks = []
        self.keywords = []
        self.see = []
        self.ids = []         # controls: (id, dialog given with @ or None)
        self.section = None   # controls: the dialog entry they were written under
        self.dialogs = []     # controls: the dialog numbers they belong to (resolved later)
        self.controls = []    # dialogs: their control entries in source order (resolved later)


_DIRECTIVE = re.compile(r"^@(\w+)\s*(.*)$")


def parse_ids(text, where):
    ids = []
    for part in text.split(","):
        part = part.strip()
        match = re.fullmatch(r"(\d+)(?:-(\d+))?(?:@(\d+))?", part)
        if not match:
            raise SourceError("%s: bad control ids %r" % (where, part))
        first = int(match.group(1))
        last = int(match.group(2)) if match.group(2) else first
        owner = int(match.group(3)) if match.group(3) else None
        if last < first:
            raise SourceError("%s: empty range %r" % (where, part))
        ids += [(n, owner) for n in range(first, last + 1)]
    return ids


def parse_file(path, entries):
    program = "main"
    current = None
    section = None
    paragraph = None  # (kind, lines, where) being gathered

    def flush():
        nonlocal paragraph
        if paragraph is not None:
            kind, lines, where = paragraph
            if current is None:
                raise SourceError("%s: text before the first topic" % where)
            current.blocks.append(Block(kind, " ".join(lines), where))
            paragraph = None

    with open(path, encoding="utf-8") as handle:
        for number, raw in enumerate(handle, 1):
            where = "%s:%d" % (os.path.basename(path), number)
            line = raw.rstrip("\n").rstrip()
            if line.startswith("#") and not line.startswith("##"):
                continue
            directive = _DIRECTIVE.match(line)
            if directive:
                flush()
                name, rest = directive.group(1), directive.group(2).strip()
                if name == "program":
                    if rest not in PROGRAM_BASES:
                        raise SourceError("%s: unknown program %r" % (where, rest))
                    program = rest
                    current = section = None
                elif name in ("topic", "dialog", "control"):
                    parts = rest.split(None, 1)
                    if len(parts) != 2:
                        raise SourceError("%s: @%s needs a key and a title" % (where, name))
                    key, title = parts
                    if name == "topic":
                        if not re.fullmatch(r"[A-Za-z][A-Za-z0-9_]*", key):
                            raise SourceError("%s: bad topic key %r" % (where, key))
                        current = Entry("topic", program, key, title, where)
                        section = None
                    elif name == "dialog":
                        if not key.isdigit():
                            raise SourceError("%s: dialog number expected, got %r" % (where, key))
                        current = Entry("dialog", program, int(key), title, where)
                        section = current
                    else:
                        if section is None:
                            raise SourceError("%s: @control outside a dialog" % where)
                        current = Entry("control", program, None, title, where)
                        current.ids = parse_ids(key, where)
                        current.section = section
                    entries.append(current)
                elif name == "keywords":
                    if current is None:
                        raise SourceError("%s: @keywords before a topic" % where)
                    current.keywords += [k.strip() for k in rest.split(";") if k.strip()]
                elif name == "see":
                    if current is None:
                        raise SourceError("%s: @see before a topic" % where)
                    current.see += [r.strip() for r in rest.split(",") if r.strip()]
                else:
                    raise SourceError("%s: unknown directive @%s" % (where, name))
                continue
            if not line.strip():
                flush()
                continue
            stripped = line.strip()
            if stripped.startswith("## "):
                flush()
                paragraph = ("heading", [stripped[3:].strip()], where)
                flush()
            elif stripped.startswith("- "):
                flush()
                paragraph = ("bullet", [stripped[2:].strip()], where)
            elif paragraph is not None:
                paragraph[1].append(stripped)
            else:
                paragraph = ("para", [stripped], where)
        flush()


def parse_folder(folder):
    entries = []
    names = sorted(n for n in os.listdir(folder) if n.endswith(".txt"))
    if not names:
        raise SourceError("no help text in %s" % folder)
    for name in names:
        parse_file(os.path.join(folder, name), entries)
    return entries


_DEFINE = re.compile(r"^\s*#define\s+(ID[A-Z]_\w+)\s+(\d+)\b")


def read_resource_header(path):
    """{name: value} of the numeric IDD_/IDC_/... defines of a resource header."""
    values = {}
    with open(path, encoding="utf-8") as handle:
        for line in handle:
            match = _DEFINE.match(line)
            if match:
                values[match.group(1)] = int(match.group(2))
    return values


# Names that are numbers of another kind (a step between panels, a command posted by a second
# copy) rather than controls of their own.
NOT_CONTROLS = {"IDC_MEDIA_ID_STEP", "IDC_MAIN_PLAY_CD"}


def header_dialogs_and_controls(values):
    dialogs = sorted({v for k, v in values.items() if k.startswith("IDD_")})
    controls = sorted({v for k, v in values.items() if k.startswith("IDC_") and k not in NOT_CONTROLS})
    return dialogs, controls


_INLINE = re.compile(r"\*\*(.+?)\*\*|\[\[([^\]|]+)(?:\|([^\]]+))?\]\]")


def inline_runs(text):
    """[(kind, text, ref)]: kind is 'text', 'bold' or 'link'."""
    out = []
    position = 0
    for match in _INLINE.finditer(text):
        if match.start() > position:
            out.append(("text", text[position:match.start()], None))
        if match.group(1) is not None:
            out.append(("bold", match.group(1), None))
        else:
            out.append(("link", match.group(3), match.group(2).strip()))
        position = match.end()
    if position < len(text):
        out.append(("text", text[position:], None))
    for kind, piece, _ in out:
        if piece is not None and ("**" in piece or "[[" in piece or "]]" in piece):
            raise SourceError("unbalanced markup in %r" % text)
    return out
