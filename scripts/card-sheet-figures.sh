#!/usr/bin/env bash
# Usage: scripts/card-sheet-figures.sh [build folder of the Windows build, default build/win]
#
# Figures of the business-card print, not a test: time from Vevuvez's print click to the
# job at the spooler, the size of the job, and the same page printed as a 96-dpi screen
# image for comparison. Writes 600-dpi crops of both printed pages into build/figures/.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build/win}" && pwd)
tests=$build/tests/vevuvez_win_tests.exe
[[ -x $tests ]] || { echo "card-sheet-figures: build $tests first" >&2; exit 1; }

figures=$build/figures
rm -rf "$figures"
mkdir -p "$figures"
chmod 755 "$figures"
PAPYRKA_FIGURES_DIR=$figures "$root/scripts/testenv.sh" wine "$tests" \
  --gtest_also_run_disabled_tests --gtest_filter='CardSheetFigures.*' --gtest_brief=1 | grep '^figure:'
echo "crops: $figures/crop-vector.png $figures/crop-image.png"
