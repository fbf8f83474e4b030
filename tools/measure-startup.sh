#!/usr/bin/env bash
# Measures Slydra's start-up against a bare Qt Widgets dialog of the same size
# (bench/baseline_dialog.cpp), in a private Xvfb, runs interleaved:
#
#   baseline  the empty 240 x 294 dialog
#   text      the same dialog showing the text of the game's first frame (its
#             menu bar and labels) in plain Qt widgets: the cost of Qt's font
#             system, which any window with text pays (shown for information)
#   game      Slydra with the built-in letter sheet (first start settings)
#   photo     Slydra with a 24-megapixel JPEG as the tile picture
#   progressive  the same photo as a progressive JPEG (shown for information:
#             its lines are spread over all its scans, so the whole file is
#             decoded whatever part of it the board shows)
#
# Each run is timed from exec to the first complete frame of its window on the
# X server (bench/startup_probe.cpp watches the server's damage reports), and
# its peak resident memory is read when it ends, 200 ms after that frame.
# Prints the medians, the ratios and differences, and the verdict against the
# targets; exits 1 when a target is missed.
#
#   tools/measure-startup.sh            11 runs of each
#   RUNS=21 tools/measure-startup.sh    more runs
#   BUILD=build/perf tools/measure-startup.sh   another Release build folder
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD
runs=${RUNS:-11}
build=${BUILD:-build/release}
settle_ms=${SETTLE_MS:-200}

# Targets: start-up at most 1.15 x the baseline and 6 MiB more memory; the
# photo adds at most 40 ms and 8 MiB to the game with its letter sheet.
max_ratio=1.15
max_rss_kb=$((6 * 1024))
max_photo_ms=40
max_photo_kb=$((8 * 1024))

if [ "$runs" -lt 9 ]; then
  echo "measure-startup: at least 9 runs of each (RUNS=$runs)" >&2
  exit 2
fi
for tool in cmake ninja Xvfb; do
  command -v "$tool" >/dev/null || { echo "measure-startup: $tool is missing (tools/install-deps.sh installs it)" >&2; exit 2; }
done

