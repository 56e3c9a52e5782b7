; The Windows installer: for the current user only, without administrator rights, into
; %LOCALAPPDATA%\Programs\Stapelwerk. makensis gets VERSION, SOURCE (the program's folder,
; as cmake --install makes it) and OUTFILE.
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma
Name "Stapelwerk"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Stapelwerk"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Stapelwerk"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
  SetOutPath "$INSTDIR"
  ; The list of files comes from the folder; the uninstaller removes that same list.
  !include "${SOURCE}/../files.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Stapelwerk.lnk" "$INSTDIR\stapelwerk.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Stapelwerk"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what was installed goes: the settings in the registry and a value list the user
; keeps elsewhere stay.
Section "Uninstall"
  !include "${SOURCE}/../unfiles.nsh"
  Delete "$INSTDIR\uninstall.exe"
  Delete "$SMPROGRAMS\Stapelwerk.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  RMDir "$INSTDIR"
SectionEnd
