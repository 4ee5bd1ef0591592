; The per-user installer of Tamble, built by scripts/make-dist.sh:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DARCH=win32 -DFILES=<folder>
;            -DOUTFILE=<setup.exe> packaging/tamble.nsi
; FILES holds the programs and README.txt. The programs keep Tamble.ini and
; their data folder beside them, so they go where the user can write:
; %LOCALAPPDATA%\Programs\Tamble, without administrator rights.
; Uninstall keeps the settings and the data folder unless asked (the
; uninstaller's components page, or /REMOVEDATA in a silent run).

Unicode true
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh
!include x64.nsh

!define PRODUCT "Tamble"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tamble"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Tamble"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "CompanyName" "Tamble developers"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} ${VERSION} setup (${ARCH})"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright (C) Tamble developers"

!define MUI_ICON "${NSISDIR}\Contrib\Graphics\Icons\modern-install.ico"
!define MUI_UNICON "${NSISDIR}\Contrib\Graphics\Icons\modern-uninstall.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tamble.exe"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "English"

LangString NeedsX64 ${LANG_JAPANESE} "この Tamble は 64 ビット版の Windows 用です。32 ビット版 (win32) をお使いください。"
LangString NeedsX64 ${LANG_ENGLISH} "This Tamble is for 64-bit Windows. Please use the 32-bit package (win32)."
LangString ProgramsSection ${LANG_JAPANESE} "プログラム"
LangString ProgramsSection ${LANG_ENGLISH} "Programs"
LangString DataSection ${LANG_JAPANESE} "設定 (Tamble.ini) とデータフォルダも削除する"
LangString DataSection ${LANG_ENGLISH} "Also remove the settings (Tamble.ini) and the data folder"

; The language follows the user's: Japanese, English, else Japanese.
Function .onInit
  !if "${ARCH}" == "win64"
    ${IfNot} ${RunningX64}
      MessageBox MB_ICONSTOP "$(NeedsX64)" /SD IDOK
      Abort
    ${EndIf}
  !endif
FunctionEnd

Section "-Programs"
  SetOutPath "$INSTDIR"
  File "${FILES}\Tamble.exe"
  File "${FILES}\Tamblewiz.exe"
  File "${FILES}\Tamblecore.dll"
  File "${FILES}\tamblecli.exe"
  File "${FILES}\README.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "$SMPROGRAMS\Tamble"
  CreateShortCut "$SMPROGRAMS\Tamble\Tamble.lnk" "$INSTDIR\Tamble.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION} (${ARCH})"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Tamble developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tamble.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "-un.Programs"
  Delete "$INSTDIR\Tamble.exe"
  Delete "$INSTDIR\Tamblewiz.exe"
  Delete "$INSTDIR\Tamblecore.dll"
  Delete "$INSTDIR\tamblecli.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\Uninstall.exe"
  Delete "$SMPROGRAMS\Tamble\Tamble.lnk"
  RMDir "$SMPROGRAMS\Tamble"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; Off unless chosen, or /REMOVEDATA on the command line. Only the standard
; data folder beside the programs: a folder the user chose elsewhere is
; theirs.
Section /o "un.$(DataSection)" RemoveData
  Delete "$INSTDIR\Tamble.ini"
  RMDir /r "$INSTDIR\DataFolder"
SectionEnd

Section "-un.Folder"
  ; Left in place while anything of the user's remains in it.
  RMDir "$INSTDIR"
SectionEnd

Function un.onInit
  ${un.GetParameters} $R0
  ClearErrors
  ${un.GetOptions} $R0 "/REMOVEDATA" $R1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${RemoveData}
  ${EndIf}
FunctionEnd
