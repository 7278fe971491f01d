#!/usr/bin/env bash
# The installed command, with a stand-in for the program that notes where it was started:
# the game runs in $XDG_CONFIG_HOME/Quorbel (~/.config/Quorbel), a Quorbel.ini left in the
# home folder moves there once (or is copied when it cannot go), and without that folder the
# game runs in the home folder.
set -uo pipefail
LANZADOR=${1:?usage: lanzador.sh LANZADOR PROGRAMA_RELATIVO}
RELATIVO=${2:?usage: lanzador.sh LANZADOR PROGRAMA_RELATIVO}
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
mkdir -p "$t/raiz/games" "$(dirname "$t/raiz/games/$RELATIVO")" "$t/bin"
cp "$LANZADOR" "$t/raiz/games/quorbel"
printf '#!/bin/sh\npwd > "%s/visto"; echo "con: $*" >> "%s/visto"\n' "$t" "$t" \
  >"$t/raiz/games/$RELATIVO"
printf '#!/bin/sh\nexit 1\n' >"$t/bin/rm" # a home folder whose files cannot be removed
chmod +x "$t/raiz/games/quorbel" "$t/raiz/games/$RELATIVO" "$t/bin/rm"
fallos=0
falla() { echo "$caso: $*" >&2 && fallos=1; }
# case | arguments | XDG_CONFIG_HOME (-: unset, @: the test's folder) | old ~/Quorbel.ini |
# new one | PATH first | folder run in | then old | then new
while IFS='|' read -r caso argumentos xdg viejo nuevo ruta carpeta queda_viejo queda_nuevo; do
  casa=$t/casa
  rm -rf "$casa" "$t/otra" "$t/visto" && mkdir -p "$casa" && touch "$t/otra.archivo"
  [ -z "$viejo" ] || printf '%s' "$viejo" >"$casa/Quorbel.ini"
  if [ -n "$nuevo" ]; then
    mkdir -p "$casa/.config/Quorbel" && printf '%s' "$nuevo" >"$casa/.config/Quorbel/Quorbel.ini"
  fi
  (
    cd "$t" && export HOME=$casa PATH=${ruta//@/$t}$PATH XDG_CONFIG_HOME=${xdg//@/$t}
    [ "$xdg" != - ] || unset XDG_CONFIG_HOME
    # shellcheck disable=SC2086
    "$t/raiz/games/quorbel" $argumentos
  )
  visto=$(cat "$t/visto" 2>/dev/null)
  donde=${carpeta//@/$t}
  [ "$visto" = "$donde"$'\n'"con: $argumentos" ] || falla "ran as '$visto', not in $donde"
  hay=$(cat "$casa/Quorbel.ini" 2>/dev/null)
  [ "$hay" = "$queda_viejo" ] || falla "the home's Quorbel.ini holds '$hay', not '$queda_viejo'"
  hay=$(cat "$donde/Quorbel.ini" 2>/dev/null)
  [ "$hay" = "$queda_nuevo" ] || falla "$donde/Quorbel.ini holds '$hay', not '$queda_nuevo'"
  [ -z "$(find "$donde" -maxdepth 1 -name '.Quorbel.ini.*')" ] || falla "a copy was left behind"
done <<EOT
first start||-||||@/casa/.config/Quorbel||
empty variable||||||@/casa/.config/Quorbel||
own folder||@/otra||||@/otra/Quorbel||
relative variable||otra||||@/casa/.config/Quorbel||
old file moves|||1 2 3|||@/casa/.config/Quorbel||1 2 3
moves to own folder||@/otra|1 2 3|||@/otra/Quorbel||1 2 3
moved once|||1 2 3|4 5 6||@/casa/.config/Quorbel|1 2 3|4 5 6
cannot go, copied|||1 2 3||@/bin:|@/casa/.config/Quorbel|1 2 3|1 2 3
no folder, home||@/otra.archivo|1 2 3|||@/casa|1 2 3|1 2 3
session restored|-session 7 -name x||1 2 3|||@/casa/.config/Quorbel||1 2 3
options answered|--version -session||1 2 3|||@|1 2 3|
EOT
exit $fallos
