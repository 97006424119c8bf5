; Whether TangReader.exe in the installation folder is running, and a wait until it is not.
;
;   !insertmacro DEFINE_WAIT_UNTIL_PROGRAM_CLOSED "" "TEXT"     ; Function WaitUntilProgramClosed
;   !insertmacro DEFINE_WAIT_UNTIL_PROGRAM_CLOSED "un." "TEXT"  ; Function un.WaitUntilProgramClosed
;
; A running program's file cannot be opened for writing: Windows keeps its image open without
; sharing write access (renaming it, on the other hand, succeeds, so that proves nothing).
; WaitUntilProgramClosed returns once the file can be written, or is not there. While it
; cannot, it shows TEXT with Retry and Cancel; Cancel, and every silent run (/S), aborts
; before anything is changed, and the installer or uninstaller exits with code 2.

!macro DEFINE_WAIT_UNTIL_PROGRAM_CLOSED PREFIX TEXT
Function ${PREFIX}WaitUntilProgramClosed
    Push $0
    program_running_check:
    ${If} ${FileExists} "$INSTDIR\TangReader.exe"
        ClearErrors
        ; "a" opens for reading and writing without truncating; nothing is written.
        FileOpen $0 "$INSTDIR\TangReader.exe" a
        ${IfNot} ${Errors}
            FileClose $0
        ${Else}
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${TEXT}" /SD IDCANCEL \
                IDRETRY program_running_check
            DetailPrint "鹭溪吟窗正在运行：没有作任何改动。"
            Pop $0
            Abort
        ${EndIf}
    ${EndIf}
    Pop $0
FunctionEnd
!macroend
