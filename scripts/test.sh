#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
source scripts/wine-env.sh
bash scripts/prefix.sh

trap stop_all EXIT
start_display
start_wine
ctest --test-dir "$BUILD_DIR" --output-on-failure --timeout 300 "$@"
