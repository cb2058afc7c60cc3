#!/usr/bin/env bash
# Builds, then times our deletion run against Wine's "del /s /q" on trees of
# 1,001 and 10,010 folders (20 files each, half matching). "quick" skips the
# larger tree.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
source scripts/wine-env.sh
bash scripts/prefix.sh
trap stop_all EXIT
start_display
start_wine
work=$BUILD_DIR/bench-data
mkdir -p "$work"
"$WINE64" "$BUILD_DIR/bench/purgox_bench.exe" "Z:$(echo "$work" | tr / '\\')" "$@" </dev/null
