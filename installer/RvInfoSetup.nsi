; Setup of the Ravo Info suite: installs the suite's folder for the current user without
; administrator rights (the module writes its ini file beside itself, so the folder must be one
; the user may write), adds Start-menu shortcuts and registers an uninstaller that removes what
; was installed and nothing else.
;
;   makensis -DVERSION=1.0.0.0 -DSOURCE=<suite folder> -DOUTFILE=<setup.exe> [-DTARGET=<stub>]
;
; makensis works in this script's folder, so relative paths start there. The CMake target
; `installer` passes the project's version with build/dist and the x86 stub, or build/dist64 and
; the amd64 stub for the 64-bit test build.

!macro Require Name
  !ifndef ${Name}
    !error "define ${Name} with makensis -D${Name}=..."
  !endif
!macroend
!insertmacro Require VERSION
!insertmacro Require SOURCE
!insertmacro Require OUTFILE
!ifndef TARGET
  !define TARGET x86-unicode
!endif

!include FileFunc.nsh
!include LogicLib.nsh

!define PRODUCT "Ravo Info"
!define PUBLISHER "Ravo"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define UNINSTALLER "Uninstall.exe"
!define MENU_FOLDER "$SMPROGRAMS\${PRODUCT}"
!define SUITE_SHORTCUT "${MENU_FOLDER}\${PRODUCT}.lnk"
!define MODULE_SHORTCUT "${MENU_FOLDER}\${PRODUCT} Process.lnk"

Target ${TARGET}
Name "${PRODUCT}"
OutFile "${OUTFILE}"
Icon "RvInfo.ico"
UninstallIcon "RvInfo.ico"
BrandingText "${PRODUCT} ${VERSION}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma

VIProductVersion "${VERSION}"
VIAddVersionKey ProductName "${PRODUCT}"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey CompanyName "${PUBLISHER}"
VIAddVersionKey FileDescription "${PRODUCT} setup"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey LegalCopyright "Copyright (C) ${PUBLISHER}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; The suite's files, relative to its folder: the installer puts each one there, the uninstaller
; removes each one.
!macro SuiteFiles Action
  !insertmacro ${Action} "RvInfo.exe"
  !insertmacro ${Action} "Process\RvProcesess.exe"
  !insertmacro ${Action} "Process\RvProcesessCSY.dll"
  !insertmacro ${Action} "Process\RvProcesessDE.dll"
  !insertmacro ${Action} "Process\RvProcesessEN.dll"
  !insertmacro ${Action} "Process\RvProcesessES.dll"
  !insertmacro ${Action} "Process\RvProcesessFR.dll"
  !insertmacro ${Action} "Process\RvProcesessIT.dll"
  !insertmacro ${Action} "Process\RvProcesessRUS.dll"
  !insertmacro ${Action} "Rvmail\RvIMail.exe"
!macroend
!macro PutFile Path
  File "/oname=$INSTDIR\${Path}" "${SOURCE}\${Path}"
!macroend
!macro RemoveFile Path
  Delete "$INSTDIR\${Path}"
!macroend

Section
  SetOutPath "$INSTDIR"
  ; The uninstaller knows its folder by the plain full path; register the folder the same way.
  ClearErrors
  GetFullPathName $0 "$INSTDIR"
  ${IfNot} ${Errors}
    StrCpy $INSTDIR $0
  ${EndIf}
  CreateDirectory "$INSTDIR\Process"
  CreateDirectory "$INSTDIR\Rvmail"
  !insertmacro SuiteFiles PutFile
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  ; Each program starts in its own folder, as the suite starts the module.
  CreateDirectory "${MENU_FOLDER}"
  SetOutPath "$INSTDIR"
  CreateShortcut "${SUITE_SHORTCUT}" "$INSTDIR\RvInfo.exe"
  SetOutPath "$INSTDIR\Process"
  CreateShortcut "${MODULE_SHORTCUT}" "$INSTDIR\Process\RvProcesess.exe" "-start"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${UNINSTALLER},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  !insertmacro SuiteFiles RemoveFile
  ; Written by the module beside itself.
  Delete "$INSTDIR\Process\RvProcesess.ini"
  Delete "$INSTDIR\${UNINSTALLER}"

  ; The shortcuts and the registration belong to the copy installed last; an older copy in
  ; another folder leaves them alone.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    Delete "${SUITE_SHORTCUT}"
    Delete "${MODULE_SHORTCUT}"
    RMDir "${MENU_FOLDER}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ${EndIf}

  ; Folders go only when empty: whatever the user keeps there stays.
  RMDir "$INSTDIR\Process"
  RMDir "$INSTDIR\Rvmail"
  RMDir "$INSTDIR"
SectionEnd
