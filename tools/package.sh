#!/usr/bin/env bash
# Builds the release packages from this checkout into build/dist/ (VERSION gives the version):
#   TangReader-VERSION-win32.zip   the portable folder TangReader-VERSION/
#   TangReader-VERSION-setup.exe   the per-user installer (NSIS)
#   SHA256SUMS
# The same commit gives the same bytes: the program links without a time stamp, and every
# time in the packages is the time of the last commit.
#
#   tools/package.sh [--build-dir DIR] [--out DIR] [--x64]
#
# --build-dir reuses (or makes) a Release build of the Windows program there; the default is
# build/package. --out puts the packages elsewhere than build/dist. --x64 makes the same
# packages from an x86-64 build, with an x86-64 installer: not for release, but for the install
# test on machines that run no 32-bit code (see tools/wine-env.sh).
set -euo pipefail

root=$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=$root/build/package
out=$root/build/dist
machine=i686
nsis_target=()
while (($#)); do
    case $1 in
        --build-dir) build_dir=$(realpath -m -- "$2"); shift 2 ;;
        --out) out=$(realpath -m -- "$2"); shift 2 ;;
        --x64) machine=x86_64; nsis_target=("-XTarget amd64-unicode"); shift ;;
        *) echo "usage: $0 [--build-dir DIR] [--out DIR] [--x64]" >&2; exit 2 ;;
    esac
done

# The version, as cmake/Version.cmake reads it: 3.02 is 3.2.0.0 where Windows wants four numbers.
version=$(head -n 1 "$root/VERSION")
[[ $version =~ ^([0-9]+)\.([0-9][0-9])$ ]] || { echo "package: VERSION must read like 3.02" >&2; exit 1; }
version_quad=${BASH_REMATCH[1]}.$((10#${BASH_REMATCH[2]})).0.0
folder=TangReader-$version
export TZ=UTC LC_ALL=C.UTF-8
# Every time stamp in the packages: the last commit's, so that a rebuild matches.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct)}

"$root/tools/install-deps.sh" >/dev/null

echo "package: building TangReader.exe in ${build_dir#"$root"/}"
mkdir -p -- "$build_dir"
cmake -S "$root" -B "$build_dir" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-$machine.cmake" >"$build_dir/package-configure.log"
cmake --build "$build_dir" --target TangReader -j2 >"$build_dir/package-build.log"

stage=$build_dir/stage
rm -rf -- "$stage"
mkdir -p -- "$stage/$folder" "$out"
files=$stage/$folder

# Texts for Windows: CR LF, and a byte-order mark where there is non-ASCII text, so that
# Notepad on Windows 7 shows them right.
# @VERSION@ in a text becomes the version.
windows_text() { # SOURCE TARGET BOM(0|1)
    { ((${3})) && printf '\xef\xbb\xbf'; sed "s/\r\$//; s/@VERSION@/$version/g; s/\$/\r/" -- "$1"; } >"$2"
}
# strip would stamp the time here; 0, as the linker leaves it, keeps the header free of one.
SOURCE_DATE_EPOCH=0 "$machine-w64-mingw32-strip" -o "$files/TangReader.exe" "$build_dir/TangReader.exe"
# The version resource comes from the same VERSION file; a stale build folder would not match.
strings -el "$files/TangReader.exe" | grep -qxF "$version" ||
    { echo "package: TangReader.exe does not carry version $version" >&2; exit 1; }
cp -- "$root/data/ts.txt" "$files/ts.txt"
# README.txt, not 说明.txt: Windows' own unzip (Explorer, up to Windows 10) ignores the zip's
# UTF-8 name flag and reads names in the OEM code page, so a Chinese name would arrive garbled
# everywhere but on some Chinese systems. Every name in the zip stays ASCII.
windows_text "$root/packaging/README.txt" "$files/README.txt" 1
windows_text "$root/LICENSE" "$files/LICENSE.txt" 1
windows_text "$root/data/LICENSE-chinese-poetry.txt" "$files/LICENSE-chinese-poetry.txt" 0
windows_text "$root/data/LICENSE-pinyin.txt" "$files/LICENSE-pinyin.txt" 1
chmod 0644 "$files"/*
touch -h -d "@$SOURCE_DATE_EPOCH" "$files"/* "$files"

zip=$out/$folder-win32.zip
setup=$out/$folder-setup.exe
rm -f -- "$zip" "$setup" "$out/SHA256SUMS"
python3 "$root/packaging/make_zip.py" "$stage" "$folder" "$zip" "$SOURCE_DATE_EPOCH"

# The digests of every ts.txt ever shipped, today's included, for the installer's checks.
shipped_nsh=$build_dir/shipped-ts.nsh
{
    echo '!macro MATCH_SHIPPED_TS_HASHES'
    { grep -v '^#' "$root/packaging/shipped-ts.sha256" | awk 'NF { print $1 }'; sha256sum "$files/ts.txt" | cut -d' ' -f1; } |
        sort -u | while read -r digest; do
            printf '    StrCmp $R1 "%s" 0 +2\n    StrCpy $R2 1\n' "$digest"
        done
    echo '!macroend'
} >"$shipped_nsh"

makensis -V2 -INPUTCHARSET UTF8 -NOCD "${nsis_target[@]}" \
    "-X!addincludedir $root/packaging" \
    "-DVERSION=$version" "-DVERSION_QUAD=$version_quad" "-DSTAGE=$files" \
    "-DICON=$root/resources/reader.ico" "-DOUT_FILE=$setup" "-DSHIPPED_TS_NSH=$shipped_nsh" \
    "$root/packaging/TangReader.nsi"

touch -d "@$SOURCE_DATE_EPOCH" "$zip" "$setup"
(cd "$out" && sha256sum -- "${zip##*/}" "${setup##*/}" >SHA256SUMS)
echo "package: in ${out#"$root"/}:"
(cd "$out" && ls -l --time-style=+ -- "${zip##*/}" "${setup##*/}" SHA256SUMS | awk '{ print "  " $5 "  " $NF }')
sed 's/^/  /' "$out/SHA256SUMS"
