#!/usr/bin/env bash
# Builds the Windows program and starts it under Wine.
#
# With a working $DISPLAY the reader opens there and this script waits for it
# to close. Without one, it runs on a private Xvfb for a few seconds, saves a
# screenshot to build/run/screenshot.png and closes it again.
set -euo pipefail

root=$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
run_dir=$root/build/run
settle_seconds=${TANG_SCREENSHOT_DELAY:-4}

tools/install-deps.sh

# shellcheck source=tools/wine-env.sh
. tools/wine-env.sh
# The 32-bit program, or where this machine runs no 32-bit code, the same sources for x86-64.
preset=windows
[[ $TANG_WINDOWS_BUILD == build/windows ]] || preset=windows-x64
echo "== Building the Windows program (preset $preset)"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target TangReader -j"$(nproc)"

mkdir -p "$run_dir"
cp "$TANG_WINDOWS_BUILD/TangReader.exe" data/ts.txt "$run_dir/"

wine_prefix_ready

# Wine hands its standard error to the helper processes it starts, which
# outlive the program; a file keeps them from holding a caller's pipe open.
stderr_log=$run_dir/wine-stderr.log

show_stderr() {
    if [[ -s $stderr_log ]]; then
        echo "-- standard error of the program ($stderr_log):" >&2
        tail -n 20 "$stderr_log" >&2
    fi
}

# Runs on a display this script started: start, wait, photograph, close.
headless_run() {
    local shot=$run_dir/screenshot.png pid rc=0
    rm -f "$shot"
    (cd "$run_dir" && exec wine TangReader.exe) 2>"$stderr_log" &
    pid=$!
    sleep "$settle_seconds"
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid" || rc=$?
        echo "TangReader ended by itself within ${settle_seconds} s (exit code $rc)" >&2
        show_stderr
        return 1
    fi
    # The Wine desktop sits in the top-left corner of the larger X screen.
    # shellcheck disable=SC2031  # DISPLAY is the Xvfb that with_display set
    import -display "$DISPLAY" -window root -crop "${TANG_WINE_DESKTOP_SIZE}+0+0" +repage "$shot"
    echo "Screenshot: $shot"
    wineserver -k >/dev/null 2>&1 || true
    wait "$pid" 2>/dev/null || true
}

if _tang_display_usable; then
    # shellcheck disable=SC2031  # the caller's DISPLAY, untouched here
    echo "== Starting TangReader on $DISPLAY"
    rc=0
    (cd "$run_dir" && exec wine TangReader.exe) 2>"$stderr_log" || rc=$?
    show_stderr
    exit "$rc"
fi

echo "== No usable display: running TangReader on Xvfb for ${settle_seconds} s"
with_display headless_run
