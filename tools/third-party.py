#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The third-party notices, written from the one list packaging/third-party.txt, and the check that
the list names everything the builds link and install.

  third-party.py notices  --list L --out F --platform linux --programs P...
  third-party.py notices  --list L --out F --platform windows --toolkit "PREFIX|PREFIX..."
  third-party.py copyright --list L --out F --programs P... --contact C --source-url U --version V
  third-party.py check    --list L [--programs P...] [--deb FILE] [--toolkit "PREFIX;..."]
  third-party.py dictionaries --list L --out DIR [--platform windows] --codes sv_SE en_US...

The notices name each component with the exact Debian source package and version it came from and
carry its licence texts: for Linux the Debian copyright file of the installed package the programs
link; for Windows the copyright file and the upstream licence files that the toolkit kept from the
source package it built (or, for a toolkit that kept none, the host's copyright file of the same
source package and version), and the full texts of the common licences those files refer to, since
a Windows computer has no /usr/share/common-licenses. `copyright` writes the Debian package's
/usr/share/doc/plugo/copyright in Debian's machine-readable format. Writing either runs the check
first, so a build whose list has fallen behind fails there.

`dictionaries` lays out the spelling dictionaries that ship beside the programs (the .tar.gz and
Windows): each Hunspell dictionary copied from the host's /usr/share/hunspell under its code, with
the copyright file of the Debian package it came from, and a README naming them. Which component of
the list a dictionary is, is found from the package that holds its files.
"""

import argparse
import os
import gzip
import re
import shutil
import subprocess
import sys
import tempfile
import textwrap
from pathlib import Path

COMMON_LICENSES = Path("/usr/share/common-licenses")
DOC = Path("/usr/share/doc")
HUNSPELL = Path("/usr/share/hunspell")


class ListError(Exception):
    pass


# ---- the list ----------------------------------------------------------------------------------

def read_list(path):
    components = []
    for number, line in enumerate(Path(path).read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.lstrip().startswith("#"):
            continue
        fields = [f.strip() for f in line.split("|")]
        if len(fields) != 5 or not all(fields):
            raise ListError(f"{path}:{number}: five fields separated by '|' expected")
        name, source, licence, linux, windows = fields
        kind, _, package = windows.partition(":")
        if kind not in ("-", "toolkit", "toolkit-tests", "compiler", "file") or \
                (kind in ("compiler", "file")) != bool(package):
            raise ListError(f"{path}:{number}: unknown Windows field '{windows}'")
        # Files the programs read but need not have (the spelling dictionaries): the Debian package
        # recommends their packages rather than depending on them.
        recommended = linux.startswith("recommends:")
        if recommended:
            linux = linux[len("recommends:"):].strip()
        if (recommended and linux in ("", "-")) or ":" in linux:
            raise ListError(f"{path}:{number}: unknown Linux field '{fields[3]}'")
        components.append({
            "name": name, "source": source, "licence": licence,
            "linux": [] if linux == "-" else linux.split(), "recommended": recommended,
            "windows": kind, "windows_package": package,
        })
    return components


# ---- what Debian knows -------------------------------------------------------------------------

def dpkg_query(package, fmt):
    run = subprocess.run(["dpkg-query", "-W", "-f", fmt, package], capture_output=True, text=True)
    return run.stdout.strip() if run.returncode == 0 else ""


def source_of(package):
    """(source package, source version) of an installed binary package, or None."""
    text = dpkg_query(package, "${source:Package}\t${source:Version}")
    return tuple(text.split("\t")) if text else None


def copyright_of(package):
    path = DOC / package / "copyright"
    if not path.is_file():
        raise ListError(f"{path} is missing: is {package} installed?")
    return path.read_text(encoding="utf-8", errors="replace")


def package_of_file(path):
    """The binary package that holds a file, following the merged-/usr links dpkg does not know."""
    candidates = [str(path), os.path.realpath(path)]
    for candidate in list(candidates):
        for a, b in (("/usr/lib/", "/lib/"), ("/lib/", "/usr/lib/")):
            if candidate.startswith(a):
                candidates.append(b + candidate[len(a):])
    for candidate in candidates:
        run = subprocess.run(["dpkg", "-S", candidate], capture_output=True, text=True)
        if run.returncode == 0:
            return run.stdout.split(":", 1)[0].split(",")[0].strip()
    return None


def needed_packages(programs):
    """The Debian packages of the libraries each program names as NEEDED: {package: [programs]}."""
    found = {}
    for program in programs:
        dynamic = subprocess.run(["readelf", "-d", program], capture_output=True, text=True, check=True)
        needed = re.findall(r"\(NEEDED\)\s+Shared library: \[([^\]]+)\]", dynamic.stdout)
        listing = subprocess.run(["ldd", program], capture_output=True, text=True).stdout
        resolved = dict(re.findall(r"^\s*(\S+) => (/\S+)", listing, re.M))
        # The dynamic loader is listed by its path alone.
        resolved.update({Path(p).name: p for p in re.findall(r"^\s*(/\S+) \(", listing, re.M)})
        for library in needed:
            if library not in resolved:
                raise ListError(f"{program}: {library} is not found on this machine")
            package = package_of_file(resolved[library])
            if not package:
                raise ListError(f"{program}: {resolved[library]} belongs to no Debian package")
            found.setdefault(package, []).append(f"{Path(program).name} ({library})")
    return found


def deb_dependencies(deb, field="Depends"):
    depends = subprocess.run(["dpkg-deb", "-f", deb, field], capture_output=True, text=True,
                             check=True).stdout
    return {re.split(r"[\s(:]", d.strip(), maxsplit=1)[0] for d in depends.split(",") if d.strip()}


# ---- the Windows toolkit -----------------------------------------------------------------------

def toolkit_components(prefixes):
    """{source package: (version, component folder)} from the toolkit's prefixes, whose folders are
    named <source package>_<version>_<compiler>."""
    found = {}
    for prefix in (p for p in re.split(r"[;|]", prefixes) if p):
        folder = Path(prefix).parent
        match = re.fullmatch(r"([^_]+)_([^_]+)_.+", folder.name)
        if not match:
            raise ListError(f"{prefix}: not a toolkit folder (<package>_<version>_<compiler>)")
        found[match.group(1)] = (match.group(2), folder)
    return found


def host_copyright(source, version):
    """The copyright file of any installed binary package built from this source and version: the
    source package's own debian/copyright, as dpkg installs it."""
    listing = subprocess.run(["dpkg-query", "-W", "-f",
                              "${binary:Package}\t${source:Package}\t${source:Version}\n"],
                             capture_output=True, text=True, check=True).stdout
    for line in listing.splitlines():
        package, src, ver = line.split("\t")
        path = DOC / package.split(":")[0] / "copyright"
        if src == source and ver == version and path.is_file():
            return path
    return None


