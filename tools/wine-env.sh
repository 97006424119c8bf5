#!/usr/bin/env bash
# shellcheck shell=bash
# Wine settings for running the Windows build on Linux.
#
#   . tools/wine-env.sh            # then: wine_prefix_ready; with_display wine prog.exe
#   tools/wine-env.sh CMD...       # prepare the prefix and run CMD with a display
#
# Sourcing changes no shell options of the caller; the functions return non-zero
# on failure instead of exiting.

_tang_root=$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")/.." && pwd)

# The shipped program is 32-bit, and the tests run that build under 32-bit Wine. Some
# machines run 64-bit code only (their kernel has no IA-32 emulation): there 32-bit Wine
# cannot start, and the tests run the same sources built for x86-64 (preset windows-x64)
# under 64-bit Wine instead. TANG_WINE_BITS=32 or 64 overrides the choice.
_tang_machine_runs_32bit() {
    local wine32=/usr/lib/wine/wine
    # Before Wine is installed nothing tells; the usual case is assumed.
    [[ -e $wine32 ]] || return 0
    "$wine32" --version >/dev/null 2>&1
}
if [[ -z ${TANG_WINE_BITS:-} ]]; then
    if _tang_machine_runs_32bit; then TANG_WINE_BITS=32; else TANG_WINE_BITS=64; fi
fi
export TANG_WINE_BITS

# A private prefix inside the build tree, quiet, and without the Mono and Gecko
# add-ons (they cannot be downloaded here, and Wine would ask for them).
# TANG_WINDOWS_BUILD is the build folder of the programs the tests run.
if [[ $TANG_WINE_BITS == 64 ]]; then
    export WINEPREFIX="${TANG_WINEPREFIX:-$_tang_root/build/wineprefix64}"
    export WINEARCH=win64
    export TANG_WINDOWS_BUILD=build/windows-x64
    # Debian's `wine` and the tools started through it (wineboot, winecfg) pick the 32-bit
    # loader whenever it is installed; these wrappers always take the 64-bit one.
    export WINELOADER=/usr/lib/wine/wine64
    _tang_wine64_bin=$_tang_root/build/wine64-bin
    _tang_wine64_wrapper() { # NAME COMMAND: a script NAME that runs COMMAND "$@"
        [[ -x $_tang_wine64_bin/$1 ]] && return 0
        mkdir -p "$_tang_wine64_bin" &&
            printf '#!/bin/sh\nexec %s "$@"\n' "$2" >"$_tang_wine64_bin/$1.$$" &&
            chmod +x "$_tang_wine64_bin/$1.$$" && mv -f "$_tang_wine64_bin/$1.$$" "$_tang_wine64_bin/$1"
    }
    for _tang_tool in wine wine64 wine-stable; do
        _tang_wine64_wrapper "$_tang_tool" /usr/lib/wine/wine64
    done
    for _tang_tool in wineboot winecfg winepath; do
        _tang_wine64_wrapper "$_tang_tool" "/usr/lib/wine/wine64 $_tang_tool.exe"
    done
    case ":$PATH:" in
        *":$_tang_wine64_bin:"*) ;;
        *) export PATH="$_tang_wine64_bin:$PATH" ;;
    esac
else
    export WINEPREFIX="${TANG_WINEPREFIX:-$_tang_root/build/wineprefix}"
    export WINEARCH=win32
    export TANG_WINDOWS_BUILD=build/windows
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# Wine converts command lines, file names and registry input with the Unix
# locale's character set; under a non-UTF-8 locale Chinese text is mangled.
case "${LC_ALL:-${LC_CTYPE:-${LANG:-}}}" in
    *UTF-8* | *utf8* | *UTF8* | *utf-8*) ;;
    *) export LC_ALL=C.UTF-8 ;;
esac

# Size of the Wine virtual desktop every program of the prefix runs in.
TANG_WINE_DESKTOP_SIZE=1024x768
_tang_prefix_marker="$WINEPREFIX/.configured-v1"

