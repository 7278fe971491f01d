#!/usr/bin/env bash
# The command line on a terminal without a display: --help and --version answer and end with
# status 0, anything else is named in a one-line error with the usage hint after it and ends
# with status 2; none of them opens a window (with no display, trying to would abort).
set -uo pipefail
PROGRAMA=${1:?usage: argumentos.sh PROGRAMA VERSION}
VERSION=${2:?usage: argumentos.sh PROGRAMA VERSION}
fallos=0
errores_de=$(mktemp)
trap 'rm -f "$errores_de"' EXIT
# arguments | status | stdout holds | stderr holds (each a grep -F pattern, empty: nothing)
while IFS='|' read -r argumentos estado salida errores; do
  # shellcheck disable=SC2086
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$PROGRAMA" $argumentos \
    2>"$errores_de")
  rc=$? err=$(cat "$errores_de")
  bien=1
  [ "$rc" = "$estado" ] || bien=0
  # Expected text where it belongs, and nothing on the other stream; an error is two lines.
  if [ -n "$salida" ]; then
    grep -qF -- "$salida" <<<"$out" && [ -z "$err" ] || bien=0
  else
    grep -qF -- "$errores" <<<"$err" && [ "$(wc -l <<<"$err")" = 2 ] && [ -z "$out" ] || bien=0
  fi
  if [ $bien = 0 ]; then
    echo "quorbel $argumentos: status $rc (want $estado), stdout '$out', stderr '$err'" >&2
    fallos=1
  fi
done <<EOT
--help|0|~/.config/Quorbel|
-h|0|  -v, --version  |
--help -v|0|mejores-tiempos.txt|
--version|0|quorbel $VERSION|
-v --bogus|0|quorbel $VERSION|
--bogus|2||«--bogus»
--help=1|2||«--help=1»
-session|2||«-session»
nada|2||«nada»
-session 7 --otro|2||«--otro»
EOT
# --version says exactly the name and the version.
[ "$(env -u DISPLAY -u QT_QPA_PLATFORM "$PROGRAMA" --version)" = "quorbel $VERSION" ] ||
  { echo "--version does not print exactly 'quorbel $VERSION'" >&2; fallos=1; }
exit $fallos
