#!/usr/bin/env bash
# Builds the loader's libFuzzer target (preset "fuzz") and runs it for SECONDS (default 60), or
# until RUNS inputs have been tried if that comes first, on a temporary copy of the seed corpus
# plus the bundled anthology, so the committed seeds never change. Exits non-zero on any
# finding; a reproducer is kept in build/fuzz/findings/.
#   fuzz/run.sh [SECONDS [RUNS]]
set -euo pipefail

seconds="${1:-60}"
runs_wanted="${2:--1}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ] ||
    ! [[ "$runs_wanted" =~ ^(-1|[0-9]+)$ ]]; then
    echo "usage: $0 [SECONDS [RUNS]]" >&2
    exit 2
fi

root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target loader-fuzzer -j 2 >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
cp fuzz/corpus/* data/ts.txt "$work/corpus/"
seeds="$(find "$work/corpus" -type f | wc -l)"

findings="$root/build/fuzz/findings"
mkdir -p "$findings"
log="$root/build/fuzz/last-run.log"

# One process, so one core: the machine is shared. A run of one input longer than 10 s counts
# as a hang, which is a finding like a crash.
status=0
started="$(date +%s)"
build/fuzz/fuzz/loader-fuzzer \
    -max_len=65536 \
    -max_total_time="$seconds" \
    -runs="$runs_wanted" \
    -timeout=10 \
    -dict=fuzz/loader.dict \
    -print_final_stats=1 \
    -artifact_prefix="$findings/" \
    "$work/corpus" >"$log" 2>&1 || status=$?
elapsed=$(($(date +%s) - started))

runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)"
corpus="$(find "$work/corpus" -type f | wc -l)"

if [ "$status" -ne 0 ]; then
    echo "----- last lines of $log -----"
    tail -n 40 "$log"
    echo "fuzz: FINDING after ${runs:-?} executions in ${elapsed} s (exit $status); reproducer in $findings/"
    exit 1
fi
echo "fuzz: ${runs:-?} executions in ${elapsed} s (${rate:-?}/s), corpus ${seeds} -> ${corpus} inputs, no findings"
