#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
prepare
start_session
ctest --test-dir "$BUILD_DIR" --output-on-failure --timeout 300 "$@"
