#!/usr/bin/env bash
# Builds the packages a second time, from a copy of the sources at another path and in another
# build folder, and checks that TangReader.exe, the zip and the installer come out
# byte-identical to those in build/dist (made first by tools/package.sh).
set -euo pipefail

root=$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")/.." && pwd)
dist=$root/build/dist
[[ -f $dist/SHA256SUMS ]] || { echo "check-reproducible: run tools/package.sh first" >&2; exit 1; }

copy=$root/build/reproducible/other-checkout
rm -rf -- "$root/build/reproducible"
mkdir -p -- "$copy"
# The files of the checkout (committed or not), without the build tree.
(cd "$root" && git ls-files -z --cached --others --exclude-standard | xargs -0 tar -cf - --) |
    tar -xf - -C "$copy"

SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct) \
    "$copy/tools/package.sh" --build-dir "$copy/build/second" --out "$copy/build/dist" >/dev/null

first_exe=$(unzip -p "$dist"/TangReader-*-win32.zip '*/TangReader.exe' | sha256sum | cut -d' ' -f1)
second_exe=$(unzip -p "$copy/build/dist"/TangReader-*-win32.zip '*/TangReader.exe' | sha256sum | cut -d' ' -f1)
echo "first build:"
sed 's/^/  /' "$dist/SHA256SUMS"
echo "  $first_exe  TangReader.exe"
echo "second build, in ${copy#"$root"/}:"
sed 's/^/  /' "$copy/build/dist/SHA256SUMS"
echo "  $second_exe  TangReader.exe"
if [[ $first_exe != "$second_exe" ]] || ! cmp -s "$dist/SHA256SUMS" "$copy/build/dist/SHA256SUMS"; then
    echo "check-reproducible: the two builds differ" >&2
    exit 1
fi
echo "check-reproducible: both builds are byte-identical"