if [ -f "$build/CMakeCache.txt" ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$build/CMakeCache.txt"; then
  echo "measure-startup: $build was configured with another generator; use BUILD=another/folder" >&2
  exit 2
fi
echo "measure-startup: building the game and the baseline (Release) in $build"
log=$(mktemp "${TMPDIR:-/tmp}/slydra-measure-build.XXXXXX")
if ! { cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSLYDRA_TESTS=OFF \
       && cmake --build "$build" --parallel 2 --target slydra baseline_dialog startup_probe make_bench_pictures; } \
     >"$log" 2>&1; then
  tail -n 40 "$log" >&2
  echo "measure-startup: the build failed (startup_probe needs the xcb headers of libx11-dev)" >&2
  exit 1
fi
rm -f "$log"
grep -q '^CMAKE_BUILD_TYPE:STRING=Release$' "$build/CMakeCache.txt" \
  || { echo "measure-startup: $build is not a Release build" >&2; exit 2; }

game=$root/$build/slydra
baseline=$root/$build/bench/baseline_dialog
probe=$root/$build/bench/startup_probe

work=$(mktemp -d "${TMPDIR:-/tmp}/slydra-measure.XXXXXX")
xvfb_pid=
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

echo "measure-startup: writing the 24-megapixel photos"
mkdir -p "$work/pictures"
"$root/$build/bench/make_bench_pictures" "$work/pictures"
photo=$work/pictures/photo24mp.jpg
progressive=$work/pictures/photo24mp-progressive.jpg

# A private X server; -noreset keeps it from restarting between runs.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
display=
for _ in $(seq 100); do
  display=$(tr -dc 0-9 <"$work/display")
  [ -n "$display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2; echo "measure-startup: Xvfb did not start" >&2; exit 1; }
  sleep 0.1
done
[ -n "$display" ] || { echo "measure-startup: Xvfb gave no display number" >&2; exit 1; }

# Each kind of run has its own settings and data folders, as on a fresh
# account; the game's stats file is written by the first (warm-up) run.
for kind in baseline text game photo progressive; do
  mkdir -p "$work/$kind/config/Brevik" "$work/$kind/data" "$work/$kind/runtime"
  chmod 700 "$work/$kind/runtime"
done
printf '[Settings]\nUsePic=1\nLocation=%s\n' "$photo" >"$work/photo/config/Brevik/Slydra.conf"
printf '[Settings]\nUsePic=1\nLocation=%s\n' "$progressive" >"$work/progressive/config/Brevik/Slydra.conf"

run() {  # kind -> "frame_ms maxrss_kb"
  local kind=$1 program=("$game")
  [ "$kind" = baseline ] && program=("$baseline")
  [ "$kind" = text ] && program=("$baseline" --text)
  local out
  out=$(env DISPLAY=":$display" QT_QPA_PLATFORM=xcb \
          XDG_CONFIG_HOME="$work/$kind/config" XDG_DATA_HOME="$work/$kind/data" \
          XDG_RUNTIME_DIR="$work/$kind/runtime" \
          "$probe" --settle-ms "$settle_ms" -- "${program[@]}") \
    || { echo "measure-startup: the $kind run failed" >&2; exit 1; }
  local frame=${out#*frame_ms=}; frame=${frame%% *}
  local rss=${out#*maxrss_kb=}; rss=${rss%% *}
  local window=${out#*window=}
  [ "$window" = 240x294 ] || { echo "measure-startup: the $kind window is $window, not 240x294" >&2; exit 1; }
  echo "$frame $rss"
}

kinds=(baseline text game photo progressive)
echo "measure-startup: one warm-up run of each, then $runs of each, interleaved, on display :$display"
for kind in "${kinds[@]}"; do run "$kind" >/dev/null; done
: >"$work/results"
for ((i = 0; i < runs; ++i)); do
  # Rotate the order so that no kind always follows the same one.
  for ((k = 0; k < ${#kinds[@]}; ++k)); do
    kind=${kinds[$(((i + k) % ${#kinds[@]}))]}
    echo "$kind $(run "$kind")" >>"$work/results"
  done
done

median() {  # kind column
  awk -v kind="$1" -v col="$2" '$1 == kind { print $col }' "$work/results" | sort -g \
    | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
spread() {  # kind column -> "min..max"
  awk -v kind="$1" -v col="$2" '$1 == kind { print $col }' "$work/results" | sort -g \
    | awk 'NR == 1 { lo = $1 } { hi = $1 } END { printf "%s..%s", lo, hi }'
}

base_ms=$(median baseline 2); game_ms=$(median game 2); photo_ms=$(median photo 2)
base_kb=$(median baseline 3); game_kb=$(median game 3); photo_kb=$(median photo 3)
prog_ms=$(median progressive 2); prog_kb=$(median progressive 3)
text_ms=$(median text 2); text_kb=$(median text 3)

awk -v runs="$runs" -v bm="$base_ms" -v gm="$game_ms" -v pm="$photo_ms" \
    -v bk="$base_kb" -v gk="$game_kb" -v pk="$photo_kb" -v qm="$prog_ms" -v qk="$prog_kb" -v tm="$text_ms" -v tk="$text_kb" \
    -v bms="$(spread baseline 2)" -v gms="$(spread game 2)" -v pms="$(spread photo 2)" -v qms="$(spread progressive 2)" -v tms="$(spread text 2)" \
    -v max_ratio="$max_ratio" -v max_rss="$max_rss_kb" -v max_pms="$max_photo_ms" -v max_pkb="$max_photo_kb" '
function verdict(ok) { if (!ok) failed = 1; return ok ? "ok" : "MISSED" }
BEGIN {
  printf "\nmedians of %d interleaved runs each (exec to first complete frame; peak resident memory)\n", runs
  printf "  %-11s %9s ms  (%s)   %8.1f MiB\n", "baseline", bm, bms, bk / 1024
  printf "  %-11s %9s ms  (%s)   %8.1f MiB\n", "text", tm, tms, tk / 1024
  printf "  %-11s %9s ms  (%s)   %8.1f MiB\n", "game", gm, gms, gk / 1024
  printf "  %-11s %9s ms  (%s)   %8.1f MiB\n", "photo", pm, pms, pk / 1024
  printf "  %-11s %9s ms  (%s)   %8.1f MiB\n", "progressive", qm, qms, qk / 1024
  printf "\n"
  printf "  start-up, game / baseline      %6.3f x    at most %.2f x      %s\n", gm / bm, max_ratio, verdict(gm / bm <= max_ratio)
  printf "  memory, game - baseline        %+6.2f MiB  at most %.2f MiB    %s\n", (gk - bk) / 1024, max_rss / 1024, verdict(gk - bk <= max_rss)
  printf "  start-up, photo - game         %+6.2f ms   at most %d ms       %s\n", pm - gm, max_pms, verdict(pm - gm <= max_pms)
  printf "  memory, photo - game           %+6.2f MiB  at most %.2f MiB    %s\n", (pk - gk) / 1024, max_pkb / 1024, verdict(pk - gk <= max_pkb)
  printf "\n  for information, the bare dialog showing the same text as the game (Qt'"'"'s font system):\n"
  printf "  start-up, text / baseline      %6.3f x\n", tm / bm
  printf "  start-up, game / text          %6.3f x\n", gm / tm
  printf "  memory, text - baseline        %+6.2f MiB\n", (tk - bk) / 1024
  printf "  memory, game - text            %+6.2f MiB\n", (gk - tk) / 1024
  printf "\n  for information, a progressive JPEG of the same photo (its whole file is decoded):\n"
  printf "  start-up, progressive - game   %+6.2f ms\n", qm - gm
  printf "  memory, progressive - game     %+6.2f MiB\n", (qk - gk) / 1024
  exit failed
}'
