#!/usr/bin/env bash
# Builds the stats file fuzz target with clang's libFuzzer (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs it for SECONDS seconds, 60 by default.
# Installs clang and its runtime libraries on demand; CI does not run this.
#
#   tools/fuzz.sh [SECONDS] [extra libFuzzer options...]
#
# The corpus grows in build/fuzz/corpus and is reused by the next run; a crash
# leaves its input in build/fuzz/ as crash-*, leak-*, oom-* or timeout-*, and
# the run exits non-zero. Replay one with: build/fuzz/stats_codec_fuzz FILE
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
seconds=${1:-60}
shift || true
build=build/fuzz

# libFuzzer ships with clang's runtime libraries (libclang-rt-14-dev on Debian 12).
probe='extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }'
if ! command -v clang++ >/dev/null 2>&1 \
   || ! printf '%s\n' "$probe" | clang++ -fsanitize=fuzzer -x c++ - -o /dev/null 2>/dev/null; then
  sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "fuzz.sh: installing clang and libclang-rt-dev for libFuzzer"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -q update >/dev/null
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -q install --no-install-recommends \
    clang libclang-rt-dev >/dev/null
fi

# The codec is compiled into the target so that the fuzzer sees its branches.
mkdir -p "$build"
# shellcheck disable=SC2046
clang++ -std=c++17 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I. \
  $(pkg-config --cflags Qt6Core) tools/fuzz/StatsCodecFuzz.cpp scores/StatsCodec.cpp $(pkg-config --libs Qt6Core) \
  -o "$build/stats_codec_fuzz"

# Seeds: the defaults file, a 300-character name (16-bit length), 8-bit names,
# a 32-bit length after the marker and an 8-bit name with a 16-bit length.
seeds=$build/seeds
mkdir -p "$seeds" "$build/corpus"
seed() { printf '%b' "$(printf '%s' "${2// /}" | sed 's/\(..\)/\\x\1/g')" >"$seeds/$1"; }
ints='0F270000 0F0E0000 0F270000 0F0E0000 0F270000 0F0E0000'
anon='FFFEFF09 41006E006F006E0079006D006F0075007300'
seed defaults "$ints $anon $anon $anon $anon $anon $anon"
seed long-name "$ints FFFEFFFF2C01 $(printf '4100%.0s' {1..300}) $anon $anon $anon $anon $anon"
seed narrow "$ints 03616263 00 03616263 05E9E8E0E2E7 01FF 00"
seed length32 "$ints FFFEFFFFFFFF02000000 41004200 $anon $anon $anon $anon $anon"
seed narrow16 "$ints FF03006162 63 00 00 00 00 00"

export ASAN_OPTIONS="detect_leaks=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
# Inputs stay below 4 KiB, so no decode may ask for even one megabyte at once.
cd "$build"
exec ./stats_codec_fuzz corpus seeds -dict=../../tools/fuzz/stats.dict -max_len=4096 \
  -malloc_limit_mb=1 -rss_limit_mb=512 -timeout=5 -max_total_time="$seconds" -print_final_stats=1 "$@"
