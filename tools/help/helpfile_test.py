"""Tests of the help file generator: the compression, the B+ trees and the context hash against
their definitions, the topic layout on large documents, the checks on the help text, and the
real help file built from docs/help and the resource header, read back as a viewer reads it.

    python3 tools/help/run_tests.py
"""

import os
import random
import struct
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
sys.path.insert(0, HERE)

import btree  # noqa: E402
import generate  # noqa: E402
import helpsource  # noqa: E402
import hlpread  # noqa: E402
import hlpwriter as hw  # noqa: E402
import lz77  # noqa: E402

SOURCE = os.path.join(ROOT, "docs", "help")
HEADER = os.path.join(ROOT, "src", "resources", "resource.h")


def reference_expand(data):
    """The decompressor as the format describes it, with a 4 KB ring buffer, kept apart from
    the one the reader uses."""
    ring = bytearray(4096)
    at = 4096 - 16
    out = bytearray()
    i = 0
    while i < len(data):
        bits = data[i]
        i += 1
        for mask in (1, 2, 4, 8, 16, 32, 64, 128):
            if i >= len(data):
                break
            if bits & mask:
                word = data[i] | data[i + 1] << 8
                i += 2
                length = (word >> 12) + 3
                source = (at - (word & 0xFFF) - 1) & 0xFFF
                for _ in range(length):
                    ring[at] = ring[source]
                    out.append(ring[at])
                    source = (source + 1) & 0xFFF
                    at = (at + 1) & 0xFFF
            else:
                ring[at] = data[i]
                out.append(data[i])
                at = (at + 1) & 0xFFF
                i += 1
    return bytes(out)


