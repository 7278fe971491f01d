#!/usr/bin/env bash
# Shared set-up for run.sh and test.sh: installs the Debian packages the build needs when
# any is missing, then configures the build folder once. Sourced, not run.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${QUORBEL_BUILD:-$ROOT/build}

PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgtest-dev
  libbenchmark-dev fonts-dejavu-core libgl-dev librsvg2-bin clang libclang-rt-14-dev
  dpkg-dev lintian desktop-file-utils appstream xvfb xdotool openbox)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_=""
  [ "$(id -u)" = 0 ] || sudo_="sudo"
  $sudo_ apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

configure() { # configure BUILD_DIR [extra cmake args...]
  local dir=$1
  shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  fi
}
