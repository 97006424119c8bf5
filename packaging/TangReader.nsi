; The installer of 鹭溪吟窗: per user, no administrator rights, Simplified Chinese.
; Built by tools/package.sh, which defines VERSION, VERSION_QUAD, STAGE (the folder with the
; program's files), ICON, OUT_FILE and SHIPPED_TS_NSH (the digests of every ts.txt shipped).
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestSupportedOS Win7 Win8 Win8.1 Win10
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include "${SHIPPED_TS_NSH}"
!include FileSha256.nsh
!include ProgramRunning.nsh

!define PRODUCT "鹭溪吟窗"
!define PUBLISHER "鹭溪吟窗 authors"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\TangReader"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUT_FILE}"
InstallDir "$LOCALAPPDATA\Programs\TangReader"
; An upgrade goes where the last installation went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show
; A file that cannot be written stops the installation: skipping it would leave a folder
; half old and half new.
AllowSkipFiles off

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\TangReader.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "${PRODUCT} ${VERSION} 安装程序"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "CompanyName" "https://www.example.org/luxi"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "LegalCopyright" "Copyright (c) 2026 the ${PRODUCT} authors, MIT License"

!insertmacro DEFINE_FILE_SHA256 ""
!insertmacro DEFINE_FILE_SHA256 "un."
!insertmacro DEFINE_WAIT_UNTIL_PROGRAM_CLOSED "" \
    "鹭溪吟窗正在运行，无法更新文件夹 $INSTDIR 中的程序。$\r$\n请先关闭鹭溪吟窗，再点“重试”。点“取消”则退出安装，不作任何改动。"
!insertmacro DEFINE_WAIT_UNTIL_PROGRAM_CLOSED "un." \
    "鹭溪吟窗正在运行，无法卸载。$\r$\n请先关闭鹭溪吟窗，再点“重试”。点“取消”则退出卸载，不作任何改动。"

Function .onInit
    SetShellVarContext current
FunctionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

Section
    ; Nothing in the folder changes while the program runs from it.
    Call WaitUntilProgramClosed
    SetOutPath "$INSTDIR"
    File "${STAGE}\TangReader.exe"
    File "${STAGE}\README.txt"
    File "${STAGE}\LICENSE.txt"
    File "${STAGE}\LICENSE-chinese-poetry.txt"
    File "${STAGE}\LICENSE-pinyin.txt"

    ; The anthology is the user's once changed: it is replaced only when it is one we shipped.
    StrCpy $R2 1
    ${If} ${FileExists} "$INSTDIR\ts.txt"
        StrCpy $R0 "$INSTDIR\ts.txt"
        Call IsShippedTs
    ${EndIf}
    ${If} $R2 == 1
        File "${STAGE}\ts.txt"
    ${Else}
        DetailPrint "保留了文件夹中已有的 ts.txt（它不是本程序附带的版本）。"
    ${EndIf}

    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "${SHORTCUT}" "$INSTDIR\TangReader.exe" "" "$INSTDIR\TangReader.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\TangReader.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section Uninstall
    Call un.WaitUntilProgramClosed
    ; The program goes first: should it have been started again since the check, nothing else
    ; has been removed yet.
    ClearErrors
    Delete "$INSTDIR\TangReader.exe"
    ${If} ${Errors}
        DetailPrint "无法删除 $INSTDIR\TangReader.exe，卸载已取消，没有删除任何文件。"
        Abort
    ${EndIf}
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\LICENSE-chinese-poetry.txt"
    Delete "$INSTDIR\LICENSE-pinyin.txt"
    ${If} ${FileExists} "$INSTDIR\ts.txt"
        StrCpy $R0 "$INSTDIR\ts.txt"
        Call un.IsShippedTs
        ${If} $R2 == 1
            Delete "$INSTDIR\ts.txt"
        ${Else}
            DetailPrint "保留了 $INSTDIR\ts.txt：它已被修改或是你自己放入的。"
            MessageBox MB_OK|MB_ICONINFORMATION "文件夹 $INSTDIR 中的 ts.txt 已被修改或是你自己放入的，卸载程序保留了它。$\r$\n不再需要时，可以自己删除它和这个文件夹。" /SD IDOK
        ${EndIf}
    ${EndIf}
    Delete "$INSTDIR\uninstall.exe"
    ; Only an empty folder goes: anything of the user's keeps it. A folder that is the current
    ; one cannot be removed on Windows.
    SetOutPath "$TEMP"
    RMDir "$INSTDIR"
    Delete "${SHORTCUT}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
