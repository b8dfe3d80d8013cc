; The installer of zmatch and zline for Windows, made by scripts/windows-dist.sh with
; Debian's makensis. It installs for the current user alone, with no administrator (lab
; machines), into %LOCALAPPDATA%\Programs\zchart; puts both programs into the user's Start
; menu under their menu names; and registers an uninstaller that «Приложения» lists and that
; takes away exactly what was put there. The folder joins the user's PATH, so that the
; console companions (zmatch.com, zline.com) answer `zmatch --load …` typed in any new cmd
; or PowerShell. /S installs, and uninstall.exe /S removes, without a window:
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
!include "LogicLib.nsh"
!include "StrFunc.nsh"
!include "WinMessages.nsh"
${Using:StrFunc} StrStr
${Using:StrFunc} UnStrRep

!define PRODUCT "zmatch и zline"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\zchart"
!define ENVIRONMENT_KEY "Environment"

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

  ; The user's PATH gains the folder once, as one more entry. A PATH too long for the
  ; installer's strings is left as it is rather than cut. ReadRegStr reads such a PATH as
  ; it reads a missing one, empty with the error flag set, so a PATH that is there but did
  ; not read is never written: written, it would lose every entry the user had.
  ClearErrors
  ReadRegStr $0 HKCU "${ENVIRONMENT_KEY}" "Path"
  StrCpy $3 0
  ${If} ${Errors}
    Call PathIsThere
  ${EndIf}
  ${StrStr} $1 ";$0;" ";$INSTDIR;"
  StrLen $2 "$0;$INSTDIR"
  ${If} $1 != ""
    DetailPrint "Папка уже есть в PATH: $INSTDIR"
  ${ElseIf} $3 == 1
  ${OrIf} $2 >= ${NSIS_MAX_STRLEN}
    DetailPrint "PATH слишком длинный, папка в него не добавлена: $INSTDIR"
  ${Else}
    ${If} $0 == ""
      StrCpy $0 "$INSTDIR"
    ${Else}
      StrCpy $1 $0 1 -1
      ${If} $1 == ";"
        StrCpy $0 "$0$INSTDIR"
      ${Else}
        StrCpy $0 "$0;$INSTDIR"
      ${EndIf}
    ${EndIf}
    WriteRegExpandStr HKCU "${ENVIRONMENT_KEY}" "Path" $0
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=1000
  ${EndIf}
SectionEnd

; Sets $3 to 1 when the user's environment has a value named Path, of any length, else 0.
Function PathIsThere
  StrCpy $R0 0
  StrCpy $3 0
  ${Do}
    ClearErrors
    EnumRegValue $R1 HKCU "${ENVIRONMENT_KEY}" $R0
    ${If} ${Errors}
    ${OrIf} $R1 == ""
      ${Break}
    ${EndIf}
    ${If} $R1 == "Path" ; LogicLib's == ignores case, as the registry does
      StrCpy $3 1
      ${Break}
    ${EndIf}
    IntOp $R0 $R0 + 1
  ${Loop}
FunctionEnd

; Only what the installer put there goes: a file the user left in the folder keeps it.
Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\${ZMATCH_NAME}.lnk"
  Delete "$SMPROGRAMS\${ZLINE_NAME}.lnk"
  !insertmacro Files Remove
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ; The folder's entry leaves PATH; every other entry stays as it was, and a PATH that
  ; did not read (too long) is not written.
  ClearErrors
  ReadRegStr $0 HKCU "${ENVIRONMENT_KEY}" "Path"
  StrLen $2 ";$0;"
  ${If} ${Errors}
    DetailPrint "PATH не прочитан и оставлен как есть"
  ${ElseIf} $2 < ${NSIS_MAX_STRLEN}
    ${UnStrRep} $1 ";$0;" ";$INSTDIR;" ";"
    ${If} $1 != ";$0;"
      StrCpy $1 $1 "" 1 ; the semicolons put round it above
      StrCpy $1 $1 -1
      ${If} $1 == ""
        DeleteRegValue HKCU "${ENVIRONMENT_KEY}" "Path"
      ${Else}
        WriteRegExpandStr HKCU "${ENVIRONMENT_KEY}" "Path" $1
      ${EndIf}
      SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=1000
    ${EndIf}
  ${EndIf}
SectionEnd
