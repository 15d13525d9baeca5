#!/usr/bin/env bash
# Usage (inside scripts/testenv.sh, as scripts/run.sh starts it on a machine without a
# display): scripts/remote-display.sh FOLDER PROGRAM
#
# Serves the environment's private display on this machine only, to a browser (noVNC
# through websockify) and to a VNC viewer, starts PROGRAM from FOLDER under Wine on it, and
# stops what it started when the program ends or when it is told to stop.
set -euo pipefail

folder=$1
program=$2
web_port=${PAPYRKA_WEB_PORT:-6080}
vnc_port=5900
scratch=$(mktemp -d "${TMPDIR:-/tmp}/papyrka-display.XXXXXX")
pids=()

cleanup() {
  local rc=$?
  set +e
  trap - EXIT INT TERM HUP
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  rm -rf "$scratch"
  exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

listening() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
free_port() {
  local port=$1
  while listening "$port"; do port=$((port + 1)); done
  echo "$port"
}
wait_listening() {
  local port=$1 pid=$2 log=$3
  for _ in $(seq 100); do
    listening "$port" && return 0
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  cat "$log" >&2
  echo "run.sh: nothing listens on 127.0.0.1:$port" >&2
  return 1
}

vnc_port=$(free_port "$vnc_port")
x11vnc -display "$DISPLAY" -localhost -rfbport "$vnc_port" -forever -shared -nopw -quiet \
  </dev/null >"$scratch/x11vnc.log" 2>&1 &
pids+=($!)
wait_listening "$vnc_port" "$!" "$scratch/x11vnc.log"

web_port=$(free_port "$web_port")
websockify --web /usr/share/novnc "127.0.0.1:$web_port" "127.0.0.1:$vnc_port" \
  </dev/null >"$scratch/websockify.log" 2>&1 &
pids+=($!)
wait_listening "$web_port" "$!" "$scratch/websockify.log"

cat <<INFO

run.sh: the suite runs on a private display, served on this machine only:
  browser:     http://127.0.0.1:$web_port/vnc.html?autoconnect=1&resize=scale
  VNC viewer:  127.0.0.1:$vnc_port
  from another machine: ssh -L $web_port:127.0.0.1:$web_port THIS-MACHINE, then the same address
  printed pages: ${PAPYRKA_PDF_DIR:-none (not root: no printer)}
Ctrl+C stops everything run.sh started.

INFO

cd "$folder"
# A Wine desktop in the display's size: a taskbar with the tray, where the launcher lives.
size=$(xdpyinfo | awk '/dimensions:/ { size = $2 } END { print size }')
wine explorer "/desktop=Papyrka,$size" "$program" </dev/null &
pids+=($!)
wait "$!"
