#!/usr/bin/env bash
# Builds, then times the program through its window against a fast walk and
# Wine's "del /s /q" on trees of 1,001 and 10,010 folders (20 files each,
# half matching) and on copies of two real folders ("quick" keeps only the
# smaller tree; "program=PATH" times another build), its start-up, and the
# folder tree on the fixed test drive. The load before and after is printed
# too: on a shared machine the figures mean something only within one run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
prepare
start_session
work=$BUILD_DIR/bench-data
mkdir -p "$work"
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
"$WINE64" "$BUILD_DIR/bench/purgox_bench.exe" "$(winpath "$work")" "$@" </dev/null
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
"$WINE64" "$BUILD_DIR/bench/tree_bench.exe" </dev/null
# The folder tree's clicks and close while another process churns folders.
"$WINE64" "$BUILD_DIR/bench/tree_bench.exe" churn </dev/null