class Lz77Test(unittest.TestCase):
    def test_round_trips(self):
        rng = random.Random(7)
        cases = {
            "empty": b"",
            "one byte": b"x",
            "run longer than a match": b"a" * 1000,
            "overlapping pattern": b"abc" * 700,
            "repeat at the window's edge": bytes(rng.randrange(256) for _ in range(4096)) * 2,
            "just beyond the window": bytes(rng.randrange(256) for _ in range(4097)) * 2,
            "text": open(os.path.join(SOURCE, "30_cd_player.txt"), "rb").read(),
            "few symbols": bytes(rng.choice(b"ab\0") for _ in range(20000)),
        }
        for name, data in cases.items():
            with self.subTest(name):
                packed = lz77.compress(data)
                self.assertEqual(lz77.decompress(packed), data)
                self.assertEqual(reference_expand(packed), data)

    def test_repetitive_text_shrinks(self):
        data = b"the track title of the disc " * 200
        self.assertLess(len(lz77.compress(data)), len(data) // 5)

    def test_prefix_marks_bound_every_prefix(self):
        data = open(os.path.join(SOURCE, "40_catalogue.txt"), "rb").read()[:16384]
        marks = []
        lz77.compress(data, marks)
        at = 0
        for cut in range(100, len(data), 997):
            while marks[at][0] < cut:
                at += 1
            self.assertLessEqual(len(lz77.compress(data[:cut])), marks[at][1] + 3)


class BtreeTest(unittest.TestCase):
    def build(self, count, page_size):
        keys = sorted(rng_words(count))
        entries = [(k + b"\0" + struct.pack("<L", i), k + b"\0") for i, k in enumerate(keys)]
        return keys, btree.build(entries, page_size, "z4")

    def test_every_entry_is_found_in_order_and_by_search(self):
        for count, page_size, levels in ((0, 1024, 1), (5, 1024, 1), (400, 1024, 2), (3000, 256, 3)):
            with self.subTest(count=count, page_size=page_size):
                keys, tree = self.build(count, page_size)
                head = btree.read_header(tree)
                self.assertEqual(head["levels"], levels)
                self.assertEqual(len(tree), btree.HEADER_SIZE + head["pages"] * page_size)
                listed = btree.leaf_entries(tree, _name_entry)
                self.assertEqual([k for k, _ in listed], keys)

                def compare(page, offset, key):
                    end = page.index(b"\0", offset)
                    name = page[offset:end]
                    return (name > key) - (name < key), end + 3

                def leaf(page, offset):
                    end = page.index(b"\0", offset)
                    return page[offset:end], struct.unpack_from("<L", page, end + 1)[0], end + 5
                for i in range(0, count, max(1, count // 50)):
                    self.assertEqual(btree.search(tree, keys[i], compare, leaf), i)
                self.assertIsNone(btree.search(tree, b"~not there", compare, leaf))

    def test_leaf_counts_match_the_pages(self):
        items = [b"x" * 30] * 100
        counts = btree.leaf_counts(items, 256)
        self.assertEqual(sum(counts), 100)
        self.assertTrue(all(8 + 30 * c <= 256 for c in counts))


def rng_words(count):
    rng = random.Random(count)
    words = set()
    while len(words) < count:
        words.add(bytes(rng.choice(b"abcdefghij|_") for _ in range(rng.randint(1, 12))))
    return words


def _name_entry(page, offset):
    end = page.index(b"\0", offset)
    return (page[offset:end], struct.unpack_from("<L", page, end + 1)[0]), end + 5


class HashAndNumbersTest(unittest.TestCase):
    def test_context_hash(self):
        cases = {"": 0, "A": 17, "a": 17, "AB": 17 * 43 + 18, "a1": 17 * 43 + 1, "x0": 40 * 43 + 10,
                 "_.": 13 * 43 + 12, "DLG_3300": None}
        for name, expected in cases.items():
            with self.subTest(name):
                value = hw.context_hash(name)
                if expected is not None:
                    self.assertEqual(value, expected)
                self.assertEqual(value, hw.context_hash(name.lower()))
                self.assertTrue(-2 ** 31 <= value < 2 ** 31)
        # Long names wrap in 32 bits as signed values.
        long_name = "CTL_" + "9" * 20
        value = 0
        for ch in long_name:
            value = (value * 43 + {"C": 19, "T": 36, "L": 28, "_": 13}.get(ch, 9)) % 2 ** 32
        self.assertEqual(hw.context_hash(long_name) % 2 ** 32, value)
        for bad in ("a b", "a-b", "\u00e9"):
            with self.assertRaises(ValueError):
                hw.context_hash(bad)

    def test_compressed_numbers_as_readers_decode_them(self):
        for value in (0, 1, 63, 64, 100, 16383):
            data = hw.compressed_short(value)
            self.assertEqual(hlpread._fetch_short(data, 0), (value, len(data)))
        for value in (-64, -1):
            self.assertEqual(hlpread._fetch_short(hw.compressed_short(value), 0), (value, 1))
        for value in (0, 127, 128, 32767):
            data = hw.compressed_ushort(value)
            self.assertEqual(hlpread._fetch_ushort(data, 0), (value, len(data)))
        for value in (-16384, 0, 16383, 16384, 10 ** 6):
            data = hw.compressed_long(value)
            self.assertEqual(hlpread._fetch_long(data, 0), (value, len(data)))


def big_document(topic_count, paragraphs, words):
    rng = random.Random(topic_count * 31 + words)
    style = hw.Style(generate.BODY, generate.BODY_BOLD, left=4, above=6)
    vocabulary = "disc track title artist panel catalogue Freedb play pause eject folder".split()
    topics = []
    for n in range(topic_count):
        paras = []
        for _ in range(paragraphs):
            text = " ".join(rng.choice(vocabulary) for _ in range(words))
            runs = [hw.Run(text[: len(text) // 2]), hw.Run("bold", bold=True), hw.Run(text[len(text) // 2:])]
            if n:
                runs.append(hw.Run(" back", link="T0"))
            paras.append(hw.Paragraph(style, runs))
        topics.append(hw.Topic("Topic %d" % n, ["T%d" % n], [20000 + n], ["Keyword %d" % n], paras,
                               browse=True))
    return hw.HelpDocument("Test", "Test", "Test", generate.FONTS, topics)


class LayoutTest(unittest.TestCase):
    def check_round_trip(self, document):
        data = hw.build(document)
        read = hlpread.HelpFile(data)
        self.assertEqual([p.title for p in read.pages], [t.title for t in document.topics])
        topic_file = read.file("|TOPIC")
        for start in range(0, len(topic_file), 4096):
            block = topic_file[start:start + 4096]
            # A block's links stay within one decompression buffer.
            first_link = struct.unpack_from("<L", block, 4)[0]
            self.assertEqual((first_link - 12) // 0x4000, start // 4096)
        offsets = [p.offset for p in read.pages]
        self.assertEqual(offsets, sorted(set(offsets)))
        context_map = read.context_map()
        for topic, page in zip(document.topics, read.pages):
            self.assertEqual(page.offset, topic.offset)
            self.assertEqual(read.page_at(context_map[topic.map_ids[0]]).title, topic.title)
            self.assertEqual(read.context_lookup(hw.context_hash(topic.context_names[0])), topic.offset)
            expected = ["".join(r.text for r in p.runs) for p in topic.paragraphs]
            self.assertEqual(page.paragraphs, expected)
        self.assertEqual(read.titles(), {t.offset: t.title for t in document.topics})
        self.assertEqual(read.keywords(), sorted((t.keywords[0], [t.offset]) for t in document.topics))
        # The browse sequence runs through all topics in order.
        self.assertEqual(read.pages[0].browse_back, hw.NONE)
        for before, after in zip(read.pages, read.pages[1:]):
            self.assertEqual(before.browse_forward, after.offset)
            self.assertEqual(after.browse_back, before.offset)
        return read

    def test_many_small_topics_fill_many_blocks(self):
        read = self.check_round_trip(big_document(400, 3, 20))
        self.assertGreater(len(read.topic_blocks), 10)

    def test_a_topic_longer_than_a_block(self):
        read = self.check_round_trip(big_document(3, 120, 60))
        self.assertGreater(len(read.topic_blocks), 5)

    def test_same_bytes_every_time(self):
        self.assertEqual(hw.build(big_document(30, 4, 30)), hw.build(big_document(30, 4, 30)))


class SourceCheckTest(unittest.TestCase):
    """Mistakes in the help text stop the build with a message that names them."""

    BASE = ("@topic contents Contents\nSee [[100]].\n\n"
            "@dialog 100 Main\nThe main window.\n\n@control 110 Setup\nOpens the options.\n")

    def build(self, text, header="#define IDD_MAIN 100\n#define IDC_MAIN_SETUP 110\n"):
        with tempfile.TemporaryDirectory() as folder:
            with open(os.path.join(folder, "a.txt"), "w", encoding="utf-8") as handle:
                handle.write(text)
            header_path = os.path.join(folder, "resource.h")
            with open(header_path, "w") as handle:
                handle.write(header)
            return generate.build(folder, header_path)

    def test_a_good_source_builds(self):
        data, help_, problems = self.build(self.BASE)
        self.assertEqual(problems, [])
        read = hlpread.HelpFile(data)
        self.assertEqual(read.page_for_context(10110).title, "Setup")
        self.assertEqual(read.page_for_context(10100).title, "Main")
        self.assertEqual(read.page_for_context(10199).title, "Main")
        self.assertIsNone(read.page_for_context(10200))

    def test_mistakes_are_refused(self):
        cases = {
            "unknown link": (self.BASE + "\n@topic extra Extra\nSee [[nowhere]].\n", "unknown topic"),
            "unreachable topic": (self.BASE + "\n@topic lost Lost\nNobody links here.\n", "not reachable"),
            "control twice": (self.BASE + "\n@control 110 Again\nText.\n", "already has a text"),
            "control of no dialog": (self.BASE + "\n@control 50 Below\nText.\n", "belongs to no written dialog"),
            "keyword twice": (self.BASE + "@keywords Main\n", "keyword"),
            "unbalanced bold": (self.BASE + "\n**oops\n", "unbalanced"),
            "no contents": ("@dialog 100 Main\nText.\n", "no @topic contents"),
            "bad ids": (self.BASE + "\n@control 12x Bad\nText.\n", "bad control ids"),
        }
        for name, (text, message) in cases.items():
            with self.subTest(name):
                with self.assertRaises(ValueError) as caught:
                    self.build(text)
                self.assertIn(message, str(caught.exception))

    def test_a_header_control_below_every_dialog_is_refused(self):
        with self.assertRaises(ValueError):
            self.build(self.BASE, header="#define IDD_MAIN 100\n#define IDC_STRAY 42\n")

    def test_a_dialog_without_text_gives_its_ids_to_the_dialog_below(self):
        data, help_, problems = self.build(self.BASE, header="#define IDD_MAIN 100\n#define IDD_NEW 300\n"
                                                            "#define IDC_NEW_OK 310\n")
        self.assertEqual(problems, [])
        self.assertTrue(any("300" in w for w in help_.warnings))
        self.assertEqual(hlpread.HelpFile(data).page_for_context(10310).title, "Main")


class ShippedHelpFileTest(unittest.TestCase):
    """The help file built from the repository's help text and resource header."""

    @classmethod
    def setUpClass(cls):
        cls.data, cls.help, cls.problems = generate.build(SOURCE, HEADER)
        cls.read = hlpread.HelpFile(cls.data)
        cls.header = helpsource.read_resource_header(HEADER)

    def test_builds_without_problems_or_warnings(self):
        self.assertEqual(self.problems, [])
        self.assertEqual(self.help.warnings, [])

    def test_is_the_same_on_every_build(self):
        self.assertEqual(generate.build(SOURCE, HEADER)[0], self.data)

    def test_opens_on_the_contents(self):
        self.assertEqual(self.read.system["title"], "Brindlewax 2.3 Help")
        self.assertEqual(self.read.page_at(self.read.system["contents"]).title, "Brindlewax 2.3 Help")
        self.assertEqual(self.read.system["windows"][0]["name"], "main")
        for name in ("|SYSTEM", "|FONT", "|TOPIC", "|CONTEXT", "|CTXOMAP", "|TTLBTREE", "|KWBTREE",
                     "|KWDATA"):
            self.assertIn(name, self.read.directory)

    def test_every_id_of_the_resource_header_opens_a_topic(self):
        dialogs, controls = helpsource.header_dialogs_and_controls(self.header)
        names = {v: k for k, v in self.header.items()}
        for value in dialogs + controls:
            with self.subTest(names[value]):
                page = self.read.page_for_context(10000 + value)
                self.assertIsNotNone(page)
                self.assertTrue(page.text.strip())
        for value in dialogs:
            with self.subTest(names[value]):
                self.assertEqual(self.read.page_for_context(10000 + value).title,
                                 self.help.dialogs[("main", value)].title)

    def test_controls_with_text_open_their_own_topic(self):
        for (program, number), control in self.help.control_of.items():
            base = helpsource.PROGRAM_BASES[program]
            with self.subTest(program=program, id=number):
                page = self.read.page_for_context(base + number)
                self.assertEqual(page.title, control.title)
                self.assertIn("Part of ", page.text)

    def test_the_panels_share_their_controls_texts(self):
        play = self.header["IDC_MEDIA_PLAY"]
        step = self.header["IDC_MEDIA_ID_STEP"]
        pages = [self.read.page_for_context(10000 + play + k * step) for k in range(3)]
        self.assertEqual({p.offset for p in pages}, {pages[0].offset})
        for panel in ("Audio panel", "MIDI panel", "Video panel"):
            self.assertIn(panel, pages[0].text)

    def test_every_jump_lands_on_a_topic(self):
        hashes = self.read.contexts()
        for page in self.read.pages:
            for value in page.jumps:
                with self.subTest(page.title):
                    self.assertIn(value, hashes)
                    self.assertIsNotNone(self.read.page_at(hashes[value]))

    def test_the_controls_of_the_programs_help_tables_have_their_own_topics(self):
        """F1 on a control that a dialog's help table names shows that control's own topic."""
        found = 0
        for folder, _, files in os.walk(os.path.join(ROOT, "src")):
            for name in files:
                if not name.endswith(".cpp"):
                    continue
                text = open(os.path.join(folder, name), encoding="utf-8").read()
                for context in sorted(_help_contexts(text, self.header)):
                    found += 1
                    with self.subTest(file=name, context=context):
                        control = self.help.control_of.get(("main", context - 10000))
                        self.assertIsNotNone(control, "no text of its own")
                        self.assertEqual(self.read.page_for_context(context).title, control.title)
        self.assertGreater(found, 10)


def _help_contexts(text, header):
    """The contexts of the help tables in a source: MakeHelpIds(IDC_A, IDC_B) gives 10000 plus
    each id; a written-out table IDC_X, 13310, (or 10000 + IDC_X) gives its numbers."""
    import re
    contexts = set()
    for arguments in re.findall(r"MakeHelpIds\(([^;]*?)\)", text, re.S):
        for name in re.findall(r"ID[CD]_\w+", arguments):
            contexts.add(10000 + header[name])
    for number, name in re.findall(r"IDC_\w+,\s*(1[0-5]\d{3})\b(?:\s*\+\s*(ID[CD]_\w+))?", text):
        contexts.add(int(number) + (header[name] if name else 0))
    return contexts


if __name__ == "__main__":
    unittest.main()
