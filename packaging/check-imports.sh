#!/usr/bin/env bash
# Lists the DLL functions a Windows program imports and fails on any that is not in the
# allow-list of functions Windows 7 provides (packaging/windows7-imports.txt). Wine exports
# newer functions whatever Windows version it reports, so running under Wine proves nothing.
#
#   packaging/check-imports.sh [EXE]     (default: build/windows/TangReader.exe)
set -euo pipefail

root=$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")/.." && pwd)
exe=${1:-$root/build/windows/TangReader.exe}
allowed=$root/packaging/windows7-imports.txt
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}

[[ -f $exe ]] || { echo "check-imports: $exe not found: build it first" >&2; exit 1; }

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
echo "check-imports: all $count imports of ${exe##*/} exist on Windows 7"
