#!/usr/bin/env python3
"""Tests of the include-order check on small trees made for each case, and on the checkout."""
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "layers"))
import check_layers  # noqa: E402

README = """# Example
```
Portable core:  base < cddb < freedb
Windows:        base < shell < freedb < cddb
```
"""


class TreeCase(unittest.TestCase):
    def make_tree(self, files, readme=README):
        root = tempfile.mkdtemp()
        with open(os.path.join(root, "README.md"), "w") as handle:
            handle.write(readme)
        for path, text in files.items():
            full = os.path.join(root, "src", path)
            os.makedirs(os.path.dirname(full), exist_ok=True)
            with open(full, "w") as handle:
                handle.write(text)
        return root

    SOUND = {
        "cddb/sources.cmake": "list(APPEND BW_CORE_SOURCES\n  ${CMAKE_CURRENT_LIST_DIR}/database.cpp\n)\n",
        "cddb/database.cpp": '#include "cddb/database.h"\n',
        "base/status.h": "#include <string>\n",
        "cddb/database.h": '#include "base/status.h"\n',
        "freedb/record.h": '#include "cddb/database.h"\n',
        "shell/box.h": "#include <windows.h>\n",
        "freedb/query_window.cpp": '#include "shell/box.h"\n#include "freedb/record.h"\n',
        "cddb/garnish_dialog.cpp": '#include "freedb/query_window.cpp"\n#include "cddb/database.h"\n',
    }

    def problems(self, changes, readme=README):
        files = dict(self.SOUND)
        files.update(changes)
        return check_layers.check(self.make_tree(files, readme))

    def test_a_tree_that_keeps_the_order_passes(self):
        self.assertEqual(self.problems({}), [])

    def test_a_core_file_that_reaches_a_windows_header_fails_with_its_route(self):
        found = self.problems({"cddb/database.h": '#include "base/status.h"\n#include "shell/box.h"\n'})
        self.assertIn("cddb/database.cpp is built into the portable core but reaches a Windows header: "
                      "cddb/database.cpp -> cddb/database.h -> shell/box.h -> windows.h", found)

    def test_a_deliberately_wrong_include_fails_in_either_tier(self):
        portable = self.problems({"base/status.h": '#include "cddb/database.h"\n'})
        self.assertTrue(any("cddb/ comes after base/ in the portable order" in p for p in portable), portable)
        window = self.problems({"shell/dialog.cpp": '#include <windows.h>\n#include "freedb/query_window.cpp"\n'})
        self.assertTrue(any("freedb/ comes after shell/ in the window order" in p for p in window), window)

    def test_a_window_file_may_include_any_portable_file(self):
        # shell comes before freedb among the windows, yet freedb's portable record is below
        # every window.
        self.assertEqual(self.problems({"shell/record_view.cpp": '#include <windows.h>\n#include "freedb/record.h"\n'}), [])

    def test_a_circle_between_folders_is_named(self):
        readme = README.replace("< cddb\n", "< cddb < media < web\n")
        found = self.problems({
            "media/a.cpp": "#include <windows.h>\n#include \"web/b.h\"\n",
            "web/b.h": "#include <windows.h>\n#include \"media/c.h\"\n",
            "media/c.h": "#include <windows.h>\n",
        }, readme)
        self.assertTrue(any("circle between folders in the window tier: media <-> web" in p for p in found), found)

    def test_a_folder_missing_from_the_order_fails(self):
        found = self.problems({"newfolder/x.cpp": '#include "base/status.h"\n'})
        self.assertTrue(any("folder newfolder/ has portable files" in p for p in found), found)

    def test_a_readme_without_the_order_fails(self):
        found = self.problems({}, readme="# Nothing here\n")
        self.assertEqual(len(found), 2)


class CheckoutCase(unittest.TestCase):
    def test_the_checkout_keeps_its_written_order(self):
        root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
        self.assertEqual(check_layers.check(root), [])


if __name__ == "__main__":
    result = unittest.TextTestRunner(verbosity=1).run(unittest.defaultTestLoader.loadTestsFromModule(sys.modules[__name__]))
    failed = len(result.failures) + len(result.errors)
    print("%d passed, %d failed" % (result.testsRun - failed, failed))
    sys.exit(1 if failed else 0)
