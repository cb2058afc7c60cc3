#!/usr/bin/env bash
# Renders the pictures in docs/ under Xvfb: the main window idle and during
# a run, the confirmation, the log viewer, the about box and the folder
# tree. Tour programs drive Purgox and ask for each picture through a
# request file.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
source scripts/wine-env.sh
bash scripts/prefix.sh

shots=$BUILD_DIR/shots
rm -rf "$shots"
mkdir -p "$shots/home" docs
cp "$BUILD_DIR/app/Purgox.exe" "$shots/home/"
winpath() { echo "Z:${1//\//\\}"; }
request=$shots/request

trap stop_all EXIT
start_display
start_wine
"$WINE64" "$BUILD_DIR/tests/ui/screenshot_tour.exe" "$(winpath "$shots/home/Purgox.exe")" \
  "$(winpath "$shots/home")" "$(winpath "$request")" </dev/null &
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
# The folder tree, opened at a folder with Japanese names.
bash scripts/screenshot-tree.sh
