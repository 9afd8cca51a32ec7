#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the packages from a built Release folder and checks what they install: the program folder
# with the programs and every shipped data file (from `cmake --install`, in the .tar.gz and in the
# Debian package under /usr/lib/plugo), the licence and third-party notices, the spelling
# dictionaries with their licences (in the folder and the .tar.gz; the Debian package recommends
# Debian's packages of them instead), the links in /usr/bin,
# the desktop entries, icons and the MIME type of *.gls, the package's dependencies, its copyright
# file and changelog, what lintian says of it, that the third-party list matches what the programs
# link and the package depends on, that the installed programs start from the package, unpacked into
# a scratch root (the editor also with a vocabulary file to open), and that an installation of the
# last package with the folder under /opt/plugo upgrades to this one with dpkg.
#
# Usage: tools/package-test.sh [build folder]          (default: build/)
set -euo pipefail
source "$(dirname "$0")/setup.sh"
build=$(cd "${1:-$PLUGO_BUILD}" && pwd)

# Once the trainer keeps plugo.slg, recentg.txt and latest_practice.html in the user's data folder
# when its program folder is not writable, set this to 1: a missing plugo.slg in $XDG_DATA_HOME/plugo
# then fails the test instead of being reported.
strict_data_home=${PLUGO_STRICT_DATA_HOME:-1}

# shellcheck source=checks.sh
source "$PLUGO_ROOT/tools/checks.sh"

scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch" 2>/dev/null; rm -rf "$scratch"' EXIT
# The programs run as another user below, who must reach them.
chmod 755 "$scratch"

echo "-- Packages"
plugo_package "$build"
deb=$(ls "$build"/packages/plugo_*.deb)
tgz=$(ls "$build"/packages/plugo-*.tar.gz)

# ---- what the program folder must hold -------------------------------------------------------
programs=(plugo)
# The updater and the editor are in the folder whenever the build made them.
[ -x "$build/bin/update" ] && programs+=(update)
[ -x "$build/bin/editor" ] && programs+=(editor)
has_editor() { [[ " ${programs[*]} " == *" editor "* ]]; }
# The licence and the notices lie beside the programs in the folder and the archive; the Debian
# package has them as its copyright file instead.
notices=(LICENSE.txt THIRD-PARTY-NOTICES.txt)
# The data files: what the build lists as shipping beside the programs (data/files.cmake), but for
# the notices and the dictionaries.
[ -f "$build/data-files.txt" ] || die "$build has no data-files.txt, the list of the files that ship"
mapfile -t data < <(grep -v -x -F "${notices[@]/#/-e}" "$build/data-files.txt" | grep -v '^dictionaries/')
# So do the spelling dictionaries, in dictionaries/ (packaging/dictionaries.cmake names them); the
# Debian package recommends Debian's packages of them, whose files the editor reads in /usr/share/hunspell.
mapfile -t dictionary_files < <(cmake -P "$PLUGO_ROOT/packaging/dictionaries.cmake")
mapfile -t dictionaries < <(printf '%s\n' "${dictionary_files[@]}" | sed -n 's|^dictionaries/\(.*\)\.aff$|\1|p')
[ "${dictionaries[*]}" = "sv_SE en_US en_GB de_DE fr_FR es_ES" ] ||
  fail "packaging/dictionaries.cmake names the dictionaries '${dictionaries[*]}'"
recommended=(xdg-utils hunspell-sv hunspell-en-us hunspell-en-gb hunspell-de-de hunspell-fr hunspell-es)
printf '%s\n' "${programs[@]}" "${data[@]}" | sort >"$scratch/package-folder.expected"
printf '%s\n' "${programs[@]}" "${data[@]}" "${notices[@]}" "${dictionary_files[@]}" | sort >"$scratch/folder.expected"
# The commands in /usr/bin: not "editor" and "update", which are the system's or too general.
declare -A command_of=([plugo]=plugo [update]=plugo-update [editor]=plugo-editor)
# The editor's menu command opens its help page beside it.
if has_editor && [[ " ${data[*]} " != *" editor.html "* ]]; then fail "data/ has no editor.html for the editor"; fi

