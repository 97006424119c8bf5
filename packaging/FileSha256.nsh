; SHA-256 of a file through the Windows CryptoAPI (Windows XP SP3 and later have it), so that
; the installer can tell a ts.txt it shipped from one the user changed or supplied.
;
;   !insertmacro DEFINE_FILE_SHA256 ""      ; defines Function FileSha256
;   !insertmacro DEFINE_FILE_SHA256 "un."   ; defines Function un.FileSha256
;
; Input: the path in $R0. Output: the lower-case hex digest in $R1, or "" when the file cannot
; be read or hashed; callers treat "" as a file of the user's and keep it.

!macro DEFINE_FILE_SHA256 PREFIX
Function ${PREFIX}FileSha256
    Push $0
    Push $1
    Push $2
    Push $3
    Push $4
    Push $5
    Push $6
    StrCpy $R1 ""
    StrCpy $2 0
    StrCpy $3 ""
    StrCpy $4 0
    ; PROV_RSA_AES (24), CRYPT_VERIFYCONTEXT: no key container is needed to hash.
    System::Call 'advapi32::CryptAcquireContextW(*p .r1, p 0, p 0, i 24, i 0xF0000000) i .r0'
    IntCmp $0 0 sha256_done
    ; CALG_SHA_256
    System::Call 'advapi32::CryptCreateHash(p r1, i 0x800C, p 0, i 0, *p .r2) i .r0'
    IntCmp $0 0 sha256_release
    ClearErrors
    FileOpen $3 "$R0" r
    IfErrors sha256_destroy
    System::Alloc 65536
    Pop $4
    sha256_read:
        System::Call 'kernel32::ReadFile(p r3, p r4, i 65536, *i .r5, p 0) i .r0'
        IntCmp $0 0 sha256_close
        IntCmp $5 0 sha256_finish
        System::Call 'advapi32::CryptHashData(p r2, p r4, i r5, i 0) i .r0'
        IntCmp $0 0 sha256_close
        Goto sha256_read
    sha256_finish:
        System::Call 'advapi32::CryptGetHashParam(p r2, i 2, p r4, *i 32, i 0) i .r0'
        IntCmp $0 0 sha256_close
        StrCpy $6 0
    sha256_hex:
        IntOp $0 $4 + $6
        System::Call '*$0(&i1 .r5)'
        IntOp $5 $5 & 0xFF
        IntFmt $5 "%02x" $5
        StrCpy $R1 "$R1$5"
        IntOp $6 $6 + 1
        IntCmp $6 32 sha256_close sha256_hex sha256_close
    sha256_close:
        FileClose $3
        System::Free $4
        StrLen $0 $R1
        IntCmp $0 64 +2
        StrCpy $R1 ""
    sha256_destroy:
        System::Call 'advapi32::CryptDestroyHash(p r2)'
    sha256_release:
        System::Call 'advapi32::CryptReleaseContext(p r1, i 0)'
    sha256_done:
    Pop $6
    Pop $5
    Pop $4
    Pop $3
    Pop $2
    Pop $1
    Pop $0
FunctionEnd

; Sets $R2 to 1 when $R0 holds a ts.txt byte-identical to one this installer or an earlier one
; shipped, else 0. SHIPPED_TS_HASHES is the list of their digests, written by tools/package.sh.
Function ${PREFIX}IsShippedTs
    StrCpy $R2 0
    Call ${PREFIX}FileSha256
    StrCmp $R1 "" shipped_done
    !insertmacro MATCH_SHIPPED_TS_HASHES
    shipped_done:
FunctionEnd
!macroend