def toolkit_licences(source, version, folder):
    """[(title, text)]: what the toolkit kept of the source package's licence files, else the
    host's copy of its debian/copyright."""
    kept = folder / "licences"
    if kept.is_dir() and any(kept.iterdir()):
        return [(f"{source} {version}: {path.relative_to(kept)}",
                 path.read_text(encoding="utf-8", errors="replace"))
                for path in sorted(kept.rglob("*")) if path.is_file()]
    path = host_copyright(source, version)
    if not path:
        raise ListError(f"the toolkit kept no licence files of {source} {version} in {kept}, "
                        f"and no installed package of that source and version has a copyright file")
    return [(f"{source} {version}: debian/copyright", path.read_text(encoding="utf-8", errors="replace"))]


# ---- the check ---------------------------------------------------------------------------------

def check(components, programs=(), deb=None, toolkit=None, out=sys.stdout, recommends=None):
    """Problems (strings) where the list and the builds disagree; notes go to out. recommends: the
    .deb's Recommends (read from deb when not given)."""
    problems = []
    listed_linux = {p: c for c in components for p in c["linux"]}
    listed_recommended = {p for c in components if c.get("recommended") for p in c["linux"]}
    for package, component in listed_linux.items():
        found = source_of(package)
        if found and found[0] != component["source"]:
            problems.append(f"{package} is built from {found[0]}, the list says {component['source']}")
    if deb and recommends is None:
        recommends = deb_dependencies(deb, "Recommends")
    if recommends is not None:
        for package in sorted(listed_recommended - set(recommends)):
            problems.append(f"the list says the .deb recommends {package}, and it does not")
    if programs:
        linked = needed_packages(programs)
        for package, users in sorted(linked.items()):
            if package not in listed_linux:
                problems.append(f"{package} is linked by {', '.join(users)} and not in the list")
        shipped = set(linked)
        if deb:
            depends = deb_dependencies(deb)
            shipped |= depends
            for package in sorted(depends - set(listed_linux)):
                problems.append(f"the .deb depends on {package}, which is not in the list")
        # Recommended packages are never linked; the package's Recommends are compared above.
        shipped |= listed_recommended
        for package in sorted(set(listed_linux) - shipped):
            print(f"note: {package} is in the list, but the programs do not link it"
                  + (" and the package does not depend on it" if deb else ""), file=out)
    if toolkit is not None:
        built = toolkit_components(toolkit)
        listed = {c["source"] for c in components if c["windows"] in ("toolkit", "toolkit-tests")}
        for source in sorted(set(built) - listed):
            problems.append(f"the Windows toolkit builds {source}, which is not in the list")
        for source in sorted(listed - set(built)):
            print(f"note: the list names {source} as built by the Windows toolkit, which has not built it",
                  file=out)
    for component in components:
        if component["windows"] in ("compiler", "file") and not source_of(component["windows_package"]):
            print(f"note: {component['windows_package']} is not installed (the Windows build's)", file=out)
    return problems


