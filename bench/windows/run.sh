#!/usr/bin/env bash
# The Windows program's figures under Wine, each against a floor measured in the same run:
#   - time from process start to the reader window (its first page shown) for the bundled
#     anthology and for 32767 poems, against a bare Win32 program that opens one window
#     (BareWindow.exe), all started and timed by the same driver (BadInputDriver.exe);
#   - peak working set on those files, above the program's own on an empty ts.txt, against
#     the size of the file's text in UTF-16;
#   - the reader's Form_Load and a search that lists every poem, in-process
#     (TangReaderGuiBenchmark.exe), the search against a plain list box given the same entries;
#     F3 to the next of those 32767 results against > to the next poem, and the longest page
#     with hundreds of a search's marks against the same page without;
#   - the page's zoom on a poem at every limit of the loader (TangReaderZoomBenchmark.exe, once
#     at 100 % and once at 400 %, each in its own process for its own peak).
# Prints a table and exits non-zero when a goal is missed.
#
#   bench/windows/run.sh [ROUNDS]      (default 5; each figure is the median of the rounds)
#
# Needs the windows build (cmake --preset windows && cmake --build --preset windows) and the
# native generator (cmake --preset native && cmake --build --preset native --target generate-anthology).
set -euo pipefail

root=$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$root"
# shellcheck source=tools/wine-env.sh
. tools/wine-env.sh
if [[ -z ${TANG_BENCH_DISPLAY_READY:-} ]]; then
    wine_prefix_ready
    TANG_BENCH_DISPLAY_READY=1 with_display "$0" "$@"
    exit
fi

rounds=${1:-5}
# The build the tests run (tools/wine-env.sh may name another where no 32-bit code runs), or
# TANG_BENCH_BUILD, such as the build of an earlier commit to compare with.
bin=${TANG_BENCH_BUILD:-${TANG_WINDOWS_BUILD:-build/windows}}
generator=build/native/tools/generator/generate-anthology
for needed in "$bin/TangReader.exe" "$bin/BadInputDriver.exe" "$bin/BareWindow.exe" \
    "$bin/TangReaderGuiBenchmark.exe" "$bin/TangReaderZoomBenchmark.exe" "$generator"; do
    [[ -f $needed ]] || { echo "missing $needed: build it first" >&2; exit 1; }
done

work=$root/build/bench-windows
rm -rf -- "$work"
mkdir -p -- "$work"/{floor,empty,bundled,full}
cp -- "$bin/BareWindow.exe" "$work/floor/TangReader.exe"
for folder in empty bundled full; do cp -- "$bin/TangReader.exe" "$work/$folder/"; done
: >"$work/empty/ts.txt"
cp -- data/ts.txt "$work/bundled/ts.txt"
"$generator" 32767 >"$work/full/ts.txt"
expected() { case $1 in empty) echo no-poems ;; *) echo none ;; esac; }

# Started once before measuring, so that no round pays for a cold Wine server or file cache.
wine "$bin/BadInputDriver.exe" "$(winepath -w "$work/bundled")" none "$(winepath -w "$work/warm")" \
    >"$work/warm.log" 2>&1 || { cat "$work/warm.log" >&2; exit 1; }

# The rounds take the folders in turn, so that a slow spell of the machine falls on all alike.
for ((round = 1; round <= rounds; round++)); do
    for folder in floor empty bundled full; do
        report=$work/$folder-$round
        wine "$bin/BadInputDriver.exe" "$(winepath -w "$work/$folder")" "$(expected "$folder")" \
            "$(winepath -w "$report")" >"$report.log" 2>&1 || {
            echo "the $folder run of round $round failed:" >&2
            cat "$report.log" >&2
            exit 1
        }
        printf '%s %s %s\n' "$folder" "$(sed -n 's/^window-ms //p' "$report")" \
            "$(sed -n 's/^peak-kb //p' "$report")" >>"$work/runs.txt"
    done
    echo "round $round of $rounds: $(tail -n 4 "$work/runs.txt" | tr '\n' ' ')"
done

