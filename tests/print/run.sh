#!/usr/bin/env bash
# Prints for real: starts CUPS with a PDF printer (tests/print/cups.sh), has the GUI test
# PagePrinting.PrintsOnTheDefaultPrinter print a long poem on it under Wine, and checks the PDF
# it wrote (tests/print/check_pdf.py); then has PagePrinting.ARejectingPrinterIsNamedInTheMessage
# print on a queue that rejects the job. Needs root, as the test command has in CI.
#
#   tests/print/run.sh [GUI-TESTS.exe]     (default: the GUI tests of the build Wine runs here)
set -euo pipefail

root=$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$root"
# shellcheck source=tools/wine-env.sh
. tools/wine-env.sh
tests_exe=$(realpath "${1:-$TANG_WINDOWS_BUILD/TangReaderGuiTests.exe}")

# shellcheck source=tests/print/cups.sh
. tests/print/cups.sh
tang_cups_ready
tang_cups_rejecting_queue
wine_prefix_ready

folder=$(tang_cups_pdf_folder "$(id -un)")
mkdir -p "$folder"
marker=$(mktemp)
log=$root/build/print-test-stderr.log
(cd "$(dirname "$tests_exe")" && TANG_PRINT_TEST=1 with_display timeout 300 \
    wine "$(basename "$tests_exe")" --gtest_filter=PagePrinting.PrintsOnTheDefaultPrinter) 2>"$log"

# cups-pdf writes the file when the job has gone through the spooler.
pdf=
for _ in $(seq 1 100); do
    pdf=$(find "$folder" -maxdepth 1 -name '*.pdf' -newer "$marker" -print -quit)
    [[ -n $pdf ]] && ! lpstat -o TangPDF 2>/dev/null | grep -q . && break
    sleep 0.2
done
rm -f "$marker"
[[ -n $pdf ]] || { echo "print: no PDF appeared in $folder (see $log and /var/log/cups/error_log)" >&2; exit 1; }
python3 tests/print/check_pdf.py "$pdf"
rm -f "$pdf"

(cd "$(dirname "$tests_exe")" && TANG_PRINT_REJECTING=TangRejecting with_display timeout 300 \
    wine "$(basename "$tests_exe")" --gtest_filter=PagePrinting.ARejectingPrinterIsNamedInTheMessage) \
    2>>"$log"