# ---- writing -----------------------------------------------------------------------------------

RULE = "=" * 78


def referenced_licences(text):
    names = set()
    for name in re.findall(r"/usr/share/common-licenses/([A-Za-z0-9.+-]+)", text):
        path = COMMON_LICENSES / name.rstrip(".")
        if path.is_file():
            # GPL and LGPL are links to the latest versions: each text once, by its own name.
            names.add(path.resolve().name)
    return names


def source_paragraph(entries, source_url, version):
    lines = [
        "The corresponding source",
        "",
        f"Plugo {version} itself: the project's repository"
        + (f", {source_url}" if source_url else "") + f", the release {version}.",
        "The components below: Debian's source packages of exactly the versions named, from the",
        "Debian archive (apt-get source PACKAGE=VERSION) or snapshot.debian.org.",
    ]
    lines += [f"  {source} {ver}" for source, ver in entries]
    return lines


def write_atomically(path, text, newline):
    path = Path(path)
    fd, temporary = tempfile.mkstemp(dir=path.parent, prefix=f".{path.name}.")
    try:
        with os.fdopen(fd, "w", encoding="utf-8", newline=newline) as stream:
            stream.write(text)
        os.chmod(temporary, 0o644)
        os.replace(temporary, path)
    except BaseException:
        os.unlink(temporary)
        raise


