#!/usr/bin/env bash
# Usage: scripts/wine-figures.sh [build folder of the Windows build, default build/win]
#
# Figures of what a user waits for under Wine, not a test: start-up to the painted window,
# load and save of the largest list, a record with a very long field, and each program's
# print, each beside its plain baseline measured in the same run. Fails only when the
# figures program cannot run or cannot measure.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build/win}" && pwd)
program=$build/figures/papyrka_wine_figures.exe
[[ -x $program ]] || { echo "wine-figures: build $program first" >&2; exit 1; }

exec timeout 900 "$root/scripts/testenv.sh" wine "$program"