desktop_expected() {
  local program size
  for program in "${programs[@]}"; do
    echo "usr/share/applications/$program.desktop"
  done
  for size in 16 24 32 48 64 128 256; do
    echo "usr/share/icons/hicolor/${size}x${size}/apps/plugo.png"
  done
  echo "usr/share/icons/hicolor/scalable/apps/plugo.svg"
  # The type of *.gls, which the editor's entry opens.
  has_editor && echo "usr/share/mime/packages/plugo-glosfil.xml"
  for program in "${programs[@]}"; do echo "usr/share/man/man1/${command_of[$program]}.1.gz"; done
  echo "usr/share/doc/plugo/copyright"
  echo "usr/share/doc/plugo/changelog.gz"
  return 0
}
{ sed 's|^|usr/lib/plugo/|' "$scratch/package-folder.expected"; desktop_expected; } | sort >"$scratch/deb.expected"

# compare <what> <expected list> <actual list>
compare() {
  if ! diff -u "$2" "$3" >"$scratch/diff"; then
    fail "$1 differs from what it should hold (- missing, + extra):"
    sed '1,2d' "$scratch/diff" >&2
  fi
}

# ---- cmake --install: one folder, nothing outside it ----------------------------------------
echo "-- cmake --install"
DESTDIR=$scratch/destdir cmake --install "$build" --prefix /opt/plugo >/dev/null
(cd "$scratch/destdir" && find . -type f -printf '%P\n' | sort) >"$scratch/install.actual"
for name in "${notices[@]}"; do
  cmp -s "$build/bin/$name" "$scratch/destdir/opt/plugo/$name" || fail "cmake --install: $name differs from bin/$name"
done
cmp -s "$PLUGO_ROOT/LICENSE" "$build/bin/LICENSE.txt" || fail "bin/LICENSE.txt differs from LICENSE"
grep -q "^Plugo 1.00: third-party notices" "$build/bin/THIRD-PARTY-NOTICES.txt" ||
  fail "bin/THIRD-PARTY-NOTICES.txt does not begin as the notices do"
sed 's|^|opt/plugo/|' "$scratch/folder.expected" >"$scratch/install.expected"
compare "cmake --install" "$scratch/install.expected" "$scratch/install.actual"

# ---- the .tar.gz: the folder under one top-level folder ---------------------------------------
echo "-- $(basename "$tgz")"
top=$(basename "$tgz" .tar.gz)
tar -tzf "$tgz" | grep -v '/$' | sort >"$scratch/tgz.actual"
sed "s|^|$top/|" "$scratch/folder.expected" >"$scratch/tgz.expected"
compare "$(basename "$tgz")" "$scratch/tgz.expected" "$scratch/tgz.actual"
tar -xzf "$tgz" -C "$scratch" "$top/THIRD-PARTY-NOTICES.txt"
cmp -s "$build/bin/THIRD-PARTY-NOTICES.txt" "$scratch/$top/THIRD-PARTY-NOTICES.txt" ||
  fail "the notices in $(basename "$tgz") differ from bin/THIRD-PARTY-NOTICES.txt"
