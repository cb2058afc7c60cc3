#!/usr/bin/env bash
# Renders docs/folder-tree.png: the folder tree opened at a folder with
# Japanese names on the test drive P:. Called by scripts/screenshots.sh with
# the display and the Wine server running; alone, it starts both.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
if [ -z "${DISPLAY:-}" ]; then
  bash scripts/setup.sh
  bash scripts/build.sh
  bash scripts/prefix.sh
  trap stop_all EXIT
  start_display
  start_wine
fi

request=$BUILD_DIR/shots/tree-request
mkdir -p "$(dirname "$request")" docs
rm -f "$request"
"$WINE64" "$BUILD_DIR/tests/browse/tree_tour.exe" "Z:${request//\//\\}" </dev/null &
tour=$!
while kill -0 "$tour" 2>/dev/null; do
  if [ -f "$request" ]; then
    read -r name x y width height <"$request"
    import -display "$DISPLAY" -window root -crop "${width}x${height}+${x}+${y}" +repage "docs/$name.png"
    echo "screenshots: docs/$name.png"
    rm -f "$request"
  fi
  sleep 0.1
done
wait "$tour"
