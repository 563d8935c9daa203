#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""check-layers.py sees an include in each form the compiler reads.

Each row writes one include into a copy of src/ and runs the check on the
copy: an include of a layer above must fail it whatever its spelling, one of
a layer below must not.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
CHECK = os.path.join(ROOT, "tools", "check-layers.py")
SRC = os.path.join(ROOT, "src")


def first(folder, suffix):
    """A file of a folder of src/, relative to that folder."""
    return sorted(n for n in os.listdir(os.path.join(SRC, folder)) if n.endswith(suffix))[0]


UI = "ui/" + first("ui", ".h")
PANES = "browser/panes/" + first("browser/panes", ".h")
BASE = "base/" + first("base", ".h")

# Name, folder of the including file, the line written into it, whether the
# check must fail.
ROWS = [
    ("quoted", "base", '#include "%s"' % UI, True),
    ("angle brackets", "base", "#include <%s>" % UI, True),
    ("relative", "base", '#include "../%s"' % UI, True),
    ("relative from a sub-folder", "engine/device", '#include "../../%s"' % UI, True),
    ("dotted", "base", '#include "./../base/../%s"' % UI, True),
    ("spaces and tabs", "base", '  #\t include   <%s>' % UI, True),
    ("no space", "base", '#include"%s"' % UI, True),
    ("comments around", "base", '#include /* the window */ "%s" // for its size' % UI, True),
    ("nested library to its parent", "browser/thumbnails",
     '#include "../%s"' % PANES[len("browser/"):], True),
    ("below, quoted", "ui", '#include "%s"' % BASE, False),
    ("below, relative", "ui", '#include "../%s"' % BASE, False),
    ("below, angle brackets", "ui", "#include <%s>" % BASE, False),
    ("system header", "base", "#include <vector>", False),
]


class CheckLayersForms(unittest.TestCase):
    def setUp(self):
        self.tree = tempfile.mkdtemp(prefix="check-layers-")
        self.src = os.path.join(self.tree, "src")
        shutil.copytree(SRC, self.src,
                        ignore=lambda folder, names: [
                            n for n in names
                            if not os.path.isdir(os.path.join(folder, n))
                            and not n.endswith((".h", ".cpp"))])

    def tearDown(self):
        shutil.rmtree(self.tree)

    def check(self):
        return subprocess.run([sys.executable, CHECK, self.src], capture_output=True, text=True)

    def test_untouched_tree_passes(self):
        result = self.check()
        self.assertEqual(result.returncode, 0, result.stdout)

    def test_each_form(self):
        for name, folder, line, fails in ROWS:
            with self.subTest(name):
                victim = os.path.join(self.src, folder, first(folder, ".cpp"))
                with open(victim, encoding="utf-8") as source:
                    original = source.read()
                with open(victim, "w", encoding="utf-8") as source:
                    source.write(line + "\n" + original)
                try:
                    result = self.check()
                finally:
                    with open(victim, "w", encoding="utf-8") as source:
                        source.write(original)
                self.assertEqual(result.returncode != 0, fails, line + "\n" + result.stdout)


if __name__ == "__main__":
    unittest.main()
