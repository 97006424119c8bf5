#!/usr/bin/env bash
# The packages as a Windows user gets them, in a fresh Wine prefix of their own: a silent
# install (files, Start-menu shortcut, uninstall key, poem 1 on the page), a silent upgrade and
# uninstall refused while the installed program runs (nothing changed) and done once it is
# closed, an upgrade over a
# ts.txt the user changed (kept), a silent uninstall (everything else gone), a clean
# install-and-uninstall (nothing left), and the zip unpacked into a folder named with Chinese
# characters and a space (poem 1 on the page).
#
# Needs build/dist (tools/package.sh) and the BadInputDriver.exe of the build the tests run;
# where the machine runs no 32-bit code, build/dist-x64 (tools/package.sh --x64) instead.
set -euo pipefail

root=$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$root"
export TANG_WINEPREFIX=$root/build/install-prefix
# shellcheck source=tools/wine-env.sh
. tools/wine-env.sh
# An installer also writes Linux menu entries unless winemenubuilder is off.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

if [[ -z ${TANG_INSTALL_DISPLAY_READY:-} ]]; then
    wineserver -k >/dev/null 2>&1 || true
    rm -rf -- "$WINEPREFIX"
    wine_prefix_ready
    TANG_INSTALL_DISPLAY_READY=1 with_display "$0" "$@"
    exit
fi

dist=build/dist
[[ $TANG_WINE_BITS == 32 ]] || dist=build/dist-x64
setup=$(echo $dist/TangReader-*-setup.exe)
zip=$(echo $dist/TangReader-*-win32.zip)
driver=$TANG_WINDOWS_BUILD/BadInputDriver.exe
for needed in "$setup" "$zip" "$driver"; do
    [[ -f $needed ]] || { echo "missing $needed: run tools/package.sh and the windows build" >&2; exit 1; }
done
work=$root/build/install-test
rm -rf -- "$work"
mkdir -p -- "$work"

failures=0
check() { # DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@"; then
        echo "ok      $what"
    else
        echo "FAILED  $what"
        failures=$((failures + 1))
    fi
}

windows_folder() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
local_appdata=$(winepath -u "$(windows_folder LOCALAPPDATA)")
install_dir=$local_appdata/Programs/TangReader
shortcut="$(winepath -u "$(windows_folder APPDATA)")/Microsoft/Windows/Start Menu/Programs/鹭溪吟窗.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\TangReader'

# Poem 1 of the bundled anthology: its title and author, as the page shows them.
iconv -f GBK -t UTF-8 data/ts.txt >"$work/ts-utf8.txt"
first_title=$(sed -n '/^</ { s/^<\(.*\)>\r\?$/\1/p; q }' "$work/ts-utf8.txt")
first_author=$(sed -n '/^(/ { s/^(\(.*\))\r\?$/\1/p; q }' "$work/ts-utf8.txt")

shows_page() { # FOLDER TITLE AUTHOR: the program there starts without a message and shows that poem
    local report=$work/probe-$((++probe_runs))
    wine "$driver" "$(winepath -w "$1")" none "$(winepath -w "$report")" >"$report.log" 2>&1 ||
        { sed 's/^/        /' "$report.log"; return 1; }
    [[ $(sed -n '1,2p' "$report.page1") == "$2"$'\n'"$3" ]] || { sed 's/^/        /' "$report.page1"; return 1; }
}
probe_runs=0

listing() { (cd "$1" && find . -mindepth 1 | sort | tr '\n' ' '); }
installed_files='./LICENSE-chinese-poetry.txt ./LICENSE-pinyin.txt ./LICENSE.txt ./README.txt ./TangReader.exe ./ts.txt ./uninstall.exe '

