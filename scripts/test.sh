#!/usr/bin/env bash
# Builds everything and runs every test through CTest, with the windows offscreen.
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
