; Windows installer for Tamsolo: the builder, its files folder, the help page
; and the sample movie go to Program Files; a Start-menu shortcut starts the
; builder with its own folder as the current directory, where it finds files\.
; makensis -DDIST=<distribution folder> -DOUTFILE=<setup.exe> [-DICON=<.ico>] Tamsolo.nsi
Unicode true
!ifndef VERSION
  !define VERSION "1.0"
!endif
Name "Tamsolo ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Tamsolo"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
!ifdef ICON
  Icon "${ICON}"
  UninstallIcon "${ICON}"
!endif

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Tamsolo"
  SetOutPath "$INSTDIR"
  File "${DIST}\Tamsolo.exe"
  File "${DIST}\help.htm"
  File "${DIST}\sample.swf"
  SetOutPath "$INSTDIR\files"
  File "${DIST}\files\*.dat"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; The shortcut's start folder is the one SetOutPath names last.
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  CreateDirectory "$SMPROGRAMS\Tamsolo"
  CreateShortcut "$SMPROGRAMS\Tamsolo\Tamsolo.lnk" "$INSTDIR\Tamsolo.exe" "" "$INSTDIR\Tamsolo.exe" 0
  CreateShortcut "$SMPROGRAMS\Tamsolo\Uninstall Tamsolo.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tamsolo" "DisplayName" "Tamsolo ${VERSION}"
  WriteRegStr HKLM "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tamsolo" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tamsolo" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tamsolo" "DisplayVersion" "${VERSION}"
  WriteRegDWORD HKLM "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tamsolo" "NoModify" 1
  WriteRegDWORD HKLM "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tamsolo" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Tamsolo\Tamsolo.lnk"
  Delete "$SMPROGRAMS\Tamsolo\Uninstall Tamsolo.lnk"
  RMDir "$SMPROGRAMS\Tamsolo"
  ; Only what the installer put there: projects the user saved elsewhere stay.
  Delete "$INSTDIR\files\01.dat"
  Delete "$INSTDIR\files\02.dat"
  Delete "$INSTDIR\files\1010.dat"
  Delete "$INSTDIR\files\1011.dat"
  Delete "$INSTDIR\files\1015.dat"
  Delete "$INSTDIR\files\1016.dat"
  Delete "$INSTDIR\files\1017.dat"
  Delete "$INSTDIR\files\1018.dat"
  Delete "$INSTDIR\files\1019.dat"
  RMDir "$INSTDIR\files"
  Delete "$INSTDIR\Tamsolo.exe"
  Delete "$INSTDIR\help.htm"
  Delete "$INSTDIR\sample.swf"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tamsolo"
SectionEnd