(cd "$bin" && wine TangReaderGuiBenchmark.exe) >"$work/gui-benchmark.txt" 2>"$work/gui-benchmark.err" || {
    cat "$work/gui-benchmark.txt" "$work/gui-benchmark.err" >&2
    exit 1
}

for percent in 100 400; do
    (cd "$bin" && wine TangReaderZoomBenchmark.exe "$percent") >"$work/zoom-$percent.txt" \
        2>"$work/zoom-$percent.err" || {
        cat "$work/zoom-$percent.txt" "$work/zoom-$percent.err" >&2
        exit 1
    }
done

utf16_bytes() { iconv -f CP936 -t UTF-16LE "$1" | wc -c; }
python3 - "$work/runs.txt" "$work/gui-benchmark.txt" "$(utf16_bytes "$work/bundled/ts.txt")" \
    "$(utf16_bytes "$work/full/ts.txt")" "$rounds" "$work/zoom-100.txt" "$work/zoom-400.txt" <<'EOF_PY' | tee "$work/figures.md"
import re, statistics, sys
runs, gui, bundled_text, full_text, rounds = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4]), sys.argv[5]
def zoom_figures(path):
    text = open(path, encoding='utf-8').read()
    def figure(label):
        match = re.search(re.escape(label) + r'[^\n]*?\s([0-9.]+) (ms|MiB)', text)
        if not match:
            sys.exit(f'no "{label}" figure in {path}')
        return float(match.group(1))
    return {name: figure(label) for name, label in (
        ('show', 'showing the poem'), ('peak', 'peak working set'), ('step', 'one step'),
        ('five', 'five more pressed at once'))}
zoom100, zoom400 = zoom_figures(sys.argv[6]), zoom_figures(sys.argv[7])
ms, kb = {}, {}
for line in open(runs):
    folder, window, peak = line.split()
    ms.setdefault(folder, []).append(int(window))
    kb.setdefault(folder, []).append(int(peak))
med = lambda values: statistics.median(values)
gui_text = open(gui, encoding='utf-8').read()
def gui_ms(label):
    match = re.search(re.escape(label) + r'\s+([0-9.]+) ms', gui_text)
    if not match:
        sys.exit(f'no "{label}" figure in the GUI benchmark output')
    return float(match.group(1))
floor, empty, bundled, full = (med(ms[f]) for f in ('floor', 'empty', 'bundled', 'full'))
load, form_load, search, list_floor = (gui_ms(label) for label in (
    'library load alone (LoadTangsFile)', 'reader start-up (Form_Load)', 'search listing every poem',
    'plain list box, same entries'))
next_poem, next_result, next_hidden_poem, next_hidden, unmarked, marked = (gui_ms(label) for label in (
    '> to the next poem', 'F3 to the next of 32767 results', '> to the next poem, hidden',
    'F3 to the next result, hidden', 'without marks', 'marks of a search'))
peak_floor = med(kb['empty'])
def ratio_to_text(folder, text):
    return (med(kb[folder]) - peak_floor) * 1024 / text
missed = []
def verdict(ok, what):
    if not ok:
        missed.append(what)
    return 'met' if ok else '**missed**'