# Creates and configures the prefix the first time; later calls return at once.
wine_prefix_ready() {
    [[ -f $_tang_prefix_marker ]] && return 0
    mkdir -p "$_tang_root/build" || return 1
    # Two scripts started together must not both build the prefix.
    if command -v flock >/dev/null 2>&1; then
        (
            flock 9 || exit 1
            [[ -f $_tang_prefix_marker ]] && exit 0
            _tang_prefix_create
        ) 9>"$_tang_root/build/.wineprefix.lock"
    else
        _tang_prefix_create
    fi
}

_tang_reg_add() { # KEY NAME TYPE DATA
    LC_ALL=C.UTF-8 wine reg add "$1" /v "$2" /t "$3" /d "$4" /f >>"$_tang_prefix_log" 2>&1 || {
        echo "wine-env: 'reg add $1 /v $2' failed (see $_tang_prefix_log)" >&2
        return 1
    }
}

_tang_prefix_create() {
    local start=$SECONDS
    _tang_prefix_log="$_tang_root/build/wineprefix-setup.log"
    echo "wine-env: creating the Wine prefix $WINEPREFIX (once; about 15 s)" >&2
    : >"$_tang_prefix_log"

    # A prefix without the marker is half-made (interrupted, or made by another
    # Wine): start again from nothing.
    if [[ -e $WINEPREFIX ]]; then
        wineserver -k >/dev/null 2>&1 || true
        rm -rf -- "$WINEPREFIX" || return 1
    fi

    # No display: the set-up opens no window, and works without X.
    if ! env -u DISPLAY wineboot -i >>"$_tang_prefix_log" 2>&1; then
        echo "wine-env: wineboot failed (see $_tang_prefix_log)" >&2
        return 1
    fi
    wineserver -w

    # Debian's Wine looks for its own fonts only in C:\windows\Fonts, which
    # wineboot leaves empty; without them Marlett (caption buttons), Tahoma and
    # MS Sans Serif fall back to unrelated faces.
    local fonts_dir="$WINEPREFIX/drive_c/windows/Fonts" src f
    for src in /usr/share/wine/fonts /usr/local/share/wine/fonts /opt/wine-*/share/wine/fonts; do
        [[ -d $src ]] || continue
        for f in "$src"/*.ttf "$src"/*.fon; do
            [[ -e $f && ! -e $fonts_dir/${f##*/} ]] && { cp -- "$f" "$fonts_dir/" || return 1; }
        done
        break
    done

    local subst='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
    # Without a window manager, Wine waits ~2 s for one whenever a window hides.
    _tang_reg_add 'HKCU\Software\Wine\X11 Driver' Managed REG_SZ N || return 1
    # The faces the program asks for, mapped to the installed AR PL fonts.
    _tang_reg_add "$subst" 宋体 REG_SZ 'AR PL UMing CN' || return 1
    _tang_reg_add "$subst" SimSun REG_SZ 'AR PL UMing CN' || return 1
    _tang_reg_add "$subst" 楷体_GB2312 REG_SZ 'AR PL UKai CN' || return 1
    _tang_reg_add "$subst" 楷体 REG_SZ 'AR PL UKai CN' || return 1
    _tang_reg_add "$subst" KaiTi REG_SZ 'AR PL UKai CN' || return 1
    # Captions (bold), menus and dialogs use Tahoma, which has no Chinese; as
    # on Windows, the characters it lacks come from a linked CJK face. Wine's
    # default links name Windows font files that are not here.
    local link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
    _tang_reg_add "$link" Tahoma REG_MULTI_SZ 'UMING.TTC,AR PL UMing CN' || return 1
    _tang_reg_add "$link" 'Tahoma Bold' REG_MULTI_SZ 'UMING.TTC,AR PL UMing CN' || return 1
    # A virtual desktop gives every program focus and activation as on Windows,
    # with or without a window manager on the X display.
    _tang_reg_add 'HKCU\Software\Wine\Explorer' Desktop REG_SZ Default || return 1
    _tang_reg_add 'HKCU\Software\Wine\Explorer\Desktops' Default REG_SZ "$TANG_WINE_DESKTOP_SIZE" || return 1
    # A crash ends the program with a backtrace on the console instead of a
    # dialog that waits for a click (a test run would hang on it).
    _tang_reg_add 'HKCU\Software\Wine\WineDbg' ShowCrashDialog REG_DWORD 0 || return 1
    wineserver -w

    # The Chinese value names must arrive intact (they do not under a non-UTF-8
    # locale); the registry file stores them as \x escapes.
    if ! grep -qF '"\x5b8b\x4f53"="AR PL UMing CN"' "$WINEPREFIX/system.reg" ||
        ! grep -qF '"\x6977\x4f53_GB2312"="AR PL UKai CN"' "$WINEPREFIX/system.reg"; then
        echo "wine-env: the font substitutes were not stored correctly" >&2
        return 1
    fi

    touch "$_tang_prefix_marker" || return 1
    echo "wine-env: prefix ready in $((SECONDS - start)) s" >&2
}

