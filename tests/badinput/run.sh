#!/usr/bin/env bash
# Starts the real program under Wine, each time in a folder of its own, on a missing,
# damaged, huge or unusual ts.txt. Every run must show the reader window, say what it should
# about the file, end with exit code 0 when the window is closed, and leave the folder exactly
# as it was: the program only reads ts.txt.
#
# Needs the windows build (TangReader.exe, BadInputDriver.exe) and the native generator.
set -euo pipefail

root=$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$root"
# shellcheck source=tools/wine-env.sh
. tools/wine-env.sh

if [[ -z ${TANG_BAD_INPUT_DISPLAY_READY:-} ]]; then
    wine_prefix_ready
    TANG_BAD_INPUT_DISPLAY_READY=1 with_display "$0" "$@"
    exit
fi

program=build/windows/TangReader.exe
driver=build/windows/BadInputDriver.exe
generator=build/native/tools/generator/generate-anthology
for needed in "$program" "$driver" "$generator"; do
    [[ -x $needed || -f $needed ]] || { echo "missing $needed: build it first" >&2; exit 1; }
done

work=$root/build/badinput
rm -rf -- "$work"
mkdir -p -- "$work"

# Makes the case's folder; the caller writes its ts.txt (or does not).
new_case() {
    mkdir -p -- "$work/$1"
    cp -- "$program" "$work/$1/"
    echo "$work/$1"
}

snapshot() { # everything in the folder, with a checksum of every file
    (cd "$1" && find . -mindepth 1 -printf '%y %p\n' | sort && find . -type f -exec sha256sum {} + | sort -k2)
}

passed=0
failed=0
run_case() { # NAME EXPECTED
    local folder=$work/$1 before after rc=0
    before=$(snapshot "$folder")
    wine "$driver" "$(winepath -w "$folder")" "$2" >"$folder.log" 2>"$folder.err" || rc=$?
    after=$(snapshot "$folder")
    if [[ $before != "$after" ]]; then
        echo "the folder changed:" >>"$folder.log"
        diff <(echo "$before") <(echo "$after") >>"$folder.log" || true
        rc=1
    fi
    if ((rc == 0)); then
        passed=$((passed + 1))
        echo "ok      $1"
    else
        failed=$((failed + 1))
        echo "FAILED  $1"
        sed 's/^/        /' "$folder.log"
    fi
}

crlf() { printf '%s\r\n' "$@"; }

new_case missing >/dev/null
d=$(new_case folder-in-its-place) && mkdir "$d/ts.txt"
d=$(new_case empty-file) && : >"$d/ts.txt"
d=$(new_case headings-only) && crlf '[A]' '[B]' '[]' >"$d/ts.txt"
d=$(new_case lines-before-first-poem) && crlf '(A0)' '//N0//' '//open' 'text' '<T>' '(A)' 'V' '//N//' >"$d/ts.txt"
d=$(new_case lines-too-short) && crlf '<' '(' 'V' '//' '<T>' '(A)' 'V' '///' '<U>' '/' >"$d/ts.txt"
d=$(new_case heading-beyond-32767) && { printf '[%s]x\r\n' "$(head -c 40000 /dev/zero | tr '\0' 'x')"; crlf '<T>' '(A)' 'V' '//N//'; } >"$d/ts.txt"
d=$(new_case poems-40000) && "$generator" 40000 >"$d/ts.txt"
d=$(new_case invalid-gbk) && printf '<T\xff>\r\n(\xc0)\r\nV\x80\xfe\xfe\x81\r\n//N\xff//\r\n' >"$d/ts.txt"
d=$(new_case bare-line-feeds) && "$generator" 300 --lf >"$d/ts.txt"
d=$(new_case line-of-5-mb) && { crlf '<T>' '(A)'; head -c 5242880 /dev/zero | tr '\0' 'x'; crlf '' '//N//'; } >"$d/ts.txt"
d=$(new_case random-1-mb) && "$generator" --random-bytes 1048576 --seed 20261206 >"$d/ts.txt"
d=$(new_case utf8-with-byte-order-mark) && printf '\xef\xbb\xbf[\xe4\xb9\x90\xe5\xba\x9c]\r\n<\xe9\x9d\x99>\r\n(\xe6\x9d\x8e)\r\nV\r\n//N//\r\n' >"$d/ts.txt"

run_case missing unreadable
run_case folder-in-its-place unreadable
run_case empty-file no-poems
run_case headings-only no-poems
run_case lines-before-first-poem none
run_case lines-too-short none
run_case heading-beyond-32767 none
run_case poems-40000 left-out
run_case invalid-gbk none
run_case bare-line-feeds none
run_case line-of-5-mb none
run_case random-1-mb any
run_case utf8-with-byte-order-mark none

echo "bad-input runs: $passed passed, $failed failed"
((failed == 0))
