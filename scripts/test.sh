#!/usr/bin/env bash
# Builds everything and runs every test through CTest, with the windows offscreen. Under CI
# (CI set) warnings are errors, the Debian package is built and checked, each fuzzer runs for
# 30 seconds from the committed corpus, and the whole suite runs again with AddressSanitizer,
# UndefinedBehaviorSanitizer and LeakSanitizer, where any report fails the run; the hint's
# count, shared out over threads, runs with ThreadSanitizer too. The tests'
# size against the code's is reported, and under CI must stay in range.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
warn=OFF
[ -n "${CI:-}" ] && warn=ON
configure "$BUILD" -DQUORBEL_WERROR=$warn
grep -q "^QUORBEL_WERROR:BOOL=$warn$" "$BUILD/CMakeCache.txt" ||
  cmake -S "$ROOT" -B "$BUILD" -DQUORBEL_WERROR=$warn >/dev/null
cmake --build "$BUILD"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD" --output-on-failure -j2

# The tests stay between a quarter and four tenths of the code they guard, by lines; past
# that they start restating the code. Under CI a ratio out of range fails the run.
lineas() { find "$@" \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 cat | wc -l; }
awk -v t="$(lineas "$ROOT/tests" "$ROOT/fuzz")" -v c="$(lineas "$ROOT/src")" -v ci="${CI:-}" 'BEGIN {
  r = t / c; printf "tests %d lines, code %d lines: ratio %.3f\n", t, c, r
  if (r < 0.25 || r > 0.40) { print "the ratio must stay between 0.25 and 0.40"; exit ci != "" }
}'

if [ -n "${CI:-}" ] || [ -n "${QUORBEL_PAQUETE:-}" ]; then
  bash "$ROOT/scripts/paquete.sh" "$BUILD"
fi

if [ -n "${CI:-}" ] || [ -n "${QUORBEL_FUZZ:-}" ]; then
  FUZZ=$ROOT/build-fuzz
  configure "$FUZZ" -DCMAKE_CXX_COMPILER=clang++ -DQUORBEL_APP=OFF -DQUORBEL_TESTS=OFF \
    -DQUORBEL_BENCH=OFF -DQUORBEL_FUZZ=ON -DQUORBEL_WERROR=$warn
  cmake --build "$FUZZ"
  ctest --test-dir "$FUZZ" --output-on-failure -j2
fi

if [ -n "${CI:-}" ] || [ -n "${QUORBEL_SANITIZE:-}" ]; then
  SAN=$ROOT/build-sanitize
  configure "$SAN" -DCMAKE_BUILD_TYPE=Debug -DQUORBEL_SANITIZE=ON -DQUORBEL_BENCH=OFF \
    -DQUORBEL_WERROR=$warn
  cmake --build "$SAN"
  export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  ctest --test-dir "$SAN" --output-on-failure -j2

  TSAN=$ROOT/build-tsan
  configure "$TSAN" -DQUORBEL_TSAN=ON -DQUORBEL_APP=OFF -DQUORBEL_BENCH=OFF -DQUORBEL_WERROR=$warn
  cmake --build "$TSAN" --target quorbel_game_tests
  TSAN_OPTIONS=halt_on_error=1 "$TSAN/tests/game/quorbel_game_tests" --gtest_filter='Posibles.Counts*:Memoria*'
fi