def notices(components, platform, programs, toolkit, source_url, version):
    blocks, sources, summary, appendix = [], [], [], set()
    # Several dictionaries come from one source package, whose copyright file covers them all: its
    # text once, where it first appears.
    printed = {}
    built = toolkit_components(toolkit) if platform == "windows" else {}
    for component in components:
        if platform == "linux":
            if not component["linux"]:
                continue
            found = source_of(component["linux"][0])
            if not found:
                # Nothing can link or depend on what is not installed; the check has seen to that.
                print(f"note: {component['linux'][0]} is not installed: {component['name']} left out",
                      file=sys.stderr)
                continue
            ver = found[1]
            if component["recommended"]:
                how = ("files the programs read, from Debian's package " + ", ".join(component["linux"])
                       + ", which the Debian package recommends; the .tar.gz carries copies of them")
            else:
                how = "Debian's packages " + ", ".join(component["linux"]) + ", which the programs use"
            texts = [(f"{component['source']} {ver}: debian/copyright "
                      f"({DOC / component['linux'][0] / 'copyright'})", copyright_of(component["linux"][0]))]
        else:
            kind = component["windows"]
            if kind in ("-", "toolkit-tests"):
                continue
            if kind == "toolkit":
                if component["source"] not in built:
                    print(f"note: the Windows toolkit has no {component['source']}: left out",
                          file=sys.stderr)
                    continue
                ver, folder = built[component["source"]]
                how = "linked statically into the programs; built from Debian's source package"
                texts = toolkit_licences(component["source"], ver, folder)
            else:
                found = source_of(component["windows_package"])
                if not found:
                    raise ListError(f"{component['windows_package']} is not installed")
                ver = found[1]
                binary = dpkg_query(component["windows_package"], "${Version}")
                if binary != ver:
                    ver += f" (binary package {component['windows_package']} {binary})"
                how = ("linked statically into the programs by the compiler, from Debian's package "
                       if kind == "compiler" else "a file beside the programs, from Debian's package ") \
                    + component["windows_package"]
                texts = [(f"{component['source']} {ver}: debian/copyright",
                          copyright_of(component["windows_package"]))]
            for _, text in texts:
                appendix |= referenced_licences(text)
        if (component["source"], ver) not in sources:
            sources.append((component["source"], ver))
        summary.append((component["name"], component["source"], ver, component["licence"]))
        block = [RULE, component["name"], RULE,
                 f"Debian source package: {component['source']} {ver}",
                 f"Licence: {component['licence']}",
                 f"How the programs use it: {how}", ""]
        for title, text in texts:
            block += [f"---- {title} " + "-" * max(0, 72 - len(title)), ""]
            if text in printed:
                block += [f"The same text as under {printed[text]} above.", ""]
            else:
                printed[text] = component["name"]
                block += [text.rstrip("\n"), ""]
        blocks.append(block)

    head = [
        f"Plugo {version}: third-party notices",
        "",
        "Plugo is free software under the GNU General Public License, version 3 or any later",
        "version (GPL-3.0-or-later); LICENSE.txt beside this file is its text. The programs",
        "are built with the components below, each under its own licence, whose copyright",
        "notices and licence texts follow."
    ]
    if platform == "windows":
        head += ["They are linked statically into plugo.exe, editor.exe and update.exe. The LGPL",
                 "lets you relink the programs with a changed Qt: the programs' source and the",
                 "toolkit's build script (tools/windows/toolkit.sh) are in the corresponding source",
                 "below."]
    elif any(c.get("recommended") and c["linux"] for c in components):
        head += ["On Linux the programs use them as Debian's shared libraries, and read the files of",
                 "those the Debian package recommends (the spelling dictionaries), of which the",
                 ".tar.gz carries copies."]
    else:
        head += ["On Linux the programs use them as Debian's shared libraries."]
    head += [""]
    head += [f"  {name:<28} {source} {ver}  ({licence})" for name, source, ver, licence in summary]
    head += [""] + source_paragraph(sources, source_url, version) + [""]
    body = head + [line for block in blocks for line in block]
    if appendix:
        body += [RULE, "Appendix: the common licences the texts above refer to",
                 "(on Debian systems in /usr/share/common-licenses)", RULE, ""]
        for name in sorted(appendix):
            body += [f"---- {name} " + "-" * (72 - len(name)), "",
                     (COMMON_LICENSES / name).read_text(encoding="utf-8").rstrip("\n"), ""]
    return "\n".join(body) + "\n"


def dep5_text(text):
    """A free text as the continuation lines of a DEP-5 field, each paragraph wrapped."""
    lines = []
    for paragraph in text.rstrip("\n").split("\n"):
        lines += textwrap.wrap(paragraph, 78, initial_indent=" ", break_on_hyphens=False, subsequent_indent="   "
                               if paragraph.startswith("- ") else " ") or [" ."]
    return "\n".join(lines)


