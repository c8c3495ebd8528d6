; Korvane installer: a per-user install the user can write to (Korvane.ini is saved beside
; the programs), Korvane set as the current screen saver, and an uninstaller that takes back
; exactly that.
;   makensis -DVERSION=x.y.z -DBIN_DIR=<folder with the programs> -DOUT_FILE=<setup.exe> korvane.nsi
; The programs are 64-bit, and so is the installer (it runs where they run).
Target amd64-unicode
!include "LogicLib.nsh"

Name "Korvane ${VERSION}"
OutFile "${OUT_FILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Korvane"
InstallDirRegKey HKCU "Software\Korvane" "InstallDir"
SetCompressor /SOLID lzma
ShowInstDetails nevershow

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvane"
!define DESKTOP_KEY "Control Panel\Desktop"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Korvane"
  SetOutPath "$INSTDIR"
  File "${BIN_DIR}/Korvane.scr"
  File "${BIN_DIR}/Korvane.dll"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; Remember the saver that was chosen before, so the uninstaller can give it back.
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ReadRegStr $1 HKCU "Software\Korvane" "PreviousSaver"
  ${If} $1 == ""
  ${AndIf} $0 != "$INSTDIR\Korvane.scr"
    WriteRegStr HKCU "Software\Korvane" "PreviousSaver" "$0"
  ${EndIf}
  WriteRegStr HKCU "Software\Korvane" "InstallDir" "$INSTDIR"
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$INSTDIR\Korvane.scr"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Korvane screen saver"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Korvane"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  ; Only take the saver setting back while it is still ours.
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${If} $0 == "$INSTDIR\Korvane.scr"
    ReadRegStr $1 HKCU "Software\Korvane" "PreviousSaver"
    ${If} $1 == ""
      DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${Else}
      WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$1"
    ${EndIf}
  ${EndIf}
  DeleteRegKey HKCU "Software\Korvane"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  Delete "$INSTDIR\Korvane.scr"
  Delete "$INSTDIR\Korvane.dll"
  ; The settings the saver kept beside itself go with it.
  Delete "$INSTDIR\Korvane.ini"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
