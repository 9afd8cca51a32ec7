# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for scripts that install and run Windows programs in a Wine prefix of their own; sourced
# once WINEPREFIX is exported and the prefix exists.

drive=$WINEPREFIX/drive_c
# unix_path 'C:\A\B' -> $drive/A/B
unix_path() { local p=${1#C:\\}; printf '%s/%s' "$drive" "${p//\\//}"; }
localappdata=$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')
# Where the trainer keeps its files when its own folder cannot be written.
userfolder=$(unix_path "$localappdata")/plugo

# run_windows PROGRAM ARGS...: runs a Windows program to its end and every process it started,
# and returns the program's exit code.
run_windows() {
  local rc=0
  wine "$@" >/dev/null 2>&1 || rc=$?
  wineserver -w
  return $rc
}

# run_command_line LINE: runs a Windows command line as written, through a batch file, to its end
# (not waiting for other programs), and returns its exit code. The installers take /D= and _?=
# only unquoted and last, while wine quotes every argument that holds a space.
run_command_line() {
  printf '@%s\r\n@exit %%ERRORLEVEL%%\r\n' "$1" >"$drive/plugo-run.bat"
  local rc=0
  wine cmd /c 'C:\plugo-run.bat' >/dev/null 2>&1 || rc=$?
  rm -f "$drive/plugo-run.bat"
  return $rc
}

# install_into FOLDER INSTALLER ARGS...: runs the installer with /D=FOLDER.
install_into() {
  local folder=$1 installer rc=0
  installer=$(winepath -w "$2" 2>/dev/null)
  shift 2
  run_command_line "\"$installer\" $* /D=$folder" || rc=$?
  wineserver -w
  return $rc
}

# uninstall FOLDER: runs the folder's uninstaller silently and returns its exit code. The
# uninstaller copies itself elsewhere and starts the copy, whose exit code is lost; run from a copy
# with _?= it works in place and ends with its own code, as the copy would. Not waiting for
# every Wine program: the trainer may be open meanwhile.
uninstall() {
  cp "$(unix_path "$1")/uninstall.exe" "$drive/plugo-uninstall.exe"
  local rc=0
  run_command_line "C:\plugo-uninstall.exe /S _?=$1" || rc=$?
  rm -f "$drive/plugo-uninstall.exe"
  return $rc
}

# wait_for SECONDS COMMAND...: until the command succeeds, looking again every tenth of a second.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# reg_value KEY [NAME]: the value (the key's default without a name); fails when missing.
reg_value() {
  local out
  if [ $# -eq 2 ]; then
    out=$(wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r') || return 1
  else
    out=$(wine reg query "$1" /ve 2>/dev/null | tr -d '\r') || return 1
  fi
  printf '%s\n' "$out" | sed -n 's/^    [^ ].*    REG_[A-Z_]*    //p' | head -n 1
  printf '%s\n' "$out" | grep -q '    REG_'
}
reg_missing() { ! wine reg query "$@" >/dev/null 2>&1; }
