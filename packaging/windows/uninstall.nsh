; SPDX-License-Identifier: GPL-3.0-or-later
; The uninstaller, written by the whole installation and again by the trainer's update installer
; (which carries the newest list of the data files). It removes exactly the files the
; installation put there, so the user's kept files (settings, recent list, report) stay: in the
; local application data folder, which no installer touches, and in the program folder itself when
; the folder could be written and the trainer kept them there; then that folder is left in place.

!macro PLUGO_UNINSTALL_PAGES
  !insertmacro MUI_UNPAGE_CONFIRM
  !insertmacro MUI_UNPAGE_INSTFILES
  !insertmacro MUI_UNPAGE_FINISH
!macroend

!macro PLUGO_UNINSTALL_SECTION
Section "Uninstall"
  SetShellVarContext all
  !insertmacro PLUGO_WAIT_UNTIL_CLOSED plugo "${PLUGO_NAME_plugo}" "avinstallationen"
  !insertmacro PLUGO_WAIT_UNTIL_CLOSED editor "${PLUGO_NAME_editor}" "avinstallationen"
  !insertmacro PLUGO_WAIT_UNTIL_CLOSED update "${PLUGO_NAME_update}" "avinstallationen"

  !insertmacro PLUGO_REMOVE_FILES
  Delete "$INSTDIR\${PLUGO_UNINSTALLER}"
  ; Removed only when nothing else is left in it.
  RMDir "$INSTDIR"

  Delete "${PLUGO_START_MENU}\${PLUGO_NAME_plugo}.lnk"
  Delete "${PLUGO_START_MENU}\${PLUGO_NAME_editor}.lnk"
  Delete "${PLUGO_START_MENU}\${PLUGO_NAME_update}.lnk"
  RMDir "${PLUGO_START_MENU}"

  ; .gls is given back only if it is still the vocabulary type: another program may have taken it.
  ReadRegStr $0 HKLM "Software\Classes\.gls" ""
  ${If} $0 == "${PLUGO_PROGID}"
    DeleteRegValue HKLM "Software\Classes\.gls" ""
  ${EndIf}
  DeleteRegValue HKLM "Software\Classes\.gls\OpenWithProgids" "${PLUGO_PROGID}"
  DeleteRegKey /ifempty HKLM "Software\Classes\.gls\OpenWithProgids"
  DeleteRegKey /ifempty HKLM "Software\Classes\.gls"
  DeleteRegKey HKLM "Software\Classes\${PLUGO_PROGID}"
  DeleteRegKey HKLM "${PLUGO_UNINSTALL_KEY}"
  ; SHCNE_ASSOCCHANGED: Explorer forgets the icon and opener of *.gls.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
!macroend
