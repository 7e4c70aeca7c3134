; Installer of the Windows program, built by scripts/package. A 32-bit
; installer that carries both programs and installs the one that matches the
; system: x86_64 on 64-bit Windows, i686 on 32-bit Windows.
; Defines: RELEASE_NSH (the release's names and versions, and the commit,
; written by cmake/WriteRelease.cmake), EXE64 and EXE32 (the two
; Dorvanta.exe), OUTFILE; optional SERVER_INI and ROUTE_TXT, installed into
; the system directory beside the user's Config.dat; UNINSTALLER_COPY, where
; the uninstaller that the installer writes is copied; SIGN_UNINSTALLER, the
; command that signs it.
Unicode true
Target x86-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include LogicLib.nsh
!include x64.nsh

!ifndef RELEASE_NSH
  !error "RELEASE_NSH (the release's defines) must be defined"
!endif
!include "${RELEASE_NSH}"
!ifndef EXE64
  !error "EXE64 (the path of the x86_64 Dorvanta.exe) must be defined"
!endif
!ifndef EXE32
  !error "EXE32 (the path of the i686 Dorvanta.exe) must be defined"
!endif
!ifndef OUTFILE
  !define OUTFILE "VelkVPN-Setup.exe"
!endif
!define PRODUCT "${DORVANTA_PRODUCT}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
; Program Files of the system's own bitness ($PROGRAMFILES on 32-bit Windows).
InstallDir "$PROGRAMFILES64\${PRODUCT}"
ShowInstDetails show

VIProductVersion "${DORVANTA_FILE_VERSION}"
VIFileVersion "${DORVANTA_FILE_VERSION}"
VIAddVersionKey "ProductName" "${DORVANTA_PRODUCT_NAME}"
VIAddVersionKey "CompanyName" "${DORVANTA_MAKER}"
VIAddVersionKey "FileDescription" "${DORVANTA_DESCRIPTION} Setup"
VIAddVersionKey "FileVersion" "${DORVANTA_FILE_VERSION}"
VIAddVersionKey "ProductVersion" "${DORVANTA_FILE_VERSION}"
VIAddVersionKey "LegalCopyright" "${DORVANTA_MAKER}"
VIAddVersionKey "SourceCommit" "${DORVANTA_COMMIT}"

; The uninstaller is made before the installer that carries it: signed here,
; it is written at install time as signed.
!ifdef SIGN_UNINSTALLER
  !uninstfinalize '${SIGN_UNINSTALLER} "%1"' = 0
!endif
!ifdef UNINSTALLER_COPY
  !uninstfinalize 'cp "%1" "${UNINSTALLER_COPY}"' = 0
!endif

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; On 64-bit Windows the installer sees the 64-bit system: its Program Files,
; registry view and system directory (the one the 64-bit program uses).
!macro UseNativeSystem
  ${If} ${RunningX64}
    SetRegView 64
    ${DisableX64FSRedirection}
  ${EndIf}
!macroend

Function .onInit
  !insertmacro UseNativeSystem
FunctionEnd

Function un.onInit
  !insertmacro UseNativeSystem
FunctionEnd

Section "${PRODUCT}"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  ${If} ${RunningX64}
    File "/oname=Dorvanta.exe" "${EXE64}"
  ${Else}
    File "/oname=Dorvanta.exe" "${EXE32}"
  ${EndIf}
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\Dorvanta.exe"

  ; The service's files in the system directory; the uninstaller removes only
  ; those that this installer wrote.
  SetOutPath "$SYSDIR"
!ifdef SERVER_INI
  File "/oname=Server.ini" "${SERVER_INI}"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "InstalledServerIni" 1
!endif
!ifdef ROUTE_TXT
  File "/oname=Route.txt" "${ROUTE_TXT}"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "InstalledRouteTxt" 1
!endif
  SetOutPath "$INSTDIR"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${DORVANTA_RELEASE}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${DORVANTA_MAKER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Dorvanta.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what the installer wrote; the user's Config.dat stays.
Section "Uninstall"
  SetShellVarContext all
  ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "InstalledServerIni"
  StrCmp $0 "1" 0 +2
  Delete "$SYSDIR\Server.ini"
  ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "InstalledRouteTxt"
  StrCmp $0 "1" 0 +2
  Delete "$SYSDIR\Route.txt"

  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"
  Delete "$INSTDIR\Dorvanta.exe"
  ; The server list that the program downloads into its working folder.
  Delete "$INSTDIR\server.ini"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