# Each dictionary as Debian installs it (links followed: fr_FR is Debian's fr), its package's
# copyright file beside it, and the README naming file, package and licence.
tar -xzf "$tgz" -C "$scratch" "$top/dictionaries"
shipped=$scratch/$top/dictionaries
for code in "${dictionaries[@]}"; do
  for extension in aff dic; do
    cmp -s "/usr/share/hunspell/$code.$extension" "$shipped/$code.$extension" ||
      fail "dictionaries/$code.$extension in $(basename "$tgz") differs from /usr/share/hunspell/$code.$extension"
  done
  package=$(dpkg -S "/usr/share/hunspell/$code.aff" | cut -d: -f1)
  copyright_file=/usr/share/doc/$package/copyright
  cmp -s -n "$(stat -c %s "$copyright_file")" "$copyright_file" "$shipped/$code.copyright" ||
    fail "dictionaries/$code.copyright in $(basename "$tgz") does not begin with $copyright_file"
  grep -qx "$code.aff, $code.dic: .*($code)" "$shipped/README" || fail "dictionaries/README does not name $code's files"
  grep -qx "  Debian package: $package $(dpkg-query -W -f='${Version}' "$package") (source package .*)" "$shipped/README" ||
    fail "dictionaries/README does not name $package and its version"
  grep -qx "  Copyright and licence: $code.copyright" "$shipped/README" || fail "dictionaries/README does not name $code.copyright"
done
[ "$(grep -c '^  Licence: ' "$shipped/README")" = "${#dictionaries[@]}" ] || fail "dictionaries/README does not give each licence"

# ---- the Debian package ----------------------------------------------------------------------
echo "-- $(basename "$deb")"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = plugo ] || fail "package name is '$(field Package)'"
[ "$(field Version)" = 1.00 ] || fail "package version is '$(field Version)'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture is '$(field Architecture)'"
description=$(field Description)
[[ $description == *glostränare* ]] || fail "the description has no Swedish text"
[[ $description == *"vocabulary trainer"* ]] || fail "the description has no English text"
depends=$(field Depends)
echo "Depends: $depends"
needed=(libqt6core6 libqt6gui6 libqt6widgets6 qt6-translations-l10n)
[[ " ${programs[*]} " == *" update "* ]] && needed+=(libcurl4)
# Hunspell, through dpkg-shlibdeps, once the editor calls it (the linker drops a library nothing
# calls, so the editor names it only then).
if has_editor && readelf -d "$build/bin/editor" | grep -q 'Shared library: \[libhunspell'; then
  needed+=(libhunspell-1.7-0)
fi
for name in "${needed[@]}"; do
  [[ ", $depends," == *", $name "* || ", $depends," == *", $name,"* ]] || fail "does not depend on $name"
done
# The dictionaries are recommended, not depended on: the editor works without them.
recommends=$(field Recommends)
echo "Recommends: $recommends"
[ "$recommends" = "$(printf '%s\n' "${recommended[@]}" | paste -sd ',' | sed 's/,/, /g')" ] ||
  fail "the package recommends '$recommends', expected ${recommended[*]}"
# Every dependency is met by what this Debian machine has installed.
if ! dpkg-checkbuilddeps -d "$depends" /dev/null 2>"$scratch/deps"; then
  fail "dependencies not met here: $(cat "$scratch/deps")"
fi

root=$scratch/root
dpkg-deb -x "$deb" "$root"
chmod 755 "$root"
(cd "$root" && find . -type f -printf '%P\n' | sort) >"$scratch/deb.actual"
compare "$(basename "$deb")" "$scratch/deb.expected" "$scratch/deb.actual"
# The commands in /usr/bin: relative links into the folder, nothing else there.
(cd "$root" && find usr/bin -mindepth 1 -printf '%P\n' 2>/dev/null | sort) >"$scratch/bin.actual"
for program in "${programs[@]}"; do echo "${command_of[$program]}"; done | sort >"$scratch/bin.expected"
compare "/usr/bin in $(basename "$deb")" "$scratch/bin.expected" "$scratch/bin.actual"
for program in "${programs[@]}"; do
  link=$root/usr/bin/${command_of[$program]}
  [ "$(readlink "$link" 2>/dev/null)" = "../lib/plugo/$program" ] ||
    fail "/usr/bin/${command_of[$program]} is not a link to ../lib/plugo/$program"
done

