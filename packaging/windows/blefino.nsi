; The Windows installer (scripts/windows passes VERSION, STAGE, ICON and OUTFILE).
; Installs into Program Files for every user of the computer, with a Start-menu
; shortcut and, if wanted, one on the desktop, and registers the uninstaller in
; "Apps & features". Uninstalling removes the program, never the player's name,
; card back and results (HKEY_CURRENT_USER\SOFTWARE\Talvik\Blefino).
; A 64-bit installer for a 64-bit game: it runs where the game can, and
; needs no 32-bit layer (Wine without wine32, for one).
Target amd64-unicode
SetCompressor /SOLID lzma
!include MUI2.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Blefino"
Name "Блефино"
Caption "Установка Блефино ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Blefino"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ManifestDPIAware true

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1049 "ProductName" "Блефино"
VIAddVersionKey /LANG=1049 "CompanyName" "Talvik"
VIAddVersionKey /LANG=1049 "FileDescription" "Установка Блефино — карточной игры на блеф"
VIAddVersionKey /LANG=1049 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "LegalCopyright" "© 2025–2026 Talvik"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\blefino.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Запустить Блефино"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

Section "Блефино" SecGame
  SectionIn RO
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${STAGE}\blefino.exe"
  File "${STAGE}\copyright.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Блефино.lnk" "$INSTDIR\blefino.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Блефино"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\blefino.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Talvik"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize ${SecGame} $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Ярлык на рабочем столе" SecDesktop
  SetShellVarContext all
  CreateShortcut "$DESKTOP\Блефино.lnk" "$INSTDIR\blefino.exe"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecGame} "Игра: программа и ярлык в меню «Пуск»."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecDesktop} "Ярлык для запуска игры с рабочего стола."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; The player's settings and results in HKEY_CURRENT_USER stay for a later install.
Section "Uninstall"
  SetShellVarContext all
  Delete "$INSTDIR\blefino.exe"
  Delete "$INSTDIR\copyright.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Блефино.lnk"
  Delete "$DESKTOP\Блефино.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
