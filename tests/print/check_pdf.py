#!/usr/bin/env python3
"""Checks the PDF that printing the long test poem wrote: its sheets, its text in order, and
the colours of the page's four runs from the top of the first sheet down.

usage: check_pdf.py FILE.pdf
"""
import re
import subprocess
import sys

TITLE, AUTHOR, VERSES, NOTES = (0x58, 0x54, 0xFF), (0xFF, 0x55, 0x5A), (0x8C, 0x86, 0x8C), (0x00, 0xAE, 0x00)


def run(*command):
    return subprocess.run(command, check=True, capture_output=True).stdout


def first_row_of(pixels, width, height, colour, tolerance=24):
    """The first pixel row holding a pixel within `tolerance` of `colour`, or None."""
    for y in range(height):
        row = pixels[y * width * 3:(y + 1) * width * 3]
        for x in range(0, width * 3, 3):
            if all(abs(row[x + i] - colour[i]) <= tolerance for i in range(3)):
                return y
    return None


def read_ppm(data):
    """Width, height and pixels of a binary PPM (P6) with a maximum of 255."""
    header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
    return int(header[1]), int(header[2]), data[header.end():]


def main(path):
    failures = []
    info = run("pdfinfo", path).decode()
    pages = int(next(line.split()[1] for line in info.splitlines() if line.startswith("Pages:")))
    if pages < 2:
        failures.append(f"{pages} sheet(s): the long poem's notes should run over at least two")

    text = run("pdftotext", "-layout", path, "-").decode()
    order = ["长诗", "作者", "第一句。", "注释注释", "青简雅韵集 第1首", "第1页，共%d页" % pages]
    at = -1
    for piece in order:
        found = text.find(piece, at + 1)
        if found < 0:
            failures.append(f"'{piece}' missing or out of order")
        else:
            at = found
    if f"第{pages}页，共{pages}页" not in text:
        failures.append("the last sheet's footer is missing")

    ppm = run("pdftoppm", "-r", "100", "-f", "1", "-l", "1", path)
    width, height, pixels = read_ppm(ppm)
    rows = [first_row_of(pixels, width, height, colour) for colour in (TITLE, AUTHOR, VERSES, NOTES)]
    if None in rows:
        failures.append(f"a run's colour is missing on the first sheet (first rows: {rows})")
    elif rows != sorted(rows) or len(set(rows)) != 4:
        failures.append(f"the runs are not in the page's order from the top: {rows}")

    for failure in failures:
        print("check_pdf:", failure, file=sys.stderr)
    print(f"check_pdf: {path}: {pages} sheets, colours from row {rows}, "
          f"{'fine' if not failures else 'FAILED'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
