#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tries the Windows installers under Wine, in a Wine prefix of its own:
#
#   tools/windows/installer-test.sh BUILD        installers from BUILD/packages (made when missing)
#   tools/windows/installer-test.sh --standin    with stand-in programs (no Windows toolkit needed)
#
# - the whole installation, silent into a chosen folder: the programs and data files are there and
#   nothing else, the uninstall record, Start-menu entries and the *.gls opener are in the
#   registry; run again without a folder it replaces the installation where it is;
# - each update installer replaces its one program (the trainer's also the data files) and leaves
#   the rest, in the folder named by the uninstall record;
# - an update installer run while its program is open changes nothing and says so: silent, it
#   ends with exit code 2; with its pages, it waits for the user to close the program and choose
#   "Försök igen" (Retry), then replaces it;
# - the uninstaller removes every file the installation put there and nothing of the user's kept
#   files, in the local application data folder or in the program folder;
# - with nothing installed, an update installer refuses and creates nothing;
# - the default folder is C:\Program Files\Plugo;
# - the MSI installs and uninstalls silently with msiexec, and the update installers find it;
# - a throw-away self-made certificate signs the installers and the MSI (tools/windows/sign.sh),
#   the signatures verify with osslsigncode, a changed byte breaks them, and a signed installer
#   still installs.
# Runs itself under Xvfb when there is no display (the open program needs one).
# The checks' own functions run through expect and must (tools/checks.sh):
# shellcheck disable=SC2317
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=../setup.sh
source "$here/../setup.sh"
# shellcheck source=files.sh
source "$here/files.sh"
# shellcheck source=wine-env.sh
source "$here/wine-env.sh"
# shellcheck source=../checks.sh
source "$here/../checks.sh"

