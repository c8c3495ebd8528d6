; Korvane installer: a per-user install the user can write to (Korvane.ini is saved beside
; the programs), Korvane set as the current screen saver with screen saving on, Start-menu
; entries that find it again, and an uninstaller that takes back exactly that.
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
!define KORVANE_KEY "Software\Korvane"
!define MENU_DIR "$SMPROGRAMS\Korvane"
!define SPI_GETSCREENSAVEACTIVE 16
!define SPI_SETSCREENSAVEACTIVE 17
; SPIF_UPDATEINIFILE | SPIF_SENDCHANGE: stored for the user and told to running programs, so
; no sign-out is needed.
!define SPIF_STORE_AND_BROADCAST 3

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Sets VAR to 1 when SCRNSAVE.EXE names our Korvane.scr, else 0. Windows may store the path
; in its short (8.3) form, so both forms count; the file must still exist.
!macro SaverIsOurs VAR
  ReadRegStr $R0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  StrCpy ${VAR} 0
  ${If} $R0 == "$INSTDIR\Korvane.scr"
    StrCpy ${VAR} 1
  ${ElseIf} $R0 != ""
    GetFullPathName /SHORT $R1 "$INSTDIR\Korvane.scr"
    GetFullPathName /SHORT $R2 "$R0"
    ${If} $R1 != ""
    ${AndIf} $R1 == $R2
      StrCpy ${VAR} 1
    ${EndIf}
  ${EndIf}
!macroend

!macro SetScreenSaving ON
  System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i ${ON}, p 0, i ${SPIF_STORE_AND_BROADCAST})'
!macroend

Section "Korvane"
  SetOutPath "$INSTDIR"
  File "${BIN_DIR}/Korvane.scr"
  File "${BIN_DIR}/Korvane.dll"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; Remember the saver chosen before and whether screen saving was on ("(None)" in Screen
  ; Saver Settings removes the saver and turns saving off), so the uninstaller can give both
  ; back. Installing over ourselves keeps what the first install remembered.
  !insertmacro SaverIsOurs $3
  ${If} $3 == 0
    ClearErrors
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${If} ${Errors}
      DeleteRegValue HKCU "${KORVANE_KEY}" "PreviousSaver"
    ${Else}
      WriteRegStr HKCU "${KORVANE_KEY}" "PreviousSaver" "$0"
    ${EndIf}
    ; The user's stored on/off choice, which Screen Saver Settings writes through
    ; SPI_SETSCREENSAVEACTIVE; the running value may come from elsewhere (Wine asks the X
    ; server), so it is only the fall-back.
    ClearErrors
    ReadRegStr $1 HKCU "${DESKTOP_KEY}" "ScreenSaveActive"
    ${If} ${Errors}
      System::Call 'user32::SystemParametersInfoW(i ${SPI_GETSCREENSAVEACTIVE}, i 0, *i .r1, i 0) i .r2'
      ${If} $2 == 0
        StrCpy $1 1
      ${EndIf}
    ${EndIf}
    ${If} $1 != 0
      StrCpy $1 1
    ${EndIf}
    WriteRegDWORD HKCU "${KORVANE_KEY}" "PreviousSaverActive" $1
  ${EndIf}
  WriteRegStr HKCU "${KORVANE_KEY}" "InstallDir" "$INSTDIR"
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$INSTDIR\Korvane.scr"
  ; A chosen saver never starts while screen saving is off.
  !insertmacro SetScreenSaving 1

  ; Screen Saver Settings lists only the system folders' savers and the current one: these
  ; find Korvane again once another saver was picked. The second does what the shell's own
  ; Install verb on a .scr file does (make it current, open Screen Saver Settings).
  CreateDirectory "${MENU_DIR}"
  CreateShortcut "${MENU_DIR}\Korvane.lnk" "$INSTDIR\Korvane.scr" "/c" "$INSTDIR\Korvane.scr" 0
  CreateShortcut "${MENU_DIR}\Use Korvane as the screen saver.lnk" "$SYSDIR\rundll32.exe" \
    "desk.cpl,InstallScreenSaver $INSTDIR\Korvane.scr" "$INSTDIR\Korvane.scr" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Korvane screen saver"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Korvane.scr,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Korvane"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  ; Only take the saver setting back while it is still ours (in either path form), so
  ; SCRNSAVE.EXE never names the file deleted below.
  !insertmacro SaverIsOurs $3
  ${If} $3 == 1
    ClearErrors
    ReadRegStr $1 HKCU "${KORVANE_KEY}" "PreviousSaver"
    ${If} ${Errors}
    ${OrIf} $1 == ""
      DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${Else}
      WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$1"
    ${EndIf}
    ClearErrors
    ReadRegDWORD $2 HKCU "${KORVANE_KEY}" "PreviousSaverActive"
    ${IfNot} ${Errors}
      !insertmacro SetScreenSaving $2
    ${EndIf}
  ${EndIf}
  DeleteRegKey HKCU "${KORVANE_KEY}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  Delete "${MENU_DIR}\Korvane.lnk"
  Delete "${MENU_DIR}\Use Korvane as the screen saver.lnk"
  RMDir "${MENU_DIR}"

  Delete "$INSTDIR\Korvane.scr"
  Delete "$INSTDIR\Korvane.dll"
  ; The settings the saver kept beside itself go with it.
  Delete "$INSTDIR\Korvane.ini"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
