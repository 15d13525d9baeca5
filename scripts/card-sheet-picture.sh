#!/usr/bin/env bash
# Usage: scripts/card-sheet-picture.sh [build folder of the Windows build, default build/win]
#
# Makes docs/card-sheet.png, the README's picture of a printed business-card sheet: Vevuvez's
# print button prints a sample card through the test environment's PDF printer (the figures
# program's vector page), and the printed PDF page is rendered at 100 dpi (the whole A4
# page, every card line legible).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build/win}" && pwd)
program=$build/designers/vevuvez/vevuvez_card_sheet_figures.exe
[[ -x $program ]] || { echo "card-sheet-picture: build $program first" >&2; exit 1; }

scratch=$(mktemp -d "${TMPDIR:-/tmp}/papyrka-card-sheet.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
chmod 755 "$scratch"

"$root/scripts/testenv.sh" wine "$program" "$scratch" >/dev/null
[[ -s $scratch/vector.pdf ]] || { echo "card-sheet-picture: no PDF was printed" >&2; exit 1; }

mkdir -p "$root/docs"
pdftoppm -png -r 100 -singlefile "$scratch/vector.pdf" "$root/docs/card-sheet"
echo "wrote docs/card-sheet.png"
