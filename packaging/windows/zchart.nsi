; The installer of zmatch and zline for Windows, made by scripts/windows-dist.sh with
; Debian's makensis. It installs for the current user alone, with no administrator (lab
; machines), into %LOCALAPPDATA%\Programs\zchart; puts both programs into the user's Start
; menu under their menu names; and registers an uninstaller that «Приложения» lists and that
; takes away exactly what was put there. /S installs, and uninstall.exe /S removes, without
; a window:
;
;     makensis -INPUTCHARSET UTF8 -DSTAGE=build-windows/dist-stage \
;              -DOUTFILE=build-windows/dist/zchart-1.0.0-setup.exe packaging/windows/zchart.nsi
;
; STAGE holds the four programs, LICENSE.txt, the icon zmatch.ico and defines.nsh, written
; by the script (UTF-8 with a byte-order mark): VERSION, VERSION_QUAD, PUBLISHER,
; COPYRIGHT and the menu names ZMATCH_NAME and ZLINE_NAME from the desktop entries.
Unicode true
Target amd64-unicode ; the programs are 64-bit, and so runs their installer
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true
ManifestSupportedOS all

!include "${STAGE}/defines.nsh"
!include "MUI2.nsh"

!define PRODUCT "zmatch и zline"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\zchart"

Name "${PRODUCT}"
Caption "Установка ${PRODUCT} ${VERSION}"
UninstallCaption "Удаление ${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\zchart"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "zchart ${VERSION}"

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=1049 "ProductName" "zchart"
VIAddVersionKey /LANG=1049 "FileDescription" "Установка ${PRODUCT}"
VIAddVersionKey /LANG=1049 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1049 "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey /LANG=1049 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "ProductVersion" "${VERSION}"

!define MUI_ICON "${STAGE}/zmatch.ico"
!define MUI_UNICON "${STAGE}/zmatch.ico"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Программа установит «${ZMATCH_NAME}» (zmatch) и \
«${ZLINE_NAME}» (zline) только для вас: права администратора не нужны.$\r$\n$\r$\n\
Нажмите «Далее», чтобы продолжить."
!define MUI_FINISHPAGE_RUN "$INSTDIR\zmatch.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Запустить «${ZMATCH_NAME}»"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

; What is installed, listed once for the installer and once for the uninstaller.
!macro Files Do
  !insertmacro ${Do} zmatch.exe
  !insertmacro ${Do} zmatch.com
  !insertmacro ${Do} zline.exe
  !insertmacro ${Do} zline.com
  !insertmacro ${Do} LICENSE.txt
!macroend
!macro Put Name
  File "${STAGE}/${Name}"
!macroend
!macro Remove Name
  Delete "$INSTDIR\${Name}"
!macroend

Section
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  !insertmacro Files Put
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\${ZMATCH_NAME}.lnk" "$INSTDIR\zmatch.exe"
  CreateShortcut "$SMPROGRAMS\${ZLINE_NAME}.lnk" "$INSTDIR\zline.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zmatch.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  SectionGetSize 0 $0 ; in KiB, as Windows counts it
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there goes: a file the user left in the folder keeps it.
Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\${ZMATCH_NAME}.lnk"
  Delete "$SMPROGRAMS\${ZLINE_NAME}.lnk"
  !insertmacro Files Remove
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
