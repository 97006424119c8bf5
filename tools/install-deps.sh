#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages needed to build, run and test the reader:
# only those that are missing, so a second run costs a single dpkg query.
set -euo pipefail

packages=(
    # Native library build, unit tests, benchmarks and the fuzz target.
    g++ cmake make googletest libbenchmark-dev clang libclang-rt-dev
    # /usr/bin/time -v measures the loader's peak memory.
    time
    # The 32-bit Windows program (posix threads: GoogleTest needs std::mutex), and the
    # same sources for x86-64, which the tests run where no 32-bit code runs.
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
    # Running it: Wine with its 32-bit half, Wine's own fonts (caption buttons,
    # dialog faces) and CJK faces for the poems.
    wine wine32:i386 wine64 fonts-wine fonts-arphic-uming fonts-arphic-ukai
    # A display for headless runs, a usability probe for $DISPLAY, screenshots.
    xvfb x11-utils imagemagick
    # Printing for real in the tests: the CUPS scheduler, its PDF printer, and the tools
    # that read the PDF back (pdfinfo, pdftotext, pdftoppm).
    cups printer-driver-cups-pdf poppler-utils
    # The release packages: the installer (NSIS) and the reproducible zip (python3).
    nsis python3
)

if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
    echo "install-deps: this is not a Debian/Ubuntu system; install these yourself:" >&2
    echo "  ${packages[*]}" >&2
    exit 1
fi

# One query for all packages; unknown names only produce a message on stderr.
# Multi-Arch "same" packages come back as NAME:ARCH even for the native one.
native_arch=$(dpkg --print-architecture)
declare -A installed=()
while read -r name status; do
    [[ $status == ii* ]] || continue
    installed[$name]=1
    installed[${name%:"$native_arch"}]=1
done < <(dpkg-query -W -f='${binary:Package} ${db:Status-Abbrev}\n' "${packages[@]}" 2>/dev/null || true)

missing=()
for pkg in "${packages[@]}"; do
    [[ -n ${installed[$pkg]:-} ]] || missing+=("$pkg")
done

if ((${#missing[@]} == 0)); then
    echo "install-deps: all ${#packages[@]} packages present."
    exit 0
fi

as_root=()
if ((EUID != 0)); then
    if ! command -v sudo >/dev/null 2>&1; then
        echo "install-deps: missing packages (${missing[*]}), and neither root nor sudo is available." >&2
        exit 1
    fi
    as_root=(sudo)
fi

for pkg in "${missing[@]}"; do
    if [[ $pkg == *:i386 ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        echo "install-deps: adding the i386 architecture (for 32-bit Wine)"
        "${as_root[@]}" dpkg --add-architecture i386
        break
    fi
done

echo "Installing: ${missing[*]}"
apt_get=("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -q -o DPkg::Lock::Timeout=300)
"${apt_get[@]}" update
"${apt_get[@]}" install -y "${missing[@]}"
echo "install-deps: done."
