#!/usr/bin/env bash
# Usage: scripts/testenv.sh <command...>
#
# Runs one command inside a private test environment for the Windows build and tears it
# down afterwards, whatever happens:
#   - an Xvfb on a free display (never the user's own display);
#   - a Wine prefix in build/wine-prefix, created once and reused (never ~/.wine);
#   - a CUPS scheduler of its own, in its own mount namespace so that the cups-pdf backend
#     reads our cups-pdf.conf instead of the machine's, with a PDF printer as the default;
#     every page printed through it lands as a PDF in $PAPYRKA_PDF_DIR ($PAPYRKA_PRINT_DIR
#     when that is set, else a fresh folder).
# Exported to the command: DISPLAY WINEPREFIX WINEDEBUG WINEDLLOVERRIDES CUPS_SERVER
# PAPYRKA_PDF_DIR. The exit code is the command's.
#
# Several runs may share one checkout (more than one engineer, or a second terminal): each
# run locks a slot, and a run that finds build/wine-prefix busy uses build/wine-prefix-2
# and so on, so that one run's `wineserver -k` never kills another run's tests and no run
# mistakes another run's PDF for its own.
set -euo pipefail

if (($# == 0)); then
  echo "usage: scripts/testenv.sh <command...>" >&2
  exit 2
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build
printer=PapyrkaPDF
max_slots=6

say() { echo "testenv: $*" >&2; }
die() { say "$*"; exit 1; }

# CI may start us with no standard input at all; children must not inherit a closed fd 0.
if ! { true <&0; } 2>/dev/null; then
  exec </dev/null
fi

mkdir -p "$build"

# Under the C locale (CI often has no LANG) Wine hands Linux programs and file names only
# ASCII. C.UTF-8 keeps Wine's code pages as under C and makes the Linux side UTF-8.
if [[ $(locale charmap 2>/dev/null) == ANSI_X3.4-1968 ]]; then
  case ${LC_ALL-} in "" | C | POSIX) unset LC_ALL ;; esac
  case ${LC_CTYPE-} in "" | C | POSIX) unset LC_CTYPE ;; esac
  export LANG=C.UTF-8
fi

# --- slot -------------------------------------------------------------------------------
slot=1
while :; do
  suffix=""
  ((slot == 1)) || suffix="-$slot"
  exec {lock_fd}>"$build/wine-prefix$suffix.lock"
  if flock -n "$lock_fd"; then
    break
  fi
  exec {lock_fd}>&-
  ((slot < max_slots)) || die "all $max_slots test environments in $build are in use"
  slot=$((slot + 1))
done
((slot == 1)) || say "build/wine-prefix is in use by another run; this run uses build/wine-prefix$suffix"

prefix=$build/wine-prefix$suffix
cups_dir=$build/cups$suffix
scratch=$(mktemp -d "${TMPDIR:-/tmp}/papyrka-testenv.XXXXXX")

xvfb_pid=""
cupsd_pid=""
wine_started=""
command_pid=""