def copyright_file(components, contact, source_url, version, year):
    used, recommended = [], []
    for component in components:
        if not component["linux"]:
            continue
        found = source_of(component["linux"][0])
        if not found:
            continue
        (recommended if component.get("recommended") else used).append(
            f"- {component['name']}: Debian's {', '.join(component['linux'])} "
            f"(source {found[0]} {found[1]}), {component['licence']}; its copyright and "
            f"licence are in /usr/share/doc/{component['linux'][0]}/copyright.")
    comment = ("The programs use these libraries and files from Debian's own packages, which this "
               "package depends on and does not contain:\n" + "\n".join(used))
    if recommended:
        comment += ("\nThey read the files of these, which this package recommends and does not "
                    "contain:\n" + "\n".join(recommended))
    source = source_url or f"the project's repository, release {version}"
    return (
        "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
        "Upstream-Name: Plugo\n"
        f"Upstream-Contact: {contact}\n"
        f"Source: {source}\n"
        f"Comment:\n{dep5_text(comment)}\n"
        "\n"
        "Files: *\n"
        f"Copyright: {year} {contact}\n"
        "License: GPL-3.0-or-later\n"
        "\n"
        "License: GPL-3.0-or-later\n"
        " This program is free software: you can redistribute it and/or modify it under\n"
        " the terms of the GNU General Public License as published by the Free Software\n"
        " Foundation, either version 3 of the License, or (at your option) any later\n"
        " version.\n"
        " .\n"
        " This program is distributed in the hope that it will be useful, but WITHOUT\n"
        " ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS\n"
        " FOR A PARTICULAR PURPOSE. See the GNU General Public License for more details.\n"
        " .\n"
        " On Debian systems, the complete text of the GNU General Public License\n"
        " version 3 can be found in /usr/share/common-licenses/GPL-3.\n"
    )


# ---- the dictionaries beside the programs ------------------------------------------------------

def dictionary_sources(components, codes, folder=HUNSPELL, owner=package_of_file):
    """[(code, affix file, word file, package, component)] for each dictionary code: its files in
    folder (links followed: Debian installs most regional dictionaries as links) and the list's
    component that names the package holding them as a file beside the programs."""
    files = {c["windows_package"]: c for c in components if c["windows"] == "file"}
    found = []
    for code in codes:
        affix, words = Path(folder) / f"{code}.aff", Path(folder) / f"{code}.dic"
        for path in (affix, words):
            if not path.is_file():
                raise ListError(f"{path} is missing: is its Debian package installed?")
        package = owner(affix)
        if not package or owner(words) != package:
            raise ListError(f"{affix} and {words} do not belong to one Debian package")
        if package not in files:
            raise ListError(f"{affix} comes from {package}, which the list does not name as a file "
                            f"beside the programs (file:{package})")
        found.append((code, affix, words, package, files[package]))
    return found


def upstream_notes(package, code, doc=DOC):
    """[(name, text)]: the dictionary's own README in the package's documentation, where the
    upstream authors say more of its licence than the Debian copyright file does."""
    notes = []
    for path in sorted((doc / package).glob(f"README_{code}.txt*")):
        data = gzip.decompress(path.read_bytes()) if path.suffix == ".gz" else path.read_bytes()
        notes.append((path.name.removesuffix(".gz"), data.decode("utf-8", errors="replace")))
    return notes


def dictionary_copyright(package, code, doc=DOC):
    """The text of <code>.copyright: the package's Debian copyright file, then the upstream notes."""
    text = (doc / package / "copyright").read_text(encoding="utf-8", errors="replace")
    text = text.replace("\r\n", "\n").rstrip("\n") + "\n"
    for name, note in upstream_notes(package, code, doc):
        note = note.replace("\r\n", "\n")
        title = f"{name}, from {doc / package}"
        text += "\n" + f"---- {title} " + "-" * max(0, 72 - len(title)) + "\n\n" + note.rstrip("\n") + "\n"
    return text


