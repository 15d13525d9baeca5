#!/usr/bin/env bash
# Usage: scripts/check-headless.sh
#
# Checks scripts/run.sh on a machine without a display, as a browser would see it: starts
# run.sh without DISPLAY in a session of its own, fetches the noVNC page it serves, reads
# the screen through the same WebSocket the page uses (the VNC protocol), checks that the
# launcher's red window is on it, then presses Ctrl+C (SIGINT to the session) and checks
# that nothing run.sh started is left running. Not part of CTest: it needs the packages of
# `scripts/deps.sh headless`, and a first run builds everything.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
log=$(mktemp "${TMPDIR:-/tmp}/papyrka-headless.XXXXXX")
fail() { echo "check-headless: $*" >&2; echo "--- run.sh said:" >&2; cat "$log" >&2; exit 1; }

setsid env -u DISPLAY bash "$root/scripts/run.sh" </dev/null >"$log" 2>&1 &
session=$!
in_session() { ps -eo sid=,pid=,comm= | awk -v s="$session" '$1 == s'; }
trap 'kill -KILL -- -$session 2>/dev/null; rm -f "$log"' EXIT

url=""
for _ in $(seq 1200); do
  url=$(grep -oE 'http://127\.0\.0\.1:[0-9]+/vnc\.html[^ ]*' "$log" | head -n 1 || true)
  [[ -n $url ]] && break
  kill -0 "$session" 2>/dev/null || fail "run.sh ended before it served the display"
  sleep 0.5
done
[[ -n $url ]] || fail "run.sh printed no address"
port=$(sed -E 's|http://127\.0\.0\.1:([0-9]+)/.*|\1|' <<<"$url")
curl -fsS "$url" | grep -q noVNC || fail "$url does not serve the noVNC page"

# The launcher's window is red; give it a few seconds to appear.
python3 - "$port" <<'PY' || fail "the served screen does not show the launcher"
import base64, os, socket, struct, sys, time

def websocket(port):
    s = socket.create_connection(("127.0.0.1", port), timeout=10)
    key = base64.b64encode(os.urandom(16)).decode()
    s.sendall((f"GET / HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\nUpgrade: websocket\r\n"
               f"Connection: Upgrade\r\nSec-WebSocket-Key: {key}\r\n"
               "Sec-WebSocket-Version: 13\r\nSec-WebSocket-Protocol: binary\r\n\r\n").encode())
    reply = b""
    while b"\r\n\r\n" not in reply:
        reply += s.recv(1)
    if b" 101 " not in reply.split(b"\r\n")[0]:
        sys.exit(f"no WebSocket: {reply[:80]!r}")
    return s

class Rfb:
    def __init__(self, port):
        self.s, self.buffer = websocket(port), b""
    def send(self, data):   # one masked binary frame, as a browser sends it
        mask = os.urandom(4)
        head = bytes([0x82]) + (bytes([0x80 | len(data)]) if len(data) < 126
                                else bytes([0x80 | 126]) + struct.pack(">H", len(data)))
        self.s.sendall(head + mask + bytes(b ^ mask[i % 4] for i, b in enumerate(data)))
    def exact(self, n):
        while len(self.buffer) < n:
            self.buffer += self.frame()
        data, self.buffer = self.buffer[:n], self.buffer[n:]
        return data
    def raw(self, n):
        data = b""
        while len(data) < n:
            chunk = self.s.recv(n - len(data))
            if not chunk:
                sys.exit("the server closed the connection")
            data += chunk
        return data
    def frame(self):
        first, second = self.raw(2)
        length = second & 0x7F
        if length == 126: length = struct.unpack(">H", self.raw(2))[0]
        elif length == 127: length = struct.unpack(">Q", self.raw(8))[0]
        return self.raw(length)

def screen(port):
    rfb = Rfb(port)
    version = rfb.exact(12)
    rfb.send(b"RFB 003.008\n")
    types = rfb.exact(rfb.exact(1)[0])
    if 1 not in types:
        sys.exit(f"{version!r} offers no access without a password: {list(types)}")
    rfb.send(b"\x01")
    if struct.unpack(">I", rfb.exact(4))[0] != 0:
        sys.exit("the server refused us")
    rfb.send(b"\x01")                                    # shared
    width, height = struct.unpack(">HH", rfb.exact(4))
    rfb.exact(16)
    rfb.exact(struct.unpack(">I", rfb.exact(4))[0])      # the desktop's name
    # 32 bits a pixel, true colour, red in the top byte of a little-endian word.
    rfb.send(struct.pack(">BxxxBBBBHHHBBBxxx", 0, 32, 24, 0, 1, 255, 255, 255, 16, 8, 0))
    rfb.send(struct.pack(">BxHi", 2, 1, 0))              # raw pixels only
    rfb.send(struct.pack(">BBHHHH", 3, 0, 0, 0, width, height))
    kind = rfb.exact(1)[0]
    if kind != 0:
        sys.exit(f"expected a screen update, got message {kind}")
    pixels = []
    for _ in range(struct.unpack(">xH", rfb.exact(3))[0]):
        x, y, w, h, encoding = struct.unpack(">HHHHi", rfb.exact(12))
        if encoding != 0:
            sys.exit(f"unexpected encoding {encoding}")
        pixels.append(rfb.exact(w * h * 4))
    return b"".join(pixels), width * height

for attempt in range(20):
    data, count = screen(int(sys.argv[1]))
    red = sum(1 for i in range(0, len(data), 4)
              if data[i + 2] > 200 and data[i + 1] < 60 and data[i] < 60)
    colours = len({data[i:i + 3] for i in range(0, len(data), 4 * 7)})
    if red > 1000 and colours > 20:
        print(f"check-headless: {count} pixels served, {red} of them the launcher's red, {colours}+ colours")
        sys.exit(0)
    time.sleep(1)
sys.exit(f"after 20 s: {red} red pixels, {colours} colours")
PY

kill -INT -- -"$session"
for _ in $(seq 100); do
  [[ -z $(in_session) ]] && break
  sleep 0.2
done
left=$(in_session)
[[ -z $left ]] || fail "still running after Ctrl+C: $left"
! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null || fail "something still listens on port $port"
grep -q 'printed pages: /' "$log" || fail "run.sh named no folder for printed pages"
echo "check-headless: served to the browser, showed the launcher, stopped everything on Ctrl+C"