cleanup() {
  local rc=$?
  set +e
  trap - EXIT INT TERM HUP
  if [[ -n $command_pid ]]; then
    kill -TERM "$command_pid" 2>/dev/null
    wait "$command_pid" 2>/dev/null
  fi
  if [[ -n $wine_started ]]; then
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
  fi
  for pid in $cupsd_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null
  done
  for pid in $cupsd_pid $xvfb_pid; do
    for _ in $(seq 50); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  rm -rf "$scratch"
  exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# Polls `test` until it holds or `seconds` pass.
wait_for() {
  local seconds=$1
  shift
  local tries=$((seconds * 20))
  while ((tries-- > 0)); do
    "$@" && return 0
    sleep 0.05
  done
  return 1
}

# --- X ----------------------------------------------------------------------------------
start_xvfb() {
  local display_file=$scratch/display
  : >"$display_file"
  # -displayfd picks the first free display number and writes it once the server listens.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
    3>"$display_file" </dev/null >"$scratch/xvfb.log" 2>&1 {lock_fd}>&- &
  xvfb_pid=$!
  display_ready() { (($(wc -l <"$display_file") > 0)); }
  wait_for 20 display_ready || { cat "$scratch/xvfb.log" >&2; die "Xvfb did not start"; }
  export DISPLAY=":$(tr -d '\n' <"$display_file")"
}

# --- CUPS -------------------------------------------------------------------------------
# Filters run as the `lp` user and must reach the spool; a checkout in a private home folder
# would stop them, so the scheduler's working folders then go to a temporary folder instead.
lp_can_reach() {
  runuser -u lp -- test -x "$1" 2>/dev/null
}

write_cups_config() {
  local etc=$1 run=$2 log=$3 pdf=$4
  cat >"$etc/cupsd.conf" <<EOF
LogLevel warn
Listen $run/cups.sock
Browsing No
BrowseLocalProtocols none
WebInterface No
DefaultAuthType None
MaxJobs 0
PreserveJobFiles No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
  cat >"$etc/cups-files.conf" <<EOF
User lp
Group lp
SystemGroup root lpadmin
RequestRoot $run/spool
CacheDir $run/cache
StateDir $run/state
TempDir $run/spool/tmp
Printcap $run/printcap
ErrorLog $log/error_log
AccessLog $log/access_log
PageLog $log/page_log
FileDevice No
SyncOnClose No
EOF
  # The backend writes through a wrapper so that a PDF appears under its final name only
  # once it is complete: a test never reads half a file.
  cat >"$etc/cups-pdf.conf" <<EOF
Out $pdf
AnonDirName $pdf
Spool $run/cups-pdf
Label 1
UserUMask 0022
AnonUMask 0022
Log $log
LogType 1
Grp lpadmin
GhostScript $etc/gs-complete
EOF
  cat >"$etc/gs-complete" <<'EOF'
#!/bin/sh
# Called by cups-pdf in place of gs: writes the PDF beside its final name and renames it.
out=""
for arg in "$@"; do
  case $arg in -sOutputFile=*) out=${arg#-sOutputFile=} ;; esac
done
[ -n "$out" ] || exec /usr/bin/gs "$@"
dir=$(dirname "$out")
tmp="$dir/.$(basename "$out").part"
for arg in "$@"; do
  case $arg in -sOutputFile=*) arg="-sOutputFile=$tmp" ;; esac
  set -- "$@" "$arg"
  shift
done
/usr/bin/gs "$@" || { rc=$?; rm -f "$tmp"; exit $rc; }
mv -f "$tmp" "$out"
EOF
  chmod 755 "$etc/gs-complete"
  mkdir -p "$etc/ppd" "$run/spool/tmp" "$run/cache" "$run/state" "$run/cups-pdf"
}