def dictionaries_readme(entries, platform):
    """The README of the dictionaries folder. entries: [(code, package, version, source, source
    version, component)]."""
    lines = [
        "Spelling dictionaries",
        "",
        "The editor checks spelling with Hunspell and these dictionaries. Each is copied unchanged,",
        "under the name the editor looks for, from the Debian package named below, which installs it",
        "in /usr/share/hunspell. Its copyright and licence are beside it in CODE.copyright: the",
        "Debian copyright file of its package, and the upstream README where the package has one.",
    ]
    if platform == "windows":
        lines += ["The full texts of the common licences those files refer to are at the end of",
                  "THIRD-PARTY-NOTICES.txt beside the programs."]
    else:
        lines += ["The full texts of the common licences those files refer to are, on Debian systems, in",
                  "/usr/share/common-licenses."]
    lines += ["", "The Debian package of the programs ships no copies: it recommends these packages, and the",
              "editor reads their dictionaries in /usr/share/hunspell.", ""]
    for code, package, version, source, source_version, component in entries:
        lines += [f"{code}.aff, {code}.dic: {component['name']}",
                  f"  Debian package: {package} {version} (source package {source} {source_version})",
                  f"  Licence: {component['licence']}",
                  f"  Copyright and licence: {code}.copyright",
                  ""]
    return "\n".join(lines)


def write_dictionaries(components, codes, out, platform):
    """Lays out the folder out: <code>.aff and <code>.dic as Debian installed them, <code>.copyright
    and README; the text files with Windows' line ends for Windows."""
    newline = "\r\n" if platform == "windows" else "\n"
    out = Path(out)
    out.mkdir(parents=True, exist_ok=True)
    entries = []
    for code, affix, words, package, component in dictionary_sources(components, codes):
        for source, name in ((affix, f"{code}.aff"), (words, f"{code}.dic")):
            fd, temporary = tempfile.mkstemp(dir=out, prefix=f".{name}.")
            os.close(fd)
            try:
                shutil.copyfile(source, temporary)  # follows links: the real file, under the code's name
                os.chmod(temporary, 0o644)
                os.replace(temporary, out / name)
            except BaseException:
                os.unlink(temporary)
                raise
        write_atomically(out / f"{code}.copyright", dictionary_copyright(package, code), newline)
        found = source_of(package)
        if not found:
            raise ListError(f"{package} is not installed")
        entries.append((code, package, dpkg_query(package, "${Version}"), found[0], found[1], component))
    write_atomically(out / "README", dictionaries_readme(entries, platform), newline)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("what", choices=["notices", "copyright", "check", "dictionaries"])
    parser.add_argument("--list", required=True)
    parser.add_argument("--out")
    parser.add_argument("--platform", choices=["linux", "windows"], default="linux")
    parser.add_argument("--programs", nargs="*", default=[])
    parser.add_argument("--deb")
    parser.add_argument("--toolkit", help="the Windows toolkit's prefixes, separated by ';' or '|'")
    parser.add_argument("--contact", default="")
    parser.add_argument("--source-url", default="")
    parser.add_argument("--version", default="")
    parser.add_argument("--year", default="2025")
    parser.add_argument("--codes", nargs="*", default=[], help="the dictionaries' codes (sv_SE ...)")
    args = parser.parse_args(argv)
    try:
        components = read_list(args.list)
        if args.what == "dictionaries":
            write_dictionaries(components, args.codes, args.out, args.platform)
            return 0
        if args.what == "check" or args.platform == "linux":
            problems = check(components, args.programs, args.deb,
                             args.toolkit if args.what == "check" or args.platform == "windows" else None)
        else:
            problems = check(components, toolkit=args.toolkit)
        if problems:
            for problem in problems:
                print(f"{args.list}: {problem}", file=sys.stderr)
            print(f"{args.list} does not match the build: add or correct the components above.",
                  file=sys.stderr)
            return 1
        if args.what == "notices":
            write_atomically(args.out, notices(components, args.platform, args.programs, args.toolkit,
                                               args.source_url, args.version),
                             "\r\n" if args.platform == "windows" else "\n")
        elif args.what == "copyright":
            write_atomically(args.out, copyright_file(components, args.contact, args.source_url,
                                                      args.version, args.year), "\n")
        else:
            print("The third-party list matches what the builds link, depend on and build.")
    except (ListError, subprocess.CalledProcessError, OSError) as error:
        print(f"third-party.py: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
