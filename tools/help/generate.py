#!/usr/bin/env python3
"""Builds the program's help file brindhlp.hlp from the help text in docs/help and the control
ids of the resource header, and copies the read-me beside it with CR LF line ends.

    python3 tools/help/generate.py --source docs/help --resource src/resources/resource.h \
        --out BUILD/bin/brindhlp.hlp [--readme docs/Readme.txt --readme-out BUILD/bin/Readme.txt]

Help contexts: the main program asks for 10000 plus a control id (HELP_WM_HELP tables) or 10000
plus a dialog's resource number (HELP_CONTEXT); the installer uses 14000 plus the id and the
uninstaller 15000 plus the id. Every id from a dialog's number up to the next dialog's number
belongs to that dialog (control ids are numbered upward from their dialog's number): an id with
a text of its own opens that control's topic, any other opens the dialog's topic, so controls
added later never lack help. Only the Python standard library is used, and the output is the
same, byte for byte, on every run. Before anything is written the file is read back and every
context checked; a problem stops the build.
"""

import argparse
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import helpsource  # noqa: E402
import hlpread  # noqa: E402
import hlpwriter as hw  # noqa: E402
from helpsource import PROGRAM_BASES, SourceError  # noqa: E402

HELP_TITLE = "Brindlewax 2.3 Help"
WINDOW_CAPTION = "Brindlewax Help"
COPYRIGHT = "Brindlewax 2.3, a Thornquill product."
CONTEXT_PREFIX = {"main": "", "setup": "SETUP_", "uninstall": "UNINSTALL_"}

# ---- look ----

FACE = "Arial"
BODY = hw.Font(FACE, 20)
BODY_BOLD = hw.Font(FACE, 20, bold=True)
TITLE = hw.Font(FACE, 28, bold=True, colour=(0x00, 0x33, 0x66))
HEADING = hw.Font(FACE, 22, bold=True, colour=(0x00, 0x33, 0x66))
NOTE = hw.Font(FACE, 18, colour=(0x55, 0x55, 0x55))
NOTE_BOLD = hw.Font(FACE, 18, bold=True, colour=(0x55, 0x55, 0x55))
FONTS = [BODY, BODY_BOLD, TITLE, HEADING, NOTE, NOTE_BOLD]

MARGIN = 12
STYLE_TITLE = hw.Style(TITLE, TITLE, left=MARGIN, above=4, below=4)
STYLE_BODY = hw.Style(BODY, BODY_BOLD, left=MARGIN, above=10)
STYLE_BULLET = hw.Style(BODY, BODY_BOLD, left=MARGIN + 30, first=-22, tab=MARGIN + 30, above=6)
STYLE_HEADING = hw.Style(HEADING, HEADING, left=MARGIN, above=24)
STYLE_TERM = hw.Style(BODY_BOLD, BODY_BOLD, left=MARGIN, above=18)
STYLE_TERM_BODY = hw.Style(BODY, BODY_BOLD, left=MARGIN + 30, above=4)
STYLE_TERM_BULLET = hw.Style(BODY, BODY_BOLD, left=MARGIN + 60, first=-22, tab=MARGIN + 60, above=4)
STYLE_NOTE = hw.Style(NOTE, NOTE_BOLD, left=MARGIN, above=24)
BULLET = "\u2022"


