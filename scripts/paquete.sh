#!/usr/bin/env bash
# Checks the Debian package with the ecosystem's own tools: the desktop entry and the AppStream
# metadata validate, the package holds every file and lintian finds no error, and the command
# unpacked from it (not installed) answers --help and --version without a display, keeps its
# settings in ~/.config/Quorbel (moving an old ~/Quorbel.ini there) and finds its
# instructions in the documentation folder.
# Run by test.sh under CI; BUILD is the configured build folder.
set -euo pipefail
BUILD=${1:?usage: paquete.sh BUILD}
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ID=org.example.Quorbel

desktop-file-validate "$ROOT/resources/$ID.desktop"
appstreamcli validate --no-net "$BUILD/resources/$ID.metainfo.xml"

cmake --build "$BUILD" --target package
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
deb="$BUILD/quorbel_${version}_amd64.deb"
contenido=$(dpkg-deb --contents "$deb")
for f in usr/games/quorbel usr/libexec/quorbel/quorbel usr/share/applications/$ID.desktop \
  usr/share/icons/hicolor/scalable/apps/$ID.svg usr/share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/$ID.png \
  usr/share/metainfo/$ID.metainfo.xml usr/share/doc/quorbel/{Instrucciones.htm,copyright,changelog.gz} \
  usr/share/man/man6/quorbel.6.gz; do
  grep -q " \./$f\$" <<<"$contenido" || { echo "the package lacks $f" >&2; exit 1; }
done
lintian --fail-on error --allow-root "$deb"

# The unpacked command, started under a virtual display from the home folder as a desktop
# starts it, with the settings an earlier version left there, asked for "Como Jugar" (F1):
# the desktop's opener, stood in for, must receive the document from the documentation folder.
trabajo=$(mktemp -d)
xvfb=""
trap 'kill $xvfb $programa 2>/dev/null || true; rm -rf "$trabajo"' EXIT
dpkg-deb -x "$deb" "$trabajo/raiz"
quorbel=$trabajo/raiz/usr/games/quorbel
if [ "$(env -u DISPLAY "$quorbel" --version)" != "quorbel $version" ] ||
  ! env -u DISPLAY "$quorbel" --help | grep -qF '/.config/Quorbel'; then
  echo "the unpacked command does not answer --version and --help" >&2
  exit 1
fi
casa=$trabajo/casa
mkdir "$casa"
printf '1\r\n0\r\n1\r\n"6"\r\n"12"\r\n"10"\r\n' | tee "$trabajo/ajustes" >"$casa/Quorbel.ini"
mkdir "$trabajo/bin"
printf '#!/bin/sh\necho "$@" >> "%s/abierto"\n' "$trabajo" >"$trabajo/bin/xdg-open"
chmod +x "$trabajo/bin/xdg-open"
d=90
while [ -e /tmp/.X11-unix/X$d ] || [ -e /tmp/.X$d-lock ]; do d=$((d + 1)); done
Xvfb :$d -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:$d
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
(cd "$casa" && HOME="$casa" PATH="$trabajo/bin:$PATH" QT_QPA_PLATFORM=xcb \
  exec env -u XDG_CONFIG_HOME -u XDG_DATA_HOME "$quorbel") >/dev/null 2>&1 &
programa=$!
for _ in $(seq 100); do xdotool search --onlyvisible --name Quorbel >/dev/null 2>&1 && break; sleep 0.1; done
xdotool key q   # closes the about box
sleep 0.5
xdotool key F1
for _ in $(seq 100); do [ -s "$trabajo/abierto" ] && break; sleep 0.1; done
esperado="file://$trabajo/raiz/usr/share/doc/quorbel/Instrucciones.htm"
if [ "$(cat "$trabajo/abierto" 2>/dev/null)" != "$esperado" ]; then
  echo "the unpacked program opened '$(cat "$trabajo/abierto" 2>/dev/null)', not $esperado" >&2
  exit 1
fi
if [ -e "$casa/Quorbel.ini" ] || ! cmp -s "$trabajo/ajustes" "$casa/.config/Quorbel/Quorbel.ini"; then
  echo "the settings did not move whole from ~/Quorbel.ini to ~/.config/Quorbel" >&2
  exit 1
fi
echo "package checked: $deb"
