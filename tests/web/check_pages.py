#!/usr/bin/env python3
"""Opens the web pages of a 1,000-entry catalogue in a real browser (headless Chromium):
one page and many, plain and tables, with the default template and without. The browser's
DOM must show every artist, disc and track, a record holding markup and quotes shows them as
typed and runs nothing, the contents' anchors and the index's links all lead somewhere, and
screenshots of the pages are saved for a look. Ends with "N passed, N failed".

Usage: check_pages.py BRINDWAX_CLI TEMPLATE_FOLDER SCREENSHOT_FOLDER
"""
import html
import html.parser
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import urllib.parse

CHROMIUM = shutil.which("chromium") or "/usr/bin/chromium"
ENTRIES = 1000
HOSTILE_ARTIST = "<script>document.title='ran'</script>Tom & Jerry's \"Band\""
HOSTILE_DISC = "<img src=x onerror=\"document.title='ran'\"> & more"

WORDS = ["Amber", "Brass", "Cedar", "Delta", "Ember", "Flint", "Grove", "Harbor", "Iris",
         "Juniper", "Kestrel", "Lumen", "Marrow", "Nimbus", "Orchid", "Pike", "Quill", "Raven",
         "Sable", "Thistle", "Umber", "Vesper", "Willow", "Xenon", "Yarrow", "Zephyr"]

passed = 0
failed = 0


def check(description, condition, detail=""):
    global passed, failed
    if condition:
        passed += 1
    else:
        failed += 1
        print(f"FAIL: {description} {detail}".rstrip())


def text(value):
    data = value.encode("cp1252")
    return bytes([len(data)]) + data


def catalogue_entry(index):
    """The fields of entry `index`: artist, disc, tracks (title, seconds), category."""
    if index == 500:
        return HOSTILE_ARTIST, HOSTILE_DISC, [("A <b>bold</b> & \"quoted\" title", 187)]
    word = WORDS[index % 26]
    artist = f"{word.lower() if index % 3 == 0 else word} {index % 37:02d}"  # case mixed
    tracks = [(f"Song {index}-{t + 1}", 120 + (index * 7 + t * 13) % 240) for t in range(index % 5 + 1)]
    return artist, f"Disc {index:04d}", tracks


def write_catalogue(path):
    """The catalogue file in its published format, written here without the program's code."""
    out = bytearray(b"\xffTQL\x00\x0a" + struct.pack("<H", ENTRIES))
    for index in range(ENTRIES):
        artist, disc, tracks = catalogue_entry(index)
        total = sum(seconds for _, seconds in tracks)
        body = struct.pack("<HHB", total, tracks[0][1], len(tracks))
        for title, seconds in tracks:
            body += text(title) + struct.pack("<H", seconds)
        for value in (artist, disc, "rock", "Label", "Notes"):
            body += text(value)
        body += bytes([1, 0, 1]) + text("1999")
        start = len(out)
        record_length = 2 + len(body) + 4
        out += struct.pack("<IH", start + 4 + record_length, record_length) + body
        out += struct.pack("<I", start)
    with open(path, "wb") as f:
        f.write(out)


