#!/usr/bin/env bash
# Builds Slydra with AddressSanitizer and UndefinedBehaviorSanitizer, installs it
# into a staging prefix, and runs the whole test suite on that build: the core
# tests, the widget tests on the offscreen platform and the installed game in a
# real X window under Xvfb; then the Debian package (tools/package-check.sh).
# This is what CI runs. Exits non-zero on any failure.
#
# SLYDRA_WERROR=0 builds with warnings reported but not fatal.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD
build=build/asan
start=$SECONDS

bash tools/install-deps.sh

# Sanitizer settings for everything built here: the test programs, the game the
# end-to-end test starts, and the test discovery that runs during the build.
export ASAN_OPTIONS="halt_on_error=1:print_stacktrace=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$root/tools/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
# A widget test stuck in a modal loop fails after two minutes, not QtTest's five.
export QTEST_FUNCTION_TIMEOUT="${QTEST_FUNCTION_TIMEOUT:-120000}"

# A tree configured earlier with another generator cannot be reused.
if [ -f "$build/CMakeCache.txt" ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$build/CMakeCache.txt"; then
  echo "test.sh: $build was configured with another generator; starting it afresh"
  rm -rf "$build"
fi

cmake -S . -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=Debug \
  -DSLYDRA_SANITIZE=ON \
  -DSLYDRA_TESTS=ON \
  -DCMAKE_COMPILE_WARNING_AS_ERROR="${SLYDRA_WERROR:-ON}"
cmake --build "$build" --parallel 2

rm -rf "$build/stage"
cmake --install "$build" --prefix "$build/stage"

echo "test.sh: built and installed in $((SECONDS - start)) s; running the tests"
ctest --test-dir "$build" --output-on-failure -j2 --timeout 600

# The Debian package, installed with apt, played and removed again.
bash tools/package-check.sh
