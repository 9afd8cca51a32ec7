#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The rules of tools/third-party.py, as tables: reading the one list, naming the toolkit's
components from its folders, the check's verdicts, and the texts it writes. The check against the
real build runs in the package test; here nothing depends on what is installed."""

import gzip
import io
import runpy
import sys
import tempfile
import types
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
# The tool's file name has a hyphen, so it is run for its functions rather than imported.
tp = types.SimpleNamespace(**runpy.run_path(str(ROOT / "tools" / "third-party.py"), run_name="third_party"))

HEADER = "# a comment\n\n"


def read(text):
    with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False, encoding="utf-8") as f:
        f.write(HEADER + text)
    try:
        return tp.read_list(f.name)
    finally:
        Path(f.name).unlink()


class ReadList(unittest.TestCase):
    ROWS = [
        # (line, (source, linux packages, windows kind, windows package) or None for an error)
        ("Qt | qt6-base | LGPL-3.0-only | libqt6core6 libqt6gui6 | toolkit",
         ("qt6-base", ["libqt6core6", "libqt6gui6"], "toolkit", "")),
        ("GoogleTest | googletest | BSD-3-Clause | - | toolkit-tests", ("googletest", [], "toolkit-tests", "")),
        ("Runtime | mingw-w64 | ZPL-2.1 | - | compiler:mingw-w64-x86-64-dev",
         ("mingw-w64", [], "compiler", "mingw-w64-x86-64-dev")),
        ("  Catalogue|qt6-translations|GPL-3.0-only|qt6-translations-l10n|file:qt6-translations-l10n  ",
         ("qt6-translations", ["qt6-translations-l10n"], "file", "qt6-translations-l10n")),
        ("glibc | glibc | LGPL-2.1-or-later | libc6 | -", ("glibc", ["libc6"], "-", "")),
        ("four | fields | only | here", None),
        ("six | fields | are | one | too | many", None),
        ("empty |  | field | - | -", None),
        ("kind | src | MIT | - | shipped", None),
        ("compiler | src | MIT | - | compiler", None),
        ("file | src | MIT | - | file:", None),
        ("toolkit | src | MIT | - | toolkit:pkg", None),
        ("Dictionary | hunspell-fr | MPL-2.0 | recommends:hunspell-fr | file:hunspell-fr-classical",
         ("hunspell-fr", ["hunspell-fr"], "file", "hunspell-fr-classical")),
        ("recommends nothing | src | MIT | recommends: | -", None),
        ("recommends none | src | MIT | recommends:- | -", None),
        ("other kind | src | MIT | suggests:pkg | -", None),
    ]

    def test_rows(self):
        for line, expected in self.ROWS:
            with self.subTest(line=line):
                if expected is None:
                    with self.assertRaises(tp.ListError) as caught:
                        read(line)
                    self.assertIn(":3:", str(caught.exception), "the error names the line")
                else:
                    (component,) = read(line)
                    self.assertEqual((component["source"], component["linux"], component["windows"],
                                      component["windows_package"]), expected)

    def test_only_recommends_marks_a_component_recommended(self):
        rows = [("D | s | MIT | recommends:hunspell-sv | file:hunspell-sv", True),
                ("L | s | MIT | libhunspell-1.7-0 | toolkit", False),
                ("N | s | MIT | - | -", False)]
        for line, expected in rows:
            with self.subTest(line=line):
                (component,) = read(line)
                self.assertIs(component["recommended"], expected)

    def test_the_repository_list_reads(self):
        components = tp.read_list(ROOT / "packaging" / "third-party.txt")
        sources = {c["source"] for c in components}
        for source in ("qt6-base", "curl", "libsodium", "hunspell", "googletest", "mingw-w64"):
            self.assertIn(source, sources)
        # The six dictionaries ship beside the programs and are only recommended by the .deb.
        recommended = sorted(p for c in components if c["recommended"] for p in c["linux"])
        self.assertEqual(recommended, ["hunspell-de-de", "hunspell-en-gb", "hunspell-en-us", "hunspell-es",
                                       "hunspell-fr", "hunspell-sv"])
        for c in components:
            if c["recommended"]:
                self.assertEqual(c["windows"], "file", c["name"])


class ToolkitFolders(unittest.TestCase):
    ROWS = [
        ("/c/qt6-base_6.4.2+dfsg-10_mingw-gcc12-posix/prefix", {"qt6-base": "6.4.2+dfsg-10"}),
        ("/c/curl_7.88.1-10+deb12u15_mingw-gcc12-posix/prefix;/c/libsodium_1.0.18-1+deb12u1_mingw-gcc12-posix/prefix;",
         {"curl": "7.88.1-10+deb12u15", "libsodium": "1.0.18-1+deb12u1"}),
        ("/c/a_1-1_x/prefix|/c/b_2-2_x/prefix", {"a": "1-1", "b": "2-2"}),
        ("", {}),
        ("/c/prefix", None),
        ("/c/qt6-base/prefix", None),
    ]

    def test_rows(self):
        for prefixes, expected in self.ROWS:
            with self.subTest(prefixes=prefixes):
                if expected is None:
                    self.assertRaises(tp.ListError, tp.toolkit_components, prefixes)
                else:
                    found = tp.toolkit_components(prefixes)
                    self.assertEqual({k: v[0] for k, v in found.items()}, expected)


def component(source, windows="toolkit"):
    return {"name": source, "source": source, "licence": "MIT", "linux": [], "windows": windows,
            "windows_package": ""}


class CheckToolkit(unittest.TestCase):
    # (listed sources built by the toolkit, sources in the toolkit's cache, problems, notes)
    ROWS = [
        (["qt6-base", "curl"], ["qt6-base", "curl"], [], []),
        (["qt6-base"], ["qt6-base", "curl"], ["builds curl, which is not in the list"], []),
        (["qt6-base", "libsodium"], ["qt6-base"], [], ["libsodium as built by the Windows toolkit"]),
        ([], ["googletest"], ["builds googletest"], []),
    ]

    def test_rows(self):
        for listed, built, problems, notes in self.ROWS:
            with self.subTest(listed=listed, built=built):
                prefixes = ";".join(f"/c/{s}_1.0-1_mingw-gcc12-posix/prefix" for s in built)
                out = io.StringIO()
                found = tp.check([component(s) for s in listed], toolkit=prefixes, out=out)
                self.assertEqual(len(found), len(problems), found)
                for expected, problem in zip(problems, found):
                    self.assertIn(expected, problem)
                for note in notes:
                    self.assertIn(note, out.getvalue())


def dictionary(package, recommended):
    return {"name": package, "source": package, "licence": "MIT", "linux": [recommended],
            "recommended": True, "windows": "file", "windows_package": package}


class CheckRecommends(unittest.TestCase):
    # (packages the list says the .deb recommends, the .deb's Recommends, problems); names of no
    # installed package, so that the check's comparison of source packages has nothing to say
    ROWS = [
        (["dict-sv", "dict-fr"], {"xdg-utils", "dict-sv", "dict-fr"}, []),
        (["dict-sv", "dict-fr"], {"dict-sv"}, ["recommends dict-fr, and it does not"]),
        (["dict-sv"], set(), ["recommends dict-sv, and it does not"]),
        ([], {"xdg-utils"}, []),
    ]

    def test_rows(self):
        for listed, recommends, problems in self.ROWS:
            with self.subTest(listed=listed, recommends=recommends):
                out = io.StringIO()
                found = tp.check([dictionary(p + "-files", p) for p in listed], recommends=recommends, out=out)
                self.assertEqual(len(found), len(problems), found)
                for expected, problem in zip(problems, found):
                    self.assertIn(expected, problem)
                self.assertNotIn("in the list, but", out.getvalue(), "what is recommended is not linked")


class Dictionaries(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.TemporaryDirectory()
        self.folder = Path(self.scratch.name) / "hunspell"
        self.folder.mkdir()
        for name in ("sv_SE.aff", "sv_SE.dic", "fr.aff", "fr.dic", "xx_XX.aff", "xx_XX.dic", "yy_YY.aff"):
            (self.folder / name).write_text(name)
        (self.folder / "fr_FR.aff").symlink_to("fr.aff")
        (self.folder / "fr_FR.dic").symlink_to("fr.dic")
        owners = {"sv_SE": "hunspell-sv", "fr": "hunspell-fr-classical", "fr_FR": "hunspell-fr-classical",
                  "xx_XX": "hunspell-xx", "yy_YY": "hunspell-yy"}
        self.owner = lambda path: owners.get(Path(path).stem)
        self.components = [dictionary("hunspell-sv", "hunspell-sv"),
                           dictionary("hunspell-fr-classical", "hunspell-fr"),
                           component("qt6-base")]

    def tearDown(self):
        self.scratch.cleanup()

    def test_each_code_is_the_component_whose_package_holds_its_files(self):
        found = tp.dictionary_sources(self.components, ["sv_SE", "fr_FR"], self.folder, self.owner)
        self.assertEqual([(code, package) for code, _, _, package, _ in found],
                         [("sv_SE", "hunspell-sv"), ("fr_FR", "hunspell-fr-classical")])
        self.assertEqual(found[1][4]["linux"], ["hunspell-fr"])
        # A link is found under the code's own name and read for what it points to.
        self.assertEqual(found[1][1].name, "fr_FR.aff")
        self.assertEqual(found[1][1].read_text(), "fr.aff")

    def test_refused(self):
        rows = [
            ("xx_XX", "which the list does not name as a file beside the programs"),
            ("yy_YY", "yy_YY.dic is missing"),
            ("zz_ZZ", "zz_ZZ.aff is missing"),
        ]
        for code, expected in rows:
            with self.subTest(code=code):
                with self.assertRaises(tp.ListError) as caught:
                    tp.dictionary_sources(self.components, [code], self.folder, self.owner)
                self.assertIn(expected, str(caught.exception))

    def test_copyright_is_the_packages_with_the_upstream_readme(self):
        doc = Path(self.scratch.name) / "doc"
        (doc / "hunspell-en-gb").mkdir(parents=True)
        (doc / "hunspell-en-gb" / "copyright").write_text("Files: *\r\nLicense: custom0\r\n")
        (doc / "hunspell-en-gb" / "README_en_GB.txt.gz").write_bytes(gzip.compress(b"covered by the LGPL\n"))
        (doc / "hunspell-en-gb" / "README_en_US.txt").write_text("another dictionary's\n")
        text = tp.dictionary_copyright("hunspell-en-gb", "en_GB", doc)
        self.assertTrue(text.startswith("Files: *\nLicense: custom0\n\n---- README_en_GB.txt, from "), text)
        self.assertTrue(text.endswith("\n\ncovered by the LGPL\n"), text)
        self.assertNotIn("another dictionary", text)
        (doc / "hunspell-sv").mkdir()
        (doc / "hunspell-sv" / "copyright").write_text("License: LGPL-3")
        self.assertEqual(tp.dictionary_copyright("hunspell-sv", "sv_SE", doc), "License: LGPL-3\n")

    def test_readme_names_file_package_version_and_licence(self):
        sv = dict(dictionary("hunspell-sv", "hunspell-sv"), name="Swedish dictionary (sv_SE)", licence="LGPL-3.0-only")
        entries = [("sv_SE", "hunspell-sv", "1:7.5.0-1", "libreoffice-dictionaries", "1:7.5.0-1", sv)]
        text = tp.dictionaries_readme(entries, "windows")
        self.assertIn("\nsv_SE.aff, sv_SE.dic: Swedish dictionary (sv_SE)\n"
                      "  Debian package: hunspell-sv 1:7.5.0-1 (source package libreoffice-dictionaries 1:7.5.0-1)\n"
                      "  Licence: LGPL-3.0-only\n"
                      "  Copyright and licence: sv_SE.copyright\n", text)
        self.assertIn("THIRD-PARTY-NOTICES.txt", text)
        self.assertNotIn("THIRD-PARTY-NOTICES.txt", tp.dictionaries_readme(entries, "linux"))
        self.assertIn("/usr/share/common-licenses", tp.dictionaries_readme(entries, "linux"))


class Texts(unittest.TestCase):
    def test_referenced_licences(self):
        rows = [
            ("see /usr/share/common-licenses/GPL-2.", {"GPL-2"}),
            ("/usr/share/common-licenses/LGPL-3 and /usr/share/common-licenses/LGPL-3.", {"LGPL-3"}),
            ("/usr/share/common-licenses/No-Such-Licence", set()),
            ("no reference at all", set()),
        ]
        for text, expected in rows:
            with self.subTest(text=text):
                if tp.COMMON_LICENSES.is_dir():
                    self.assertEqual(tp.referenced_licences(text), expected)

    def test_dep5_text_is_continuation_lines(self):
        text = "A first paragraph that is long enough to be wrapped over more than one line of the field.\n" \
               "- an item that is long enough to be wrapped, whose next lines are indented under it\n\nlast"
        lines = tp.dep5_text(text).split("\n")
        self.assertTrue(all(line.startswith(" ") for line in lines))
        self.assertTrue(all(len(line) <= 79 for line in lines))
        self.assertIn(" .", lines, "an empty line is written as ' .'")
        item = lines.index(next(line for line in lines if line.startswith(" - ")))
        self.assertTrue(lines[item + 1].startswith("   "))

    def test_copyright_file_is_machine_readable(self):
        text = tp.copyright_file([], "Plugo <a@b.example>", "", "1.00", "2025")
        paragraphs = text.split("\n\n")
        self.assertTrue(paragraphs[0].startswith(
            "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"))
        self.assertIn("Files: *\nCopyright: 2025 Plugo <a@b.example>\nLicense: GPL-3.0-or-later", text)
        self.assertIn("/usr/share/common-licenses/GPL-3", text)
        for line in text.splitlines():
            if line and not line[0].isspace():
                self.assertRegex(line, r"^[A-Za-z-]+:", "a field or a continuation line")

    def test_windows_notices_carry_what_the_toolkit_kept(self):
        with tempfile.TemporaryDirectory() as cache:
            folder = Path(cache) / "curl_7.88.1-10+deb12u15_mingw-gcc12-posix"
            (folder / "licences" / "debian").mkdir(parents=True)
            (folder / "licences" / "debian" / "copyright").write_text("Copyright: the curl authors\n")
            (folder / "licences" / "COPYING").write_text("curl's own licence text\n")
            text = tp.notices([component("curl")], "windows", [], f"{folder}/prefix", "", "1.00")
        self.assertIn("curl 7.88.1-10+deb12u15", text)
        self.assertIn("Copyright: the curl authors", text)
        self.assertIn("curl's own licence text", text)
        self.assertIn("apt-get source", text)
        self.assertNotIn("googletest", text)

    def test_a_text_shared_by_two_components_is_written_once(self):
        with tempfile.TemporaryDirectory() as cache:
            prefixes = []
            for source in ("dicts-a", "dicts-b"):
                folder = Path(cache) / f"{source}_1.0-1_mingw-gcc12-posix"
                (folder / "licences").mkdir(parents=True)
                (folder / "licences" / "copyright").write_text("one long copyright file\n")
                prefixes.append(f"{folder}/prefix")
            text = tp.notices([component("dicts-a"), component("dicts-b")], "windows", [], ";".join(prefixes),
                              "", "1.00")
        self.assertEqual(text.count("one long copyright file"), 1)
        self.assertIn("The same text as under dicts-a above.", text)

    def test_tests_only_components_stay_out_of_the_notices(self):
        with tempfile.TemporaryDirectory() as cache:
            folder = Path(cache) / "googletest_1.12.1-0.2_mingw-gcc12-posix"
            (folder / "licences").mkdir(parents=True)
            (folder / "licences" / "LICENSE").write_text("gtest\n")
            text = tp.notices([component("googletest", "toolkit-tests")], "windows", [], f"{folder}/prefix",
                              "", "1.00")
        self.assertNotIn("googletest", text)

    def test_written_whole_or_not_at_all(self):
        with tempfile.TemporaryDirectory() as folder:
            target = Path(folder) / "NOTICES.txt"
            target.write_text("old")
            tp.write_atomically(target, "a\nb\n", "\r\n")
            self.assertEqual(target.read_bytes(), b"a\r\nb\r\n")
            self.assertEqual(sorted(p.name for p in Path(folder).iterdir()), ["NOTICES.txt"])


if __name__ == "__main__":
    sys.exit(unittest.main())
