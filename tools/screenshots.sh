#!/usr/bin/env bash
# Takes the README's pictures in docs/images/ anew: builds Slydra and the
# screenshot driver (Release, in build/shots), installs the game into
# build/shots/stage and plays it in a private Xvfb, with settings and records
# of its own: the 4x4 letter board, the Best Scores dialog over a few crafted
# records, the Options dialog and a scrambled 5x5 board cut from a picture the
# driver draws. Run it after changing anything the pictures show.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
build=build/shots
out=docs/images

bash tools/install-deps.sh

if [ -f "$build/CMakeCache.txt" ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$build/CMakeCache.txt"; then
  rm -rf "$build"
fi
mkdir -p "$build"
log="$build/build.log"
echo "screenshots.sh: building in $build"
if ! { cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSLYDRA_TESTS=ON \
       && cmake --build "$build" --parallel 2 --target slydra slydra_manpage screenshot_driver \
       && rm -rf "$build/stage" \
       && cmake --install "$build" --prefix "$build/stage"; } >"$log" 2>&1; then
  tail -n 40 "$log" >&2
  echo "screenshots.sh: the build failed; the full log is $log" >&2
  exit 1
fi

"$build/tests/e2e/screenshot_driver" --prefix "$build/stage" --xvfb "$(command -v Xvfb)" --out "$out"
echo "screenshots.sh: the pictures are in $out"
