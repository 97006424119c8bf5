#!/usr/bin/env bash
# Builds and tests everything: the library natively (with sanitizers), then the
# Windows program and its GUI tests under Wine. Every stage runs even when an
# earlier one failed, unless it needs that one's output; the closing lines list
# each stage and count them. Exits non-zero when any stage failed. Some stages
# run beside others (see the end); the output still comes stage by stage.
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

    # Once with Wine reporting each end of the supported range: Windows 7 with every test, then
    # Windows 10 with the tests whose outcome can depend on it. The reported version changes
    # what GetVersionEx and the like answer; the program asks for none, and the only system
    # functions it looks up at run time are Windows 10's per-window DPI ones (src/ui/Dpi.cpp;
    # without them scaling takes the screen's DPI) and the spooler's printer list (printing).
    # So Windows 10 runs the tests of scaling at other DPIs (named ...Dpi..., and Looks: pictures
    # and icons at every DPI) and of printing (named ...Print...); a new test of either is named
    # so. Each pattern must still match a test.
    local win10_tests=('*Dpi*' 'Looks.*' '*Print*')
    # Standard error goes to a file: Wine passes it on to helper processes that outlive the
    # tests and would hold a pipe open (see the log afterwards).
    local version filter rc=0 failed=0
    for version in win7 win10; do
        filter='*'
        [[ $version == win10 ]] && filter=$(IFS=:; echo "${win10_tests[*]}")
        # The Wine server must be gone before the tests: one started without a display
        # would keep a desktop that cannot show their windows.
        env -u DISPLAY wine winecfg -v "$version"
        echo "-- GUI tests with Wine reporting" \
            "$(env -u DISPLAY wine cmd /c ver 2>/dev/null | tr -d '\r' | grep .)," \
            "filter $filter"
        wineserver -w
        local err_log=$root/$TANG_WINDOWS_BUILD/gui-tests-$version-stderr.log
        local out_log=$root/$TANG_WINDOWS_BUILD/gui-tests-$version.log
        rc=0
        (cd "$TANG_WINDOWS_BUILD" && with_display timeout --kill-after=10 "$gui_timeout" \
            wine TangReaderGuiTests.exe --gtest_filter="$filter") 2>"$err_log" |
            tee "$out_log" || rc=$?
        if [[ -s $err_log ]]; then
            echo "-- standard error of the GUI tests ($version):" >&2
            tail -n 40 "$err_log" >&2
        fi
        if ((rc == 124 || rc == 137)); then
            echo "the GUI tests did not finish within ${gui_timeout} s ($version)" >&2
        fi
        if [[ $version == win10 ]]; then
            local names name matched
            mapfile -t names < <(sed -n 's/^\[ RUN      \] //p' "$out_log")
            for filter in "${win10_tests[@]}"; do
                matched=0
                # shellcheck disable=SC2053  # the pattern is a glob, as in --gtest_filter
                for name in "${names[@]}"; do [[ $name == $filter ]] && matched=1; done
                ((matched)) || { echo "no GUI test matched '$filter' under win10: update the list" >&2; rc=1; }
            done
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

declare -A stage_status=() stage_pid=()
summary=()
passed=0 failed=0
logs=$root/build/stage-logs
started=$SECONDS

report_stage() { # NAME EXIT-CODE SECONDS
    local name=$1 rc=$2 took=$3 line
    if ((rc == 0)); then
        stage_status[$name]=PASS; passed=$((passed + 1))
    else
        stage_status[$name]=FAIL; failed=$((failed + 1))
    fi
    line=$(printf '%-4s %-14s %4d s' "${stage_status[$name]}" "$name" "$took")
    ((rc == 0)) || line+="  (exit code $rc)"
    echo "===== $line"
    summary+=("$line")
}

# A stage stops at its first failing command. errexit is ignored inside anything
# run as a condition, hence the status captured with it off.
run_stage() { # NAME FUNCTION: in the foreground, its output as it comes
    local name=$1 fn=$2 start=$SECONDS rc
    echo
    echo "===== $name"
    set +e
    (set -e; "$fn")
    rc=$?
    set -e
    report_stage "$name" "$rc" $((SECONDS - start))
}

start_stage() { # NAME FUNCTION: in the background, its output to build/stage-logs/NAME.log
    local name=$1 fn=$2
    mkdir -p "$logs"
    rm -f -- "$logs/$name".*
    (
        start=$SECONDS
        set +e
        (set -e; "$fn") >"$logs/$name.log" 2>&1 </dev/null
        echo "$? $((SECONDS - start))" >"$logs/$name.status"
    ) &
    stage_pid[$name]=$!
}

wait_stage() { # NAME: waits for the stage started in the background to end
    [[ -z ${stage_pid[$1]:-} ]] || wait "${stage_pid[$1]}" || true
    unset "stage_pid[$1]"
}

finish_stage() { # NAME: waits for the stage started in the background, prints its output and line
    local name=$1 rc=1 took=0
    wait_stage "$name"
    echo
    echo "===== $name  (ran in the background; its log: ${logs#"$root"/}/$name.log)"
    cat -- "$logs/$name.log"
    [[ -f $logs/$name.status ]] && read -r rc took <"$logs/$name.status"
    report_stage "$name" "$rc" "$took"
}

# Interrupted: the stages in the background end too, with everything they started.
kill_tree() { # PID
    local child
    for child in $(ps -o pid= --ppid "$1" 2>/dev/null); do kill_tree "$child"; done
    kill "$1" 2>/dev/null || true
}
stop_background() {
    local pid
    for pid in "${stage_pid[@]}"; do kill_tree "$pid"; done
    exit 130
}
trap stop_background INT TERM

run_stage deps stage_deps
run_stage native stage_native
run_stage windows-build stage_windows_build
# On two cores, a stage that keeps one core busy runs beside stages that mostly wait on Wine:
# the fuzz run (its fixed time on one core) beside the GUI tests and the printing, and the
# second packaging build beside the installer runs. Neither of a pair uses what the other
# makes. The benchmarks, whose figures a busy core would spoil, run alone.
start_stage fuzz stage_fuzz
run_stage gui-tests stage_gui_tests
run_stage print stage_print
wait_stage fuzz
run_stage bench-smoke stage_bench_smoke
finish_stage fuzz
run_stage bad-input stage_bad_input
run_stage imports stage_imports
run_stage package stage_package
start_stage reproducible stage_reproducible
start_stage install stage_install
finish_stage reproducible
finish_stage install
echo
echo "===== Stages ($((SECONDS - started)) s in all)"
printf '%s\n' "${summary[@]}"
echo "$passed passed, $failed failed"
((failed == 0))
