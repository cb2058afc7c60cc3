#!/usr/bin/env bash
# Installs what is missing, builds, and starts Purgox under Wine in Japanese
# from a folder of its own (build/run), where its settings file and delete
# log are kept beside the executable, with its help page.
#
# With an X display, Wine draws there. Without one, a virtual display is
# started and served to a web browser on this machine through x11vnc and
# noVNC; the address to open is printed, and Ctrl-C (or closing Purgox)
# stops everything. PURGOX_WEB_PORT picks the web port (default 6080).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
prepare
# Wine draws the title-bar buttons with Marlett; without it they show letters.
bash scripts/setup.sh fonts-wine
install -D -m 644 /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"

home=$BUILD_DIR/run
mkdir -p "$home"
cp "$BUILD_DIR/app/Purgox.exe" "$BUILD_DIR/app/Purgox.html" "$home/"
cp -r "$BUILD_DIR/app/help" "$home/"

if [ -n "${DISPLAY:-}" ]; then
  cd "$home"
  exec "$WINE64" Purgox.exe
fi

bash scripts/setup.sh x11vnc novnc websockify

# A port of this machine that nothing listens on.
free_port() {
  python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}
port_taken() {
  python3 -c 'import socket, sys; s = socket.socket(); sys.exit(s.connect_ex(("127.0.0.1", int(sys.argv[1]))) != 0)' "$1"
}

served=()
stop_served() {
  for pid in "${served[@]}"; do kill "$pid" 2>/dev/null || true; done
  stop_all
}
trap stop_served EXIT
trap 'exit 130' INT TERM

start_display
web_port=${PURGOX_WEB_PORT:-6080}
if port_taken "$web_port"; then web_port=$(free_port); fi
vnc_port=$(free_port)
x11vnc -display "$DISPLAY" -localhost -rfbport "$vnc_port" -nopw -forever -shared -quiet \
  >"$BUILD_DIR/run-x11vnc.log" 2>&1 &
served+=($!)
websockify --web /usr/share/novnc "127.0.0.1:$web_port" "127.0.0.1:$vnc_port" \
  >"$BUILD_DIR/run-websockify.log" 2>&1 &
served+=($!)
start_wine

echo "run: Purgox on display $DISPLAY is shown at http://localhost:$web_port/vnc.html?autoconnect=true (Ctrl-C stops)"
cd "$home"
"$WINE64" Purgox.exe </dev/null &
wait $!
