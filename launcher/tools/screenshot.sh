#!/usr/bin/env bash
# Usage: launcher/tools/screenshot.sh [BUILD_DIR] [OUTPUT.png]
#
# Starts Papyrka.exe from BUILD_DIR/bin (default build/win) inside the test environment,
# waits for its launcher window and saves a picture of that window (default
# docs/papyrka.png).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(realpath "${1:-$root/build/win}")
output=$(realpath -m "${2:-$root/docs/papyrka.png}")
[[ -f $build/bin/Papyrka.exe ]] || { echo "screenshot: no $build/bin/Papyrka.exe" >&2; exit 1; }
mkdir -p "$(dirname "$output")"

# Runs inside the test environment: DISPLAY and WINEPREFIX are set there.
inner() {
  local exe=$1 output=$2 window="" pid
  wine "$exe" </dev/null >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 200); do
    # The launcher window is the 400 x 400 pixel top-level window titled "Papyrka".
    window=$(xwininfo -root -tree 2>/dev/null | awk '/"Papyrka": .* 400x400\+/ { print $1; exit }')
    [[ -n $window ]] && break
    sleep 0.1
  done
  if [[ -z $window ]]; then
    echo "screenshot: the launcher window did not appear" >&2
    kill "$pid" 2>/dev/null
    return 1
  fi
  sleep 1   # let it finish its first paint
  import -window "$window" "$output"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
export -f inner
exec "$root/scripts/testenv.sh" bash -c 'inner "$@"' inner "$build/bin/Papyrka.exe" "$output"
