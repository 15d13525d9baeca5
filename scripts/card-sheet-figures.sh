#!/usr/bin/env bash
# Usage: scripts/card-sheet-figures.sh [build folder of the Windows build, default build/win]
#
# Figures of the business-card print, not a test: time from Vevuvez's print click to the
# job at the spooler, the size of the job, and the same page printed as a 96-dpi screen
# image for comparison. Writes both PDFs and 600-dpi crops of them into build/figures/.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build/win}" && pwd)
program=$build/designers/vevuvez/vevuvez_card_sheet_figures.exe
[[ -x $program ]] || { echo "card-sheet-figures: build $program first" >&2; exit 1; }

figures=$build/figures
rm -rf "$figures"
mkdir -p "$figures"
chmod 755 "$figures"
"$root/scripts/testenv.sh" wine "$program" "$figures"
echo "crops: $figures/crop-vector.png $figures/crop-image.png"
