#!/usr/bin/env python3
"""Writes a zip of one folder that is the same bytes on every run: entries in sorted order,
every time stamp set to one given moment (UTC), plain Windows attributes (no Unix owners or
permissions, no extra fields).

    make_zip.py SOURCE_PARENT FOLDER_NAME OUT.zip EPOCH_SECONDS
"""
import sys
import time
import zipfile
from pathlib import Path

FILE_ATTRIBUTE_ARCHIVE = 0x20
FILE_ATTRIBUTE_DIRECTORY = 0x10


def entry(name, stamp, is_folder):
    info = zipfile.ZipInfo(name, date_time=stamp)
    info.create_system = 0  # MS-DOS: external_attr holds plain Windows file attributes
    info.external_attr = FILE_ATTRIBUTE_DIRECTORY if is_folder else FILE_ATTRIBUTE_ARCHIVE
    info.compress_type = zipfile.ZIP_STORED if is_folder else zipfile.ZIP_DEFLATED
    return info


def main():
    parent, folder, out, epoch = Path(sys.argv[1]), sys.argv[2], Path(sys.argv[3]), int(sys.argv[4])
    # Zip times have two-second steps and no time zone; they are read as local time.
    stamp = time.gmtime(max(epoch, 315532800))[:6]
    root = parent / folder
    paths = sorted(root.rglob("*"), key=lambda p: p.relative_to(parent).as_posix())
    with zipfile.ZipFile(out, "w") as archive:
        archive.writestr(entry(folder + "/", stamp, True), b"")
        for path in paths:
            name = path.relative_to(parent).as_posix()
            if not name.isascii():
                sys.exit(f"make_zip: {name}: names inside the zip must be ASCII")
            if path.is_dir():
                archive.writestr(entry(name + "/", stamp, True), b"")
            else:
                archive.writestr(entry(name, stamp, False), path.read_bytes(), compresslevel=9)


if __name__ == "__main__":
    main()