start_cups() {
  local etc=$cups_dir/etc log=$cups_dir/log pdf=$cups_dir/pdf run=$cups_dir/run
  rm -rf "$etc" "$run" "$pdf"
  # A caller that keeps what it prints (scripts/run.sh) names a folder of its own.
  [[ -z ${PAPYRKA_PRINT_DIR-} ]] || pdf=$PAPYRKA_PRINT_DIR
  mkdir -p "$etc" "$log" "$pdf"
  chmod 755 "$cups_dir" "$pdf"
  : >"$log/error_log"
  if ! lp_can_reach "$cups_dir" || ((${#run} > 80)); then
    run=$scratch/cups
  fi
  mkdir -p "$run"
  chmod 755 "$run"
  write_cups_config "$etc" "$run" "$log" "$pdf"

  unshare --mount --propagation private -- sh -c \
    'mount --bind "$1" /etc/cups && exec cupsd -f -c /etc/cups/cupsd.conf -s /etc/cups/cups-files.conf' \
    sh "$etc" </dev/null >"$log/cupsd.out" 2>&1 {lock_fd}>&- &
  cupsd_pid=$!
  export CUPS_SERVER=$run/cups.sock
  # lpstat -r exits 0 either way; only its words tell.
  scheduler_running() { [[ $(lpstat -r 2>/dev/null) == "scheduler is running" ]]; }
  if ! wait_for 20 scheduler_running; then
    cat "$log/cupsd.out" "$log/error_log" >&2
    die "the private CUPS scheduler did not start"
  fi
  # lpadmin warns that PPD drivers are deprecated; the warning is noise here.
  lpadmin -p "$printer" -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
    -D "Papyrka test printer" >"$log/lpadmin.out" 2>&1 &&
    lpadmin -d "$printer" >>"$log/lpadmin.out" 2>&1 ||
    { cat "$log/lpadmin.out" >&2; die "could not set up the test printer"; }
  export PAPYRKA_PDF_DIR=$pdf
}

# Without root there is no private mount namespace, so no private CUPS: point Wine at a
# scheduler that does not exist rather than at the machine's printers.
no_cups() {
  say "not root: no private printer in this run (print tests skip)"
  export CUPS_SERVER=$scratch/no-cups.sock
  unset PAPYRKA_PDF_DIR
}

# --- Wine -------------------------------------------------------------------------------
create_prefix() {
  local started=$SECONDS
  say "creating the Wine prefix $prefix (once)"
  rm -rf "$prefix"
  WINEARCH=win64 wineboot --init >"$scratch/wineboot.log" 2>&1 ||
    { cat "$scratch/wineboot.log" >&2; die "wineboot failed"; }
  wineserver -w
  # Without a window manager Wine waits about 2 s for every hidden or destroyed top-level
  # window; unmanaged windows do not wait.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 ||
    die "could not write the prefix's registry"
  wineserver -w
  # No fonts are added: the tests see the faces of a prefix that `wine` makes for a user.
  # The prefix links Desktop, Documents and the like to the user's home; tests must not
  # write there, so they become plain folders inside the prefix.
  local link
  for link in "$prefix"/drive_c/users/*/*; do
    if [[ -L $link ]]; then
      rm "$link"
      mkdir "$link"
    fi
  done
  prefix_recipe >"$prefix/.papyrka-ready"
  say "Wine prefix ready in $((SECONDS - started)) s"
}

# A prefix made by an older recipe (another Wine, or fonts copied in) is made again.
prefix_recipe() {
  echo "$(wine --version) plain-fonts"
}

start_wine() {
  export WINEPREFIX=$prefix WINEDEBUG=-all
  # winemenubuilder would write menu entries and file associations into the user's home.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  unset WINEARCH WINESERVER WINELOADER
  wine_started=1
  # We hold this slot's lock, so a server still running here belongs to a run that died.
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  [[ $(cat "$prefix/.papyrka-ready" 2>/dev/null) == "$(prefix_recipe)" ]] || create_prefix
  wineserver -p {lock_fd}>&- </dev/null >/dev/null 2>&1
  # Wine's service processes outlive the program that starts them and keep its output open:
  # started from a test, they hold CTest's pipe and the test "times out" after it passed.
  # Started here, they hold /dev/null.
  wineboot {lock_fd}>&- </dev/null >/dev/null 2>&1 || die "wineboot failed in $prefix"
}

# --- run --------------------------------------------------------------------------------
start_xvfb
if ((EUID == 0)); then
  start_cups
else
  no_cups
fi
start_wine   # after CUPS_SERVER: Wine reads the printers once per wineserver session

# In the background so that a TERM from a CI timeout is handled at once (bash runs traps
# only between foreground commands); our standard input is handed on explicitly because a
# background command would otherwise read from /dev/null.
set +e
exec {stdin_fd}<&0
"$@" <&"$stdin_fd" {stdin_fd}<&- {lock_fd}>&- &
command_pid=$!
wait "$command_pid"
rc=$?
command_pid=""
set -e
exit "$rc"
