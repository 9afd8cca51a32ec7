#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The update chain as a user lives through it, end to end under Wine, with Debian's nginx on
# loopback as the update server:
#
#   tools/windows/chain-test.sh BUILD      (BUILD: the Windows build; ./test windows runs it)
#
# 1. plugo-VERSION-setup.exe installs silently; the programs and data files are there, and the
#    installed plugo.exe starts and shows its window (it is closed again, and keeps its files);
# 2. tools/publish-update publishes a first release (every product dated long ago), then a newer
#    one of the trainer alone: plugo_upd.exe rebuilt from a plugo.exe dated tomorrow, the other
#    products keeping their dates; both signed with a publisher's key made for the run;
# 3. the updater's window, with that key, on the installation's folder, checks against that
#    server: only the trainer is newer; an installer changed on the server is refused and nothing
#    is saved; the published one, "Uppdatera" saves byte for byte;
# 4. the downloaded installer runs silently: the installed plugo.exe now carries the new date, the
#    editor and the updater are untouched, and the user's kept files are still there;
# 5. the check again: nothing is newer.
# Runs itself under Xvfb when there is no display (the trainer's window needs one).
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

if [ $# -ne 1 ] || [ ! -d "$1/bin" ]; then
  echo "usage: tools/windows/chain-test.sh BUILD   (the Windows build folder)" >&2
  exit 2
fi
build=$(cd "$1" && pwd)

PLUGO_PACKAGES+=("${PLUGO_WINDOWS_PACKAGING_PACKAGES[@]}" wine wine64 xvfb xauth xdotool nginx-light minisign)
plugo_install_packages

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

server=
# The update server stops when its standard input ends.
stop_server() { [ -z "$server" ] || { exec 7>&-; wait "$server" 2>/dev/null || true; }; }
plugo_wine_cleanup_steps+=(stop_server)
plugo_wine_scratch plugo-chain-test

echo "-- a Wine prefix of its own"
plugo_wine_ready
# shellcheck source=wine-session.sh
source "$here/wine-session.sh"

packages=$build/packages
version=$(cmake -P "$here/version.cmake" | sed -n 's/^PLUGO_VERSION_TEXT=//p')
setup=$packages/plugo-$version-setup.exe
[ -f "$setup" ] && [ -f "$packages/plugo_upd.exe" ] || "$here/package.sh" "$build" >/dev/null
plugo_windows_data "$build" || exit 1
kept=(plugo.slg recentg.txt)

echo "-- 1. the whole installation, silent"
must "setup.exe /S installs" run_windows "$setup" /S
folder=$drive/Program\ Files/Plugo
for name in "${PLUGO_WINDOWS_PROGRAMS[@]/%/.exe}" "${data[@]}"; do
  expect "$name installed" test -f "$folder/$name"
done
# The user's files from an earlier session, in the local application data folder.
mkdir -p "$userfolder"
echo "the user's own settings" >"$userfolder/plugo.slg"
(cd "$folder" && exec wine 'C:\Program Files\Plugo\plugo.exe' >/dev/null 2>&1) &
trainer=$!
trainer_window() { xdotool search --onlyvisible --name "^PlugoPro $version" >/dev/null 2>&1; }
expect "the installed plugo.exe shows its window" wait_for 120 trainer_window
# Closed as the user closes it: the trainer writes its recent list (here, in its own folder, which
# Wine lets it write).
wine taskkill /IM plugo.exe >/dev/null 2>&1 || true
wait "$trainer" || true
wineserver -w
for name in "${kept[@]}"; do
  expect "the trainer kept $name beside itself" test -f "$folder/$name"
done
snapshot=$scratch/before
mkdir -p "$snapshot"
cp -pr "$folder"/* "$snapshot/"

echo "-- 2. publishing a release, then a newer trainer alone, signed"
site=$scratch/site
must "the publisher's key is made" minisign -G -W -p "$scratch/publisher.pub" -s "$scratch/publisher.key" >/dev/null
must "the first release is published" "$PLUGO_ROOT/tools/publish-update" "$site" \
  --plugo "$packages/plugo_upd.exe" --editor "$packages/editor_upd.exe" --update "$packages/update_upd.exe" \
  --message "Första utgåvan." --date 2020-01-15 --sign-key "$scratch/publisher.key" >/dev/null
rebuilt=$scratch/rebuilt
mkdir -p "$rebuilt/bin"
cp -pr "$build/bin"/* "$rebuilt/bin/"
cp "$build/data-files.txt" "$rebuilt/"
tomorrow=$(date -d 'tomorrow' +%F)
touch -d "$tomorrow 12:00" "$rebuilt/bin/plugo.exe"
must "the newer trainer is packed" "$here/package.sh" "$rebuilt" plugo_upd.exe >/dev/null
must "the newer trainer is published" "$PLUGO_ROOT/tools/publish-update" "$site" \
  --plugo "$rebuilt/packages/plugo_upd.exe" --message "Nytt i den här versionen: rättningen är snabbare." \
  --date "$tomorrow" --sign-key "$scratch/publisher.key" >/dev/null
published=$site/~tovald/plugo3/plugo_upd.exe
expect "the server hands out the newer plugo_upd.exe" cmp -s "$published" "$rebuilt/packages/plugo_upd.exe"
expect "the published folder verifies with minisign and sha256sum alone" \
  bash -c 'cd "$1" && minisign -Vq -p "$2" -m release.manifest && sha256sum --quiet --strict -c release.manifest' \
  _ "$site/~tovald/plugo3" "$scratch/publisher.pub"

# The update server: Debian's nginx on loopback, serving the release folder as it would be uploaded.
[ -f "$PLUGO_BUILD/build.ninja" ] || cmake -S "$PLUGO_ROOT" -B "$PLUGO_BUILD" -G Ninja >/dev/null
must "the server program is built" cmake --build "$PLUGO_BUILD" --target serve_release >/dev/null
mkfifo "$scratch/server-input"
"$PLUGO_BUILD/tools/serve_release" "$site" <"$scratch/server-input" >"$scratch/server-port" &
server=$!
exec 7>"$scratch/server-input"
port_known() { [ -s "$scratch/server-port" ] || ! kill -0 "$server" 2>/dev/null; }
wait_for 30 port_known || true
port=$(cat "$scratch/server-port")
must "nginx serves the release on loopback" test -n "$port"

# chain_step TEST: the updater's part, a test of its window under Wine on the installation.
downloads=$scratch/downloads
mkdir -p "$downloads"
chain_step() {
  PLUGO_CHAIN_FOLDER='C:\Program Files\Plugo' PLUGO_CHAIN_PORT=$port \
    PLUGO_CHAIN_SAVE="$(winepath -w "$downloads")\\plugo_upd.exe" PLUGO_CHAIN_INSTALLER="$(winepath -w "$published")" \
    PLUGO_CHAIN_KEY="$(winepath -w "$scratch/publisher.pub")" \
    wine "$build/tests/updater_chain_tests.exe" --gtest_filter="ChainTest.$1" >"$scratch/chain.log" 2>&1 ||
    { cat "$scratch/chain.log" >&2; return 1; }
}

echo "-- 3. the check offers the trainer alone; a changed installer is refused, the published one saved"
cp -p "$published" "$scratch/published-plugo_upd.exe"
printf 'X' | dd of="$published" bs=1 seek=4096 conv=notrunc status=none
expect "a tampered installer is refused" chain_step ATamperedInstallerIsRefusedAndNothingIsSaved
cp -p "$scratch/published-plugo_upd.exe" "$published"
must "check and download" chain_step OnlyTheTrainerIsNewerAndItsInstallerArrivesWhole

echo "-- 4. the downloaded installer, silent"
must "the downloaded plugo_upd.exe /S installs" run_windows "$downloads/plugo_upd.exe" /S
expect "the installed plugo.exe carries the new date" \
  test "$(date -r "$folder/plugo.exe" +%F)" = "$tomorrow"
for program in editor update; do
  expect "$program.exe untouched" cmp -s "$snapshot/$program.exe" "$folder/$program.exe"
  expect "$program.exe keeps its date" test "$(stat -c %Y "$folder/$program.exe")" = "$(stat -c %Y "$snapshot/$program.exe")"
done
for name in "${kept[@]}"; do
  expect "the trainer's $name still there" cmp -s "$snapshot/$name" "$folder/$name"
done
expect "the user's settings in the local application data folder still there" \
  test "$(cat "$userfolder/plugo.slg")" = "the user's own settings"

echo "-- 5. the check again: nothing is newer"
expect "nothing newer after the update" chain_step AfterTheUpdateNothingIsNewer

checks_end "update chain: $((checks - failures)) of $checks checks passed"