# The copyright file, in Debian's machine-readable format, and the changelog of this version.
copyright=$root/usr/share/doc/plugo/copyright
head -n 1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not in Debian's machine-readable format"
grep -qx 'License: GPL-3.0-or-later' "$copyright" || fail "the copyright file does not give GPL-3.0-or-later"
for name in libqt6core6 libcurl4; do
  grep -q "/usr/share/doc/$name/copyright" "$copyright" || fail "the copyright file does not name $name"
done
changelog_version=$(zcat "$root/usr/share/doc/plugo/changelog.gz" | sed -n '1s/^plugo (\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$(field Version)" ] ||
  fail "the changelog's latest entry is '$changelog_version', the package's version '$(field Version)'"

# The one third-party list against what the programs link and the package depends on (and the
# Windows toolkit, when it is built here).
toolkit=()
if prefixes=$("$PLUGO_ROOT/tools/windows/toolkit.sh" --cached 2>/dev/null); then
  toolkit=(--toolkit "$(printf '%s' "$prefixes" | paste -sd ';')")
fi
binaries=()
for program in "${programs[@]}"; do binaries+=("$build/bin/$program"); done
python3 "$PLUGO_ROOT/tools/third-party.py" check --list "$PLUGO_ROOT/packaging/third-party.txt" \
  --programs "${binaries[@]}" --deb "$deb" "${toolkit[@]}" || fail "packaging/third-party.txt is behind the build"

# lintian: no error and no warning, with no override. (Its notes at the information level are
# printed by `lintian -I`; the README says why each stays.)
if command -v lintian >/dev/null; then
  echo "-- lintian"
  if ! lintian --fail-on error,warning --display-level ">=warning" "$deb" >"$scratch/lintian.out" 2>&1; then
    fail "lintian:"
    cat "$scratch/lintian.out" >&2
  else
    sed 's/^/  /' "$scratch/lintian.out"
    echo "lintian: no error, no warning"
  fi
else
  fail "lintian is not installed"
fi

dpkg-deb -c "$deb" | awk '$1 !~ /^d/ && $2 != "root/root" { print "owner " $2 ": " $6 }' >"$scratch/owners"
[ -s "$scratch/owners" ] && fail "files not owned by root: $(cat "$scratch/owners")"

folder=$root/usr/lib/plugo
for name in "${data[@]}"; do
  [ -f "$folder/$name" ] && ! cmp -s "$PLUGO_ROOT/data/$name" "$folder/$name" && fail "$name differs from data/$name"
done
for size in 16 24 32 48 64 128 256; do
  cmp -s "$PLUGO_ROOT/data/icons/plugo-$size.png" "$root/usr/share/icons/hicolor/${size}x${size}/apps/plugo.png" ||
    fail "the ${size}x${size} icon differs from data/icons/plugo-$size.png"
done
cmp -s "$PLUGO_ROOT/data/icons/plugo.svg" "$root/usr/share/icons/hicolor/scalable/apps/plugo.svg" ||
  fail "the scalable icon differs from data/icons/plugo.svg"
for program in "${programs[@]}"; do
  [ -x "$folder/$program" ] || fail "$program is not executable"
  entry=$root/usr/share/applications/$program.desktop
  [ -f "$entry" ] || continue
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "$program.desktop does not validate"
  fi
  exec_line=$(sed -n 's/^Exec=//p' "$entry")
  wanted=/usr/lib/plugo/$program
  [ "$program" = editor ] && wanted+=" %f"
  [ "$exec_line" = "$wanted" ] || fail "$program.desktop runs '$exec_line', expected '$wanted'"
done

# ---- the MIME type: what the triggers of shared-mime-info and desktop-file-utils make of it ------
if ! command -v update-mime-database >/dev/null; then
  echo "update-mime-database is not installed (shared-mime-info): the MIME type is not built"
elif has_editor && [ -f "$root/usr/share/mime/packages/plugo-glosfil.xml" ]; then
  cmp -s "$PLUGO_ROOT/packaging/plugo-glosfil.xml" "$root/usr/share/mime/packages/plugo-glosfil.xml" ||
    fail "the MIME type differs from packaging/plugo-glosfil.xml"
  share=$scratch/share
  mkdir -p "$share"
  cp -r "$root/usr/share/mime" "$root/usr/share/applications" "$share/"
  XDG_DATA_DIRS=$share XDG_DATA_HOME=$share update-mime-database "$share/mime" >"$scratch/mime.out" 2>&1
  [ -s "$scratch/mime.out" ] && fail "update-mime-database: $(cat "$scratch/mime.out")"
  grep -q ':application/x-plugo-glosfil:\*\.gls$' "$share/mime/globs2" ||
    fail "the installed MIME type does not give *.gls the type application/x-plugo-glosfil"
  if command -v update-desktop-database >/dev/null; then
    update-desktop-database "$share/applications"
    grep -qx 'application/x-plugo-glosfil=editor.desktop;' "$share/applications/mimeinfo.cache" ||
      fail "the installed entries do not open application/x-plugo-glosfil with the editor"
  fi
  echo "*.gls is application/x-plugo-glosfil and opens in the editor"
fi

# ---- the installed programs start ------------------------------------------------------------
# As root, the programs run as nobody, for whom the folder under /usr/lib is not writable, as for any
# user of an installed package; otherwise the folder is made read-only for the run.
home=$scratch/home
mkdir -p "$home/runtime"
chmod 700 "$home/runtime"
runner=()
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody:nogroup "$home"
  runner=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
  chmod a-w "$folder"
fi
if "${runner[@]}" test -w "$folder"; then folder_writable=1; else folder_writable=0; fi

# start <program> [argument]: runs it for five seconds; it waits for its user, so still running
# then (the time-out's 124) is a start, and anything else is a crash or an early end. A program
# given with a folder (usr/bin/plugo) is started through that path in the scratch root.
start() {
  local program=$1 status=0 name=$1${2:+ $(basename "$2")} path=$folder/$1
  [[ $program == */* ]] && path=$root/$program
  local out=$scratch/${name//[ \/]/_}.out
  (cd "$home" && timeout -k 5 5 "${runner[@]}" env -i PATH=/usr/bin:/bin LANG=C.UTF-8 \
    HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" \
    XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen \
    "$path" ${2:+"$2"}) >"$out" 2>&1 || status=$?
  if [ "$status" -eq 124 ]; then
    echo "$name started from /${path#"$root"/} and was still running after 5 s"
  else
    fail "$name ended with status $status within 5 s of its start; it said:"
    cat "$out" >&2
  fi
  if [ -s "$out" ]; then
    echo "$name said:"
    sed 's/^/  /' "$out"
  fi
}

for program in "${programs[@]}"; do
  start "$program"
done
# As the menu's command line and a terminal start it: through its link in /usr/bin.
start usr/bin/plugo
# The editor as the file manager starts it: with the vocabulary file to open, one of the user's
# own and one from the program folder, which the user cannot write.
if has_editor; then
  cp "$folder/engelska.gls" "$home/glosor.gls"
  [ "$(id -u)" -eq 0 ] && chown nobody:nogroup "$home/glosor.gls"
  start editor "$home/glosor.gls"
  start editor "$folder/tyska.gls"
fi

# ---- where the trainer kept its files --------------------------------------------------------
kept=$home/.local/share/plugo
if [ "$folder_writable" -eq 1 ]; then
  [ -f "$folder/plugo.slg" ] || fail "the program folder is writable, and plugo.slg is not in it"
else
  echo "The program folder is not writable for the trainer."
  if [ -f "$kept/plugo.slg" ]; then
    echo "plugo.slg is in the user's data folder: $(basename "$kept")/ holds $(ls "$kept" | tr '\n' ' ')"
  elif [ "$strict_data_home" = 1 ]; then
    fail "plugo.slg is not in \$XDG_DATA_HOME/plugo"
  else
    echo "NOTE: plugo.slg is not in \$XDG_DATA_HOME/plugo (not checked yet). The user's folders hold:"
    (cd "$home" && find . -path ./runtime -prune -o -type f -print | sed 's/^/  /')
  fi
fi
[ "$(id -u)" -ne 0 ] && chmod u+w "$folder"

# ---- an upgrade from the package that had the folder under /opt/plugo -------------------------
# Both are installed with dpkg into a scratch root of their own. Its package database starts with
# this machine's records of the packages the two depend on (with empty file lists: their files stay
# outside the root), so dpkg checks the dependencies as on a real upgrade; no other package's
# triggers are there, so none of their scripts is looked for. The package has no scripts of its own.
echo "-- upgrade from the /opt/plugo package"
if ! old_deb=$("$PLUGO_ROOT/tools/old-deb.sh"); then
  fail "could not make the /opt/plugo package to upgrade from"
else
  droot=$scratch/dpkg-root
  mkdir -p "$droot/var/lib/dpkg/info" "$droot/var/lib/dpkg/updates" "$droot/var/lib/dpkg/triggers"
  { dpkg-deb -f "$old_deb" Depends; echo ,; field Depends; } | tr ',' '\n' | sed 's/^ *//; s/[ (:].*//; /^$/d' |
    sort -u >"$scratch/dependencies"
  # One record per paragraph of dpkg's status file, those of the depended-on packages kept.
  awk -v RS= -v ORS='\n\n' -v names="$(tr '\n' ' ' <"$scratch/dependencies")" '
    BEGIN { n = split(names, w, " "); for (i = 1; i <= n; i++) want[w[i]] }
    { split($0, l, "\n"); sub(/^Package: /, "", l[1]) } l[1] in want' /var/lib/dpkg/status >"$droot/var/lib/dpkg/status"
  while IFS= read -r name; do
    : >"$droot/var/lib/dpkg/info/$name.list"
    : >"$droot/var/lib/dpkg/info/$name:$(dpkg --print-architecture).list"
  done <"$scratch/dependencies"
  dpkg_root() { dpkg --root="$droot" --force-not-root --force-script-chrootless "$@"; }
  dpkg_root -i "$old_deb" >"$scratch/dpkg-old.out" 2>&1 || { fail "installing $(basename "$old_deb"):"; cat "$scratch/dpkg-old.out" >&2; }
  [ -x "$droot/opt/plugo/plugo" ] || fail "the old package did not install /opt/plugo/plugo"
  if dpkg_root -i "$deb" >"$scratch/dpkg-new.out" 2>&1; then
    sed 's/^/  /' "$scratch/dpkg-new.out"
  else
    fail "upgrading to $(basename "$deb"):"
    cat "$scratch/dpkg-new.out" >&2
  fi
  grep -i -e 'warning' -e 'problem' "$scratch/dpkg-new.out" && fail "dpkg warned during the upgrade"
  status=$(dpkg-query --admindir="$droot/var/lib/dpkg" -W -f='${Status} ${Version}' plugo 2>&1)
  [ "$status" = "install ok installed $(field Version)" ] || fail "after the upgrade plugo is '$status'"
  [ -e "$droot/opt/plugo" ] && fail "/opt/plugo is still there after the upgrade: $(cd "$droot/opt/plugo" && ls)"
  (cd "$droot" && find . -path ./var -prune -o ! -type d -printf '%P\n' | sort) >"$scratch/upgrade.actual"
  { cat "$scratch/deb.expected"; sed 's|^|usr/bin/|' "$scratch/bin.expected"; } | sort >"$scratch/upgrade.expected"
  compare "the upgraded installation" "$scratch/upgrade.expected" "$scratch/upgrade.actual"
  dpkg-query --admindir="$droot/var/lib/dpkg" -L plugo | grep '^/opt' && fail "dpkg still lists files under /opt"
  [ "$failures" -eq 0 ] && echo "The /opt/plugo installation upgraded to /usr/lib/plugo; nothing left under /opt."
fi

checks_end "Package test passed." "Package test: $failures failure(s)."