# True when DISPLAY names an X server that answers.
_tang_display_usable() {
    [[ -n ${DISPLAY:-} ]] || return 1
    if command -v xdpyinfo >/dev/null 2>&1; then
        xdpyinfo >/dev/null 2>&1
    else
        return 0
    fi
}

# Starts Xvfb on the first free display from :99 up; sets _tang_xvfb_pid and
# _tang_xvfb_display.
_tang_start_xvfb() {
    local n deadline
    if ! command -v Xvfb >/dev/null 2>&1; then
        echo "wine-env: no display and no Xvfb (run tools/install-deps.sh)" >&2
        return 1
    fi
    mkdir -p "$_tang_root/build" || return 1
    for ((n = 99; n < 160; n++)); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        # Output to a file, not the caller's stdout: a pipe held open by Xvfb
        # would keep a reader of this script's output waiting.
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$_tang_root/build/xvfb.log" 2>&1 &
        _tang_xvfb_pid=$!
        deadline=$((SECONDS + 15))
        while kill -0 "$_tang_xvfb_pid" 2>/dev/null && ((SECONDS < deadline)); do
            if [[ -S /tmp/.X11-unix/X$n ]] && DISPLAY=":$n" _tang_display_usable; then
                _tang_xvfb_display=":$n"
                return 0
            fi
            sleep 0.1
        done
        # Lost a race for this number, or it never came up: try the next.
        kill "$_tang_xvfb_pid" 2>/dev/null || true
        wait "$_tang_xvfb_pid" 2>/dev/null || true
    done
    echo "wine-env: could not start Xvfb (see $_tang_root/build/xvfb.log)" >&2
    return 1
}

_tang_on_exit() {
    local rc=$?
    _tang_stop_xvfb
    exit "$rc"
}

_tang_stop_xvfb() {
    # Wine programs still on this display would lose it anyway; end them now
    # so the prefix's desktop does not outlive its X server.
    wineserver -k >/dev/null 2>&1 || true
    if [[ -n ${_tang_xvfb_pid:-} ]]; then
        kill "$_tang_xvfb_pid" 2>/dev/null || true
        wait "$_tang_xvfb_pid" 2>/dev/null || true
        _tang_xvfb_pid=
    fi
}

# with_display CMD...: runs CMD on $DISPLAY when that works, otherwise on a
# private Xvfb that is stopped afterwards. Returns CMD's exit code.
with_display() {
    if _tang_display_usable; then
        "$@"
        return
    fi
    (
        trap _tang_on_exit EXIT
        trap 'exit 130' INT
        trap 'exit 143' TERM
        _tang_start_xvfb || exit 1
        export DISPLAY=$_tang_xvfb_display
        "$@"
    )
}

# Run as a program: prepare the prefix, then run the arguments with a display.
if [[ ${BASH_SOURCE[0]} == "$0" ]]; then
    set -euo pipefail
    if (($# == 0)); then
        echo "usage: $0 CMD [ARGS...]   (or source this file)" >&2
        exit 2
    fi
    wine_prefix_ready
    with_display "$@"
fi
