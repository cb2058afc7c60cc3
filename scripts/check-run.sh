#!/usr/bin/env bash
# Checks make run on a machine without a display: starts it with DISPLAY
# unset, opens the address it prints in headless Chromium, finds the main
# window's title bar in the page (tools/check_run.py), then stops it as
# Ctrl-C does and checks that nothing it started is left running.
# The pictures go to build/check-run/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh chromium x11vnc novnc websockify x11-utils imagemagick
out=${BUILD_DIR:-build}/check-run
rm -rf "$out"
mkdir -p "$out"

# Its own session: the process group that a terminal's Ctrl-C would reach.
env -u DISPLAY setsid bash scripts/run.sh >"$out/run.log" 2>&1 &
run=$!
stop_run() {
  kill -INT -- "-$run" 2>/dev/null || true
  for _ in $(seq 50); do
    pgrep -g "$run" >/dev/null || return 0
    sleep 0.2
  done
  echo "check-run: still running after Ctrl-C:" >&2
  ps -o pid,cmd -g "$run" >&2
  kill -KILL -- "-$run" 2>/dev/null || true
  return 1
}
trap 'stop_run || true' EXIT

line=
for _ in $(seq 1200); do
  line=$(grep -m1 '^run: Purgox on display' "$out/run.log" || true)
  [ -n "$line" ] && break
  kill -0 "$run" 2>/dev/null || { cat "$out/run.log" >&2; echo "check-run: make run ended" >&2; exit 1; }
  sleep 0.5
done
[ -n "$line" ] || { echo "check-run: make run printed no address" >&2; exit 1; }
echo "$line"
display=$(sed -E 's/.* display (:[0-9]+) .*/\1/' <<<"$line")
url=$(grep -o 'http://[^ ]*' <<<"$line")

python3 tools/check_run.py "$url" "$display" "$out"
trap - EXIT
stop_run
echo "check-run: make run stopped on Ctrl-C with everything it started"
