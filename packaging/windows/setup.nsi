; SPDX-License-Identifier: GPL-3.0-or-later
; The whole installation, plugo-<version>-setup.exe: the three programs with every data file in
; one folder (by default C:\Program Files\Plugo), Start-menu entries, the uninstall record with
; version and icon, and *.gls opened by the editor. Run again, or run for a newer version, it
; replaces the installation in place: the folder of the uninstall record is the default.
;
;   plugo-<version>-setup.exe                          pages in Swedish
;   plugo-<version>-setup.exe /S [/D=C:\Some\Folder]   silent; /D= last, unquoted, may hold spaces
; Exit code 0 when installed, 1 when the user cancelled, 2 when a program was open and the user
; (or a silent run) cancelled.

!include "plugo.nsh"
!include "uninstall.nsh"

Name "PlugoPro ${PLUGO_VERSION_TEXT}"
BrandingText "PlugoPro ${PLUGO_VERSION_TEXT}"
InstallDir "$PROGRAMFILES64\Plugo"
InstallDirRegKey HKLM "${PLUGO_UNINSTALL_KEY}" "InstallLocation"
!insertmacro PLUGO_VERSION_RECORD "Installationsprogram för PlugoPro"

!define MUI_WELCOMEPAGE_TEXT "Den här guiden installerar PlugoPro ${PLUGO_VERSION_TEXT} på datorn: glostränaren ${PLUGO_NAME_plugo}, glosredigeraren ${PLUGO_NAME_editor} och uppdateraren ${PLUGO_NAME_update}, med bilder, hjälpsidor och exempelglosor.$\r$\n$\r$\nFinns PlugoPro redan installerat ersätts det där det ligger. Dina inställningar, senast öppnade filer och rapporter behålls.$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
; The licence, shown to be read: the GPL asks nothing of who only uses the programs, so the page
; goes on with Nästa rather than asking the user to accept.
!define MUI_PAGE_HEADER_TEXT "Licens"
!define MUI_PAGE_HEADER_SUBTEXT "PlugoPro är fri programvara under GNU General Public License."
!define MUI_LICENSEPAGE_TEXT_TOP "Läs gärna villkoren. Rulla nedåt eller tryck Page Down för att se resten."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "Villkoren gäller när du ger programmen vidare eller ändrar dem. Tryck Nästa för att fortsätta."
!define MUI_LICENSEPAGE_BUTTON "&Nästa >"
!insertmacro MUI_PAGE_LICENSE "${PLUGO_LICENCE_PAGE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "PlugoPro ${PLUGO_VERSION_TEXT} har installerats i mappen$\r$\n$INSTDIR$\r$\n$\r$\nProgrammen finns på Start-menyn under PlugoPro, och glosfiler (*.gls) öppnas med ${PLUGO_NAME_editor}.$\r$\n$\r$\nKlicka på Slutför för att avsluta guiden."
!insertmacro MUI_PAGE_FINISH
!insertmacro PLUGO_UNINSTALL_PAGES
!insertmacro MUI_LANGUAGE "Swedish"

Section
  SetShellVarContext all
  !insertmacro PLUGO_WAIT_UNTIL_CLOSED plugo "${PLUGO_NAME_plugo}" "installationen"
  !insertmacro PLUGO_WAIT_UNTIL_CLOSED editor "${PLUGO_NAME_editor}" "installationen"
  !insertmacro PLUGO_WAIT_UNTIL_CLOSED update "${PLUGO_NAME_update}" "installationen"

  SetOutPath "$INSTDIR"
  !insertmacro PLUGO_INSTALL_PROGRAM_plugo
  !insertmacro PLUGO_INSTALL_PROGRAM_editor
  !insertmacro PLUGO_INSTALL_PROGRAM_update
  !insertmacro PLUGO_INSTALL_DATA
  WriteUninstaller "$INSTDIR\${PLUGO_UNINSTALLER}"

  ; Shortcuts start the programs in their own folder ($OUTPATH).
  CreateDirectory "${PLUGO_START_MENU}"
  CreateShortCut "${PLUGO_START_MENU}\${PLUGO_NAME_plugo}.lnk" "$INSTDIR\plugo.exe" "" "$INSTDIR\plugo.exe" 0 SW_SHOWNORMAL "" "Träna dina glosläxor!"
  CreateShortCut "${PLUGO_START_MENU}\${PLUGO_NAME_editor}.lnk" "$INSTDIR\editor.exe" "" "$INSTDIR\editor.exe" 0 SW_SHOWNORMAL "" "Skriv glosor för Plugo"
  CreateShortCut "${PLUGO_START_MENU}\${PLUGO_NAME_update}.lnk" "$INSTDIR\update.exe" "" "$INSTDIR\update.exe" 0 SW_SHOWNORMAL "" "Uppdaterar Plugoprogrammen"

  ; Vocabulary files open in the editor and show the program icon.
  WriteRegStr HKLM "Software\Classes\.gls" "" "${PLUGO_PROGID}"
  WriteRegStr HKLM "Software\Classes\.gls\OpenWithProgids" "${PLUGO_PROGID}" ""
  WriteRegStr HKLM "Software\Classes\${PLUGO_PROGID}" "" "Plugo glosfil"
  WriteRegStr HKLM "Software\Classes\${PLUGO_PROGID}\DefaultIcon" "" "$INSTDIR\editor.exe,0"
  WriteRegStr HKLM "Software\Classes\${PLUGO_PROGID}\shell\open\command" "" '"$INSTDIR\editor.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  ; "Lägg till eller ta bort program".
  WriteRegStr HKLM "${PLUGO_UNINSTALL_KEY}" "DisplayName" "PlugoPro"
  WriteRegStr HKLM "${PLUGO_UNINSTALL_KEY}" "DisplayVersion" "${PLUGO_VERSION_TEXT}"
  WriteRegStr HKLM "${PLUGO_UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\plugo.exe,0"
  WriteRegStr HKLM "${PLUGO_UNINSTALL_KEY}" "Publisher" "${PLUGO_PUBLISHER}"
  WriteRegStr HKLM "${PLUGO_UNINSTALL_KEY}" "Comments" "Träna dina glosläxor!"
  WriteRegStr HKLM "${PLUGO_UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${PLUGO_UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${PLUGO_UNINSTALLER}"'
  WriteRegStr HKLM "${PLUGO_UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${PLUGO_UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${PLUGO_UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${PLUGO_UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${PLUGO_UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

!insertmacro PLUGO_UNINSTALL_SECTION