class Dom(html.parser.HTMLParser):
    """The text, links, anchors and elements of a DOM the browser dumped."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.text = []
        self.links = []
        self.names = set()
        self.tags = set()
        self.title = ""
        self._in_title = False
        self.images = []
        self.link_texts = {}
        self._href = None

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        self.tags.add(tag)
        if tag == "a" and "href" in attrs:
            self.links.append(attrs["href"])
            self._href = attrs["href"]
            self.link_texts[self._href] = ""
        if tag == "a" and "name" in attrs:
            self.names.add(attrs["name"])
        if tag == "img":
            self.images.append(attrs.get("src", ""))
        self._in_title = tag == "title"

    def handle_endtag(self, tag):
        self._in_title = False
        if tag == "a":
            self._href = None

    def handle_data(self, data):
        if self._in_title:
            self.title += data
        if self._href is not None:
            self.link_texts[self._href] += data
        self.text.append(data)


def browse(path):
    result = subprocess.run(
        [CHROMIUM, "--headless", "--no-sandbox", "--disable-gpu", "--dump-dom",
         "file://" + urllib.parse.quote(path)],
        capture_output=True, timeout=120)
    dom = Dom()
    # The browser writes its DOM as UTF-8, whatever the page's own encoding was.
    dom.feed(result.stdout.decode("utf-8", "replace"))
    dom.joined = " ".join(" ".join(dom.text).split())
    return dom


def screenshot(path, png, width):
    subprocess.run(
        [CHROMIUM, "--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
         f"--window-size={width},1100", f"--screenshot={png}", "file://" + urllib.parse.quote(path)],
        capture_output=True, timeout=120)
    check(f"screenshot {os.path.basename(png)}", os.path.exists(png) and os.path.getsize(png) > 0)


def squash(value):
    return " ".join(value.split())


def check_entries(description, joined, indexes):
    missing = []
    for index in indexes:
        artist, disc, tracks = catalogue_entry(index)
        for value in [artist, disc] + [title for title, _ in tracks]:
            if squash(value) not in joined:
                missing.append(value)
    check(f"{description}: every artist, disc and track shows", not missing, str(missing[:3]))


def check_safety(description, dom):
    check(f"{description}: catalogue markup runs nothing", "script" not in dom.tags and
          dom.title != "ran", dom.title)
    check(f"{description}: markup and quotes show as typed", squash(HOSTILE_ARTIST) in dom.joined
          and squash(HOSTILE_DISC) in dom.joined)


def main():
    cli, templates, shots = sys.argv[1], sys.argv[2], sys.argv[3]
    os.makedirs(shots, exist_ok=True)
    work = tempfile.mkdtemp(prefix="bw_web_pages_")
    try:
        drawn = os.path.join(work, "drawn")
        script = os.path.join(os.path.dirname(__file__), "..", "..", "tools", "web", "make_default_gifs.py")
        subprocess.run([sys.executable, script, drawn], check=True)
        for picture in ("Default.gif", "Defs.gif"):
            check(f"{picture} is what its script draws",
                  open(os.path.join(drawn, picture), "rb").read() ==
                  open(os.path.join(templates, picture), "rb").read())
        write_catalogue(os.path.join(work, "brindwax.dat"))
        for many in (False, True):
            for table in (False, True):
                for with_template in (True, False):
                    name = f"{'many' if many else 'one'}-{'table' if table else 'plain'}" + \
                           ("" if with_template else "-bare")
                    site = os.path.join(work, name)
                    os.makedirs(site)
                    command = [cli, "html", work, os.path.join(site, "index.htm"),
                               "--contents", "alphabet" if many else "artist", "--sort"]
                    if many:
                        command.append("--many")
                    if table:
                        command.append("--table")
                    if with_template:
                        command += ["--template", os.path.join(templates, "Default.wt")]
                    run = subprocess.run(command, capture_output=True, text=True, errors="replace")
                    check(f"{name}: the pages are written", run.returncode == 0, run.stderr.strip())
                    if run.returncode != 0:
                        continue
                    if not with_template:
                        if not many and table:
                            dom = browse(os.path.join(site, "index.htm"))
                            check_entries(name, dom.joined, range(ENTRIES))
                            check_safety(name, dom)
                        continue
                    check(f"{name}: the template's pictures are copied",
                          os.path.exists(os.path.join(site, "Default.gif")) and
                          os.path.exists(os.path.join(site, "Defs.gif")))
                    index = browse(os.path.join(site, "index.htm"))
                    check(f"{name}: the template's head is shown", "My CD Collection" in index.joined)
                    if not many:
                        check_entries(name, index.joined, range(ENTRIES))
                        check_safety(name, index)
                        anchors = [urllib.parse.unquote(l[1:]) for l in index.links if l.startswith("#")]
                        artists = {catalogue_entry(i)[0].lower() for i in range(ENTRIES)}
                        check(f"{name}: the contents has a link per artist",
                              len(anchors) == len(artists), f"{len(anchors)} for {len(artists)}")
                        lost = [a for a in anchors if a not in index.names]
                        check(f"{name}: every contents link has its anchor", not lost, str(lost[:3]))
                        screenshot(os.path.join(site, "index.htm"), os.path.join(shots, f"web-{name}.png"), 1000)
                        screenshot(os.path.join(site, "index.htm"), os.path.join(shots, f"web-{name}-phone.png"), 390)
                        continue
                    pages = [l for l in index.links if not l.startswith(("#", "http"))]
                    targets = [os.path.join(site, urllib.parse.unquote(l)) for l in pages]
                    check(f"{name}: the index links a page per letter", len(pages) == 27, str(len(pages)))
                    check(f"{name}: every link of the index names a page",
                          all(os.path.exists(t) for t in targets))
                    written = sorted(f for f in os.listdir(site) if f.startswith("index") and f != "index.htm")
                    check(f"{name}: no page is left without a link", len(written) == len(pages))
                    seen = " ".join(open(t, "rb").read().decode("cp1252") for t in targets)
                    seen = squash(html.unescape(seen))
                    check_entries(f"{name} (files)", seen, range(ENTRIES))
                    # In the browser: the first and last pages, and the one with the odd record.
                    hostile = next(t for t in targets if "&lt;script" in open(t, "rb").read().decode("cp1252"))
                    by_target = dict(zip(targets, pages))
                    for target in dict.fromkeys([targets[0], hostile, targets[-1]]):
                        page = browse(target)
                        letter = index.link_texts[by_target[target]].strip().lower()
                        letter_entries = [i for i in range(ENTRIES)
                                          if catalogue_entry(i)[0][:1].lower() == letter]
                        check(f"{name}: {os.path.basename(target)} is the page of its letter",
                              bool(letter_entries), letter)
                        check_entries(f"{name} {os.path.basename(target)}", page.joined, letter_entries)
                        if target == hostile:
                            check_safety(f"{name} {os.path.basename(target)}", page)
                    screenshot(os.path.join(site, "index.htm"), os.path.join(shots, f"web-{name}-index.png"), 1000)
                    screenshot(targets[1], os.path.join(shots, f"web-{name}-page.png"), 1000)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print(f"{passed} passed, {failed} failed")
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
