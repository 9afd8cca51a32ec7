#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the Swedish installer pages for the README, taken under Xvfb and Wine:
#
#   tools/windows/installer-screenshots.sh BUILD|--standin [output folder]   (default: docs/)
#
# The whole installation's welcome, folder and finish pages, the trainer's update installer's
# welcome page, its question while the trainer is open and its finish page, and the uninstaller's
# first page. Wine runs with a Swedish locale, so that the buttons of Windows' own message boxes
# are Swedish as well ("Försök igen", "Avbryt").
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=../setup.sh
source "$here/../setup.sh"
# shellcheck source=files.sh
source "$here/files.sh"
# shellcheck source=wine-env.sh
source "$here/wine-env.sh"

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: tools/windows/installer-screenshots.sh BUILD|--standin [output folder]" >&2
  exit 2
fi
PLUGO_PACKAGES+=("${PLUGO_WINDOWS_PACKAGING_PACKAGES[@]}" wine wine64 xvfb xauth xdotool imagemagick gcc-mingw-w64-x86-64-posix)
plugo_install_packages
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

out=$(mkdir -p "${2:-$PLUGO_ROOT/docs}" && cd "${2:-$PLUGO_ROOT/docs}" && pwd)
plugo_wine_scratch plugo-installer-shots
# Only Wine's: the shell has no such locale, and needs none.
wine() { LC_ALL=sv_SE.UTF-8 command wine "$@"; }

if [ "$1" = "--standin" ]; then
  build=$scratch/build
  "$here/standin/make-standin.sh" "$build" >/dev/null
else
  build=$(cd "$1" && pwd)
fi
version=$(cmake -P "$here/version.cmake" | sed -n 's/^PLUGO_VERSION_TEXT=//p')
packages=$build/packages
[ -f "$packages/plugo-$version-setup.exe" ] && [ -f "$packages/plugo_upd.exe" ] || "$here/package.sh" "$build" >/dev/null

plugo_wine_boot
folder=$WINEPREFIX/drive_c/Program\ Files/Plugo

# until SECONDS COMMAND...: waits for a condition, looking again every tenth of a second.
until_true() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || { echo "screenshots: gave up waiting for: $*" >&2; exit 1; }
    sleep 0.1
  done
}
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
has_window() { [ -n "$(window "$1")" ]; }
# shot NAME WINDOW: the screen where the window is (with what lies over it, a question), after a
# moment for the page to be drawn whole.
shot() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$2")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$1.png"
  echo "$out/$1.png"
}
press_enter() { xdotool windowfocus --sync "$1" key Return; }

echo "-- the whole installation"
wine "$packages/plugo-$version-setup.exe" >/dev/null 2>&1 &
setup=$!
until_true 60 has_window "^PlugoPro $version Installation\$"
wizard=$(window "^PlugoPro $version Installation\$")
shot installer-welcome "$wizard"
press_enter "$wizard"
shot installer-licence "$wizard"
press_enter "$wizard"
shot installer-folder "$wizard"
press_enter "$wizard"
until_true 120 test -f "$folder/uninstall.exe"
until_true 60 test -n "$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Plugo' /v EstimatedSize 2>/dev/null)"
shot installer-finish "$wizard"
press_enter "$wizard"
wait "$setup" || { echo "screenshots: the setup ended with $?" >&2; exit 1; }

echo "-- the trainer's update installer, while the trainer is open"
(cd "$folder" && exec wine 'C:\Program Files\Plugo\plugo.exe' >/dev/null 2>&1) &
trainer=$!
until_true 120 has_window '^(PlugoPro|plugo stand-in plugo)'
trainer_window=$(window '^(PlugoPro|plugo stand-in plugo)')
# The trainer's window out of the way of the installer's, which comes up in the middle.
xdotool windowmove "$trainer_window" 0 0
wine "$packages/plugo_upd.exe" >/dev/null 2>&1 &
update=$!
until_true 60 has_window '^Uppdatera PlugoPro$'
wizard=$(window '^Uppdatera PlugoPro$')
shot update-welcome "$wizard"
# The question is the installer's second window of that name.
question() { xdotool search --onlyvisible --name '^Uppdatera PlugoPro$' 2>/dev/null | grep -v -x "$wizard" | head -n 1; }
has_question() { [ -n "$(question)" ]; }
press_enter "$wizard"
until_true 60 has_question
shot update-open "$wizard"
wine taskkill /IM plugo.exe >/dev/null 2>&1 || true
wait "$trainer" || true
press_enter "$(question)"   # "Försök igen"
until_true 60 eval '! has_question'
shot update-finish "$wizard"
press_enter "$wizard"
wait "$update" || { echo "screenshots: plugo_upd.exe ended with $?" >&2; exit 1; }

echo "-- the uninstaller"
wine "$folder/uninstall.exe" >/dev/null 2>&1 &
until_true 60 has_window 'PlugoPro'
shot uninstall-confirm "$(window 'PlugoPro')"
plugo_wine_server_stop