class Help:
    """The entries of the source with everything resolved: dialogs per program, control
    ownership, context names and numbers."""

    def __init__(self, entries, header_values):
        self.entries = entries
        self.warnings = []
        self.topics = {}    # key -> entry
        self.dialogs = {}   # (program, number) -> entry
        self.controls = []
        for entry in entries:
            if entry.kind == "topic":
                if entry.key in self.topics:
                    raise SourceError("%s: topic %s written twice" % (entry.where, entry.key))
                self.topics[entry.key] = entry
            elif entry.kind == "dialog":
                key = (entry.program, entry.key)
                if key in self.dialogs:
                    raise SourceError("%s: dialog %d written twice" % (entry.where, entry.key))
                self.dialogs[key] = entry
            else:
                self.controls.append(entry)
        if "contents" not in self.topics:
            raise SourceError("no @topic contents")
        header_dialogs, header_controls = helpsource.header_dialogs_and_controls(header_values)
        self.header_controls = header_controls
        self.numbers = {p: sorted(n for (q, n) in self.dialogs if q == p) for p in PROGRAM_BASES}
        for number in header_dialogs:
            if ("main", number) not in self.dialogs:
                self.warnings.append("dialog %d of the resource header has no help text; its ids "
                                     "open the help of the dialog below it" % number)
        self.all_main_dialogs = sorted(set(self.numbers["main"]) | set(header_dialogs))
        self._resolve_controls()
        self._name_contexts()
        self._map_contexts()

    def owner(self, program, number):
        dialogs = self.all_main_dialogs if program == "main" else self.numbers[program]
        below = [d for d in dialogs if d <= number]
        return below[-1] if below else None

    def _resolve_controls(self):
        self.control_of = {}  # (program, id) -> control entry
        for control in self.controls:
            owners = []
            for number, given in control.ids:
                owner = given if given is not None else self.owner(control.program, number)
                if owner is None or (control.program, owner) not in self.dialogs:
                    raise SourceError("%s: control %d belongs to no written dialog" % (control.where, number))
                if owner not in owners:
                    owners.append(owner)
                key = (control.program, number)
                if key in self.control_of:
                    raise SourceError("%s: control %d already has a text (%s)" %
                                      (control.where, number, self.control_of[key].where))
                self.control_of[key] = control
            control.dialogs = owners
            for owner in owners:
                self.dialogs[(control.program, owner)].controls.append(control)

    def _name_contexts(self):
        for entry in self.entries:
            prefix = CONTEXT_PREFIX[entry.program]
            if entry.kind == "topic":
                entry.context = "T_" + entry.key
            elif entry.kind == "dialog":
                entry.context = "%sDLG_%d" % (prefix, entry.key)
            else:
                entry.context = "%sCTL_%d" % (prefix, entry.ids[0][0])
            entry.map_ids = []

    def _map_contexts(self):
        """Every id of every dialog's range, and every id that has a text of its own."""
        self.context_numbers = {}  # help context -> entry
        for program, base in PROGRAM_BASES.items():
            dialogs = self.all_main_dialogs if program == "main" else self.numbers[program]
            for i, number in enumerate(dialogs):
                end = dialogs[i + 1] if i + 1 < len(dialogs) else number + helpsource.LAST_DIALOG_SPAN
                for value in range(number, end):
                    entry = self.control_of.get((program, value)) if value != number else None
                    if entry is None:
                        entry = self._written_dialog_at_or_below(program, value)
                    if entry is not None:
                        self._map(base + value, entry)
            for (prog, value), entry in self.control_of.items():
                if prog == program and base + value not in self.context_numbers:
                    self._map(base + value, entry)
        for value in self.header_controls:
            if 10000 + value not in self.context_numbers:
                raise SourceError("control id %d of the resource header lies below every dialog" % value)

    def _written_dialog_at_or_below(self, program, value):
        """The dialog an id belongs to; a dialog without text of its own passes its ids to the
        written dialog below it."""
        owner = self.owner(program, value)
        while owner is not None and (program, owner) not in self.dialogs:
            owner = self.owner(program, owner - 1)
        return self.dialogs[(program, owner)] if owner is not None else None

    def _map(self, number, entry):
        self.context_numbers[number] = entry
        entry.map_ids.append(number)

    # ---- references ----

    def resolve(self, ref, program, where):
        match = re.fullmatch(r"(?:(main|setup|uninstall):)?(\d+)", ref)
        if match:
            key = (match.group(1) or program, int(match.group(2)))
            if key not in self.dialogs:
                raise SourceError("%s: link to unknown dialog %s" % (where, ref))
            return self.dialogs[key]
        match = re.fullmatch(r"c(\d+)", ref)
        if match:
            key = (program, int(match.group(1)))
            if key not in self.control_of:
                raise SourceError("%s: link to unknown control %s" % (where, ref))
            return self.control_of[key]
        if ref not in self.topics:
            raise SourceError("%s: link to unknown topic %s" % (where, ref))
        return self.topics[ref]


# ---- rendering ----

def runs_of(help_, text, program, where, links):
    out = []
    for kind, piece, ref in helpsource.inline_runs(text):
        if kind == "link":
            target = help_.resolve(ref, program, where)
            links.append(target)
            out.append(hw.Run(piece if piece is not None else target.title, link=target.context))
        else:
            out.append(hw.Run(piece, bold=(kind == "bold")))
    return out


def block_paragraphs(help_, entry, blocks, links, indent=False):
    out = []
    for block in blocks:
        runs = runs_of(help_, block.text, entry.program, block.where, links)
        if block.kind == "heading":
            out.append(hw.Paragraph(STYLE_HEADING, runs))
        elif block.kind == "bullet":
            style = STYLE_TERM_BULLET if indent else STYLE_BULLET
            out.append(hw.Paragraph(style, [hw.Run(BULLET), hw.Run("", tab=True)] + runs))
        else:
            out.append(hw.Paragraph(STYLE_TERM_BODY if indent else STYLE_BODY, runs))
    return out


def see_also(help_, entry, links):
    if not entry.see:
        return []
    runs = [hw.Run("See also: ", bold=True)]
    for i, ref in enumerate(entry.see):
        target = help_.resolve(ref, entry.program, entry.where)
        links.append(target)
        if i:
            runs.append(hw.Run(", "))
        runs.append(hw.Run(target.title, link=target.context))
    return [hw.Paragraph(STYLE_NOTE, runs)]


