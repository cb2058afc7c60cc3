# Sourced by the other scripts: a private Wine prefix inside the build folder,
# Japanese locale, and a trash of its own (never the user's).
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$root/build}
export WINEPREFIX=${PURGOX_PREFIX:-$BUILD_DIR/wineprefix}
export WINEARCH=win64
export WINEDEBUG=-all
export LANG=ja_JP.UTF-8
export XDG_DATA_HOME=$BUILD_DIR/xdg-data
export WINE64=/usr/lib/wine/wine64
export PATH=/usr/lib/wine:$PATH

# start_display: starts Xvfb on a free display and exports DISPLAY.
start_display() {
  local fdfile
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$fdfile" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(head -n1 "$fdfile")"
  rm -f "$fdfile"
}

# start_wine: a warm, persistent Wine server whose services hold none of our
# streams (CTest would otherwise wait for them forever).
start_wine() {
  wineserver -p
  "$WINE64" cmd /c exit </dev/null >/dev/null 2>&1
}

stop_all() {
  wineserver -k 2>/dev/null || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}
