#!/usr/bin/env bash
# Usage: scripts/pictures.sh PROGRAM [build folder of the Windows build, default build/win]
#
# Makes the README's two pictures of a designer program in the test environment:
# docs/<program>.png, its editor window on the sample list docs/samples/<program>.txt, and
# docs/<program>-print.png, what its print button printed (the real PDF from the test
# environment's PDF printer, rendered at 100 dpi and cut to the printed piece).
#
# A sample is UTF-8 text: the first line names the record file and what to click
# ("Kryton.dat Label13", or "Kryton.dat Label9 3" for item 3 of the pop-up menu it opens,
# counted from 1), the second the piece's size in twips
# ("WIDTH HEIGHT"), then one line a record holding its fields separated by "|" (the first
# record is shown and printed). It becomes the program's record file in Windows-1250.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
name=${1:?usage: scripts/pictures.sh PROGRAM [build folder]}
lower=${name,,}
build=$(cd "${2:-$root/build/win}" && pwd)
program=$build/bin/$name.exe
sample=$root/docs/samples/$lower.txt
[[ -f $program ]] || { echo "pictures: build $program first" >&2; exit 1; }
[[ -f $sample ]] || { echo "pictures: $sample is missing" >&2; exit 1; }

scratch=$(mktemp -d "${TMPDIR:-/tmp}/papyrka-pictures.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
cp "$program" "$scratch/"

read -r file click item <<<"$(sed -n 1p "$sample")"
read -r width height <<<"$(sed -n 2p "$sample")"
records=$(tail -n +3 "$sample")
count=$(grep -c . <<<"$records")
{
  printf '%s,1\r\n' "$count"
  while IFS= read -r record; do
    IFS='|' read -r -a values <<<"$record"
    for value in "${values[@]}"; do printf '"%s"\r\n' "$value"; done
  done <<<"$records"
} | iconv -f UTF-8 -t CP1250 >"$scratch/$file"

capture() {
  local folder=$1 name=$2 click=$3 item=$4
  cd "$folder"
  wine "$name.exe" &
  local window="" tries=200
  while ((tries-- > 0)); do
    window=$(xdotool search --name "^$name\$" 2>/dev/null | head -n 1 || true)
    [[ -n $window ]] && break
    sleep 0.1
  done
  [[ -n $window ]] || { echo "pictures: the window did not appear" >&2; return 1; }
  sleep 1   # let it paint
  import -window "$window" "$folder/editor.png"
  local before
  before=$(ls "$PAPYRKA_PDF_DIR" | wc -l)
  # Label13 and Label9 at 96 dpi: twips / 15 from the window's corner.
  local x=$(((4080 + 360) / 15)) y=$(((1440 + 120) / 15))
  [[ $click == Label9 ]] && x=$(((240 + 360) / 15))
  xdotool mousemove --window "$window" "$x" "$y" click 1
  if [[ -n $item ]]; then
    sleep 0.5
    for ((i = 0; i < item; ++i)); do xdotool key Down; done
    xdotool key Return
  fi
  tries=300
  while ((tries-- > 0)) && (($(ls "$PAPYRKA_PDF_DIR" | wc -l) == before)); do sleep 0.1; done
  sleep 1
  cp "$(ls -t "$PAPYRKA_PDF_DIR"/*.pdf | head -n 1)" "$folder/printed.pdf"
  xdotool key --window "$window" alt+F4 || true
}
export -f capture

"$root/scripts/testenv.sh" bash -c 'capture "$@"' capture "$scratch" "$name" "$click" "${item:-}"
[[ -s $scratch/editor.png && -s $scratch/printed.pdf ]] || { echo "pictures: nothing was captured" >&2; exit 1; }
mkdir -p "$root/docs"
cp "$scratch/editor.png" "$root/docs/$lower.png"
# 100 dpi: twips / 14.4, plus a margin of a few pixels.
pdftoppm -png -r 100 -singlefile -x 0 -y 0 -W $((width * 100 / 1440 + 4)) -H $((height * 100 / 1440 + 4)) \
  "$scratch/printed.pdf" "$root/docs/$lower-print"
echo "wrote docs/$lower.png and docs/$lower-print.png"
