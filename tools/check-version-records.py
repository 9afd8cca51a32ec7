#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks what the build cannot: the version records as Windows reads them out of the built programs,
and the desktop entries and MIME type of the vocabulary files as Linux reads them.

The version itself needs no check of its own: packaging/version.cmake sets it once, and the build
writes it into the programs, the resource scripts' records, the desktop entries and the packages.
What is still written by hand is checked here where it lands:

With --programs (the Windows leg) it reads each built program: one Windows GUI program (no console
window) that needs no DLL but Windows' own, carrying the program icon and the version record of its
resource script (packaging/*.rc), with the given version, description "Programfil", the program's
comment and its internal name, in the Swedish string table.

With --desktop (Linux) it reads the desktop entries the build wrote (from packaging/*.desktop.in):
the given version, the same name, comment, description and internal name as the Windows records, the programs' paths,
and desktop-file-validate's verdict when it is installed. The editor opens vocabulary files from
the file manager: its entry takes a file and names the MIME type that packaging/plugo-glosfil.xml
gives *.gls. The XML is read here and, where shared-mime-info and desktop-file-utils are installed,
built into a scratch MIME database and desktop-entry cache, to see that *.gls really maps to the
type and the type to the editor.

Usage: check-version-records.py --programs <folder of plugo.exe, editor.exe, update.exe> --version 1.00 <source folder>
       check-version-records.py --desktop <folder of the built *.desktop> --version 1.00 <source folder>
CMake passes the version of packaging/version.cmake (tests/packaging/CMakeLists.txt).
"""

import argparse
import configparser
import pathlib
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree

DESCRIPTION = "Programfil"

PROGRAMS = {
    "plugo": {
        "comment": "Träna dina glosläxor!",
        "name": "PlugoPro",
    },
    "update": {
        "comment": "Uppdaterar Plugoprogrammen",
        "name": "PlugoPro Update",
    },
    "editor": {
        "comment": "Skriv glosor för Plugo",
        "name": "Vuzuvevizaduvareziv",
        # The file manager hands it the vocabulary file to open.
        "arguments": " %f",
        "mime": "application/x-plugo-glosfil",
    },
}

MIME_FILE = "plugo-glosfil.xml"
MIME_TYPE = "application/x-plugo-glosfil"
MIME_COMMENT = "Plugo glosfil"
MIME_GLOB = "*.gls"
MIME_NAMESPACE = "http://www.freedesktop.org/standards/shared-mime-info"

# Swedish (0x041D), Unicode code page (1200): the StringFileInfo block and its translation entry.
LANGUAGE = 0x041D
CODEPAGE = 1200
STRING_BLOCK = "041d04b0"

RT_ICON = 3
RT_GROUP_ICON = 14
RT_VERSION = 16

failures = []


def fail(where, message):
    failures.append(f"{where}: {message}")


def expected_strings(program, version):
    facts = PROGRAMS[program]
    return {
        "Comments": facts["comment"],
        "FileDescription": DESCRIPTION,
        "FileVersion": version,
        "InternalName": program,
        "OriginalFilename": f"{program}.exe",
        "ProductName": facts["name"],
        "ProductVersion": version,
    }


def version_numbers(version):
    major, minor = version.split(".")
    return [int(major), int(minor), 0, 0]


# ---- the resources ---------------------------------------------------------------------------

def align4(offset):
    return (offset + 3) & ~3


def read_version_node(data, offset):
    """One node of a VS_VERSIONINFO tree: (key, value, children), and where the next node starts."""
    length, value_length, value_type = struct.unpack_from("<HHH", data, offset)
    end = offset + length
    at = offset + 6
    key_end = at
    while struct.unpack_from("<H", data, key_end)[0] != 0:
        key_end += 2
    key = data[at:key_end].decode("utf-16-le")
    at = align4(key_end + 2)
    if value_type == 1:
        raw = data[at: at + value_length * 2]
        value = raw.decode("utf-16-le")
        at += value_length * 2
    else:
        value = data[at: at + value_length]
        at += value_length
    at = align4(at)
    children = []
    while at < end:
        child, at = read_version_node(data, at)
        children.append(child)
    return (key, value, children), align4(end)


def check_resources(root, source, program, entries, version):
    """The version record and icon among a program's resources, as Windows reads them."""
    versions = [body for kind, _name, language, body in entries if kind == RT_VERSION]
    if len(versions) != 1:
        fail(source, f"has {len(versions)} version resources, expected 1")
        return
    (key, fixed, children), _ = read_version_node(versions[0], 0)
    if key != "VS_VERSION_INFO" or len(fixed) != 52:
        fail(source, "version resource has no fixed part")
        return
    signature, _struct_version, ms, ls, pms, pls = struct.unpack_from("<IIIIII", fixed, 0)
    file_type = struct.unpack_from("<I", fixed, 36)[0]
    numbers = [ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF]
    product = [pms >> 16, pms & 0xFFFF, pls >> 16, pls & 0xFFFF]
    if signature != 0xFEEF04BD:
        fail(source, "fixed version part has a wrong signature")
    if numbers != version_numbers(version) or product != version_numbers(version):
        fail(source, f"versions are {numbers} and {product}, expected {version_numbers(version)}")
    if file_type != 1:
        fail(source, f"file type is {file_type}, not 1")

    strings = {}
    translation = None
    for child_key, _value, grandchildren in children:
        if child_key == "StringFileInfo":
            for table_key, _v, rows in grandchildren:
                if table_key.lower() != STRING_BLOCK:
                    fail(source, f"string table is {table_key}")
                for row_key, row_value, _none in rows:
                    strings[row_key] = row_value.rstrip("\0")
        elif child_key == "VarFileInfo":
            for var_key, var_value, _none in grandchildren:
                if var_key == "Translation":
                    translation = struct.unpack_from("<HH", var_value, 0)
    if strings != expected_strings(program, version):
        fail(source, f"strings are {strings}, expected {expected_strings(program, version)}")
    if translation != (LANGUAGE, CODEPAGE):
        fail(source, f"translation is {translation}")

    groups = [body for kind, _n, _l, body in entries if kind == RT_GROUP_ICON]
    images = [body for kind, _n, _l, body in entries if kind == RT_ICON]
    ico = (root / "data" / "icons" / "plugo.ico").read_bytes()
    (count,) = struct.unpack_from("<H", ico, 4)
    if len(groups) != 1 or len(images) != count or count == 0:
        fail(source, f"has {len(groups)} icon groups and {len(images)} images; plugo.ico has {count}")


# ---- the built programs ----------------------------------------------------------------------

# What Windows itself provides; anything else a program imports would have to lie beside it.
SYSTEM_DLLS = {
    "advapi32.dll", "bcrypt.dll", "comdlg32.dll", "crypt32.dll", "d2d1.dll", "d3d11.dll", "d3d9.dll",
    "dwmapi.dll", "dwrite.dll", "dxgi.dll", "gdi32.dll", "imm32.dll", "kernel32.dll", "msvcrt.dll",
    "netapi32.dll", "ole32.dll", "oleaut32.dll", "normaliz.dll", "secur32.dll", "setupapi.dll",
    "shcore.dll", "shell32.dll", "shlwapi.dll", "user32.dll", "userenv.dll", "uxtheme.dll",
    "version.dll", "winmm.dll", "ws2_32.dll", "wtsapi32.dll", "authz.dll", "mpr.dll", "dnsapi.dll",
    "iphlpapi.dll", "wldap32.dll", "api-ms-win-core-synch-l1-2-0.dll",
    "api-ms-win-core-winrt-l1-1-0.dll", "api-ms-win-core-winrt-string-l1-1-0.dll",
    # The print spooler's, which the editor's printing asks for the printers.
    "winspool.drv",
}
IMAGE_SUBSYSTEM_WINDOWS_GUI = 2


def read_pe(data):
    """A Windows program's subsystem, imported DLLs and resources as (type, name, language, bytes)."""
    if data[:2] != b"MZ":
        raise ValueError("not a Windows program")
    (pe,) = struct.unpack_from("<I", data, 0x3C)
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("no PE header")
    sections_count, = struct.unpack_from("<H", data, pe + 6)
    optional_size, = struct.unpack_from("<H", data, pe + 20)
    optional = pe + 24
    if struct.unpack_from("<H", data, optional)[0] != 0x20B:
        raise ValueError("not a 64-bit program")
    subsystem, = struct.unpack_from("<H", data, optional + 68)
    directories = optional + 112
    import_rva, _ = struct.unpack_from("<II", data, directories + 8)
    resource_rva, _ = struct.unpack_from("<II", data, directories + 16)
    sections = []
    for index in range(sections_count):
        at = optional + optional_size + 40 * index
        virtual_size, virtual_address, raw_size, raw_pointer = struct.unpack_from("<IIII", data, at + 8)
        sections.append((virtual_address, max(virtual_size, raw_size), raw_pointer))

    def offset(rva):
        for address, size, raw in sections:
            if address <= rva < address + size:
                return raw + rva - address
        raise ValueError(f"address {rva:#x} lies in no section")

    def c_string(at):
        return data[at:data.index(b"\0", at)].decode("ascii")

    imports = []
    if import_rva:
        at = offset(import_rva)
        while True:
            name_rva = struct.unpack_from("<I", data, at + 12)[0]
            if name_rva == 0:
                break
            imports.append(c_string(offset(name_rva)).lower())
            at += 20

    entries = []
    if resource_rva:
        base = offset(resource_rva)

        def directory(at):
            named, numbered = struct.unpack_from("<HH", data, at + 12)
            for index in range(named + numbered):
                ident, target = struct.unpack_from("<II", data, at + 16 + 8 * index)
                if ident & 0x80000000:
                    length, = struct.unpack_from("<H", data, base + (ident & 0x7FFFFFFF))
                    start = base + (ident & 0x7FFFFFFF) + 2
                    ident = data[start:start + 2 * length].decode("utf-16-le")
                yield ident, target

        for kind, kind_target in directory(base):
            for name, name_target in directory(base + (kind_target & 0x7FFFFFFF)):
                for language, leaf in directory(base + (name_target & 0x7FFFFFFF)):
                    rva, size = struct.unpack_from("<II", data, base + leaf)
                    body = data[offset(rva):offset(rva) + size]
                    entries.append((kind, name, language, body))
    return subsystem, imports, entries


def check_programs(root, folder, version):
    for program in PROGRAMS:
        path = folder / f"{program}.exe"
        if not path.is_file():
            fail(path, "missing")
            continue
        try:
            subsystem, imports, entries = read_pe(path.read_bytes())
        except (ValueError, struct.error) as error:
            fail(path, f"cannot be read: {error}")
            continue
        if subsystem != IMAGE_SUBSYSTEM_WINDOWS_GUI:
            fail(path, f"is not a Windows GUI program (subsystem {subsystem}): it would open a console")
        foreign = sorted(name for name in imports if name not in SYSTEM_DLLS)
        if foreign:
            fail(path, f"needs DLLs that Windows does not have: {', '.join(foreign)}")
        check_resources(root, path, program, entries, version)
    extra = sorted(p.name for p in folder.glob("*.dll"))
    if extra:
        fail(folder, f"holds DLLs: {', '.join(extra)}")


# ---- the icon file ---------------------------------------------------------------------------

def check_icon(root):
    path = root / "data" / "icons" / "plugo.ico"
    if not path.is_file():
        fail(path, "missing")
        return
    data = path.read_bytes()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1 or count == 0:
        fail(path, "is not an icon file")
        return
    sizes = set()
    for index in range(count):
        width, height = struct.unpack_from("<BB", data, 6 + 16 * index)
        size, offset = struct.unpack_from("<II", data, 6 + 16 * index + 8)
        if offset + size > len(data):
            fail(path, f"image {index} runs past the end of the file")
        sizes.add((width or 256, height or 256))
    for wanted in (16, 32, 48):
        if (wanted, wanted) not in sizes:
            fail(path, f"has no {wanted}x{wanted} image")


# ---- the desktop entries ---------------------------------------------------------------------

def read_utf8(path):
    if not path.is_file():
        fail(path, "missing")
        return None
    data = path.read_bytes()
    if data.startswith(b"\xef\xbb\xbf"):
        fail(path, "begins with a byte-order mark")
        data = data[3:]
    try:
        return data.decode("utf-8")
    except UnicodeDecodeError as error:
        fail(path, f"is not UTF-8: {error}")
        return None


def check_desktop(folder, program, version, validator):
    path = folder / f"{program}.desktop"
    text = read_utf8(path)
    if text is None:
        return
    parser = configparser.RawConfigParser(delimiters=("=",), comment_prefixes=("#",), strict=True)
    parser.optionxform = str
    try:
        parser.read_string(text, str(path))
    except configparser.Error as error:
        fail(path, f"cannot be read: {error}")
        return
    if "Desktop Entry" not in parser:
        fail(path, "has no [Desktop Entry] group")
        return
    entry = parser["Desktop Entry"]
    wanted = {
        "Type": "Application",
        "Name": PROGRAMS[program]["name"],
        "Comment": PROGRAMS[program]["comment"],
        "Exec": f"/usr/lib/plugo/{program}" + PROGRAMS[program].get("arguments", ""),
        "TryExec": f"/usr/lib/plugo/{program}",
        "Path": "/usr/lib/plugo",
        "Icon": "plugo",
        "Terminal": "false",
        "X-Plugo-Version": version,
        "X-Plugo-Description": DESCRIPTION,
        "X-Plugo-InternalName": program,
    }
    for key, value in wanted.items():
        if entry.get(key) != value:
            fail(path, f'{key} is "{entry.get(key)}", expected "{value}"')
    mime = PROGRAMS[program].get("mime")
    types = [name for name in entry.get("MimeType", "").split(";") if name]
    if types != ([mime] if mime else []):
        fail(path, f"MimeType lists {types}, expected {[mime] if mime else []}")

    if validator:
        run = subprocess.run([validator, str(path)], capture_output=True, text=True)
        if run.returncode != 0 or run.stdout.strip() or run.stderr.strip():
            fail(path, f"desktop-file-validate: {run.stdout}{run.stderr}".strip())


# ---- the MIME type of the vocabulary files ---------------------------------------------------

def check_mime_xml(root):
    path = root / "packaging" / MIME_FILE
    if not path.is_file():
        fail(path, "missing")
        return
    try:
        tree = xml.etree.ElementTree.parse(path)
    except xml.etree.ElementTree.ParseError as error:
        fail(path, f"is not well-formed XML: {error}")
        return
    ns = "{" + MIME_NAMESPACE + "}"
    top = tree.getroot()
    if top.tag != ns + "mime-info":
        fail(path, f"top element is {top.tag}, expected {ns}mime-info")
        return
    types = top.findall(ns + "mime-type")
    if [kind.get("type") for kind in types] != [MIME_TYPE]:
        fail(path, f"defines {[kind.get('type') for kind in types]}, expected [{MIME_TYPE}]")
        return
    kind = types[0]
    comments = [(c.get("{http://www.w3.org/XML/1998/namespace}lang"), c.text) for c in kind.findall(ns + "comment")]
    if (None, MIME_COMMENT) not in comments:
        fail(path, f'has no comment "{MIME_COMMENT}" (has {comments})')
    globs = [glob.get("pattern") for glob in kind.findall(ns + "glob")]
    if globs != [MIME_GLOB]:
        fail(path, f"globs are {globs}, expected [{MIME_GLOB}]")


def check_mime_database(root, folder, mime_tool, cache_tool):
    """Builds the XML and the editor's entry into scratch databases, as the package's triggers do."""
    xml_path = root / "packaging" / MIME_FILE
    entry_path = folder / "editor.desktop"
    with tempfile.TemporaryDirectory() as scratch:
        share = pathlib.Path(scratch) / "share"
        (share / "mime" / "packages").mkdir(parents=True)
        (share / "applications").mkdir()
        shutil.copy(xml_path, share / "mime" / "packages")
        shutil.copy(entry_path, share / "applications")
        # Within the search path, or update-mime-database adds a note of its own to the output.
        env = {"PATH": "/usr/bin:/bin", "XDG_DATA_HOME": str(share), "XDG_DATA_DIRS": str(share)}
        # It ends with status 0 on errors too; it tells of them on its output.
        run = subprocess.run([mime_tool, str(share / "mime")], capture_output=True, text=True, env=env)
        said = (run.stdout + run.stderr).strip()
        if run.returncode != 0 or said:
            fail(xml_path, f"update-mime-database: {said}")
        globs = share / "mime" / "globs2"
        lines = globs.read_text(encoding="utf-8").splitlines() if globs.is_file() else []
        if not any(line.endswith(f":{MIME_TYPE}:{MIME_GLOB}") for line in lines):
            fail(xml_path, f"the MIME database does not map {MIME_GLOB} to {MIME_TYPE}")
        if cache_tool:
            run = subprocess.run([cache_tool, str(share / "applications")], capture_output=True, text=True,
                                 env=env)
            cache = share / "applications" / "mimeinfo.cache"
            text = cache.read_text(encoding="utf-8") if cache.is_file() else ""
            if run.returncode != 0 or f"{MIME_TYPE}=editor.desktop;" not in text.splitlines():
                said = (run.stdout + run.stderr).strip()
                fail(entry_path, f"update-desktop-database does not make it the opener of {MIME_TYPE}"
                                 + (f": {said}" if said else ""))


def report(success):
    for line in failures:
        print(line)
    if failures:
        return 1
    print(success)
    return 0


def main():
    parser = argparse.ArgumentParser(description="Checks the records of the built programs.")
    mode = parser.add_mutually_exclusive_group(required=True)
    mode.add_argument("--programs", type=pathlib.Path, help="the folder of the built Windows programs")
    mode.add_argument("--desktop", type=pathlib.Path, help="the folder of the built desktop entries")
    parser.add_argument("--version", required=True, help="the version the records must carry, such as 1.00")
    parser.add_argument("source", type=pathlib.Path, help="the source folder")
    arguments = parser.parse_args()
    root = arguments.source.resolve()

    if not re.fullmatch(r"\d+\.\d\d", arguments.version):
        parser.error("--version is MAJOR.MINOR, the minor number in two digits")

    if arguments.programs:
        check_icon(root)
        check_programs(root, arguments.programs, arguments.version)
        return report("The built programs carry their version records and the icon: " + ", ".join(
            f"{program}.exe" for program in PROGRAMS) + "; each is one Windows GUI program with no DLL of its own")

    validator = shutil.which("desktop-file-validate")
    mime_tool = shutil.which("update-mime-database")
    cache_tool = shutil.which("update-desktop-database")
    for program in PROGRAMS:
        check_desktop(arguments.desktop, program, arguments.version, validator)
    check_mime_xml(root)
    if mime_tool:
        check_mime_database(root, arguments.desktop, mime_tool, cache_tool)
    else:
        print("update-mime-database is not installed (shared-mime-info): the MIME type was read as XML only")
    if not validator:
        print("desktop-file-validate is not installed (desktop-file-utils): desktop entries not validated")
    return report("The desktop entries agree: " + ", ".join(PROGRAMS) + f"; *.gls is {MIME_TYPE}, opened by the editor")


if __name__ == "__main__":
    sys.exit(main())
