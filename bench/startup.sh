#!/usr/bin/env bash
# Start-up time and memory of the real program under Xvfb.
#
#   bench/startup.sh [RUNS]     (5 runs unless told)
#
# Each run starts the game in a fresh folder, times process start to the first window mapped
# (the about box), closes the about box, plays one game of ten rows with xdotool, and reads
# the peak resident memory after about ten seconds. Prints every run and the medians.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BIN=${QUORBEL_BIN:-$ROOT/build/src/app/quorbel}
RUNS=${1:-5}
[ -x "$BIN" ] || { echo "build the game first: scripts/run.sh or scripts/test.sh" >&2; exit 1; }
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "needs $tool (apt-get install xvfb xdotool)" >&2; exit 1; }
done

d=91
while [ -e /tmp/.X11-unix/X$d ] || [ -e /tmp/.X$d-lock ]; do d=$((d + 1)); done
Xvfb :$d -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY=:$d
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

click() { xdotool mousemove "$1" "$2" click 1; sleep 0.05; }
times=()
peaks=()
for run in $(seq "$RUNS"); do
  rm -f "$work/Quorbel.ini"
  start=$(date +%s%N)
  (cd "$work" && exec "$BIN") >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name Quorbel >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "the game did not start" >&2; exit 1; }
    sleep 0.002
  done
  shown=$(date +%s%N)
  click 640 400  # the about box, centred on the screen
  sleep 0.3
  # The default window sits centred at x 440, y 149; pieces and "OK" lie on its top band.
  for row in $(seq 10); do
    for piece in 1 2 3 4; do click $((460 + 25 * ((piece + row) % 10))) 188; done
    click 804 188
  done
  while [ $(($(date +%s%N) - start)) -lt 10000000000 ]; do sleep 0.2; done
  peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  ms=$(((shown - start) / 1000000))
  echo "run $run: first window after ${ms} ms, peak memory $((peak / 1024)) MiB"
  times+=("$ms")
  peaks+=("$peak")
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
echo "median: first window after $(median "${times[@]}") ms," \
  "peak memory $(($(median "${peaks[@]}") / 1024)) MiB"
