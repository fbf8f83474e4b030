#!/usr/bin/env bash
# Installs what is missing, builds Slydra (the release preset of
# CMakePresets.json) into build/release and starts the game.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
build=build/release

bash tools/install-deps.sh

if [ -f "$build/CMakeCache.txt" ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$build/CMakeCache.txt"; then
  rm -rf "$build"
fi

echo "play.sh: building Slydra in $build"
mkdir -p "$build"
log="$build/build.log"
if ! { cmake --preset release && cmake --build --preset release; } >"$log" 2>&1; then
  tail -n 40 "$log" >&2
  echo "play.sh: the build failed; the full log is $log" >&2
  exit 1
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "play.sh: no display (DISPLAY and WAYLAND_DISPLAY are unset): Slydra is built at $build/slydra" \
       "but needs a desktop session to open its window" >&2
  exit 1
fi

exec "$build/slydra" "$@"
