#!/usr/bin/env bash
# The run command: builds the Windows programs and starts the suite under Wine on your own
# display and in your own Wine prefix: the tray launcher Papyrka.exe, or while the launcher
# is not built, the contact list Davavazo.exe.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

if [[ -z ${DISPLAY-} ]]; then
  echo "run.sh: no DISPLAY: start it from a desktop session (tests use scripts/test.sh)" >&2
  exit 1
fi

bash scripts/deps.sh
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build build/win -j"${PAPYRKA_JOBS:-2}"

bin=$root/build/win/bin
program=Papyrka.exe
[[ -f $bin/$program ]] || program=Davavazo.exe
[[ -f $bin/$program ]] || { echo "run.sh: neither Papyrka.exe nor Davavazo.exe is in $bin" >&2; exit 1; }

# A prefix that Wine has to create first should not stop to offer Mono and Gecko.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
cd "$bin"
echo "run.sh: starting $program from $bin"
exec wine "$program"