uninstall_key() { # prints the key's values as NAME=VALUE lines, or fails when there is none
    local file=$work/key-$((++exports)).reg
    wine reg export "$key" "$(winepath -w "$file")" /y >/dev/null 2>&1 || return 1
    iconv -f UTF-16 -t UTF-8 "$file" | tr -d '\r' | sed -n 's/^"\([^"]*\)"=\(.*\)$/\1=\2/p'
}
exports=0
has_key_values() {
    local values folder expected
    values=$(uninstall_key) || return 1
    folder=$(winepath -w "$install_dir")
    folder=${folder//\\/\\\\} # as .reg files write it
    expected=$(printf '%s\n' 'DisplayName="鹭溪吟窗"' "DisplayVersion=\"$(head -n 1 VERSION)\"" \
        "DisplayIcon=\"$folder\\\\TangReader.exe,0\"" "InstallLocation=\"$folder\"")
    if [[ $(grep -cFx -f <(echo "$expected") <<<"$values") != 4 ]] ||
        ! grep -qx 'Publisher=".\+"' <<<"$values" ||
        ! grep -qx 'EstimatedSize=dword:0000[0-9a-f]\{4\}' <<<"$values" ||
        ! grep -q '^UninstallString=' <<<"$values"; then
        sed 's/^/        /' <<<"$values"
        return 1
    fi
}
no_key() { ! uninstall_key >/dev/null; }

# The uninstaller runs from a copy in the temporary folder and returns at once; the prefix
# is idle once it has finished.
uninstall() {
    wine "$install_dir/uninstall.exe" /S && timeout 60 wineserver -w
}

# 1. A silent install.
check "silent install" wine "$setup" /S
check "installed files" test "$(listing "$install_dir")" == "$installed_files"
check "installed ts.txt is the bundled one" cmp -s data/ts.txt "$install_dir/ts.txt"
check "Start-menu shortcut" test -f "$shortcut"
check "uninstall key with its values" has_key_values
check "installed program shows poem 1" shows_page "$install_dir" "$first_title" "$first_author"

# 2. While the installed program runs, a silent upgrade and a silent uninstall fail and change
#    nothing; the uninstaller runs in place (_?=) so that its own exit code is seen. Once the
#    program is closed, both succeed.
folder_state() { # every file of the installation with its size, time and checksum
    (cd "$install_dir" && find . -mindepth 1 -printf '%y %p %s %T@\n' | sort &&
        find . -type f -exec sha256sum {} + | sort -k2)
}
fails_with_code() { # CODE COMMAND...: the command exits with that code (not 0)
    local expected=$1 rc=0
    shift
    "$@" || rc=$?
    ((rc == expected)) || { echo "        exit code $rc, expected $expected"; return 1; }
}
unchanged() { [[ $(folder_state) == "$before_files" && $(uninstall_key) == "$before_key" ]]; }
running=$work/running
wine "$driver" "$(winepath -w "$install_dir")" none "$(winepath -w "$running")" hold \
    >"$running.log" 2>&1 &
holder=$!
for ((waited = 0; waited < 600; waited++)); do
    [[ -f $running ]] || ! kill -0 "$holder" 2>/dev/null && break
    sleep 0.2
done
check "installed program started and held open" test -f "$running"
before_files=$(folder_state)
before_key=$(uninstall_key)
check "silent upgrade refused while the program runs" fails_with_code 2 wine "$setup" /S
check "the refused upgrade changed nothing" unchanged
check "silent uninstall refused while the program runs" fails_with_code 2 \
    wine "$install_dir/uninstall.exe" /S "_?=$(winepath -w "$install_dir")"
check "the refused uninstall changed nothing" unchanged
touch "$running.close"
check "the program closed normally afterwards" wait "$holder"
check "silent upgrade once the program is closed" wine "$setup" /S
check "the upgrade kept every file" test "$(listing "$install_dir")" == "$installed_files"
check "silent uninstall once the program is closed" uninstall
check "the uninstall removed everything" test ! -e "$install_dir" -a ! -e "$shortcut"
check "install again" wine "$setup" /S

# 3. The user changes ts.txt (here: a UTF-8 anthology of one poem); an upgrade keeps it and
#    replaces the program.
printf '\xef\xbb\xbf<改过的诗>\r\n(读者)\r\n一句\r\n//注//\r\n' >"$work/changed-ts.txt"
cp -- "$work/changed-ts.txt" "$install_dir/ts.txt"
printf 'damaged' >"$install_dir/TangReader.exe"
check "silent upgrade" wine "$setup" /S
check "upgrade keeps the changed ts.txt" cmp -s "$work/changed-ts.txt" "$install_dir/ts.txt"
check "upgrade replaces the program" cmp -s <(unzip -p "$zip" '*/TangReader.exe') "$install_dir/TangReader.exe"
check "upgraded program shows the changed anthology" shows_page "$install_dir" 改过的诗 读者

# 4. Uninstalling leaves the changed ts.txt and nothing else.
check "silent uninstall" uninstall
check "only the changed ts.txt is left" test "$(listing "$install_dir")" == './ts.txt '
check "the changed ts.txt is intact" cmp -s "$work/changed-ts.txt" "$install_dir/ts.txt"
check "no shortcut" test ! -e "$shortcut"
check "no uninstall key" no_key
rm -rf -- "$install_dir"

# 5. Install and uninstall with the bundled ts.txt: not even the folder is left.
check "second silent install" wine "$setup" /S
check "second silent uninstall" uninstall
check "nothing left" test ! -e "$install_dir" -a ! -e "$shortcut"
check "no uninstall key after the second uninstall" no_key

# 6. The zip, unpacked into a folder whose name holds Chinese characters and a space.
unpacked=$WINEPREFIX/drive_c/唐诗\ 读本
mkdir -p -- "$unpacked"
python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' "$zip" "$unpacked"
check "unpacked program shows poem 1" shows_page "$(echo "$unpacked"/TangReader-*)" "$first_title" "$first_author"

echo "install runs: $failures failed"
((failures == 0))
