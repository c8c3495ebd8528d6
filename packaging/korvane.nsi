; Korvane installer: a per-user install the user can write to (Korvane.ini is saved beside
; the programs), Korvane set as the current screen saver with screen saving on, a Start-menu
; entry that finds it again, a move when installed into another folder, and an uninstaller
; that takes back exactly that.
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
!define RUNONCE_KEY "Software\Microsoft\Windows\CurrentVersion\RunOnce"
!define SPI_GETSCREENSAVEACTIVE 16
!define SPI_SETSCREENSAVEACTIVE 17
; SPIF_UPDATEINIFILE | SPIF_SENDCHANGE: stored for the user and told to running programs, so
; no sign-out is needed.
!define SPIF_STORE_AND_BROADCAST 3

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Sets VAR to 1 when SCRNSAVE.EXE names FILE, else 0. Windows may store the path in its short
; (8.3) form: SHORT is FILE's, read while the file was there (empty when it has none).
!macro SaverIs FILE SHORT VAR
  ReadRegStr $R0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  GetFullPathName /SHORT $R1 $R0
  StrCpy ${VAR} 0
  ${If} $R0 == "${FILE}"
    StrCpy ${VAR} 1
  ${ElseIf} "${SHORT}" != ""
    ${If} "${SHORT}" == $R0
    ${OrIf} "${SHORT}" == $R1
      StrCpy ${VAR} 1
    ${EndIf}
  ${EndIf}
!macroend

; Sets VAR to 1 when SCRNSAVE.EXE names the Korvane.scr in FOLDER, else 0.
!macro SaverIsIn FOLDER VAR
  StrCpy ${VAR} 0
  ${If} "${FOLDER}" != ""
    GetFullPathName /SHORT $R2 "${FOLDER}\Korvane.scr"
    !insertmacro SaverIs "${FOLDER}\Korvane.scr" $R2 ${VAR}
  ${EndIf}
!macroend

; Deletes FOLDER\NAME. Windows keeps the file of a running program, and Screen Saver Settings
; runs Korvane.scr for as long as it shows the preview. With a window the person is asked to
; close it and try again; silently, or if they cancel, the file goes when they next sign in.
; (Delete /REBOOTOK would leave it without a word: MoveFileEx schedules a delete at restart
; only for administrators, and this per-user installer runs as the user.)
!macro RemoveProgramFile FOLDER NAME
  ${Do}
    Delete "${FOLDER}\${NAME}"
    ${IfNot} ${FileExists} "${FOLDER}\${NAME}"
    ${OrIfNot} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${FOLDER}\${NAME} is in use, most likely by the preview in Screen Saver Settings.$\r$\n$\r$\nClose Screen Saver Settings, then press Retry. Cancel removes the file the next time you sign in." /SD IDCANCEL IDRETRY`
      ${ExitDo}
    ${EndIf}
  ${Loop}
  ${If} ${FileExists} "${FOLDER}\${NAME}"
    WriteRegStr HKCU "${RUNONCE_KEY}" "Korvane ${FOLDER}\${NAME}" \
      '"$SYSDIR\cmd.exe" /d /c del /f /q "${FOLDER}\${NAME}" & rd "${FOLDER}"'
  ${EndIf}
!macroend

!macro SetScreenSaving ON
  System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i ${ON}, p 0, i ${SPIF_STORE_AND_BROADCAST})'
!macroend

; Installing into another folder moves Korvane: the earlier folder's settings come here (they
; are the ones in use, so they win over any this folder had), then its programs go.
Function MoveEarlierCopy
  Exch $R3
  ; The same folder in another form is no earlier copy.
  GetFullPathName /SHORT $R1 $R3
  GetFullPathName /SHORT $R2 $INSTDIR
  ${If} $R3 != ""
  ${AndIf} $R3 != $INSTDIR
  ${AndIf} $R1 != $R2
    ${If} ${FileExists} "$R3\Korvane.ini"
      Delete "$INSTDIR\Korvane.ini"
      Rename "$R3\Korvane.ini" "$INSTDIR\Korvane.ini"
    ${EndIf}
    !insertmacro RemoveProgramFile $R3 Korvane.scr
    !insertmacro RemoveProgramFile $R3 Korvane.dll
    Delete "$R3\Uninstall.exe"
    RMDir "$R3"
  ${EndIf}
  Pop $R3
FunctionEnd

Section "Korvane"
  ; Where Korvane was installed before: the uninstall entry names the folder, and so does
  ; InstallDir (they differ only if something went wrong in between).
  ReadRegStr $4 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ReadRegStr $5 HKCU "${KORVANE_KEY}" "InstallDir"
  ${If} $5 == $4
    StrCpy $5 ""
  ${EndIf}

  SetOutPath "$INSTDIR"
  File "${BIN_DIR}/Korvane.scr"
  File "${BIN_DIR}/Korvane.dll"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  ; An uninstall here that waited for the preview to let go would take the new programs.
  DeleteRegValue HKCU "${RUNONCE_KEY}" "Korvane $INSTDIR\Korvane.scr"
  DeleteRegValue HKCU "${RUNONCE_KEY}" "Korvane $INSTDIR\Korvane.dll"

  ; Remember the saver chosen before and whether screen saving was on ("(None)" in Screen
  ; Saver Settings removes the saver and turns saving off), so the uninstaller can give both
  ; back. Installing over ourselves, here or in an earlier folder, keeps what the first
  ; install remembered: an earlier copy is about to go, and must never come back as the saver.
  !insertmacro SaverIsIn $INSTDIR $3
  !insertmacro SaverIsIn $4 $1
  !insertmacro SaverIsIn $5 $2
  IntOp $3 $3 | $1
  IntOp $3 $3 | $2
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
  Push $4
  Call MoveEarlierCopy
  Push $5
  Call MoveEarlierCopy
  WriteRegStr HKCU "${KORVANE_KEY}" "InstallDir" "$INSTDIR"
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$INSTDIR\Korvane.scr"
  ; A chosen saver never starts while screen saving is off.
  !insertmacro SetScreenSaving 1

  ; Screen Saver Settings lists only the system folders' savers and the current one: this
  ; finds Korvane again once another saver was picked. It does what the shell's own Install
  ; verb on a .scr file does (make it current, open Screen Saver Settings), whose Settings
  ; button starts Korvane.scr /c itself. That is the only way to the settings here: Windows
  ; opens a shortcut to a .scr through the file type's open command, "%1" /S, and drops the
  ; shortcut's arguments, so a Korvane.scr /c shortcut would start the saver.
  CreateDirectory "${MENU_DIR}"
  Delete "${MENU_DIR}\Korvane.lnk"
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
  ; Read while the file is there: Windows may have stored the saver's path in this form.
  GetFullPathName /SHORT $6 "$INSTDIR\Korvane.scr"
  ; The programs go first: a person asked to close Screen Saver Settings may press its OK,
  ; which stores Korvane as the saver again.
  !insertmacro RemoveProgramFile $INSTDIR Korvane.scr
  !insertmacro RemoveProgramFile $INSTDIR Korvane.dll

  ; Only take the saver setting back while it is still ours (in either path form), so
  ; SCRNSAVE.EXE never names the file deleted above.
  !insertmacro SaverIs "$INSTDIR\Korvane.scr" $6 $3
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

  ; Korvane.lnk: made by earlier versions.
  Delete "${MENU_DIR}\Korvane.lnk"
  Delete "${MENU_DIR}\Use Korvane as the screen saver.lnk"
  RMDir "${MENU_DIR}"

  ; The settings the saver kept beside itself go with it.
  Delete "$INSTDIR\Korvane.ini"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
