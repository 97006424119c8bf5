#!/usr/bin/env bash
# Starts the real program under Wine, each time in a folder of its own, on a missing,
# damaged, huge or unusual ts.txt. Every run must show the reader window, say what it should
# about the file, end with exit code 0 when the window is closed, and leave the folder exactly
# as it was: the program only reads ts.txt. Its peak memory must stay within 3 times the size
# of the file's text in UTF-16 above the program's own, measured in the same run (the table at
# the end).
#
# Needs the Windows build the tests run (TangReader.exe, BadInputDriver.exe; see
# tools/wine-env.sh) and the native generator.
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

# TANG_BAD_INPUT_PROGRAM runs another build of the program (an older one, to compare);
# TANG_BAD_INPUT_ONLY, a regular expression, runs only the cases whose names match it, one at a
# time so that their times compare with other runs; TANG_BAD_INPUT_JOBS, the cases run at once
# (3 by default, when all run).
program=${TANG_BAD_INPUT_PROGRAM:-$TANG_WINDOWS_BUILD/TangReader.exe}
driver=${TANG_BAD_INPUT_DRIVER:-$TANG_WINDOWS_BUILD/BadInputDriver.exe}
generator=build/native/tools/generator/generate-anthology
for needed in "$program" "$driver" "$generator"; do
    [[ -x $needed || -f $needed ]] || { echo "missing $needed: build it first" >&2; exit 1; }
done

work=$root/build/badinput
rm -rf -- "$work"
mkdir -p -- "$work"

# Makes the case's folder, d, and lists the case to run with what the driver expects of it
# (see run_case); the caller writes its ts.txt (or does not).
cases=()
new_case() { # NAME EXPECTED [next]
    d=$work/$1
    mkdir -p -- "$d"
    cp -- "$program" "$d/"
    cases+=("$*")
}

snapshot() { # everything in the folder, with a checksum of every file (size and time of huge ones)
    (cd "$1" && find . -mindepth 1 -printf '%y %p %s %T@\n' | sort &&
        find . -type f -size -64M -exec sha256sum {} + | sort -k2)
}

