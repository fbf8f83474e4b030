#!/usr/bin/env bash
# Slydra as a Debian user gets it: builds the release preset in build/release, makes
# the Debian package with CPack, checks the desktop entry, the AppStream
# metadata, the icons and the manual page in it, installs it with apt, plays
# the installed /usr/bin/slydra under Xvfb with the end-to-end test
# (tests/e2e/installed_game.py), and removes the package again. tools/test.sh
# runs it last, as the CTest test "package" (tools/package-check.sh --when-asked).
#
# It installs and removes the package "slydra", replacing one installed before.
# SLYDRA_PACKAGE_CHECK=0 skips it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD
build=build/release
start=$SECONDS

say() { echo "package-check: $*"; }
fail() { echo "package-check: FAIL: $*" >&2; exit 1; }

# As the CTest test "package" it runs only when asked, and tells CTest it was skipped otherwise.
if [ "${1:-}" = --when-asked ] && [ "${SLYDRA_PACKAGE_CHECK:-}" != 1 ]; then
  say "skipped: it installs a system package, so it runs only with SLYDRA_PACKAGE_CHECK=1"
  exit 77
fi
if [ "${SLYDRA_PACKAGE_CHECK:-1}" = 0 ]; then
  say "skipped (SLYDRA_PACKAGE_CHECK=0)"
  exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null 2>&1 || fail "apt needs root, and sudo is not available"
  sudo=(sudo)
fi

# The same tree tools/play.sh builds, so either one reuses the other's work.
if [ -f "$build/CMakeCache.txt" ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$build/CMakeCache.txt"; then
  rm -rf "$build"
fi
mkdir -p "$build"
log="$build/package.log"
say "building the Release tree and the package in $build"
rm -f "$build"/slydra_*.deb
if ! { cmake --preset release && cmake --build --preset release && (cd "$build" && cpack -G DEB); } >"$log" 2>&1; then
  tail -n 40 "$log" >&2
  fail "the build or cpack failed; the full log is $log"
fi
debs=("$build"/slydra_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single slydra_*.deb in $build"
deb=$root/${debs[0]}
say "built $(basename "$deb") in $((SECONDS - start)) s"

# ---- what the package holds ------------------------------------------------
depends=$(dpkg-deb -f "$deb" Depends)
say "Depends: $depends"
[[ $depends == *libqt6widgets6* ]] || fail "the dependencies were not computed from the binary (no libqt6widgets6)"

unpacked=$(mktemp -d "${TMPDIR:-/tmp}/slydra-deb.XXXXXX")
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
usr=$unpacked/usr

entries=("$usr"/share/applications/*.desktop)
[ ${#entries[@]} -eq 1 ] && [ -f "${entries[0]}" ] || fail "the package holds no single desktop entry"
id=$(basename "${entries[0]}" .desktop)
say "desktop entry $id"
desktop-file-validate "${entries[0]}" || fail "desktop-file-validate rejects ${entries[0]##*/}"
grep -qx "Icon=$id" "${entries[0]}" || fail "the desktop entry's Icon is not $id"
grep -qx 'Exec=slydra' "${entries[0]}" || fail "the desktop entry does not run slydra"

metainfo=$usr/share/metainfo/$id.metainfo.xml
[ -f "$metainfo" ] || fail "no AppStream metadata at share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" >"$unpacked/appstream.log" 2>&1 \
  || { cat "$unpacked/appstream.log" >&2; fail "appstreamcli rejects the metadata"; }
grep -q "<id>$id</id>" "$metainfo" || fail "the metadata's id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
  || fail "the metadata does not launch $id.desktop"

for size in 16 32 48 64 128 256; do
  icon=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$icon" ] || fail "no ${size}x${size} icon"
  file -b "$icon" | grep -q "PNG image data, $size x $size," || fail "the ${size}x${size} icon is $(file -b "$icon")"
done

page=$usr/share/man/man6/slydra.6.gz
[ -f "$page" ] || fail "no manual page at share/man/man6/slydra.6.gz"
warnings=$(zcat "$page" | groff -man -ww -z 2>&1) || fail "groff cannot read the manual page"
[ -z "$warnings" ] || fail "the manual page has warnings: $warnings"

# Wayland compositors match the window to its entry by the app id the game sets.
strings -el "$usr/bin/slydra" | grep -qx "$id" || fail "the game does not name itself $id"
say "desktop entry, metadata, icons and manual page are valid"

# ---- installed with apt, played, removed -----------------------------------
apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -q -o Dpkg::Use-Pty=0 -o DPkg::Lock::Timeout=300)
if dpkg-query -W -f='${Status}' slydra 2>/dev/null | grep -q 'ok installed'; then
  say "note: replacing the slydra package installed before"
fi
remove() { "${apt[@]}" remove slydra </dev/null >>"$log" 2>&1; }
trap 'remove || true; rm -rf "$unpacked"' EXIT
"${apt[@]}" install --no-install-recommends "$deb" </dev/null >>"$log" 2>&1 \
  || { tail -n 30 "$log" >&2; fail "apt-get install $deb failed"; }
[ -x /usr/bin/slydra ] || fail "the package put no /usr/bin/slydra"
say "installed; playing /usr/bin/slydra under Xvfb"

/usr/bin/python3 tests/e2e/installed_game.py --prefix /usr || fail "the installed game failed the end-to-end test"

remove || { tail -n 30 "$log" >&2; fail "apt-get remove slydra failed"; }
trap 'rm -rf "$unpacked"' EXIT
[ ! -e /usr/bin/slydra ] || fail "/usr/bin/slydra is still there after apt-get remove"
say "PASS: packaged, installed, played and removed in $((SECONDS - start)) s"
