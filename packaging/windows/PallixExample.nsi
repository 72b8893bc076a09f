; The setup program of PallixExample for Windows: shows the licence, installs
; the programs, the simulated adapter, README.txt and LICENSE.txt into Program
; Files (the 32-bit one on 64-bit Windows), a Start-menu shortcut to the window and an uninstaller that
; Windows lists under its installed programs. Silent with /S; /D=FOLDER
; installs elsewhere.
; The build passes the project's version:
;   makensis -DVERSION=<version> -DSTAGE=<staged folder> -DOUTFILE=<setup.exe> PallixExample.nsi

Unicode true
SetCompressor /SOLID lzma
!include MUI2.nsh

!define PRODUCT "PallixExample"
!define PUBLISHER "Miral Elektronik GmbH"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\${PRODUCT}"
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show

; The adapter's own driver is not part of the program: the last page says
; where it goes.
!define MUI_FINISHPAGE_TITLE "${PRODUCT} ${VERSION} is installed"
!define MUI_FINISHPAGE_TEXT "${PRODUCT} is installed in $INSTDIR.$\r$\n$\r$\nThe adapter's own driver, Pallix400.dll, is not part of it: to use your Pallix400 adapter, copy Pallix400.dll into this folder, beside PallixExample.exe. Until then the programs use the simulated adapter and say so."
!define MUI_FINISHPAGE_TEXT_LARGE
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Show README.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
; The licence grants rights and asks for no consent: Next, not I Agree.
!define MUI_LICENSEPAGE_TEXT_TOP "${PRODUCT} is free software under the MIT licence."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "You may use, copy, change and pass on ${PRODUCT} and its code, also in your own programs, as the licence says. Click Next to continue."
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (c) 2026 The PallixExample authors (MIT licence)"

Section "${PRODUCT}"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${STAGE}/PallixExample.exe"
  File "${STAGE}/pallix-read.exe"
  File "${STAGE}/README.txt"
  File "${STAGE}/LICENSE.txt"
  SetOutPath "$INSTDIR\simulator"
  File "${STAGE}/simulator/Pallix400.dll"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\PallixExample.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\PallixExample.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "http://www.miral.example/"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what the installer wrote, and no more: a Pallix400.dll the user put
; beside the program stays, and with it the folder.
Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$INSTDIR\PallixExample.exe"
  Delete "$INSTDIR\pallix-read.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\simulator\Pallix400.dll"
  RMDir "$INSTDIR\simulator"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
