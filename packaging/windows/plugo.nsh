; SPDX-License-Identifier: GPL-3.0-or-later
; What the whole installation (setup.nsi) and the update installers (update.nsi) share: the
; 64-bit Unicode stub, the registry keys, the programs' names and the check that a program about
; to be replaced is not running.
;
; tools/windows/package.sh defines on the command line:
;   PLUGO_VERSION_TEXT  the version the programs show ("1.00"), from packaging/version.cmake
;   PLUGO_VERSION_QUAD  its four numbers ("1.0.0.0"), for the installer's own version record
;   PLUGO_ICON          the program icon (data/icons/plugo.ico)
;   PLUGO_FILES         the generated list of files (files.nsh): macros that put them in place
;                       and remove them
;   PLUGO_OUTPUT        the installer to write
;   PLUGO_SIGN          (when signing) the command that signs one file in place
; The source files are UTF-8; makensis is run with -INPUTCHARSET UTF8.

Unicode true
; Debian's default stub is 32-bit; the 64-bit one also installs into the 64-bit "Program Files"
; and sees the 64-bit registry without redirection.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true
OutFile "${PLUGO_OUTPUT}"

; Signed, the installer and the uninstaller inside it both show the publisher.
!ifdef PLUGO_SIGN
  !finalize '"${PLUGO_SIGN}" "%1"' = 0
  !uninstfinalize '"${PLUGO_SIGN}" "%1"' = 0
!endif

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "${PLUGO_FILES}"

; The uninstall record of the whole installation; the update installers find the program folder
; from its InstallLocation. The MSI writes the folder under PLUGO_MSI_KEY instead, as Windows
; Installer keeps its own uninstall record under the product's code.
!define PLUGO_UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Plugo"
!define PLUGO_MSI_KEY "Software\Plugo"
!define PLUGO_UNINSTALLER "uninstall.exe"
; The vocabulary files' type: opened by the editor, shown with the program icon.
!define PLUGO_PROGID "Plugo.Glosfil"
!define PLUGO_START_MENU "$SMPROGRAMS\PlugoPro"
!define PLUGO_PUBLISHER "Plugo"

; The names the programs go by in their windows and menu entries.
!define PLUGO_NAME_plugo "PlugoPro"
!define PLUGO_NAME_editor "Vuzuvevizaduvareziv"
!define PLUGO_NAME_update "PlugoPro Update"

!define MUI_ICON "${PLUGO_ICON}"
!define MUI_UNICON "${PLUGO_ICON}"
!define MUI_ABORTWARNING

; PLUGO_WAIT_UNTIL_CLOSED program "name" "what is being done"
; Windows keeps a running program's file from being written or removed, so replacing it would
; fail half-way through. Opening the file for writing tells whether it is in use: while it is, the
; user is asked to close the program and retry, or to cancel; cancel (and a silent run, which
; cannot ask) ends the installer with exit code 2 before anything has been changed.
!macro PLUGO_WAIT_UNTIL_CLOSED PROGRAM NAME DOING
  ${Do}
    ${IfNot} ${FileExists} "$INSTDIR\${PROGRAM}.exe"
      ${Break}
    ${EndIf}
    ClearErrors
    FileOpen $0 "$INSTDIR\${PROGRAM}.exe" a
    ${IfNot} ${Errors}
      FileClose $0
      ${Break}
    ${EndIf}
    ${IfNot} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${NAME} är öppet.$\r$\n$\r$\nStäng ${NAME} och välj Försök igen, eller välj Avbryt för att avbryta ${DOING}. Ingenting har ändrats än." /SD IDCANCEL IDRETRY`
      DetailPrint "${NAME} är öppet: ${DOING} avbröts, ingenting har ändrats."
      SetErrorLevel 2
      Abort
    ${EndIf}
  ${Loop}
!macroend

; The installer's own version record, in Swedish.
!macro PLUGO_VERSION_RECORD DESCRIPTION
  VIProductVersion "${PLUGO_VERSION_QUAD}"
  VIFileVersion "${PLUGO_VERSION_QUAD}"
  VIAddVersionKey /LANG=1053 "ProductName" "PlugoPro"
  VIAddVersionKey /LANG=1053 "ProductVersion" "${PLUGO_VERSION_TEXT}"
  VIAddVersionKey /LANG=1053 "FileVersion" "${PLUGO_VERSION_TEXT}"
  VIAddVersionKey /LANG=1053 "FileDescription" "${DESCRIPTION}"
  VIAddVersionKey /LANG=1053 "CompanyName" "${PLUGO_PUBLISHER}"
  VIAddVersionKey /LANG=1053 "LegalCopyright" "${PLUGO_PUBLISHER}"
!macroend