# What the driver saw: the value of KEY in the case's report (every line, for "message").
seen() { sed -n "s/^$2 //p" "$work/$1.seen"; }
# The case's page, line N (1-based), or the whole page without N.
page() { if (($# == 3)); then sed -n "$3p" "$work/$1.seen.page$2"; else cat "$work/$1.seen.page$2"; fi; }

problems=
expect() { # WHAT ACTUAL EXPECTED
    [[ $2 == "$3" ]] || problems+="$1: expected '${3:0:200}', saw '${2:0:200}'"$'\n'
}
expect_same_page() { # CASE REFERENCE
    cmp -s "$work/$1.seen.page1" "$work/$2.seen.page1" ||
        problems+="poem 1 differs from $2's: $(diff "$work/$2.seen.page1" "$work/$1.seen.page1" | head -c 400 || true)"$'\n'
    expect "entries" "$(seen "$1" entries)" "$(seen "$2" entries)"
    expect "first entry" "$(seen "$1" entry-first)" "$(seen "$2" entry-first)"
    expect "last entry" "$(seen "$1" entry-last)" "$(seen "$2" entry-last)"
}

# TANG_BAD_INPUT_ONLY selects the cases to run; those the peak memory of every other is judged
# against always run.
selected() { [[ $1 == one-short-poem || $1 == longest-page || $1 =~ ${TANG_BAD_INPUT_ONLY:-.} ]]; }

run_case() { # NAME EXPECTED [next]: the program on the case's folder, whose exit code is kept
    local folder=$work/$1 before after rc=0
    before=$(snapshot "$folder")
    wine "$driver" "$(winepath -w "$folder")" "$2" "$(winepath -w "$work/$1.seen")" ${3:-} \
        >"$folder.log" 2>"$folder.err" || rc=$?
    after=$(snapshot "$folder")
    if [[ $before != "$after" ]]; then
        echo "the folder changed:" >>"$folder.log"
        diff <(echo "$before") <(echo "$after") >>"$folder.log" || true
        rc=1
    fi
    echo "$rc" >"$folder.rc"
}

passed=0
failed=0
failed_cases=
judge_case() { # NAME EXPECTED [next]: the run's outcome, then what the case must show
    local folder=$work/$1 rc
    rc=$(cat "$folder.rc" 2>/dev/null || echo "no exit code")
    problems=
    if [[ $rc == 0 ]] && declare -F "check_$1" >/dev/null; then
        "check_$1"
        [[ -z $problems ]] || { printf '%s' "$problems" >>"$folder.log"; rc=1; }
    fi
    if [[ $rc == 0 ]]; then
        passed=$((passed + 1))
        echo "ok      $1  ($(seen "$1" window-ms) ms to the window${3:+, $(seen "$1" next-ms) ms to the next poem}, peak $(seen "$1" peak-kb) KiB)"
    else
        failed=$((failed + 1))
        failed_cases+=" $1 "
        echo "FAILED  $1"
        sed 's/^/        /' "$folder.log"
    fi
}

crlf() { printf '%s\r\n' "$@"; }
repeat() { # TEXT COUNT: the text that many times, without line ends
    local bytes
    bytes=$(printf '%s' "$1" | wc -c)
    head -c "$(($2 * bytes))" < <(yes "$1" | tr -d '\n') # no pipe fails when head stops reading
}
gbk() { iconv -f UTF-8 -t CP936; }
varied() { # COUNT [LINE]: that many characters in GBK, as a page of random bytes holds them:
    # every two-byte code and the places GBK leaves to users, Latin letters, signs and tabs,
    # broken every LINE characters (by default never), the same on every run
    python3 -c '
import random, sys
count, line = int(sys.argv[1]), int(sys.argv[2])
codes = [bytes((lead, trail)) for lead in range(0x81, 0xFF) for trail in range(0x40, 0xFF) if trail != 0x7F]
ascii = [bytes((c,)) for c in range(0x20, 0x7F) if chr(c) not in "<>()[]/"] + [b"\t"]
chance = random.Random(1)
out = []
for i in range(count):
    out.append(chance.choice(ascii if chance.random() < 0.5 else codes))
    if line and i % line == line - 1:
        out.append(b"\r\n")
sys.stdout.buffer.write(b"".join(out))' "$1" "${2:-0}"
}

new_case missing unreadable
new_case folder-in-its-place unreadable && mkdir "$d/ts.txt"
new_case empty-file no-poems && : >"$d/ts.txt"
new_case one-short-poem none && "$generator" 1 >"$d/ts.txt"
new_case headings-only no-poems && crlf '[A]' '[B]' '[]' >"$d/ts.txt"
new_case lines-before-first-poem none && crlf '(A0)' '//N0//' '//open' 'text' '<T>' '(A)' 'V' '//N//' >"$d/ts.txt"
new_case lines-too-short none && crlf '<' '(' 'V' '//' '<T>' '(A)' 'V' '///' '<U>' '/' >"$d/ts.txt"
new_case heading-beyond-32767 cut && { printf '[%s]x\r\n' "$(head -c 40000 /dev/zero | tr '\0' 'x')"; crlf '<T>' '(A)' 'V' '//N//'; } >"$d/ts.txt"
new_case poems-40000 left-out && "$generator" 40000 >"$d/ts.txt"
new_case invalid-gbk replaced && printf '<T\xff>\r\n(\xc0)\r\nV\x80\xfe\xfe\x81\r\n//N\xff//\r\n' >"$d/ts.txt"
new_case line-of-5-mb cut && { crlf '<T>' '(A)'; head -c 5242880 /dev/zero | tr '\0' 'x'; crlf '' '//N//'; } >"$d/ts.txt"
new_case random-1-mb any && "$generator" --random-bytes 1048576 --seed 20261206 >"$d/ts.txt"
new_case utf8-with-byte-order-mark none && printf '\xef\xbb\xbf[\xe4\xb9\x90\xe5\xba\x9c]\r\n<\xe9\x9d\x99>\r\n(\xe6\x9d\x8e)\r\nV\r\n//N//\r\n' >"$d/ts.txt"

# One anthology in every encoding and with every line end: each must read as the GBK CR LF file.
new_case gbk-crlf none && "$generator" 300 >"$d/ts.txt"
reference=$d/ts.txt
new_case bare-line-feeds none && "$generator" 300 --lf >"$d/ts.txt"
new_case lone-carriage-returns none && tr -d '\n' <"$reference" >"$d/ts.txt"
new_case utf8-without-mark none && iconv -f CP936 -t UTF-8 <"$reference" >"$d/ts.txt"
new_case utf8-with-mark none && { printf '\xef\xbb\xbf'; iconv -f CP936 -t UTF-8 <"$reference"; } >"$d/ts.txt"
new_case utf16-le none && { printf '\xff\xfe'; iconv -f CP936 -t UTF-16LE <"$reference"; } >"$d/ts.txt"
new_case utf16-be none && { printf '\xfe\xff'; iconv -f CP936 -t UTF-16BE <"$reference"; } >"$d/ts.txt"

# The bundled anthology, and files whose encoding only their content tells: the bundled one as
# UTF-8 without a mark but with one stray byte inside a poem, a GBK file whose one Chinese character is valid
# UTF-8 as well, and GBK characters of the user-defined areas.
new_case bundled-anthology none && cp data/ts.txt "$d/ts.txt"
# The stray byte goes before a verse or notes line halfway through, where a poem keeps it.
new_case bundled-as-utf8-with-stray-byte replaced && iconv -f CP936 -t UTF-8 <data/ts.txt |
    LC_ALL=C awk -v half="$(($(wc -l <data/ts.txt) / 2))" \
        'NR >= half && !done && /^[^][<(\/\r]/ { printf "\377"; done = 1 } { print }' >"$d/ts.txt"
new_case gbk-only-zhu none && { crlf '<T>' '(A)'; printf 'V \xd7\xa2\r\n'; crlf '//N//'; } >"$d/ts.txt"
new_case gbk-user-defined none && printf '<\xaa\xa1>\r\n(\xfe\x50)\r\n\xa1\x40\xf8\xa1\r\n//N//\r\n' >"$d/ts.txt"

# Giant lines (a minified file saved as ts.txt) and a poem too long for a page.
new_case line-of-1000000-characters cut && { crlf '<T>' '(A)'; repeat 静 1000000 | gbk; crlf '' '//N//'; } >"$d/ts.txt"
for n in 50000 500000; do
    new_case "second-title-of-$n-characters" cut next &&
        { crlf '<T>' '(A)' 'V' '//N//'; printf '<'; repeat 静 "$n" | gbk; crlf '>' '(B)' 'W' '//M//'; } >"$d/ts.txt"
done
new_case poem-of-30000-lines left-out && { crlf '<T>' '(A)'; printf '床前明月光\r\n%.0s' $(seq 30000) | gbk; crlf '//N//'; } >"$d/ts.txt"
new_case page-at-every-limit cut && {
    long() { repeat 静 5000 | gbk; }
    printf '<'; long; crlf '>'; printf '('; long; crlf ')'
    for _ in 1 2 3 4 5 6; do long; crlf ''; done
    printf '//'; long; crlf ''
    for _ in 1 2 3 4 5 6; do long; crlf ''; done
    crlf 'end//'
} >"$d/ts.txt"
# The page that costs the most: every field at its cap, title and author as long as they are
# kept, the verses and notes in short lines, all of the characters a page of random bytes holds,
# which the system's fonts draw and keep each, reaching for other fonts for some.
new_case longest-page cut && {
    printf '<'; varied 5000; crlf '>'; printf '('; varied 5000; crlf ')'
    varied 20000 60; crlf ''; printf '//'; varied 20000 60; crlf '' 'end//'
} >"$d/ts.txt"
# NUL bytes after the last poem (a file padded by a broken copy): no poem holds them.
new_case nul-padding-of-10-mb none && { "$generator" 300; head -c 10485760 /dev/zero; } >"$d/ts.txt"
# A million pick-list entries: headings, or distinct authors. Each list stops at its cap.
new_case headings-1000000 full && { awk 'BEGIN { for (i = 0; i < 1000000; i++) printf "[Form %07d]\r\n", i }'; crlf '<T>' '(A)' 'V' '//N//'; } >"$d/ts.txt"
new_case authors-1000000 full && { crlf '<T>'; awk 'BEGIN { for (i = 0; i < 1000000; i++) printf "(Poet %07d)\r\n", i }'; crlf 'V' '//N//'; } >"$d/ts.txt"
new_case over-2-gb too-large && crlf '<T>' '(A)' 'V' '//N//' >"$d/ts.txt" && truncate -s 2200M "$d/ts.txt"

# What each case must show beyond surviving.
check_lines-before-first-poem() {
    expect "entries" "$(seen lines-before-first-poem entries)" 1
    expect "caption" "$(seen lines-before-first-poem caption)" "青简雅韵集 第1首"
    expect "page" "$(page lines-before-first-poem 1)" $'T\nA\n\nV\n\nN'
}
check_heading-beyond-32767() {
    expect "message" "$(seen heading-beyond-32767 message)" "唐诗文件中有 1 行格律、标题或作者超过 4000 字，只读入了每行的前 4000 字，截断处以“…”标出。"
}
check_poems-40000() {
    expect "entries" "$(seen poems-40000 entries)" 32767
    expect "message" "$(seen poems-40000 message)" "唐诗文件中的唐诗超过 32767 首，其后的 7233 首没有读入。"
    expect "last entry number" "$(seen poems-40000 entry-last | cut -c1-8)" "(32767) "
}
check_invalid-gbk() {
    local verse
    verse=$(page invalid-gbk 1 4)
    expect "title" "$(page invalid-gbk 1 1)" "T�"
    expect "author" "$(page invalid-gbk 1 2)" "�"
    expect "verse" "$verse" $'V€\uE4C5�'
    expect "message" "$(seen invalid-gbk message)" "唐诗文件中有 4 个字符无法识别，显示为“�”。"
    expect "notes" "$(page invalid-gbk 1 6)" "N�"
}
check_gbk-crlf() { expect "entries" "$(seen gbk-crlf entries)" 300; }
for same in bare-line-feeds lone-carriage-returns utf8-without-mark utf8-with-mark utf16-le utf16-be; do
    eval "check_$same() { expect_same_page $same gbk-crlf; }"
done
check_utf8-with-byte-order-mark() { expect "page" "$(page utf8-with-byte-order-mark 1)" $'静\n李\n\nV\n\nN'; }
check_bundled-anthology() { expect "entries" "$(seen bundled-anthology entries)" 320; }
check_bundled-as-utf8-with-stray-byte() {
    expect_same_page bundled-as-utf8-with-stray-byte bundled-anthology
    expect "message" "$(seen bundled-as-utf8-with-stray-byte message)" "唐诗文件中有 1 个字符无法识别，显示为“�”。"
}
check_gbk-only-zhu() { expect "verse" "$(page gbk-only-zhu 1 4)" "V 注"; }
check_gbk-user-defined() { expect "page" "$(page gbk-user-defined 1)" $'\uE000\n\uE815\n\n\uE4C6\uE234\n\nN'; }
check_line-of-5-mb() {
    expect "verse" "$(page line-of-5-mb 1 4)" "$(repeat x 16000)…"
}
check_line-of-1000000-characters() {
    expect "message" "$(seen line-of-1000000-characters message)" "唐诗文件中有 1 行诗句或注释超过 16000 字，只读入了每行的前 16000 字，截断处以“…”标出。"
    expect "verse" "$(page line-of-1000000-characters 1 4)" "$(repeat 静 16000)…"
}
check_second-title() { # N
    expect "title after next" "$(page "second-title-of-$1-characters" 2 1)" "$(repeat 静 4000)…"
    expect "caption after next" "$(seen "second-title-of-$1-characters" caption-after-next)" "青简雅韵集 第2首"
}
check_second-title-of-50000-characters() { check_second-title 50000; }
check_second-title-of-500000-characters() { check_second-title 500000; }
check_poem-of-30000-lines() {
    expect "message" "$(seen poem-of-30000-lines message)" "唐诗文件中有 27143 行没有读入：一首唐诗的诗句或注释最多读入 20000 字，其余以“…”标出。"
    expect "last verse" "$(page poem-of-30000-lines 1 2861)" "…"
}
check_page-at-every-limit() {
    expect "message" "$(seen page-at-every-limit message)" "唐诗文件中有 2 行格律、标题或作者超过 4000 字，只读入了每行的前 4000 字，截断处以“…”标出。||唐诗文件中有 8 行没有读入：一首唐诗的诗句或注释最多读入 20000 字，其余以“…”标出。"
    expect "page lines" "$(page page-at-every-limit 1 | wc -l)" 12
}
check_nul-padding-of-10-mb() { expect_same_page nul-padding-of-10-mb gbk-crlf; }
check_headings-1000000() {
    expect "forms not listed" "$(seen headings-1000000 message | grep -o '有 [0-9]* 个格律没有列出')" "有 967234 个格律没有列出"
    expect "entries" "$(seen headings-1000000 entries)" 1
}
check_authors-1000000() {
    expect "message" "$(seen authors-1000000 message)" "作者列表已满：只列出了 32766 位作者，其余的作者没有列出，可在作者框中直接输入后查询。"
    expect "entry" "$(seen authors-1000000 entry-first)" "(001) T [Poet 0999999]"
}
check_over-2-gb() {
    expect "message" "$(seen over-2-gb message | awk -F '[|][|]' '{print $2}')" "文件太大（超过 2 GB）。"
    expect "entries" "$(seen over-2-gb entries)" 0
}


# Most of a case's time is the program idling under Wine (the driver waits 1.5 s after the last
# message before it reads the window), so several cases run at once, under one Wine server that
# stays up between them. Every case keeps its own folder, report and peak memory (the program's
# own process); the checks, some of which compare one case with another, come once all have run.
wineserver -p
at_once=${TANG_BAD_INPUT_JOBS:-$([[ -n ${TANG_BAD_INPUT_ONLY:-} ]] && echo 1 || echo 3)}
for case in "${cases[@]}"; do
    # shellcheck disable=SC2086  # NAME EXPECTED [next], split at the blanks
    selected $case || continue
    while (($(jobs -rp | wc -l) >= at_once)); do wait -n || true; done
    # shellcheck disable=SC2086
    run_case $case &
done
wait
for case in "${cases[@]}"; do
    # shellcheck disable=SC2086
    selected $case && judge_case $case
done

# Peak memory against the size of the file's text. The floor is the program's own: its peak
# with one short poem on the page (the windows, the fonts the page draws with); 1 MiB more is
# allowed for the variation between runs of the same program (about ±0.5 MiB under Wine). A
# file the program does not read (missing, over 2 GB) has no text. A long page costs the
# system's rich-edit control and fonts far more than its text (the lines laid out, and every
# different character drawn at each size), whatever the file's size, so a case that shows a
# page of over 2000 characters (the bundled anthology's longest has 1142) may use, besides,
# what the longest page cost in the same run.
long_page=2000
page_characters() { # NAME: the characters of the longest page the case showed
    local page n longest=0
    for page in "$work/$1.seen.page1" "$work/$1.seen.page2"; do
        [[ -f $page ]] || continue
        n=$(LC_ALL=C.UTF-8 wc -m <"$page")
        ((n <= longest)) || longest=$n
    done
    echo "$longest"
}
text_utf16_bytes() { # FILE: the size of its text in UTF-16, read as the program reads it
    python3 - "$1" <<'EOF_PY'
import os, sys
path = sys.argv[1]
if not os.path.isfile(path) or os.path.getsize(path) > 2**31 - 1:
    print(0)
    sys.exit()
data = open(path, 'rb').read()
if data[:2] in (b'\xff\xfe', b'\xfe\xff'):
    print(len(data) - 2)
    sys.exit()
if data[:3] == b'\xef\xbb\xbf':
    text = data[3:].decode('utf-8', 'replace')
else:
    try:
        text = data.decode('utf-8')
        if text.isascii():
            raise ValueError('no multi-byte character: read as GBK, which gives the same')
    except ValueError:
        text = data.decode('gbk', 'replace')
print(len(text.encode('utf-16-le')))
EOF_PY
}
memory_table=$work/peak-memory.md
floor_kb=$(seen one-short-poem peak-kb 2>/dev/null || true)
page_kb=$(seen longest-page peak-kb 2>/dev/null || true)
if [[ -z $floor_kb || -z $page_kb ]]; then
    echo "FAILED  peak memory: one-short-poem or longest-page reported no peak, so no case can be judged"
    failed=$((failed + 1))
else
    page_kb=$((page_kb - floor_kb))
    {
        echo "| Case | File (bytes) | Text in UTF-16 (KiB) | Peak (KiB) | Above the program's own (KiB) | Bound (KiB) | Verdict |"
        echo "| --- | ---: | ---: | ---: | ---: | ---: | --- |"
    } >"$memory_table"
    for report in "$work"/*.seen; do
        name=${report##*/}
        name=${name%.seen}
        peak=$(seen "$name" peak-kb)
        [[ -n $peak ]] || continue
        file_bytes=$(stat -c %s "$work/$name/ts.txt" 2>/dev/null || echo 0)
        [[ -f $work/$name/ts.txt ]] || file_bytes=0
        text_kb=$(($(text_utf16_bytes "$work/$name/ts.txt") / 1024))
        bound=$((3 * text_kb + 1024))
        (($(page_characters "$name") <= long_page)) || bound=$((bound + page_kb))
        above=$((peak - floor_kb))
        verdict=within
        if ((above > bound)); then
            verdict="over by $((above - bound)) KiB"
            echo "FAILED  peak memory of $name: $peak KiB, $above KiB above the program's own $floor_kb KiB," \
                "more than its bound of $bound KiB (3 × its text of $text_kb KiB in UTF-16 + 1024 KiB)"
            # A case counts once, failed, whatever else it failed.
            if [[ $failed_cases != *" $name "* ]]; then
                passed=$((passed - 1))
                failed=$((failed + 1))
                failed_cases+=" $name "
            fi
        fi
        echo "| $name | $file_bytes | $text_kb | $peak | $above | $bound | $verdict |" >>"$memory_table"
    done
    echo "peak memory against the text in UTF-16 (the program's own: $floor_kb KiB; the longest page: $page_kb KiB):"
    sed 's/^/  /' "$memory_table"
fi

echo "bad-input runs: $passed passed, $failed failed"
((failed == 0))
