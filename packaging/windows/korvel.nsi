; The setup program of KORVEL for 64-bit Windows, in Simplified Chinese:
; makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DPROGRAMS=<folder of the .exe>
;          -DGUIDE=<guide-zh.html> -DOUTFILE=<setup.exe> korvel.nsi
; Installs per machine into Program Files\KORVEL (or the folder chosen, /D=
; for a silent /S installation, /NOSTANDINS to leave the stand-ins out), a Start menu folder "KORVEL" whose program
; shortcuts start in the user's Documents, the folder verbs of Explorer, and
; an uninstaller that removes exactly what was installed. A newer setup over
; an older installation replaces it in place.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh

!define PRODUCT "KORVEL"
!define PUBLISHER "KORVEL 开发组"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KORVEL"
!define GUIDE_NAME "KORVEL 使用说明.html"
!define START_IN "%USERPROFILE%\Documents"

Name "KORVEL ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\KORVEL"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PUBLISHER}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=2052 "ProductName" "KORVEL"
VIAddVersionKey /LANG=2052 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=2052 "FileDescription" "KORVEL ${VERSION} 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_SMALLDESC
!define MUI_WELCOMEPAGE_TEXT "KORVEL 用于钢筋混凝土框架结构的纤维模型分析：$\r$\n$\r$\n\
  KORVEL_PRE 截面前处理，写出 matcode0.txt；$\r$\n\
  TRELVO 把 SAP2000 模型文件（*.s2k）转换为 out.txt，再启动 Plakon.exe；$\r$\n\
  KORVEL_RUN 选择作业文件（*.dat）并启动求解程序。$\r$\n$\r$\n\
  安装后，在资源管理器中右击模型所在的文件夹，即可“用 TRELVO 打开此文件夹”。$\r$\n$\r$\n$_CLICK"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\${GUIDE_NAME}"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "阅读使用说明"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

; The files of the programs, installed and removed by the same list.
!macro ProgramFiles Do
  !insertmacro ${Do} "KORVEL_PRE.exe"
  !insertmacro ${Do} "TRELVO.exe"
  !insertmacro ${Do} "KORVEL_RUN.exe"
  !insertmacro ${Do} "korvel.exe"
  !insertmacro ${Do} "open-here.exe"
!macroend
!macro StandInFiles Do
  !insertmacro ${Do} "Plakon.exe"
  !insertmacro ${Do} "korvel_2005r2_027.exe"
!macroend
!macro Put Name
  File "${PROGRAMS}\${Name}"
!macroend
!macro Remove Name
  Delete "$INSTDIR\${Name}"
!macroend

; The three window programs, each with its shortcut and its folder verb.
!macro Windows Do
  !insertmacro ${Do} "KORVEL_PRE" "截面前处理（KORVEL_PRE）" "输入矩形截面参数，写出 matcode0.txt"
  !insertmacro ${Do} "TRELVO" "模型转换（TRELVO）" "把 SAP2000 模型文件转换为 out.txt，再启动 Plakon.exe"
  !insertmacro ${Do} "KORVEL_RUN" "启动分析（KORVEL_RUN）" "选择作业文件（*.dat），启动求解程序"
!macroend
!macro Shortcut Program Title Description
  CreateShortCut "$SMPROGRAMS\KORVEL\${Title}.lnk" "$INSTDIR\${Program}.exe" "" "$INSTDIR\${Program}.exe" 0 \
    SW_SHOWNORMAL "" "${Description}"
!macroend
!macro VerbIn Root Program
  WriteRegStr HKLM "Software\Classes\${Root}\shell\KORVEL.${Program}" "" "用 ${Program} 打开此文件夹"
  WriteRegStr HKLM "Software\Classes\${Root}\shell\KORVEL.${Program}" "Icon" "$INSTDIR\${Program}.exe"
  WriteRegStr HKLM "Software\Classes\${Root}\shell\KORVEL.${Program}\command" "" \
    '"$INSTDIR\open-here.exe" "%V" ${Program}.exe'
!macroend
!macro Verb Program Title Description
  !insertmacro VerbIn "Directory" "${Program}"
  !insertmacro VerbIn "Directory\Background" "${Program}"
!macroend
!macro RemoveShortcut Program Title Description
  Delete "$SMPROGRAMS\KORVEL\${Title}.lnk"
!macroend
!macro RemoveVerb Program Title Description
  DeleteRegKey HKLM "Software\Classes\Directory\shell\KORVEL.${Program}"
  DeleteRegKey HKLM "Software\Classes\Directory\Background\shell\KORVEL.${Program}"
!macroend

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "KORVEL 程序" SecPrograms
  SectionIn RO
  SetOutPath "$INSTDIR"
  !insertmacro ProgramFiles Put
  File "/oname=${GUIDE_NAME}" "${GUIDE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$SMPROGRAMS\KORVEL"
  ; A shortcut starts its program in the folder $OUTDIR names: the user's own
  ; Documents, expanded when it starts, never Program Files.
  StrCpy $OUTDIR "${START_IN}"
  !insertmacro Windows Shortcut
  SetOutPath "$INSTDIR"
  CreateShortCut "$SMPROGRAMS\KORVEL\KORVEL 使用说明.lnk" "$INSTDIR\${GUIDE_NAME}"
  CreateShortCut "$SMPROGRAMS\KORVEL\卸载 KORVEL.lnk" "$INSTDIR\uninstall.exe"

  !insertmacro Windows Verb

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "KORVEL ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\TRELVO.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Left out, the stand-ins are neither written nor, later, removed: a real
; Plakon.exe and solver put in the folder stay as they are.
Section "Plakon.exe 和求解程序的替身，用于演示" SecStandIns
  SetOutPath "$INSTDIR"
  !insertmacro StandInFiles Put
SectionEnd

Section "-Size"
  ${If} ${SectionIsSelected} ${SecStandIns}
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "KorvelStandIns" 1
  ${Else}
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "KorvelStandIns" 0
  ${EndIf}
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; /NOSTANDINS leaves the stand-ins out of a silent installation.
Function .onInit
  SetRegView 64
  SetShellVarContext all
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/NOSTANDINS" $R1
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${SecStandIns}
  ${EndIf}
FunctionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecPrograms} "KORVEL_PRE、TRELVO、KORVEL_RUN 三个程序，命令行程序 korvel.exe 和使用说明"
  !insertmacro MUI_DESCRIPTION_TEXT ${SecStandIns} "Plakon.exe 和求解程序 korvel_2005r2_027.exe 的替身，用于演示整个流程。已有真正的 Plakon.exe 和求解程序放在安装文件夹中时，请不要选择此项，以免被覆盖"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "Uninstall"
  !insertmacro ProgramFiles Remove
  ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "KorvelStandIns"
  ${If} $0 = 1
    !insertmacro StandInFiles Remove
  ${EndIf}
  Delete "$INSTDIR\${GUIDE_NAME}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  !insertmacro Windows RemoveShortcut
  Delete "$SMPROGRAMS\KORVEL\KORVEL 使用说明.lnk"
  Delete "$SMPROGRAMS\KORVEL\卸载 KORVEL.lnk"
  RMDir "$SMPROGRAMS\KORVEL"

  !insertmacro Windows RemoveVerb
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
