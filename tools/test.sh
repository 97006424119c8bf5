#!/usr/bin/env bash
# Builds and tests everything: the library natively (with sanitizers), then the
# Windows program and its GUI tests under Wine. Every stage runs even when an
# earlier one failed, unless it needs that one's output; the closing lines list
# each stage and count them. Exits non-zero when any stage failed.
set -euo pipefail

root=$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
jobs=$(nproc)
gui_timeout=${TANG_GUI_TEST_TIMEOUT:-600}
fuzz_seconds=${TANG_FUZZ_SECONDS:-60}

# Stages ---------------------------------------------------------------------

stage_deps() {
    tools/install-deps.sh
}

stage_native() {
    cmake --preset native
    cmake --build --preset native -j"$jobs"
    ctest --preset native --output-on-failure
}

# The shipped 32-bit program always; its tests and drivers in the build the tests run (the
# same 32-bit build, or the x86-64 one where no 32-bit code runs: see tools/wine-env.sh).
stage_windows_build() {
    # shellcheck source=tools/wine-env.sh
    . tools/wine-env.sh
    cmake --preset windows
    if [[ $TANG_WINDOWS_BUILD == build/windows ]]; then
        cmake --build --preset windows -j"$jobs"
    else
        cmake --build --preset windows --target TangReader -j"$jobs"
        echo "-- this machine runs no 32-bit code: the tests run the x86-64 build under 64-bit Wine"
        cmake --preset windows-x64
        cmake --build --preset windows-x64 -j"$jobs"
    fi
}

stage_gui_tests() {
    if [[ ${stage_status[windows-build]} != PASS ]]; then
        echo "not run: the Windows build failed" >&2
        return 1
    fi
    # shellcheck source=tools/wine-env.sh
    . tools/wine-env.sh
    local exe=$TANG_WINDOWS_BUILD/TangReaderGuiTests.exe
    [[ -f $exe ]] || { echo "$exe was not built" >&2; return 1; }
    wine_prefix_ready

    # Once with Wine reporting each end of the supported range. Standard error goes to a
    # file: Wine passes it on to helper processes that outlive the tests and would hold a
    # pipe open (see the log afterwards).
    local version rc=0 failed=0
    for version in win7 win10; do
        # The Wine server must be gone before the tests: one started without a display
        # would keep a desktop that cannot show their windows.
        env -u DISPLAY wine winecfg -v "$version"
        echo "-- GUI tests with Wine reporting" \
            "$(env -u DISPLAY wine cmd /c ver 2>/dev/null | tr -d '\r' | grep .)"
        wineserver -w
        local err_log=$root/$TANG_WINDOWS_BUILD/gui-tests-$version-stderr.log
        rc=0
        (cd "$TANG_WINDOWS_BUILD" && with_display timeout --kill-after=10 "$gui_timeout" \
            wine TangReaderGuiTests.exe) 2>"$err_log" || rc=$?
        if [[ -s $err_log ]]; then
            echo "-- standard error of the GUI tests ($version):" >&2
            tail -n 40 "$err_log" >&2
        fi
        if ((rc == 124 || rc == 137)); then
            echo "the GUI tests did not finish within ${gui_timeout} s ($version)" >&2
        fi
        ((rc == 0)) || failed=$rc
    done
    return "$failed"
}

# A poem printed for real under Wine, through CUPS to a PDF file, which is then checked. Starts
# the CUPS scheduler when it is not running (CI starts no services).
stage_print() {
    if [[ ${stage_status[windows-build]} != PASS ]]; then
        echo "not run: the Windows build failed" >&2
        return 1
    fi
    bash tests/print/run.sh
}

# Optimised build of the benchmarks, run briefly; the figures are printed against their
# goals, which a busy, shared machine is too noisy to enforce.
stage_bench_smoke() {
    bash bench/run.sh --report-only
}

# The loader's libFuzzer target, for a fixed time.
stage_fuzz() {
    bash fuzz/run.sh "$fuzz_seconds"
}

# The program given damaged, empty or missing ts.txt files.
stage_bad_input() {
    bash tests/badinput/run.sh
}

# Release packaging: every import of the program exists on Windows 7, the packages build, a
# second build elsewhere gives the same bytes, and the installer and the zip work for a user.
stage_imports() {
    packaging/check-imports.sh build/windows/TangReader.exe
}

stage_package() {
    tools/package.sh --build-dir build/windows
    # shellcheck source=tools/wine-env.sh
    . tools/wine-env.sh
    if [[ $TANG_WINE_BITS == 64 ]]; then # the same packages, x86-64, for the install test
        tools/package.sh --build-dir "$TANG_WINDOWS_BUILD" --out build/dist-x64 --x64
    fi
}

stage_reproducible() {
    [[ ${stage_status[package]} == PASS ]] || { echo "not run: packaging failed" >&2; return 1; }
    packaging/check-reproducible.sh
}

stage_install() {
    [[ ${stage_status[package]} == PASS ]] || { echo "not run: packaging failed" >&2; return 1; }
    bash tests/install/run.sh
}

# Runner ---------------------------------------------------------------------

declare -A stage_status=()
summary=()
passed=0 failed=0

run_stage() { # NAME FUNCTION
    local name=$1 fn=$2 start=$SECONDS rc
    echo
    echo "===== $name"
    # A stage stops at its first failing command. errexit is ignored inside
    # anything run as a condition, hence the status captured with it off.
    set +e
    (set -e; "$fn")
    rc=$?
    set -e
    local took=$((SECONDS - start))
    if ((rc == 0)); then
        stage_status[$name]=PASS; passed=$((passed + 1))
    else
        stage_status[$name]=FAIL; failed=$((failed + 1))
    fi
    local line
    line=$(printf '%-4s %-14s %4d s' "${stage_status[$name]}" "$name" "$took")
    ((rc == 0)) || line+="  (exit code $rc)"
    echo "===== $line"
    summary+=("$line")
}

run_stage deps stage_deps
run_stage native stage_native
run_stage windows-build stage_windows_build
run_stage gui-tests stage_gui_tests
run_stage print stage_print
run_stage bench-smoke stage_bench_smoke
run_stage fuzz stage_fuzz
run_stage bad-input stage_bad_input
run_stage imports stage_imports
run_stage package stage_package
run_stage reproducible stage_reproducible
run_stage install stage_install

echo
echo "===== Stages"
printf '%s\n' "${summary[@]}"
echo "$passed passed, $failed failed"
((failed == 0))
