#!/usr/bin/env bash
# Renders the pictures in docs/ under Xvfb: the main window idle and during
# a run, the confirmation, the log viewer, the about box and the folder
# tree. Tour programs drive the dialogs and ask for each picture through a
# request file.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
prepare
start_session

shots=$BUILD_DIR/shots
rm -rf "$shots"
mkdir -p "$shots/home"
cp "$BUILD_DIR/app/Purgox.exe" "$shots/home/"
run_tour "$BUILD_DIR/tests/ui/screenshot_tour.exe" "$shots/request" \
  "$(winpath "$shots/home/Purgox.exe")" "$(winpath "$shots/home")" "$(winpath "$shots/request")"
# The folder tree, opened at a folder with Japanese names.
run_tour "$BUILD_DIR/tests/browse/tree_tour.exe" "$shots/tree-request" "$(winpath "$shots/tree-request")"
