#!/usr/bin/env bash
# Usage: scripts/pictures.sh [PROGRAM] [build folder of the Windows build, default build/win]
#
# Makes the README's pictures in the test environment (scripts/testenv.sh): every one, or
# only PROGRAM's.
#   docs/papyrka.png, docs/papyrka-about.png  the launcher window and the about window;
#   docs/<designer>.png                       a designer's editor window on its sample list;
#   docs/<designer>-print.png                 what its print button printed: the real PDF from
#                                             the test printer, its first page rendered at
#                                             100 dpi and cut to the printed piece.
#
# A designer's sample, docs/samples/<designer>.txt, is UTF-8 text: the first line names the
# record file and what to click ("Kryton.dat Label13", or "Kuvertex.DAT Label13 3" for item 3
# of the pop-up menu it opens, counted from 1), the second the piece's size in twips
# ("WIDTH HEIGHT"), then one line a record: its fields separated by "|" (an empty field
# counts wherever it stands; every record has the same number of fields) and "\n" for a
# line break inside a field. The first record is shown and printed. The sample becomes the
# program's record file in Windows-1250.
#
# Printing needs the test environment's private printer, which needs root.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# A designer is in the pictures by having a sample: docs/samples/kryton.txt is Kryton.exe's.
designers=()
for sample in "$root"/docs/samples/*.txt; do
  name=$(basename "$sample" .txt)
  designers+=("${name^}")
done

die() { echo "pictures: $*" >&2; exit 1; }

programs=(Papyrka "${designers[@]}")
if (($# > 0)); then
  for program in "${programs[@]}"; do
    if [[ ${1,,} == "${program,,}" ]]; then
      programs=("$program")
      shift
      break
    fi
  done
fi
(($# <= 1)) || die "usage: scripts/pictures.sh [PROGRAM] [build folder]"
[[ -d ${1:-$root/build/win} ]] || die "no build folder ${1:-build/win} (nor a program of that name)"
build=$(cd "${1:-$root/build/win}" && pwd)
for program in "${programs[@]}"; do
  [[ -f $build/bin/$program.exe ]] || die "build $build/bin/$program.exe first"
done
if [[ ${programs[*]} != Papyrka ]]; then
  ((EUID == 0)) || die "the printed pictures need the test environment's printer, which needs root"
fi

scratch=$(mktemp -d "${TMPDIR:-/tmp}/papyrka-pictures.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
chmod 755 "$scratch"

# Prints the record file of the sample $1 (UTF-8) on standard output.
record_file() {
  local sample=$1 line rest field fields count=-1
  local -a records=()
  while IFS= read -r line || [[ -n $line ]]; do
    line=${line%$'\r'}
    [[ -n $line ]] && records+=("$line")
  done < <(tail -n +3 "$sample")
  ((${#records[@]} > 0)) || die "$sample holds no record"
  printf '%s,1\r\n' "${#records[@]}"
  for line in "${records[@]}"; do
    # Cut at every "|" by hand: `read -a` would drop an empty last field.
    rest=$line
    fields=0
    while :; do
      field=${rest%%|*}
      [[ $field != *'"'* ]] || die "$sample: a record file cannot hold a quotation mark: $field"
      printf '"%s"\r\n' "${field//\\n/$'\r\n'}"
      fields=$((fields + 1))
      [[ $rest == *'|'* ]] || break
      rest=${rest#*|}
    done
    ((count < 0)) && count=$fields
    ((fields == count)) || die "$sample: a record of $fields fields after one of $count: $line"
  done
}

for program in "${programs[@]}"; do
  folder=$scratch/${program,,}
  mkdir -p "$folder"
  cp "$build/bin/$program.exe" "$folder/"
  [[ $program == Papyrka ]] && continue
  sample=$root/docs/samples/${program,,}.txt
  [[ -f $sample ]] || die "$sample is missing"
  read -r file click item <<<"$(sed -n 1p "$sample")"
  [[ $click == Label9 || $click == Label13 ]] || die "$sample: the first line names Label9 or Label13"
  record_file "$sample" | iconv -f UTF-8 -t CP1250 >"$folder/$file"
  printf '%s %s\n' "$click" "${item:-0}" >"$folder/click"
done

# --- inside the test environment ----------------------------------------------------------

# Prints the id of the one visible window titled $1 once it is there; two such windows mean
# that the program put up a message box of its own title.
await_window() {
  local title=$1 windows tries=200
  while ((tries-- > 0)); do
    windows=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null || true)
    if [[ -n $windows ]]; then
      sleep 0.5
      windows=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null || true)
      (($(wc -l <<<"$windows") == 1)) || { echo "pictures: $title shows a message" >&2; return 1; }
      echo "$windows"
      return 0
    fi
    sleep 0.1
  done
  echo "pictures: no window \"$title\" appeared" >&2
  return 1
}

# Starts program $1 in folder $2 with the mouse in a corner: a label that a new window
# opens under lights up, and stays lit until the mouse moves over the window again.
start() {
  xdotool mousemove 1023 767
  (cd "$2" && exec wine "$1" </dev/null >/dev/null 2>&1) &
}

# Takes a picture of window $1 into $2.
snap() {
  sleep 1   # let it paint
  import -window "$1" "$2"
}

# Waits for the program started as process $1 to end on its own.
await_end() {
  local tries=100
  while ((tries-- > 0)); do
    kill -0 "$1" 2>/dev/null || { wait "$1" || true; return 0; }
    sleep 0.1
  done
  echo "pictures: the program did not end" >&2
  return 1
}

pdf_count() { find "$PAPYRKA_PDF_DIR" -maxdepth 1 -name '*.pdf' | wc -l; }

# Label positions at 96 dpi: twips / 15 from the client area's corner.
click_at() { xdotool mousemove --window "$1" $(($2 / 15)) $(($3 / 15)) click 1; }

capture_designer() {
  local folder=$1 name=$2 click item window before pid tries i
  read -r click item <"$folder/click"
  start "$name.exe" "$folder"
  pid=$!
  window=$(await_window "$name") || return 1
  snap "$window" "$folder/editor.png"
  before=$(pdf_count)
  if [[ $click == Label9 ]]; then click_at "$window" $((240 + 360)) $((1440 + 120)); else
    click_at "$window" $((4080 + 360)) $((1440 + 120)); fi
  if ((item > 0)); then
    sleep 0.5
    for ((i = 0; i < item; ++i)); do xdotool key Down; done
    xdotool key Return
  fi
  tries=300
  while ((tries-- > 0)) && (($(pdf_count) == before)); do sleep 0.1; done
  (($(pdf_count) > before)) || { echo "pictures: $name printed nothing" >&2; return 1; }
  cp "$(ls -t "$PAPYRKA_PDF_DIR"/*.pdf | head -n 1)" "$folder/printed.pdf"
  click_at "$window" $((240 + 5535 / 2)) $((5520 + 120))   # "Koniec"
  await_end "$pid"
}

# The about window opens from the tray icon's menu, whose last items are "O programe" and
# "Koniec", 17 pixels high; the menu takes no keys from outside, so they are clicked.
tray_menu_choose() {
  local above=$1 tray menu tries=50 HEIGHT
  tray=$(await_window "Wine System Tray") || return 1
  xdotool mousemove --window "$tray" 12 32 click 3   # the icon, below the tray's caption
  while ((tries-- > 0)); do
    menu=$(xwininfo -root -tree | awk '/\(has no name\): \("papyrka.exe"/ && !/ 1x1\+/ { print $1; exit }')
    [[ -n $menu ]] && break
    sleep 0.1
  done
  [[ -n $menu ]] || { echo "pictures: the tray menu did not open" >&2; return 1; }
  eval "$(xdotool getwindowgeometry --shell "$menu")"
  xdotool mousemove --window "$menu" 30 $((HEIGHT - above)) click 1
}

capture_launcher() {
  local folder=$1 window pid
  start Papyrka.exe "$folder"
  pid=$!
  window=$(await_window Papyrka) || return 1
  snap "$window" "$folder/editor.png"
  tray_menu_choose 28 || return 1
  window=$(await_window "O programe") || return 1
  snap "$window" "$folder/about.png"
  tray_menu_choose 11 || return 1
  await_end "$pid"
}

capture_all() {
  local folder=$1 program
  shift
  for program in "$@"; do
    echo "pictures: $program"
    if [[ $program == Papyrka ]]; then
      capture_launcher "$folder/papyrka" || return 1
    else
      capture_designer "$folder/${program,,}" "$program" || return 1
    fi
  done
}
export -f await_window start snap await_end pdf_count click_at capture_designer tray_menu_choose \
  capture_launcher capture_all

"$root/scripts/testenv.sh" bash -c 'capture_all "$@"' capture_all "$scratch" "${programs[@]}" ||
  die "the pictures were not taken"

# --- back outside -------------------------------------------------------------------------
mkdir -p "$root/docs"
for program in "${programs[@]}"; do
  lower=${program,,}
  folder=$scratch/$lower
  cp "$folder/editor.png" "$root/docs/$lower.png"
  if [[ $program == Papyrka ]]; then
    cp "$folder/about.png" "$root/docs/papyrka-about.png"
    echo "wrote docs/papyrka.png and docs/papyrka-about.png"
    continue
  fi
  read -r width height <<<"$(sed -n 2p "$root/docs/samples/$lower.txt")"
  # 100 dpi: twips / 14.4, plus a margin of a few pixels.
  pdftoppm -png -r 100 -f 1 -l 1 -singlefile -x 0 -y 0 \
    -W $((width * 100 / 1440 + 4)) -H $((height * 100 / 1440 + 4)) \
    "$folder/printed.pdf" "$root/docs/$lower-print"
  echo "wrote docs/$lower.png and docs/$lower-print.png"
done
