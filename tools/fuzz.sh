#!/usr/bin/env bash
# Builds every fuzz target of tools/fuzz/CMakeLists.txt with clang's libFuzzer
# (AddressSanitizer and UndefinedBehaviorSanitizer on) and runs each in turn
# for SECONDS seconds, 60 by default, on its seeds, and with
# SLYDRA_FUZZ_KEEP=1 on the corpus it grew before too. CTest runs it for 20 s a
# target from the seeds alone, so that each run is the same test (the test
# "fuzz", label fuzz).
#
#   tools/fuzz.sh [SECONDS] [TARGET...]
#
# SLYDRA_FUZZ_BUILD names the build folder, build/fuzz by default. A target's
# corpus grows in its corpus/NAME; a target's options in its slydra_fuzz line
# override the defaults here; a crash leaves its input in the build
# folder as NAME-crash-*, -leak-*, -oom-* or -timeout-*, and the run exits
# non-zero. Replay one with: build/fuzz/NAME FILE
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD
seconds=${1:-60}
shift || true
build=${SLYDRA_FUZZ_BUILD:-build/fuzz}

bash tools/install-deps.sh >/dev/null
if [ -f "$build/CMakeCache.txt" ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$build/CMakeCache.txt"; then
  rm -rf "$build"
fi
mkdir -p "$build"
if ! { cmake -S tools/fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
       && cmake --build "$build" --parallel 2; } >"$build/build.log" 2>&1; then
  tail -n 40 "$build/build.log" >&2
  echo "fuzz.sh: the fuzz targets do not build; the full log is $build/build.log" >&2
  exit 1
fi

# The memory limit is the program's: freed memory AddressSanitizer holds back
# to catch a late use counts against it, so little is held.
export ASAN_OPTIONS="detect_leaks=1:quarantine_size_mb=32${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
cd "$build"
while read -r name options; do
  [ $# -eq 0 ] || [[ " $* " == *" $name "* ]] || continue
  # The seeds afresh from their lines: a name, then hex bytes, HEX*N for N times HEX.
  rm -rf "seeds/$name"
  [ "${SLYDRA_FUZZ_KEEP:-0}" = 1 ] || rm -rf "corpus/$name"
  mkdir -p "seeds/$name" "corpus/$name"
  if [ -f "$root/tools/fuzz/$name.seeds" ]; then
    python3 -c 'import sys, pathlib
for line in open(sys.argv[1]):
    if line.strip() and not line.startswith("#"):
        name, *groups = line.split()
        parts = [(g.split("*") + ["1"])[:2] for g in groups]
        pathlib.Path(sys.argv[2], name).write_bytes(b"".join(bytes.fromhex(h) * int(n) for h, n in parts))' \
      "$root/tools/fuzz/$name.seeds" "seeds/$name"
  fi
  dict=()
  [ -f "$root/tools/fuzz/$name.dict" ] && dict=("-dict=$root/tools/fuzz/$name.dict")
  echo "fuzz.sh: $name for $seconds s"
  # shellcheck disable=SC2086
  "./$name" "corpus/$name" "seeds/$name" "${dict[@]}" -rss_limit_mb=512 -timeout=5 $options \
    -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$name-" </dev/null 2>"$name.log" \
    || { tail -n 60 "$name.log" >&2; echo "fuzz.sh: $name failed; its log is $build/$name.log" >&2; exit 1; }
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)' "$name.log" || true
done <targets
