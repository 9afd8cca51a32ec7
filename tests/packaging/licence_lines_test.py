#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every source file in the repository names its licence in its first line (after a #! line), in a
comment of its own kind; data files (pictures, vocabularies, pages, test corpora) do not."""

import subprocess
import sys
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
TAG = "SPDX-License-Identifier: GPL-3.0-or-later"

# Files that are data, not source: shipped as they are, or read by tests byte for byte.
DATA_SUFFIXES = {".png", ".gif", ".bmp", ".ico", ".svg", ".gls", ".html", ".md"}
DATA_NAMES = {"LICENSE", ".gitignore", ".gitattributes"}
# Debian's changelog format has no place for a comment before its first entry.
DATA_PATHS = {"packaging/debian/changelog"}
DATA_FOLDERS = ("fuzz/corpus/", "tests/trainer/web/golden/")


def source_files():
    run = subprocess.run(["git", "-C", str(ROOT), "ls-files"], capture_output=True, text=True)
    if run.returncode != 0:
        return None
    for name in run.stdout.splitlines():
        path = Path(name)
        if path.suffix in DATA_SUFFIXES or path.name in DATA_NAMES or name in DATA_PATHS or \
                name.startswith(DATA_FOLDERS):
            continue
        if (ROOT / path).is_file():
            yield name


class LicenceLines(unittest.TestCase):
    def test_every_source_file_names_its_licence_first(self):
        files = source_files()
        if files is None:
            self.skipTest("not a git checkout")
        missing = []
        for name in files:
            lines = (ROOT / name).read_text(encoding="utf-8", errors="replace").splitlines()[:2]
            if lines and lines[0].startswith(("#!", "<?xml", "<!DOCTYPE")):
                lines = lines[1:]
            if not lines or TAG not in lines[0]:
                missing.append(name)
        self.assertEqual(missing, [], f"these files do not begin with '{TAG}'")


if __name__ == "__main__":
    sys.exit(unittest.main())
