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

# prepare: installs what is missing, builds, and makes the prefix.
prepare() {
  bash "$root/scripts/setup.sh"
  bash "$root/scripts/build.sh"
  bash "$root/scripts/prefix.sh"
}

# start_session: a display and a warm Wine server until the script exits.
start_session() {
  trap stop_all EXIT
  start_display
  start_wine
}

# run_tour EXE REQUEST-FILE [ARGS...]: runs a tour program that asks for
# pictures by writing "name x y width height" into the request file, and
# saves each one into docs/.
run_tour() {
  local exe=$1 request=$2
  shift 2
  rm -f "$request"
  mkdir -p "$root/docs"
  "$WINE64" "$exe" "$@" </dev/null &
  local tour=$!
  while kill -0 "$tour" 2>/dev/null; do
    if [ -f "$request" ]; then
      read -r name x y width height <"$request"
      import -display "$DISPLAY" -window root -crop "${width}x${height}+${x}+${y}" +repage \
        "$root/docs/$name.png"
      echo "screenshots: docs/$name.png"
      rm -f "$request"
    fi
    sleep 0.1
  done
  wait "$tour"
}

winpath() { echo "Z:${1//\//\\}"; }

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