rows = [
    ('Bare Win32 program, one window (the floor)', f'{floor:.0f} ms', '1', '', ''),
    ('The reader on an empty ts.txt, to its window', f'{empty:.0f} ms', f'{empty / floor:.2f}', '', ''),
    ('The reader on the bundled anthology (320 poems), to its first page', f'{bundled:.0f} ms', f'{bundled / floor:.2f}', '', ''),
    ('The reader on 32767 poems, to its first page', f'{full:.0f} ms', f'{full / floor:.2f}',
     '≤ 1.5 × the bundled file', f'{full / bundled:.2f} × the bundled: ' + verdict(full <= 1.5 * bundled, 'start-up with 32767 poems')),
    ('The loader alone on 32767 poems (`LoadTangsFile`), in-process', f'{load:.0f} ms', '', '', ''),
    ('`Form_Load` on 32767 poems, in-process', f'{form_load:.0f} ms', '', '≤ 476 ms (the figure before)', verdict(form_load <= 476, 'Form_Load')),
    ('A plain list box given the 32767 result entries (the floor of the search)', f'{list_floor:.0f} ms', '1', '', ''),
    ('The search listing every poem (32767 results)', f'{search:.0f} ms', f'{search / list_floor:.2f}', '≤ 300 ms', verdict(search <= 300, 'search')),
    ('> to the next poem, among 32767, the search window beside the reader (the floor of F3)', f'{next_poem:.1f} ms', '1', '', ''),
    ('F3 to the next of 32767 results, the search window beside the reader', f'{next_result:.1f} ms', f'{next_result / next_poem:.2f}',
     '≤ > (within the figure\'s noise of 10 %)', verdict(next_result <= 1.1 * next_poem, 'F3 beside the search window')),
    ('> to the next poem, the search window hidden (the floor)', f'{next_hidden_poem:.1f} ms', '1', '', ''),
    ('F3 to the next result, the search window hidden', f'{next_hidden:.1f} ms', f'{next_hidden / next_hidden_poem:.2f}', '≤ > (within 10 %)',
     verdict(next_hidden <= 1.1 * next_hidden_poem, 'F3, search window hidden')),
    ('The longest page, from ShowTang until painted (the floor of the marks)', f'{unmarked:.0f} ms', '1', '', ''),
    ('The same page with 320 marks of a search', f'{marked:.0f} ms', f'{marked / unmarked:.2f}', '≤ 1.1 ×',
     verdict(marked <= 1.1 * unmarked, 'marked page')),
    ('The page at every limit shown at 100 % (the floor of the zoom)', f'{zoom100["show"]:.0f} ms', '1', '', ''),
    ('The same page shown at 400 %', f'{zoom400["show"]:.0f} ms', f'{zoom400["show"] / zoom100["show"]:.2f}',
     '≤ 2 × at 100 %', verdict(zoom400['show'] <= 2 * zoom100['show'], 'page at 400 %')),
    ('A zoom step on that page, at 100 % and at 400 %', f'{zoom100["step"]:.0f} ms, {zoom400["step"]:.0f} ms', '', '≤ 1000 ms',
     verdict(max(zoom100['step'], zoom400['step']) <= 1000, 'zoom step')),
    ('Five zoom steps queued at once, at 100 % and at 400 %', f'{zoom100["five"]:.0f} ms, {zoom400["five"]:.0f} ms', '', '≤ 1000 ms',
     verdict(max(zoom100['five'], zoom400['five']) <= 1000, 'queued zoom steps')),
    ('Peak working set with that page shown, at 100 % and at 400 %', f'{zoom100["peak"]:.0f} MiB, {zoom400["peak"]:.0f} MiB',
     f'{zoom400["peak"] / zoom100["peak"]:.2f}', '≤ 1.5 × at 100 %', verdict(zoom400['peak'] <= 1.5 * zoom100['peak'], 'peak at 400 %')),
    ('Peak working set on an empty ts.txt (the floor)', f'{peak_floor:,.0f} KiB', '', '', ''),
    ('Peak working set, bundled anthology, above the floor', f'{med(kb["bundled"]) - peak_floor:,.0f} KiB',
     f'{ratio_to_text("bundled", bundled_text):.2f} × its text ({bundled_text:,} bytes in UTF-16)', '≤ 3 ×', verdict(ratio_to_text("bundled", bundled_text) <= 3, 'peak, bundled')),
    ('Peak working set, 32767 poems, above the floor', f'{med(kb["full"]) - peak_floor:,.0f} KiB',
     f'{ratio_to_text("full", full_text):.2f} × its text ({full_text:,} bytes in UTF-16)', '≤ 3 ×', verdict(ratio_to_text("full", full_text) <= 3, 'peak, 32767 poems')),
]
print(f'Median of {rounds} rounds (the in-process figures: median of the benchmark\'s own rounds).')
print()
print('| Figure | Result | Ratio to its floor | Goal | Verdict |')
print('| --- | ---: | ---: | --- | --- |')
for row in rows:
    print('| ' + ' | '.join(row) + ' |')
if missed:
    print()
    print('missed: ' + ', '.join(missed))
    sys.exit(1)
EOF_PY
