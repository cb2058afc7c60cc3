#!/usr/bin/env bash
# Installs what is missing, builds, and starts Purgox under Wine in Japanese
# from a folder of its own (build/run), where its settings file and delete
# log are kept beside the executable.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
prepare

if [ -z "${DISPLAY:-}" ]; then
  echo "run: no X display; set DISPLAY (Wine draws the window there)" >&2
  exit 1
fi
home=$BUILD_DIR/run
mkdir -p "$home"
cp "$BUILD_DIR/app/Purgox.exe" "$home/"
cd "$home"
exec "$WINE64" Purgox.exe
