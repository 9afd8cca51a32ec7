; SPDX-License-Identifier: GPL-3.0-or-later
; An update installer, one per program: plugo_upd.exe, editor_upd.exe, update_upd.exe, as the
; update server hands them out. It replaces its one program (the trainer's also the data files)
; in the folder of the installation, found from the uninstall record, and leaves the rest as it
; is. tools/windows/package.sh builds it with PLUGO_PROGRAM set to plugo, editor or update.
;
;   plugo_upd.exe            pages in Swedish
;   plugo_upd.exe /S         silent
;   plugo_upd.exe /S /D=...  into that folder instead of the installation's
; Exit code 0 when replaced, 1 when the user cancelled, 2 when the program was open and the user
; (or a silent run) cancelled, or when there is no installation to update.

!include "plugo.nsh"

!if "${PLUGO_PROGRAM}" == "plugo"
  !define PLUGO_THIS_NAME "${PLUGO_NAME_plugo}"
  !define PLUGO_THIS_WHAT "${PLUGO_NAME_plugo} med bilder, hjälpsidor och exempelglosor"
!else if "${PLUGO_PROGRAM}" == "editor"
  !define PLUGO_THIS_NAME "${PLUGO_NAME_editor}"
  !define PLUGO_THIS_WHAT "${PLUGO_NAME_editor}"
!else if "${PLUGO_PROGRAM}" == "update"
  !define PLUGO_THIS_NAME "${PLUGO_NAME_update}"
  !define PLUGO_THIS_WHAT "${PLUGO_NAME_update}"
!else
  !error "PLUGO_PROGRAM must be plugo, editor or update"
!endif

Name "${PLUGO_THIS_NAME}"
Caption "Uppdatera ${PLUGO_THIS_NAME}"
BrandingText "PlugoPro ${PLUGO_VERSION_TEXT}"
!insertmacro PLUGO_VERSION_RECORD "Uppdatering av ${PLUGO_THIS_NAME}"

!define MUI_WELCOMEPAGE_TITLE "Uppdatera ${PLUGO_THIS_NAME}"
InstallButtonText "Uppdatera"
!define MUI_WELCOMEPAGE_TEXT "Den här guiden ersätter ${PLUGO_THIS_WHAT} med den nya versionen, i mappen$\r$\n$INSTDIR$\r$\n$\r$\nDe andra programmen och dina egna filer lämnas som de är.$\r$\n$\r$\nKlicka på Uppdatera för att börja."
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_HEADER_TEXT "Uppdaterar"
!define MUI_PAGE_HEADER_SUBTEXT "Var vänlig vänta medan ${PLUGO_THIS_NAME} uppdateras."
!define MUI_INSTFILESPAGE_FINISHHEADER_TEXT "Uppdateringen är klar"
!define MUI_INSTFILESPAGE_FINISHHEADER_SUBTEXT "${PLUGO_THIS_NAME} har uppdaterats."
!define MUI_INSTFILESPAGE_ABORTHEADER_TEXT "Uppdateringen avbröts"
!define MUI_INSTFILESPAGE_ABORTHEADER_SUBTEXT "${PLUGO_THIS_NAME} har inte uppdaterats."
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TITLE "${PLUGO_THIS_NAME} är uppdaterat"
!define MUI_FINISHPAGE_TEXT "${PLUGO_THIS_WHAT} har ersatts med den nya versionen, i mappen$\r$\n$INSTDIR$\r$\n$\r$\nKlicka på Slutför för att avsluta guiden."
!insertmacro MUI_PAGE_FINISH
!if "${PLUGO_PROGRAM}" == "plugo"
  !include "uninstall.nsh"
  !insertmacro PLUGO_UNINSTALL_PAGES
!endif
!insertmacro MUI_LANGUAGE "Swedish"

Function .onInit
  ; Without /D= the folder is the installation's: the installer's record first, the MSI's next.
  ${If} $INSTDIR == ""
    ReadRegStr $INSTDIR HKLM "${PLUGO_UNINSTALL_KEY}" "InstallLocation"
  ${EndIf}
  ${If} $INSTDIR == ""
    ReadRegStr $INSTDIR HKLM "${PLUGO_MSI_KEY}" "InstallLocation"
  ${EndIf}
  ${If} $INSTDIR == ""
  ${OrIfNot} ${FileExists} "$INSTDIR\*.*"
    MessageBox MB_OK|MB_ICONSTOP "PlugoPro är inte installerat på den här datorn, så det finns inget att uppdatera.$\r$\n$\r$\nInstallera hela PlugoPro först (plugo-${PLUGO_VERSION_TEXT}-setup.exe)." /SD IDOK
    SetErrorLevel 2
    Abort
  ${EndIf}
FunctionEnd

Section
  !insertmacro PLUGO_WAIT_UNTIL_CLOSED ${PLUGO_PROGRAM} "${PLUGO_THIS_NAME}" "uppdateringen"
  SetOutPath "$INSTDIR"
  !insertmacro PLUGO_INSTALL_PROGRAM_${PLUGO_PROGRAM}
  !if "${PLUGO_PROGRAM}" == "plugo"
    !insertmacro PLUGO_INSTALL_DATA
    ; An installation made by setup gets this release's uninstaller, which knows its data files.
    ${If} ${FileExists} "$INSTDIR\${PLUGO_UNINSTALLER}"
      WriteUninstaller "$INSTDIR\${PLUGO_UNINSTALLER}"
    ${EndIf}
  !endif
SectionEnd

!if "${PLUGO_PROGRAM}" == "plugo"
  !insertmacro PLUGO_UNINSTALL_SECTION
!endif
