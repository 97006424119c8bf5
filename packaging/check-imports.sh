#!/usr/bin/env bash
# Lists the DLL functions a Windows program imports and fails on any that is not in the
# allow-list of functions Windows 7 provides (packaging/windows7-imports.txt). Wine exports
# newer functions whatever Windows version it reports, so running under Wine proves nothing.
# Also fails unless the program is large-address-aware: a 32-bit program without the flag
# gets 2 GB of address space even on 64-bit Windows, and a huge anthology needs more.
#
#   packaging/check-imports.sh [EXE]     (default: build/windows/TangReader.exe)
set -euo pipefail

root=$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")/.." && pwd)
exe=${1:-$root/build/windows/TangReader.exe}
allowed=$root/packaging/windows7-imports.txt
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}

[[ -f $exe ]] || { echo "check-imports: $exe not found: build it first" >&2; exit 1; }

# The file header's Characteristics: bit 0x20 is IMAGE_FILE_LARGE_ADDRESS_AWARE.
characteristics=$("$objdump" -p "$exe" | awk '$1 == "Characteristics" && !seen++ { print $2 }')
if [[ -z $characteristics ]]; then
    echo "check-imports: no Characteristics in the header of $exe (objdump output changed?)" >&2
    exit 1
fi
if ((!(characteristics & 0x20))); then
    echo "check-imports: ${exe##*/} is not large-address-aware (Characteristics $characteristics);" \
        "link it with -Wl,--large-address-aware" >&2
    exit 1
fi

# objdump -p prints each DLL's name, then one line per function: vma, hint, name.
imports=$("$objdump" -p "$exe" | awk '
    /^\tDLL Name:/ { dll = tolower($3); next }
    /^\tvma:/ { next }
    /^\t[0-9a-f]+\t/ && dll != "" { print dll, $3 }
    /^$/ { }' | sort -u)
if [[ -z $imports ]]; then
    echo "check-imports: no imports found in $exe (objdump output changed?)" >&2
    exit 1
fi

missing=$(comm -23 <(echo "$imports") <(grep -v '^#' "$allowed" | awk 'NF { print tolower($1), $2 }' | sort -u))
count=$(wc -l <<<"$imports")
if [[ -n $missing ]]; then
    echo "check-imports: ${exe##*/} imports functions not known to exist on Windows 7:" >&2
    sed 's/^/  /' <<<"$missing" >&2
    echo "Check each against Windows 7, then add it to ${allowed#"$root"/}, or load it with GetProcAddress." >&2
    exit 1
fi
echo "check-imports: ${exe##*/} is large-address-aware; all $count imports exist on Windows 7"
