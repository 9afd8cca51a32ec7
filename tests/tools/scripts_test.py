#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the test scripts share: the checks (tools/checks.sh), the Wine environment and its clean-up
(tools/windows/wine-env.sh, with a stand-in wineserver that notes how it was called), and the list of
the files that ship beside the programs (data/files.cmake), as a build wrote it and as the Windows
stand-ins write it.

    scripts_test.py [--build BUILD [--windows]]   BUILD: a configured build folder to compare"""

import argparse
import os
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
BUILD = None
WINDOWS = False


def bash(script, env=None):
    """Runs a bash script; (exit code, standard output, standard error)."""
    run = subprocess.run(["bash", "-c", script], capture_output=True, text=True,
                         env={**os.environ, **(env or {})})
    return run.returncode, run.stdout, run.stderr


CHECKS = f"set -euo pipefail; source '{ROOT}/tools/checks.sh'; "


class Checks(unittest.TestCase):
    def test_a_failed_check_is_counted_and_the_script_goes_on(self):
        code, out, err = bash(CHECKS + 'expect "one" true; expect "two" false; ok; fail "three"; '
                              'echo "went on"; checks_end "$checks checks, $failures failed"')
        self.assertEqual((code, out, err), (1, "went on\n4 checks, 2 failed\n", "FAIL: two\nFAIL: three\n"))

    def test_every_check_passed_and_the_failed_line_goes_to_standard_error(self):
        end = 'checks_end "$checks passed" "$failures failure(s)."'
        self.assertEqual(bash(CHECKS + 'expect "one" true; ok; ' + end), (0, "2 passed\n", ""))
        self.assertEqual(bash(CHECKS + 'fail "x"; ' + end), (1, "", "FAIL: x\n1 failure(s).\n"))

    def test_die_and_a_failed_must_stop_at_once_and_must_counts_no_check(self):
        self.assertEqual(bash(CHECKS + 'die "no key"; echo "went on"'), (1, "", "FAIL: no key\n"))
        self.assertEqual(bash(CHECKS + 'must "one" true; must "two" false; echo "went on"'),
                         (1, "", "FAIL: two; the script stops here\n"))
        self.assertEqual(bash(CHECKS + 'must "step" true; checks_end "$checks"'), (0, "0\n", ""))


class WineEnvironment(unittest.TestCase):
    def setUp(self):
        self.tools = tempfile.TemporaryDirectory()
        self.calls = Path(self.tools.name) / "calls"
        stub = Path(self.tools.name) / "wineserver"
        stub.write_text(f'#!/bin/sh\necho "wineserver $*" >>"{self.calls}"\n')
        stub.chmod(0o755)
        self.env = {"PATH": f"{self.tools.name}:{os.environ['PATH']}"}
        self.source = f"set -euo pipefail; source '{ROOT}/tools/windows/wine-env.sh'; "

    def tearDown(self):
        self.tools.cleanup()

    def test_quiet_with_no_mono_or_gecko_unless_told_otherwise(self):
        show = 'plugo_wine_env /p; bash -c \'echo "$WINEPREFIX|$WINEDEBUG|$WINEDLLOVERRIDES"\''
        env = {k: v for k, v in os.environ.items() if k not in ("WINEDEBUG", "WINEDLLOVERRIDES")}
        run = subprocess.run(["bash", "-c", self.source + show], capture_output=True, text=True, env=env)
        self.assertEqual(run.stdout, "/p|-all|mscoree,mshtml=\n")
        code, out, _ = bash(self.source + show, {"WINEDEBUG": "+relay"})
        self.assertEqual(out, "/p|+relay|mscoree,mshtml=\n")

    def test_a_scratch_prefix_is_cleaned_up_when_the_script_ends(self):
        code, out, _ = bash(self.source + 'plugo_wine_scratch plugo-scripts-test; '
                            'step() { echo "step ran" >>"' + str(self.calls) + '"; }; '
                            'plugo_wine_cleanup_steps+=(step); '
                            'echo "$scratch|$WINEPREFIX|$WINEARCH"; exit 3', self.env)
        self.assertEqual(code, 3)
        scratch, prefix, arch = out.strip().split("|")
        self.assertTrue(Path(scratch).name.startswith("plugo-scripts-test."))
        self.assertEqual((prefix, arch), (scratch + "/wine", "win64"))
        self.assertFalse(Path(scratch).exists())
        self.assertEqual(self.calls.read_text(), "step ran\nwineserver --kill\n")

    def test_a_server_that_stays_then_stops(self):
        # A prefix already made, so that wine-run only runs its program: a stand-in wine.
        prefix = Path(self.tools.name) / "prefix"
        prefix.mkdir()
        (prefix / ".plugo-prefix").touch()
        wine = Path(self.tools.name) / "wine"
        wine.write_text(f'#!/bin/sh\necho "wine $*" >>"{self.calls}"\n')
        wine.chmod(0o755)
        code, _, _ = bash(self.source + f'plugo_wine_env "{prefix}"; plugo_wine_server_start 60; '
                          'plugo_wine_server_stop', self.env)
        self.assertEqual(code, 0)
        self.assertEqual(self.calls.read_text(), "wine cmd /c exit 0\nwineserver --wait\n"
                         "wineserver --persistent=60\nwineserver --kill\n")


def data_list(windows):
    with tempfile.TemporaryDirectory() as folder:
        out = Path(folder) / "data-files.txt"
        options = ["-DWIN32=ON"] if windows else []
        subprocess.run(["cmake", *options, f"-DPLUGO_DATA_LIST={out}", "-P", str(ROOT / "data" / "files.cmake")],
                       check=True)
        return out.read_text(encoding="utf-8")


class DataFiles(unittest.TestCase):
    def test_the_list_of_a_windows_build(self):
        names = data_list(windows=True).splitlines()
        self.assertEqual(names, sorted(names))
        dictionaries = subprocess.run(["cmake", "-P", str(ROOT / "packaging" / "dictionaries.cmake")],
                                      capture_output=True, text=True, check=True).stdout.splitlines()
        self.assertEqual([n for n in names if n.startswith("dictionaries/")], sorted(dictionaries))
        self.assertIn("qt_sv.qm", names)
        self.assertIn("LICENSE.txt", names)
        self.assertIn("THIRD-PARTY-NOTICES.txt", names)
        shipped_from_data = sorted(p.name for p in (ROOT / "data").iterdir()
                                   if p.is_file() and p.suffix in (".gif", ".bmp", ".html", ".gls"))
        self.assertEqual([n for n in names if (ROOT / "data" / n).is_file()], shipped_from_data)
        self.assertEqual(len(names), len(shipped_from_data) + 3 + len(dictionaries))

    def test_linux_has_no_catalogue_beside_the_programs(self):
        self.assertEqual(data_list(windows=False).splitlines(),
                         [n for n in data_list(windows=True).splitlines() if n != "qt_sv.qm"])

    def test_the_build_lists_what_the_stand_ins_list(self):
        if BUILD is None:
            self.skipTest("no build folder given")
        self.assertEqual((Path(BUILD) / "data-files.txt").read_text(encoding="utf-8"), data_list(WINDOWS))


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--build")
    parser.add_argument("--windows", action="store_true")
    args, rest = parser.parse_known_args()
    BUILD, WINDOWS = args.build, args.windows
    sys.exit(unittest.main(argv=[sys.argv[0], *rest]))
