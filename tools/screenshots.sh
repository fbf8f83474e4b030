#!/usr/bin/env bash
# Takes the README's pictures in docs/images/ anew: builds a Release Slydra in
# build/shots, installs it into build/shots/stage and lets tools/screenshots.py
# play it in a private Xvfb with settings and records of its own: the 4x4
# letter board, the Best Scores page over a few crafted records, the Options
# page and a scrambled 5x5 board cut from a picture it draws. Run it after changing anything the pictures show.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
build=build/shots

bash tools/install-deps.sh

if [ -f "$build/CMakeCache.txt" ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$build/CMakeCache.txt"; then
  rm -rf "$build"
fi
mkdir -p "$build"
log="$build/build.log"
echo "screenshots.sh: building in $build"
if ! { cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSLYDRA_TESTS=OFF \
       && cmake --build "$build" --parallel 2 --target slydra slydra_manpage \
       && rm -rf "$build/stage" \
       && cmake --install "$build" --prefix "$build/stage"; } >"$log" 2>&1; then
  tail -n 40 "$log" >&2
  echo "screenshots.sh: the build failed; the full log is $log" >&2
  exit 1
fi

/usr/bin/python3 tools/screenshots.py --prefix "$build/stage" --shots docs/images
echo "screenshots.sh: the pictures are in docs/images"
