#!/usr/bin/env bash
# The run command: builds the Windows programs and starts the suite under Wine: the tray
# launcher Papyrka.exe, or while the launcher is not built, the contact list Davavazo.exe.
# With a display it runs on that display and in your own Wine prefix. Without one (a
# server reached over SSH) it runs in the private environment of scripts/testenv.sh, whose
# display it serves to a browser on this machine only, with a PDF printer as the default
# printer; Ctrl+C stops everything it started.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

if [[ -n ${DISPLAY-} ]]; then
  bash scripts/deps.sh
else
  bash scripts/deps.sh headless
fi
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build build/win -j"${PAPYRKA_JOBS:-2}"

bin=$root/build/win/bin
program=Papyrka.exe
[[ -f $bin/$program ]] || program=Davavazo.exe
[[ -f $bin/$program ]] || { echo "run.sh: neither Papyrka.exe nor Davavazo.exe is in $bin" >&2; exit 1; }

if [[ -z ${DISPLAY-} ]]; then
  # Printed pages are kept across runs, unlike the tests' own PDFs.
  export PAPYRKA_PRINT_DIR=${PAPYRKA_PRINT_DIR:-$root/build/printed}
  echo "run.sh: no DISPLAY: starting $program from $bin on a private display"
  exec bash scripts/testenv.sh bash scripts/remote-display.sh "$bin" "$program"
fi

# A prefix that Wine has to create first should not stop to offer Mono and Gecko.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
cd "$bin"
echo "run.sh: starting $program from $bin"
exec wine "$program"
