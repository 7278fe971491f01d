#!/usr/bin/env bash
# Builds the game when anything changed, then starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
configure "$BUILD"
cmake --build "$BUILD" --target quorbel
exec "$BUILD/src/app/quorbel" "$@"