def render(help_):
    """hlpwriter topics in file order (contents first), and the links between them."""
    order = [help_.topics["contents"]] + [e for e in help_.entries if e is not help_.topics["contents"]]
    topics = []
    links_from = {}
    for entry in order:
        links = []
        paragraphs = [hw.Paragraph(STYLE_TITLE, [hw.Run(entry.title)])]
        paragraphs += block_paragraphs(help_, entry, entry.blocks, links)
        if entry.kind == "dialog" and entry.controls:
            paragraphs.append(hw.Paragraph(STYLE_HEADING, [hw.Run("Controls")]))
            for control in entry.controls:
                paragraphs.append(hw.Paragraph(STYLE_TERM, [hw.Run(control.title)]))
                paragraphs += block_paragraphs(help_, control, control.blocks, links, indent=True)
        if entry.kind == "control":
            runs = [hw.Run("Part of ")]
            for i, number in enumerate(entry.dialogs):
                dialog = help_.dialogs[(entry.program, number)]
                links.append(dialog)
                if i:
                    runs.append(hw.Run(" and " if i == len(entry.dialogs) - 1 else ", "))
                runs.append(hw.Run(dialog.title, link=dialog.context))
            runs.append(hw.Run("."))
            paragraphs.append(hw.Paragraph(STYLE_NOTE, runs))
        paragraphs += see_also(help_, entry, links)
        keywords = list(entry.keywords)
        if entry.kind != "control":
            # The title itself is always an index entry, spelt as the title is.
            keywords = [entry.title] + [k for k in keywords if k.lower() != entry.title.lower()]
        topic = hw.Topic(entry.title, [entry.context], sorted(entry.map_ids), keywords, paragraphs,
                         browse=(entry.kind != "control"))
        entry.topic = topic
        topics.append(topic)
        links_from[id(entry)] = links
    check_reachable(help_, links_from)
    return topics


def check_reachable(help_, links_from):
    start = help_.topics["contents"]
    seen = {id(start)}
    todo = [start]
    while todo:
        entry = todo.pop()
        for target in links_from[id(entry)] + (entry.controls if entry.kind == "dialog" else []):
            if id(target) not in seen:
                seen.add(id(target))
                todo.append(target)
    lost = [e for e in help_.entries if e.kind != "control" and id(e) not in seen]
    if lost:
        raise SourceError("not reachable from the contents: %s" %
                          ", ".join("%s (%s)" % (e.title, e.where) for e in lost))


def build(source_folder, resource_header):
    entries = helpsource.parse_folder(source_folder)
    values = helpsource.read_resource_header(resource_header)
    help_ = Help(entries, values)
    topics = render(help_)
    document = hw.HelpDocument(HELP_TITLE, COPYRIGHT, WINDOW_CAPTION, FONTS, topics,
                               contents_index=0, macros=["BrowseButtons()"])
    data = hw.build(document)
    problems = check(data, help_)
    return data, help_, problems


def check(data, help_):
    """Reads the file back: every help context and every jump must reach its topic."""
    problems = []
    try:
        read = hlpread.HelpFile(data)
    except hlpread.HelpFileError as error:
        return ["the written file cannot be read back: %s" % error]
    context_map = read.context_map()
    for number, entry in sorted(help_.context_numbers.items()):
        page = read.page_at(context_map[number]) if number in context_map else None
        if page is None or page.title != entry.title:
            problems.append("help context %d does not open %r" % (number, entry.title))
    hashes = read.contexts()
    for page in read.pages:
        for value in page.jumps:
            if value not in hashes:
                problems.append("topic %r jumps to a context that is not there" % page.title)
    for entry in help_.entries:
        offset = read.context_lookup(hw.context_hash(entry.context))
        if offset is None or read.page_at(offset).title != entry.title:
            problems.append("context %s does not open %r" % (entry.context, entry.title))
    if read.page_at(read.system["contents"]).title != help_.topics["contents"].title:
        problems.append("the contents topic is not the one the file opens with")
    return problems


def write_if_changed(path, data):
    if os.path.exists(path):
        with open(path, "rb") as handle:
            if handle.read() == data:
                return
    folder = os.path.dirname(path)
    if folder:
        os.makedirs(folder, exist_ok=True)
    temporary = path + ".tmp"
    with open(temporary, "wb") as handle:
        handle.write(data)
    os.replace(temporary, path)


def readme_bytes(path):
    """The read-me with CR LF line ends whatever the checkout did, and only Windows-1252 text."""
    with open(path, "rb") as handle:
        text = handle.read().decode("utf-8")
    lines = text.replace("\r\n", "\n").split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    return ("\r\n".join(lines) + "\r\n").encode("cp1252")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--source", required=True, help="folder of the help text (*.txt)")
    parser.add_argument("--resource", required=True, help="the main program's resource header")
    parser.add_argument("--out", required=True, help="the help file to write")
    parser.add_argument("--readme", help="the read-me to copy")
    parser.add_argument("--readme-out", help="where the read-me goes")
    args = parser.parse_args()
    try:
        data, help_, problems = build(args.source, args.resource)
    except (SourceError, ValueError, UnicodeError) as error:
        print("help file: %s" % error, file=sys.stderr)
        return 1
    for warning in help_.warnings:
        print("help file: warning: %s" % warning, file=sys.stderr)
    if problems:
        for problem in problems:
            print("help file: %s" % problem, file=sys.stderr)
        return 1
    write_if_changed(args.out, data)
    if args.readme and args.readme_out:
        write_if_changed(args.readme_out, readme_bytes(args.readme))
    return 0


if __name__ == "__main__":
    sys.exit(main())
