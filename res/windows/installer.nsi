; The Windows installer. scripts/windows runs makensis with
;   -DVERSION=x.y.z -DSOURCE=<the portable folder> -DOUTFILE=<setup.exe>
;   -DFILES=<Delete lines> -DFOLDERS=<RMDir lines>   (the uninstaller removes what was installed)
; Silent: setup.exe /S [/D=C:\path]; uninstall.exe /S.
; A 64-bit installer for the 64-bit programs (and for Wine without its 32-bit half).
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"
!include "x64.nsh"

!define APP "radioprog"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"
!define PROGID "radioprog.dat"

Name "radioprog ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${APP}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
BrandingText "radioprog ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "radioprog"
VIAddVersionKey /LANG=0 "FileDescription" "radioprog ${VERSION} setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "The radioprog developers"

!define MUI_ICON "${SOURCE}\title.ico"
!define MUI_UNICON "${SOURCE}\title.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\radioprog.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"

Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "radioprog"
    SetOutPath "$INSTDIR"
    File /r "${SOURCE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\radioprog.lnk" "$INSTDIR\radioprog.exe"

    ; .dat files open in radioprog; a program that already owns .dat keeps it, and radioprog
    ; is offered under Open with.
    WriteRegStr HKLM "Software\Classes\${PROGID}" "" "radioprog data file"
    WriteRegStr HKLM "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\radioprog.exe,0"
    WriteRegStr HKLM "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\radioprog.exe" "%1"'
    WriteRegStr HKLM "Software\Classes\.dat\OpenWithProgids" "${PROGID}" ""
    ReadRegStr $0 HKLM "Software\Classes\.dat" ""
    StrCmp $0 "" 0 +2
        WriteRegStr HKLM "Software\Classes\.dat" "" "${PROGID}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

    ; Installed apps
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "radioprog"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The radioprog developers"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\radioprog.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
    ; Only what the installer put there: a folder the user chose may hold other files.
    !include "${FILES}"
    Delete "$INSTDIR\uninstall.exe"
    !include "${FOLDERS}"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\radioprog.lnk"

    ReadRegStr $0 HKLM "Software\Classes\.dat" ""
    StrCmp $0 "${PROGID}" 0 +2
        DeleteRegValue HKLM "Software\Classes\.dat" ""
    DeleteRegValue HKLM "Software\Classes\.dat\OpenWithProgids" "${PROGID}"
    DeleteRegKey /ifempty HKLM "Software\Classes\.dat\OpenWithProgids"
    DeleteRegKey /ifempty HKLM "Software\Classes\.dat"
    DeleteRegKey HKLM "Software\Classes\${PROGID}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
