#!/usr/bin/env bash
# Builds, then times our deletion run against Wine's "del /s /q" on trees of
# 1,001 and 10,010 folders (20 files each, half matching; "quick" skips the
# larger tree), and the folder tree on the fixed test drive.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
prepare
start_session
work=$BUILD_DIR/bench-data
mkdir -p "$work"
"$WINE64" "$BUILD_DIR/bench/purgox_bench.exe" "$(winpath "$work")" "$@" </dev/null
"$WINE64" "$BUILD_DIR/bench/tree_bench.exe" </dev/null
# The folder tree's clicks and close while another process churns folders.
"$WINE64" "$BUILD_DIR/bench/tree_bench.exe" churn </dev/null
