#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing Slydra need,
# and only those that are missing. Safe to run again and again.
set -euo pipefail

packages=(
  build-essential cmake ninja-build        # compiler and build tools
  qt6-base-dev qt6-qpa-plugins libgl-dev   # Qt 6 Widgets, its xcb/offscreen plugins, the GL headers Qt6Gui's CMake package asks for
  qt6-image-formats-plugins libpng-dev     # pictures: Qt's WebP and TIFF readers; libpng, which reads a PNG's top rows alone
  qt6-tools-dev qt6-l10n-tools             # the translations: Qt6LinguistTools for CMake, lupdate and lrelease
  qt6-translations-l10n fonts-wqy-microhei # Qt's own texts in each language; a Chinese and Japanese font for the tests
  libgtest-dev googletest                  # core tests
  clang libclang-rt-14-dev                 # the fuzz targets: clang with its libFuzzer
  xvfb xdotool python3-xlib python3-pil    # the real-window test: drive, grab and read the window
  openbox                                  # a window manager in one end-to-end pass, so that maximising is real
  imagemagick                              # pictures for the README and the benchmarks
  fonts-dejavu-core                        # a font, so labels and menus render text
  dpkg-dev file                            # the Debian package: dpkg-shlibdeps, and file for CPack
  desktop-file-utils appstream groff-base  # checks of the desktop entry, the metadata and the manual page
)

if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
  echo "install-deps: not a Debian system (no dpkg-query/apt-get); make sure these are installed: ${packages[*]}" >&2
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all ${#packages[@]} packages already installed"
  exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "install-deps: missing packages (${missing[*]}) and not root, and sudo is not available" >&2
    exit 1
  fi
  sudo=(sudo)
fi

echo "install-deps: installing ${missing[*]}"
log=$(mktemp "${TMPDIR:-/tmp}/slydra-apt.XXXXXX")
trap 'rm -f "$log"' EXIT
apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -q
     -o Dpkg::Use-Pty=0 -o DPkg::Lock::Timeout=300)
if ! { "${apt[@]}" update && "${apt[@]}" install --no-install-recommends "${missing[@]}"; } </dev/null >"$log" 2>&1; then
  echo "install-deps: apt-get failed; its last lines:" >&2
  tail -n 30 "$log" >&2
  exit 1
fi
echo "install-deps: done"
