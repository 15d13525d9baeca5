#!/usr/bin/env bash
# Usage: scripts/davavazo-screenshot.sh [build folder of the Windows build, default build/win]
#
# Makes docs/davavazo.png, the README's picture of the running contact list: Davavazo.exe is
# copied into a scratch folder beside a sample Davavazo.dat, started inside the test
# environment (scripts/testenv.sh), and its window is captured from the private display.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build/win}" && pwd)
program=$build/bin/Davavazo.exe
[[ -f $program ]] || { echo "davavazo-screenshot: build $program first" >&2; exit 1; }

scratch=$(mktemp -d "${TMPDIR:-/tmp}/papyrka-davavazo.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
cp "$program" "$scratch/"

# Three contacts, the second one shown; Windows-1250, CR LF, every field quoted.
{
  printf '3,2\r\n'
  for field in "Horváthová Eva" "0903 456 789" "Námestie SNP 7, Banská Bystrica" "Lesy SR, š.p." \
    "048 434 1111" "eva.horvathova@example.sk" "" ""; do printf '"%s"\r\n' "$field"; done
  for field in "Kováč Ľubomír" "0905 123 456" "Hlavná 12, 040 01 Košice" "Kováč a syn, s.r.o." \
    "055 622 3344" "lubo@kovac.example.sk" $'Volať po 17. hodine\r\nmá rád čerstvé ovocie' "Narodeniny 14. 5."; do
    printf '"%s"\r\n' "$field"
  done
  for field in "Nováková Žofia" "" "Dlhá 3, Trnava" "" "033 551 2020" "" "" ""; do printf '"%s"\r\n' "$field"; done
} | iconv -f UTF-8 -t CP1250 >"$scratch/Davavazo.dat"

capture() {
  local folder=$1 picture=$2
  cd "$folder"
  wine Davavazo.exe &
  local window="" tries=200
  while ((tries-- > 0)); do
    window=$(xdotool search --name '^Davavazo$' 2>/dev/null | head -n 1 || true)
    [[ -n $window ]] && break
    sleep 0.1
  done
  [[ -n $window ]] || { echo "davavazo-screenshot: the window did not appear" >&2; return 1; }
  sleep 1   # let it paint
  import -window "$window" "$picture"
}
export -f capture

"$root/scripts/testenv.sh" bash -c 'capture "$1" "$2"' capture "$scratch" "$scratch/davavazo.png"
[[ -s $scratch/davavazo.png ]] || { echo "davavazo-screenshot: nothing was captured" >&2; exit 1; }
mkdir -p "$root/docs"
cp "$scratch/davavazo.png" "$root/docs/davavazo.png"
echo "wrote docs/davavazo.png"
