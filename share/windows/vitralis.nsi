; The setup program of Vitralis for Windows, made by scripts/windows.sh with
;   makensis -DVERSION=1.40 -DPUBLISHER=... -DSOURCE=<deployment folder>
;            -DFILES=<install list> -DREMOVALS=<removal list> -DOUTFILE=<setup.exe> vitralis.nsi
; It installs the deployment folder into Program Files, adds a Start-menu
; shortcut and, if chosen, one on the desktop, and enters the program in
; Windows' list of installed programs. The uninstaller removes what the setup
; installed and nothing else: the lists name every file.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include "MUI2.nsh"
!include "x64.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vitralis"

Name "Vitralis ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Vitralis"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Vitralis ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1036 "ProductName" "Vitralis"
VIAddVersionKey /LANG=1036 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1036 "FileDescription" "Installation de Vitralis"
VIAddVersionKey /LANG=1036 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${SOURCE}\vitralis.ico"
!define MUI_UNICON "${SOURCE}\vitralis.ico"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\vitralis.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${SOURCE}\Licencebis.rtf"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

Function .onInit
    ${IfNot} ${RunningX64}
        MessageBox MB_ICONSTOP "Vitralis demande une version 64 bits de Windows." /SD IDOK
        Abort
    ${EndIf}
    SetRegView 64
FunctionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

Section "Vitralis" SecProgram
    SectionIn RO
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    !include "${FILES}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Vitralis.lnk" "$INSTDIR\vitralis.exe" "" "$INSTDIR\vitralis.exe" 0 \
        SW_SHOWNORMAL "" "Guide de référence des remèdes homéopathiques"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Vitralis"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vitralis.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Comments" "Guide de référence des remèdes homéopathiques"
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section /o "Raccourci sur le bureau" SecDesktop
    SetShellVarContext all
    CreateShortCut "$DESKTOP\Vitralis.lnk" "$INSTDIR\vitralis.exe" "" "$INSTDIR\vitralis.exe" 0 \
        SW_SHOWNORMAL "" "Guide de référence des remèdes homéopathiques"
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\Vitralis.lnk"
    Delete "$DESKTOP\Vitralis.lnk"
    !include "${REMOVALS}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