if [ $# -ne 1 ]; then
  echo "usage: tools/windows/installer-test.sh BUILD | --standin" >&2
  exit 2
fi

PLUGO_PACKAGES+=("${PLUGO_WINDOWS_PACKAGING_PACKAGES[@]}" wine wine64 xvfb xauth xdotool gcc-mingw-w64-x86-64-posix)
plugo_install_packages

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

plugo_wine_scratch plugo-installer-test

if [ "$1" = "--standin" ]; then
  build=$scratch/build
  "$here/standin/make-standin.sh" "$build" >/dev/null
  # Built long ago, so that a file dated when it was packed or installed shows.
  find "$build/bin" -type f -exec touch -d '2025-11-02 10:00:00' {} +
else
  build=$(cd "$1" && pwd)
fi
packages=$build/packages
version=$(cmake -P "$here/version.cmake" | sed -n 's/^PLUGO_VERSION_TEXT=//p')
setup=$packages/plugo-$version-setup.exe
msi=$packages/plugo-$version.msi
if [ ! -f "$setup" ] || [ ! -f "$msi" ] || [ ! -f "$packages/plugo_upd.exe" ] ||
  [ ! -f "$packages/editor_upd.exe" ] || [ ! -f "$packages/update_upd.exe" ]; then
  "$here/package.sh" "$build" >/dev/null
fi
# The data files, and the folders they lie in (dictionaries).
plugo_windows_data "$build" || exit 1
programs=("${PLUGO_WINDOWS_PROGRAMS[@]}")
kept=(plugo.slg recentg.txt latest_practice.html)

echo "-- a Wine prefix of its own"
plugo_wine_boot

# shellcheck source=wine-session.sh
source "$here/wine-session.sh"
startmenu=$drive/ProgramData/Microsoft/Windows/Start\ Menu/Programs/PlugoPro
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Plugo'

# finish_page_done WIZARD: presses Enter ("Slutför") in the wizard; true once the installer ended.
finish_page_done() {
  kill -0 "$updater" 2>/dev/null || return 0
  xdotool windowfocus "$1" key Return >/dev/null 2>&1 || true
  ! kill -0 "$updater" 2>/dev/null
}

# What an installed file must be: the data files as in bin/, the programs as in bin/ stripped.
reference=$scratch/reference
mkdir -p "$reference"
for program in "${programs[@]}"; do
  plugo_windows_strip "$build/bin/$program.exe" "$reference/$program.exe"
done
for name in "${data[@]}"; do
  mkdir -p "$(dirname "$reference/$name")"
  cp "$build/bin/$name" "$reference/$name"
done

same_as_shipped() { cmp -s "$reference/$1" "$2/$1"; }
# The updater dates the installed programs: they keep the time they were built.
# The installers keep a file's time to two seconds (the even second before), as DOS file times do.
dated_as_built() {
  local built installed
  built=$(stat -c %Y "$build/bin/$1")
  installed=$(stat -c %Y "$2/$1")
  ((installed <= built && built - installed < 2))
}
mark() { printf 'an older %s\n' "$1" >"$2/$1"; }
is_marked() { [ "$(cat "$2/$1" 2>/dev/null)" = "an older $1" ]; }

# check_installed FOLDER: exactly the shipped files and the uninstaller, as shipped.
check_installed() {
  local folder=$1 name
  for name in "${programs[@]/%/.exe}" "${data[@]}"; do
    expect "$name installed in $folder as shipped" same_as_shipped "$name" "$folder"
    expect "$name installed in $folder with the time it was built" dated_as_built "$name" "$folder"
  done
  expect "the uninstaller is in $folder" test -f "$folder/uninstall.exe"
  local extra
  extra=$(cd "$folder" && find . -mindepth 1 -printf '%P\n' |
    grep -v -x -F -f <(printf '%s\n' "${programs[@]/%/.exe}" "${data[@]}" "${data_folders[@]}" uninstall.exe "${kept[@]}") || true)
  expect "nothing else in $folder (found: $extra)" test -z "$extra"
}

# The user's kept files from an earlier session, in the local application data folder.
mkdir -p "$userfolder"
for name in "${kept[@]}"; do printf 'the user'"'"'s own %s\n' "$name" >"$userfolder/$name"; done
user_files_kept() {
  local folder=$1 name
  for name in "${kept[@]}"; do
    [ "$(cat "$folder/$name" 2>/dev/null)" = "the user's own $name" ] || return 1
  done
}

echo "-- the whole installation, silent, into a chosen folder"
chosen='C:\Skola\Plugo Pro'
folder=$(unix_path "$chosen")
rc=0; install_into "$chosen" "$setup" /S || rc=$?
expect "setup /S /D= ends with 0 (was $rc)" test "$rc" = 0
check_installed "$folder"
expect "InstallLocation in the uninstall record" test "$(reg_value "$uninstall_key" InstallLocation)" = "$chosen"
expect "DisplayName PlugoPro" test "$(reg_value "$uninstall_key" DisplayName)" = "PlugoPro"
expect "DisplayVersion $version" test "$(reg_value "$uninstall_key" DisplayVersion)" = "$version"
expect "DisplayIcon is the trainer's" test "$(reg_value "$uninstall_key" DisplayIcon)" = "$chosen\\plugo.exe,0"
expect "Publisher" test "$(reg_value "$uninstall_key" Publisher)" = "Plugo"
expect "UninstallString" test "$(reg_value "$uninstall_key" UninstallString)" = "\"$chosen\\uninstall.exe\""
expect "QuietUninstallString" test "$(reg_value "$uninstall_key" QuietUninstallString)" = "\"$chosen\\uninstall.exe\" /S"
expect "EstimatedSize set" test -n "$(reg_value "$uninstall_key" EstimatedSize)"
expect ".gls is a Plugo glosfil" test "$(reg_value 'HKLM\Software\Classes\.gls')" = "Plugo.Glosfil"
expect "Plugo.Glosfil is named" test "$(reg_value 'HKLM\Software\Classes\Plugo.Glosfil')" = "Plugo glosfil"
expect ".gls opens in the editor" test "$(reg_value 'HKLM\Software\Classes\Plugo.Glosfil\shell\open\command')" = "\"$chosen\\editor.exe\" \"%1\""
expect ".gls shows the program icon" test "$(reg_value 'HKLM\Software\Classes\Plugo.Glosfil\DefaultIcon')" = "$chosen\\editor.exe,0"
for entry in PlugoPro Vuzuvevizaduvareziv "PlugoPro Update"; do
  expect "Start-menu entry $entry" test -f "$startmenu/$entry.lnk"
done
expect "the user's kept files untouched by the installation" user_files_kept "$userfolder"
expect "no folder made in Program Files" test ! -e "$drive/Program Files/Plugo"

echo "-- run again without a folder: replaces the installation where it is"
for name in "${programs[@]/%/.exe}" "${data[@]}"; do mark "$name" "$folder"; done
# The trainer keeps its files in its own folder when it can write there.
for name in "${kept[@]}"; do printf 'the user'"'"'s own %s\n' "$name" >"$folder/$name"; done
rc=0; run_windows "$setup" /S || rc=$?
expect "setup /S again ends with 0 (was $rc)" test "$rc" = 0
check_installed "$folder"
expect "still no folder in Program Files" test ! -e "$drive/Program Files/Plugo"
expect "kept files in the program folder untouched" user_files_kept "$folder"
expect "kept files in the local application data folder untouched" user_files_kept "$userfolder"

echo "-- update installers: each replaces its one program"
for name in "${programs[@]/%/.exe}" "${data[@]}"; do mark "$name" "$folder"; done
rc=0; run_windows "$packages/plugo_upd.exe" /S || rc=$?
expect "plugo_upd.exe /S ends with 0 (was $rc)" test "$rc" = 0
expect "plugo_upd.exe replaced plugo.exe" same_as_shipped plugo.exe "$folder"
for name in "${data[@]}"; do expect "plugo_upd.exe replaced $name" same_as_shipped "$name" "$folder"; done
expect "plugo_upd.exe left editor.exe" is_marked editor.exe "$folder"
expect "plugo_upd.exe left update.exe" is_marked update.exe "$folder"
rc=0; run_windows "$packages/editor_upd.exe" /S || rc=$?
expect "editor_upd.exe /S ends with 0 (was $rc)" test "$rc" = 0
expect "editor_upd.exe replaced editor.exe" same_as_shipped editor.exe "$folder"
expect "editor_upd.exe left update.exe" is_marked update.exe "$folder"
mark plugo.exe "$folder"
mark plugo.html "$folder"
rc=0; run_windows "$packages/update_upd.exe" /S || rc=$?
expect "update_upd.exe /S ends with 0 (was $rc)" test "$rc" = 0
expect "update_upd.exe replaced update.exe" same_as_shipped update.exe "$folder"
expect "update_upd.exe left plugo.exe" is_marked plugo.exe "$folder"
expect "update_upd.exe left plugo.html" is_marked plugo.html "$folder"
expect "kept files untouched by the updates" user_files_kept "$folder"
expect "kept files in the local application data folder untouched by the updates" user_files_kept "$userfolder"
rc=0; run_windows "$packages/plugo_upd.exe" /S || rc=$?
expect "plugo_upd.exe /S again ends with 0 (was $rc)" test "$rc" = 0
check_installed "$folder"

echo "-- an update installer while its program is open"
# The trainer's window: the real one's title, or the stand-in's.
window_title=${PLUGO_TEST_TRAINER_TITLE:-^(PlugoPro|plugo stand-in plugo)}
(cd "$folder" && exec wine "$chosen\\plugo.exe" >/dev/null 2>&1) &
trainer=$!
trainer_window() { xdotool search --onlyvisible --name "$window_title" >/dev/null 2>&1; }
if ! wait_for 120 trainer_window; then
  fail "the installed trainer showed no window"
fi
mark plugo.html "$folder"
rc=0; wine "$packages/plugo_upd.exe" /S >/dev/null 2>&1 || rc=$?
expect "plugo_upd.exe /S with the trainer open ends with 2 (was $rc)" test "$rc" = 2
expect "with the trainer open, nothing was replaced" is_marked plugo.html "$folder"
expect "with the trainer open, plugo.exe is as it was" same_as_shipped plugo.exe "$folder"
rc=0; uninstall "$chosen" || rc=$?
expect "the uninstaller with the trainer open ends with 2 (was $rc)" test "$rc" = 2
expect "the uninstaller with the trainer open removes nothing" same_as_shipped editor.exe "$folder"

# With its pages: the installer asks; the user closes the trainer and chooses Retry ("Försök
# igen"). Keys go to the window that has the focus; Enter presses its default button.
wine "$packages/plugo_upd.exe" >/dev/null 2>&1 &
updater=$!
installer_windows() { xdotool search --onlyvisible --name '^Uppdatera PlugoPro$' 2>/dev/null || true; }
has_installer_window() { [ -n "$(installer_windows)" ]; }
question_window() { installer_windows | grep -v -x "$wizard" | head -n 1; }
has_question() { [ -n "$(question_window)" ]; }
# "Nästa" on the welcome page, pressed until the question comes (the page takes keys only once it
# is drawn; on the next page, and behind the question, the buttons take none).
question_or_enter() {
  has_question && return 0
  xdotool windowfocus --sync "$wizard" key Return >/dev/null 2>&1 || true
  return 1
}
if wait_for 60 has_installer_window; then
  wizard=$(installer_windows | head -n 1)
  if wait_for 60 question_or_enter; then
    ok
    question=$(question_window)
    expect "while the question is open, nothing was replaced" is_marked plugo.html "$folder"
    wine taskkill /IM plugo.exe >/dev/null 2>&1 || true
    wait "$trainer" || true
    xdotool windowfocus --sync "$question" key Return   # "Försök igen"
    wait_for 60 eval '! has_question' || fail "the question stayed open after Retry"
    # The finish page: "Slutför".
    wait_for 60 finish_page_done "$wizard" || fail "plugo_upd.exe did not end at its finish page"
  else
    fail "no question from plugo_upd.exe while the trainer is open"
  fi
else
  fail "plugo_upd.exe showed no window"
fi
if kill -0 "$updater" 2>/dev/null; then
  fail "plugo_upd.exe still running"
  kill "$updater" 2>/dev/null || true
fi
rc=0; wait "$updater" || rc=$?
expect "plugo_upd.exe after Retry ends with 0 (was $rc)" test "$rc" = 0
expect "after Retry, plugo.exe is as shipped" same_as_shipped plugo.exe "$folder"
expect "after Retry, the data files are replaced" same_as_shipped plugo.html "$folder"
wine taskkill /IM plugo.exe >/dev/null 2>&1 || true
wait "$trainer" 2>/dev/null || true
wineserver -w

echo "-- the uninstaller"
# The trainer kept its own files meanwhile (the real one rewrites its recent list as it closes):
# the user's again.
for name in "${kept[@]}"; do printf 'the user'"'"'s own %s\n' "$name" >"$folder/$name"; done
rc=0; uninstall "$chosen" || rc=$?
expect "uninstall.exe /S ends with 0 (was $rc)" test "$rc" = 0
for name in "${programs[@]/%/.exe}" "${data[@]}" uninstall.exe; do
  expect "uninstall removed $name" test ! -e "$folder/$name"
done
for name in "${data_folders[@]}"; do
  expect "uninstall removed the folder $name" test ! -e "$folder/$name"
done
expect "kept files in the program folder stay" user_files_kept "$folder"
expect "kept files in the local application data folder stay" user_files_kept "$userfolder"
expect "the uninstall record is gone" reg_missing "$uninstall_key"
expect "the vocabulary type is gone" reg_missing 'HKLM\Software\Classes\Plugo.Glosfil'
expect ".gls no longer names it" reg_missing 'HKLM\Software\Classes\.gls'
expect "the Start-menu folder is gone" test ! -e "$startmenu"

echo "-- an update installer with nothing installed"
rm -rf "$folder"
rc=0; run_windows "$packages/editor_upd.exe" /S || rc=$?
expect "editor_upd.exe /S without an installation ends with 2 (was $rc)" test "$rc" = 2
expect "editor_upd.exe made no folder" test ! -e "$folder"
expect "editor_upd.exe made no folder in Program Files" test ! -e "$drive/Program Files/Plugo"

echo "-- the default folder"
rc=0; run_windows "$setup" /S || rc=$?
expect "setup /S ends with 0 (was $rc)" test "$rc" = 0
default=$drive/Program\ Files/Plugo
check_installed "$default"
expect "InstallLocation is C:\\Program Files\\Plugo" test "$(reg_value "$uninstall_key" InstallLocation)" = 'C:\Program Files\Plugo'
rc=0; uninstall 'C:\Program Files\Plugo' || rc=$?
expect "uninstall.exe /S ends with 0 (was $rc)" test "$rc" = 0
expect "the uninstaller removed the empty folder" test ! -e "$default"
expect "kept files in the local application data folder stay" user_files_kept "$userfolder"

echo "-- the MSI"
rc=0; run_windows msiexec /i "$msi" /qn || rc=$?
expect "msiexec /i /qn ends with 0 (was $rc)" test "$rc" = 0
for name in "${programs[@]/%/.exe}" "${data[@]}"; do
  expect "the MSI installed $name as shipped" same_as_shipped "$name" "$default"
  expect "the MSI installed $name with the time it was built" dated_as_built "$name" "$default"
done
expect "the MSI names its folder for the update installers" test "$(reg_value 'HKLM\Software\Plugo' InstallLocation)" = 'C:\Program Files\Plugo\'
expect "the MSI: .gls is a Plugo glosfil" test "$(reg_value 'HKLM\Software\Classes\.gls')" = "Plugo.Glosfil"
expect "the MSI: .gls opens in the editor" test "$(reg_value 'HKLM\Software\Classes\Plugo.Glosfil\shell\open\command')" = '"C:\Program Files\Plugo\editor.exe" "%1"'
expect "the MSI: .gls shows the program icon" test "$(reg_value 'HKLM\Software\Classes\Plugo.Glosfil\DefaultIcon')" = 'C:\Program Files\Plugo\editor.exe,0'
# Wine's Windows Installer puts them in the user's own Start menu, Windows in the one for all.
user_startmenu=$(unix_path "$(wine cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')")/Microsoft/Windows/Start\ Menu/Programs/PlugoPro
for entry in PlugoPro Vuzuvevizaduvareziv "PlugoPro Update"; do
  expect "the MSI: Start-menu entry $entry" test -f "$startmenu/$entry.lnk" -o -f "$user_startmenu/$entry.lnk"
done
mark plugo.exe "$default"
mark editor.exe "$default"
rc=0; run_windows "$packages/plugo_upd.exe" /S || rc=$?
expect "plugo_upd.exe /S over the MSI ends with 0 (was $rc)" test "$rc" = 0
expect "plugo_upd.exe replaced plugo.exe of the MSI installation" same_as_shipped plugo.exe "$default"
expect "plugo_upd.exe left editor.exe of the MSI installation" is_marked editor.exe "$default"
expect "plugo_upd.exe wrote no uninstaller into the MSI installation" test ! -e "$default/uninstall.exe"
rc=0; run_windows msiexec /x "$msi" /qn || rc=$?
expect "msiexec /x /qn ends with 0 (was $rc)" test "$rc" = 0
for name in "${programs[@]/%/.exe}" "${data[@]}" "${data_folders[@]}"; do
  expect "the MSI removed $name" test ! -e "$default/$name"
done
expect "the MSI removed the Start-menu folder" test ! -e "$startmenu" -a ! -e "$user_startmenu"
expect "the MSI removed the vocabulary type" reg_missing 'HKLM\Software\Classes\Plugo.Glosfil'
expect "the MSI removed its folder's record" reg_missing 'HKLM\Software\Plugo'
expect "kept files in the local application data folder stay after the MSI" user_files_kept "$userfolder"

echo "-- signing with a throw-away certificate"
keys=$scratch/keys
mkdir -p "$keys"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Plugo test signer/O=Plugo" \
  -addext "extendedKeyUsage=codeSigning" -keyout "$keys/key.pem" -out "$keys/cert.pem" >/dev/null 2>&1
signed=$scratch/signed
mkdir -p "$signed/bin"
cp -r "$build/bin"/* "$signed/bin/"
cp "$build/data-files.txt" "$signed/"
if PLUGO_SIGN_CERT=$keys/cert.pem PLUGO_SIGN_KEY=$keys/key.pem "$here/package.sh" "$signed" >/dev/null 2>&1; then
  ok
  for file in "plugo-$version-setup.exe" plugo_upd.exe editor_upd.exe update_upd.exe "plugo-$version.msi"; do
    expect "$file is signed and verifies" osslsigncode verify -CAfile "$keys/cert.pem" -in "$signed/packages/$file" >/dev/null 2>&1
  done
  broken=$scratch/broken.exe
  cp "$signed/packages/plugo_upd.exe" "$broken"
  printf 'X' | dd of="$broken" bs=1 seek=4096 conv=notrunc status=none
  expect "a changed byte breaks the signature" bash -c "! osslsigncode verify -CAfile '$keys/cert.pem' -in '$broken' >/dev/null 2>&1"
  expect "an unsigned installer does not verify" bash -c "! osslsigncode verify -CAfile '$keys/cert.pem' -in '$setup' >/dev/null 2>&1"
  rc=0; install_into 'C:\Signed' "$signed/packages/plugo-$version-setup.exe" /S || rc=$?
  expect "the signed installer installs (was $rc)" test "$rc" = 0
  expect "the signed installer put plugo.exe in place" test -f "$drive/Signed/plugo.exe"
  rc=0
  osslsigncode extract-signature -in "$drive/Signed/uninstall.exe" -out "$scratch/uninstall.sig" >/dev/null 2>&1 || rc=$?
  expect "the uninstaller it wrote is signed too" test "$rc" = 0
  expect "the signed uninstaller verifies" osslsigncode verify -CAfile "$keys/cert.pem" -in "$drive/Signed/uninstall.exe" >/dev/null 2>&1
else
  fail "package.sh with a certificate and key"
fi

checks_end "$checks checks, $failures failed"
