; The Windows installer of Drawvane, built by `make windows` with NSIS:
;   makensis -DVERSION=1.1.1.27 -DSTAGE=<folder with drawvane.exe and its DLLs>
;            -DUNINSTALL_LIST=<.nsh deleting those files> -DOUTFILE=<setup.exe> drawvane.nsi
; Installs for the current user alone (no administrator rights), adds a
; Start-menu shortcut and an uninstaller; the settings in the registry are
; the player's and stay when the program is removed.

; A 64-bit installer for the 64-bit program (and for Wine without its 32-bit half).
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

Name "Drawvane"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Drawvane"
InstallDirRegKey HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall\Drawvane" "InstallLocation"

VIProductVersion "${VERSION}"
VIAddVersionKey "ProductName" "Drawvane"
VIAddVersionKey "FileDescription" "Drawvane Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "1.1"
VIAddVersionKey "CompanyName" "The Drawvane developers"
VIAddVersionKey "LegalCopyright" "The Drawvane developers"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Drawvane"

Section "Drawvane"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateDirectory "$SMPROGRAMS\Drawvane"
  CreateShortcut "$SMPROGRAMS\Drawvane\Drawvane.lnk" "$INSTDIR\drawvane.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Drawvane"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Drawvane developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\drawvane.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Drawvane\Drawvane.lnk"
  RMDir "$SMPROGRAMS\Drawvane"
  ; Exactly the files the installer put there (listed by make windows), so
  ; that a folder chosen by the player loses nothing else.
  !include "${UNINSTALL_LIST}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
