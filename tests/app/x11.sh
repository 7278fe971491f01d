#!/usr/bin/env bash
# Runs a window test on a virtual X display of its own with the xcb platform, with no window
# manager or under the one named: x11.sh ninguno|openbox TEST [ARG...]. Skips (exit 77) where
# Xvfb or the window manager is missing.
set -euo pipefail
gestor=$1
shift
command -v Xvfb >/dev/null || { echo "no Xvfb: skipped"; exit 77; }
[ "$gestor" = ninguno ] || command -v "$gestor" >/dev/null || { echo "no $gestor: skipped"; exit 77; }

dir=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$dir"' EXIT
# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$dir/pantalla" 2>/dev/null &
pids+=($!)
for _ in $(seq 200); do [ -s "$dir/pantalla" ] && break; sleep 0.05; done
[ -s "$dir/pantalla" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -n1 "$dir/pantalla") QT_QPA_PLATFORM=xcb
# No session bus on this display: Qt would otherwise try to launch one through it.
export DBUS_SESSION_BUS_ADDRESS=disabled:
if [ "$gestor" != ninguno ]; then
  "$gestor" --startup "touch $dir/listo" >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 200); do [ -e "$dir/listo" ] && break; sleep 0.05; done
  [ -e "$dir/listo" ] || { echo "$gestor did not start"; exit 1; }
fi
"$@"
