; Chimelo's installer: per user, with no administrator rights. The program
; goes to %LOCALAPPDATA%\Programs\Chimelo, its data (chimelo.ini and the
; copied sounds) lives in %LOCALAPPDATA%\Chimelo, which the uninstaller keeps.
; Paths are relative to this folder, where makensis works.
; makensis -DVERSION=1.0.0 -DSTAGE=<folder with 32-bit/ and 64-bit/> -DOUTFILE=<setup.exe>
; Libraries come from the system folder only, never from the folder the
; installer was downloaded to: before any script runs, NSIS's stub limits the
; search to the system folder (SetDefaultDllDirectories) and loads what it
; needs by full path. So the script names no library but kernel32, loaded
; already, and runs a program only by its full path.
Unicode true
!include MUI2.nsh
!include LogicLib.nsh
!include x64.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Chimelo"
!define DATA "$LOCALAPPDATA\Chimelo"

Name "Chimelo"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Chimelo"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
BrandingText "Chimelo ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!define MUI_ICON "../resources/icons/1001.ico"
!define MUI_UNICON "../resources/icons/1001.ico"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Run Chimelo"
!define MUI_FINISHPAGE_RUN_FUNCTION RunChimelo
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!define MUI_FINISHPAGE_TITLE "Chimelo Has Been Removed"
!define MUI_FINISHPAGE_TEXT "Chimelo has been removed from your computer.$\r$\n$\r$\nYour sounds are kept: chimelo.ini and the sounds Chimelo copied stay in ${DATA}, since Windows may still play them. Delete that folder yourself if you no longer want them."
!insertmacro MUI_UNPAGE_FINISH

!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Chimelo"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Chimelo Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"

; A running Chimelo holds Local\Chimelo. Its program file cannot be replaced
; or removed under it, and its save at close would follow whatever happens
; here: the user closes it first. Run silently, the answer is Cancel.
!macro RefuseWhileChimeloRuns un
Function ${un}RefuseWhileChimeloRuns
  retry:
  System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "Local\Chimelo") p .r0'
  ${If} $0 P<> 0
    System::Call 'kernel32::CloseHandle(p r0)'
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Chimelo is running.$\r$\nClose Chimelo, then choose Retry." /SD IDCANCEL IDRETRY retry
    Abort
  ${EndIf}
FunctionEnd
!macroend
!insertmacro RefuseWhileChimeloRuns ""
!insertmacro RefuseWhileChimeloRuns "un."

Function .onInit
  Call RefuseWhileChimeloRuns
FunctionEnd

Function un.onInit
  Call un.RefuseWhileChimeloRuns
FunctionEnd

; Chimelo keeps its sounds in the folder it starts in.
Function RunChimelo
  SetOutPath "${DATA}"
  Exec '"$INSTDIR\chimelo.exe"'
FunctionEnd

Section "Chimelo" Program
  SectionIn RO
  SetOutPath "$INSTDIR"
  ${If} ${RunningX64}
    File "/oname=chimelo.exe" "${STAGE}/64-bit/chimelo.exe"
  ${Else}
    File "/oname=chimelo.exe" "${STAGE}/32-bit/chimelo.exe"
  ${EndIf}
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ; Shortcuts start in the folder that is current when they are made.
  CreateDirectory "${DATA}"
  SetOutPath "${DATA}"
  ; Since Windows 10, parts of Windows that run as app packages play some
  ; system sounds, and read a file only where ALL APPLICATION PACKAGES may:
  ; the folder's entries stay, and this one is inherited by all it holds.
  ; Where it cannot be added, Chimelo is installed all the same.
  nsExec::Exec '"$SYSDIR\icacls.exe" "${DATA}" /grant *S-1-15-2-1:(OI)(CI)(RX)'
  Pop $0
  CreateShortcut "$SMPROGRAMS\Chimelo.lnk" "$INSTDIR\chimelo.exe" "" "$INSTDIR\chimelo.exe" 0 SW_SHOWNORMAL
  ; A reinstall without the sign-in start takes back the one made before.
  Delete "$SMSTARTUP\Chimelo.lnk"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Chimelo"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\chimelo.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Started with /signin, Chimelo plays the start sound where Windows no longer
; does. An upgrade writes the shortcut anew, switch and all.
Section "Start Chimelo when I sign in" SignIn
  SetOutPath "${DATA}"
  CreateShortcut "$SMSTARTUP\Chimelo.lnk" "$INSTDIR\chimelo.exe" "/signin" "$INSTDIR\chimelo.exe" 0 SW_SHOWMINIMIZED
SectionEnd

; The mirror of the two sections above. The data folder stays, grant and
; all: chimelo.ini and the copied sounds, which the sound scheme may still
; name.
Section "Uninstall"
  Delete "$INSTDIR\chimelo.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Chimelo.lnk"
  Delete "$SMSTARTUP\Chimelo.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
