#!/usr/bin/env bash
# Usage (inside scripts/testenv.sh): install_test.sh BUILD_FOLDER
#
# Makes the installer from the build, installs it silently into the test prefix, saves a
# record with a program started from the installed folder, uninstalls silently, and checks
# that the programs, shortcuts and log-on entry are gone while the record file stayed.
set -euo pipefail

build=$1
if [[ -z ${WINEPREFIX-} || -z ${DISPLAY-} ]]; then
  echo "install_test: run it inside scripts/testenv.sh" >&2
  exit 2
fi
scratch=$(mktemp -d "${TMPDIR:-/tmp}/papyrka-install.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() { echo "install_test: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G NSIS -B "$scratch" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log" >&2; fail "cpack could not make the installer"; }
installer=$(echo "$scratch"/Papyrka-*.exe)
[[ -f $installer ]] || fail "cpack wrote no installer"

windows_folder() { winepath -u "$(wine cmd /c echo "%$1%" | tr -d '\r')"; }
folder=$(windows_folder LOCALAPPDATA)/Programs/Papyrka
menu=$(windows_folder APPDATA)/Microsoft/Windows/Start\ Menu/Programs/Papyrka
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
# The test prefix is shared with every other test: leave nothing of ours behind, even after
# a failure (Wine's start-up would run a leftover log-on entry).
leave_nothing() {
  wine reg delete "$run_key" /v Papyrka /f >/dev/null 2>&1 || true
  wine reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Papyrka' /f >/dev/null 2>&1 || true
  rm -rf "$folder" "$menu"
}
trap 'leave_nothing; rm -rf "$scratch"' EXIT
leave_nothing

wine "$installer" /S
for program in Papyrka Vevuvez Kryton Kuvertex Vreckar Zozuraz Radirir Davavazo; do
  [[ -f $folder/$program.exe ]] || fail "$program.exe was not installed into $folder"
  [[ -f $menu/$program.lnk ]] || fail "no Start-menu entry for $program"
done
wine reg query "$run_key" /v Papyrka | grep -qi 'Papyrka.exe' || fail "Papyrka does not start at log-on"

# A record made, typed and saved as a user would, then the program closed with "Koniec".
# The pointer goes back where it was: the tests after this one centre windows under it.
read -r pointer_x pointer_y < <(xdotool getmouselocation | sed -E 's/x:([0-9]+) y:([0-9]+).*/\1 \2/')
(cd "$folder" && exec wine Vevuvez.exe) &
program_pid=$!
finish() {
  set +e
  kill "$program_pid" 2>/dev/null
  xdotool mousemove "$pointer_x" "$pointer_y"
  leave_nothing
  rm -rf "$scratch"
}
trap finish EXIT
window=""
for _ in $(seq 200); do
  window=$(xdotool search --onlyvisible --name '^Vevuvez$' 2>/dev/null | head -n 1 || true)
  [[ -n $window ]] && break
  sleep 0.1
done
[[ -n $window ]] || fail "Vevuvez did not open from the installed folder"
sleep 1
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.5; }
# Pixels from the window's corner at 96 dpi: "Vytvoriť", the first card line, "Uložiť", "Koniec".
click 96 104
click 200 168
xdotool type --delay 20 'Instalovany zaznam'
click 360 104
for _ in $(seq 50); do
  grep -q 'Instalovany zaznam' "$folder/Vevuvez.dat" 2>/dev/null && break
  sleep 0.2
done
click 200 376
for _ in $(seq 100); do
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$program_pid" 2>/dev/null && fail "Vevuvez did not close"
grep -q 'Instalovany zaznam' "$folder/Vevuvez.dat" 2>/dev/null || fail "the record was not saved beside the program"

# The uninstaller copies itself elsewhere and returns at once: wait for all of its work.
wine "$folder/Odinstalovat.exe" /S
left() { (cd "$folder" && ls); }
uninstalled() {
  [[ $(left) == Vevuvez.dat && ! -e $menu ]] && ! wine reg query "$run_key" /v Papyrka >/dev/null 2>&1
}
for _ in $(seq 60); do
  uninstalled && break
  sleep 0.3
done
[[ $(left) == Vevuvez.dat ]] || fail "after uninstalling, the folder holds: $(left)"
grep -q 'Instalovany zaznam' "$folder/Vevuvez.dat" || fail "uninstalling changed the record file"
[[ ! -e $menu ]] || fail "the Start-menu folder is still there"
! wine reg query "$run_key" /v Papyrka >/dev/null 2>&1 || fail "the log-on entry is still there"
echo "install_test: installed, saved a record, uninstalled; the record file stayed"
